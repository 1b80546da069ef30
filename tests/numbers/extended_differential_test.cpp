// The software extended format against the x87 unit, bit for bit: every
// operation and conversion the dose calculations use, on seeded random
// operands from every class of value (zeros, subnormals, normals over the
// whole exponent range, values near overflow and near the double range's
// ends, exact ties, operands that cancel). Runs where long double is the x87
// format (x86-64), in either build.
//
// Operations per check: QUORVANE_DIFFERENTIAL_COUNT from the environment
// when set (the long run: QUORVANE_DIFFERENTIAL_COUNT=1000000000), otherwise
// the build's default (kDefaultCount below).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "numbers/extended.h"
#include "support/hexfloat.h"

#ifndef QUORVANE_DIFFERENTIAL_DEFAULT_COUNT
#define QUORVANE_DIFFERENTIAL_DEFAULT_COUNT 1000000
#endif

namespace quorvane {
namespace {

#if __LDBL_MANT_DIG__ == 64 && __LDBL_MAX_EXP__ == 16384

constexpr std::int64_t kDefaultCount = QUORVANE_DIFFERENTIAL_DEFAULT_COUNT;
constexpr int kReportedFailures = 10;

std::int64_t CheckCount() {
  const char* text = std::getenv("QUORVANE_DIFFERENTIAL_COUNT");
  if (text == nullptr || *text == '\0') return kDefaultCount;
  return std::strtoll(text, nullptr, 10);
}

long double ToX87(SoftExtended value) {
  long double result = 0;
  unsigned char bytes[sizeof result] = {};
  const std::uint64_t significand = value.significand();
  const std::uint16_t sign_and_exponent = value.sign_and_exponent();
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &sign_and_exponent, 2);
  std::memcpy(&result, bytes, sizeof result);
  return result;
}

// The x87 quotient, also by zero (an infinity or a NaN, which the checked
// Divide never lets happen): exempt from the sanitizer build's trap.
__attribute__((no_sanitize("float-divide-by-zero"))) long double X87Quotient(long double a,
                                                                             long double b) {
  return a / b;
}

std::string Bits(SoftExtended value) {
  char text[32];
  std::snprintf(text, sizeof text, "[%04x %016llx]", value.sign_and_exponent(),
                static_cast<unsigned long long>(value.significand()));
  return text;
}

std::string Show(SoftExtended value) { return test_support::Hex(ToX87(value)) + " " + Bits(value); }

bool SameBits(SoftExtended a, SoftExtended b) {
  return a.sign_and_exponent() == b.sign_and_exponent() && a.significand() == b.significand();
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Seeded operands from every class of value.
class OperandSource {
 public:
  explicit OperandSource(std::uint64_t seed) : random_(seed) {}

  std::uint64_t Bits64() { return random_(); }
  std::uint64_t Below(std::uint64_t bound) { return random_() % bound; }

  SoftExtended Any() {
    switch (Below(12)) {
      case 0:
        return Make(Below(2) == 0, 0, 0);  // zero
      case 1:
        return Make(Sign(), 0, Bits64() >> (1 + Below(63)) | 1);  // subnormal
      case 2:
      case 3:
        return Normal(1 + static_cast<int>(Below(0x7ffe)));  // the whole range
      case 4:
        return Normal(0x7ffe - static_cast<int>(Below(4)));  // near overflow
      case 5:
        return Normal(1 + static_cast<int>(Below(4)));  // near the subnormals
      case 6:
      case 7:
        return Normal(16383 + static_cast<int>(Below(160)) - 80);  // everyday sizes
      case 8:
        return AroundDoubleEnds();
      case 9:
        return FewBits(16383 + static_cast<int>(Below(200)) - 100);
      case 10: {
        double value = 0;
        const std::uint64_t bits = Bits64();
        std::memcpy(&value, &bits, sizeof value);
        return std::isnan(value) ? SoftExtended(1.5) : SoftExtended(value);
      }
      default:
        return Below(8) == 0 ? Make(Sign(), 0x7fff, SoftExtended::kLeadingBit) : Normal(16383);
    }
  }

  // A second operand that makes the pair interesting for addition and
  // subtraction: exact ties, cancellation, close and far exponents.
  SoftExtended PartnerForSum(SoftExtended a) {
    const int exponent = a.biased_exponent();
    switch (Below(6)) {
      case 0:  // half a unit in the last place of a, or a little more or less
        return Make(Sign(), Clamp(exponent - 64 - static_cast<int>(Below(2))),
                    SoftExtended::kLeadingBit | (Below(3) == 0 ? Bits64() >> 40 : 0));
      case 1: {  // cancels a in its leading bits; the leading bit stays explicit
        const std::uint64_t flipped = a.significand() ^ (Bits64() >> Below(64));
        const std::uint64_t leading = exponent == 0 ? 0 : SoftExtended::kLeadingBit;
        return Make(!a.negative(), exponent, (flipped & ~SoftExtended::kLeadingBit) | leading);
      }
      case 2:
        return -NextToward(a, Below(2) == 0 ? SoftExtended(0) : SoftExtended(1e4000L));
      case 3:  // close exponents
        return Normal(Clamp(exponent + static_cast<int>(Below(140)) - 70));
      case 4:
        return FewBits(Clamp(exponent + static_cast<int>(Below(140)) - 70));
      default:
        return Any();
    }
  }

  // Pairs whose products or quotients fall on or next to a tie.
  std::pair<SoftExtended, SoftExtended> PairForProduct() {
    switch (Below(4)) {
      case 0: {  // two odd integers whose product has 65 bits: an exact tie
        const int a_bits = 1 + static_cast<int>(Below(64));
        const std::uint64_t a =
            (Bits64() >> (64 - a_bits)) | 1 | (std::uint64_t{1} << (a_bits - 1));
        const int b_bits = 66 - a_bits - static_cast<int>(Below(2));
        const std::uint64_t b =
            b_bits >= 64 ? Bits64() | 1 | SoftExtended::kLeadingBit
                         : (Bits64() >> (64 - b_bits)) | 1 | (std::uint64_t{1} << (b_bits - 1));
        return {Scaled(a), Scaled(b)};
      }
      case 1: {
        const SoftExtended a = Any();
        return {a, Any()};
      }
      case 2: {
        const SoftExtended a = Normal(16383 + static_cast<int>(Below(60)) - 30);
        return {a, FewBits(16383 + static_cast<int>(Below(60)) - 30)};
      }
      default:
        return {Normal(1 + static_cast<int>(Below(0x7ffe))),
                Normal(1 + static_cast<int>(Below(0x7ffe)))};
    }
  }

  std::pair<SoftExtended, SoftExtended> PairForQuotient() {
    if (Below(3) == 0) {
      // a = b x c, so a / b lies at or next to c, often next to a tie.
      const SoftExtended b = Normal(16383 + static_cast<int>(Below(200)) - 100);
      const SoftExtended c = Below(2) == 0 ? FewBits(16383 + static_cast<int>(Below(200)) - 100)
                                           : Normal(16383 + static_cast<int>(Below(200)) - 100);
      return {b * c, b};
    }
    return PairForProduct();
  }

  // Values around the double range's ends and on double ties.
  SoftExtended AroundDoubleEnds() {
    static constexpr int kEnds[] = {16383 + 1023, 16383 - 1022, 16383 - 1074,
                                    16383 - 1075, 16383 - 1050, 16383};
    const int exponent = kEnds[Below(std::size(kEnds))] + static_cast<int>(Below(5)) - 2;
    std::uint64_t significand = Bits64() | SoftExtended::kLeadingBit;
    if (Below(2) == 0) significand = (significand & ~std::uint64_t{0x7ff}) | 0x400;  // a tie
    if (Below(4) == 0) significand |= 0x7ff;
    return Make(Sign(), exponent, significand);
  }

  SoftExtended Normal(int exponent) {
    return Make(Sign(), exponent, Bits64() | SoftExtended::kLeadingBit);
  }

  // Few significant bits: sums and products of these tie often.
  SoftExtended FewBits(int exponent) {
    const std::uint64_t mask = ~std::uint64_t{0} << Below(64);
    return Make(Sign(), exponent, (Bits64() & mask) | SoftExtended::kLeadingBit);
  }

  SoftExtended Scaled(std::uint64_t integer) {
    return ScaleByPowerOf2(SoftExtended(integer), static_cast<int>(Below(400)) - 200) *
           (Sign() ? -1 : 1);
  }

  bool Sign() { return Below(2) == 0; }

 private:
  static int Clamp(int exponent) {
    return exponent < 1 ? 1 : exponent > 0x7ffe ? 0x7ffe : exponent;
  }

  static SoftExtended Make(bool negative, int exponent, std::uint64_t significand) {
    return SoftExtended::FromBits(static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponent),
                                  significand);
  }

  std::mt19937_64 random_;
};

// Runs `check` `count` times; it returns an empty text when the two agree.
void RunChecks(const char* name, std::uint64_t seed,
               const std::function<std::string(OperandSource&)>& check) {
  OperandSource source(seed);
  const std::int64_t count = CheckCount();
  std::int64_t failures = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const std::string failure = check(source);
    if (failure.empty()) continue;
    if (++failures <= kReportedFailures) ADD_FAILURE() << name << ": " << failure;
  }
  EXPECT_EQ(failures, 0) << name << ": " << failures << " of " << count << " differ";
  std::printf("%s: %lld checks, %lld differences\n", name, static_cast<long long>(count),
              static_cast<long long>(failures));
}

std::string CompareResults(const char* op, SoftExtended a, SoftExtended b, SoftExtended soft,
                           long double x87) {
  if (SameBits(soft, SoftExtended(x87))) return {};
  return Show(a) + " " + op + " " + Show(b) + ": software " + Show(soft) + ", x87 " +
         Show(SoftExtended(x87));
}

TEST(ExtendedDifferential, Addition) {
  RunChecks("add", 101, [](OperandSource& source) {
    const SoftExtended a = source.Any();
    const SoftExtended b = source.PartnerForSum(a);
    return CompareResults("+", a, b, a + b, ToX87(a) + ToX87(b));
  });
}

TEST(ExtendedDifferential, Subtraction) {
  RunChecks("subtract", 102, [](OperandSource& source) {
    const SoftExtended a = source.Any();
    const SoftExtended b = -source.PartnerForSum(a);
    return CompareResults("-", a, b, a - b, ToX87(a) - ToX87(b));
  });
}

TEST(ExtendedDifferential, Multiplication) {
  RunChecks("multiply", 103, [](OperandSource& source) {
    const auto [a, b] = source.PairForProduct();
    return CompareResults("*", a, b, a * b, ToX87(a) * ToX87(b));
  });
}

TEST(ExtendedDifferential, Division) {
  RunChecks("divide", 104, [](OperandSource& source) {
    const auto [a, b] = source.PairForQuotient();
    return CompareResults("/", a, b, a / b, X87Quotient(ToX87(a), ToX87(b)));
  });
}

TEST(ExtendedDifferential, ConversionFromIntegersAndDouble) {
  RunChecks("from int32, int64, double", 105, [](OperandSource& source) {
    const std::uint64_t bits = source.Bits64() >> source.Below(64);
    const auto wide = static_cast<std::int64_t>(source.Sign() ? bits : ~bits);
    const auto narrow = static_cast<std::int32_t>(wide);
    double real = 0;
    const std::uint64_t pattern = source.Bits64();
    std::memcpy(&real, &pattern, sizeof real);
    if (std::isnan(real)) real = -0.0;
    std::ostringstream failure;
    if (!SameBits(SoftExtended(wide), SoftExtended(static_cast<long double>(wide))))
      failure << "int64 " << wide << " -> " << Show(SoftExtended(wide));
    if (!SameBits(SoftExtended(narrow), SoftExtended(static_cast<long double>(narrow))))
      failure << "int32 " << narrow << " -> " << Show(SoftExtended(narrow));
    if (!SameBits(SoftExtended(real), SoftExtended(static_cast<long double>(real))))
      failure << "double " << test_support::Hex(real) << " -> " << Show(SoftExtended(real));
    return failure.str();
  });
}

TEST(ExtendedDifferential, StoreToDouble) {
  RunChecks("store to double", 106, [](OperandSource& source) {
    const SoftExtended a = source.Below(2) == 0 ? source.AroundDoubleEnds() : source.Any();
    const double soft = static_cast<double>(a);
    const auto x87 = static_cast<double>(ToX87(a));
    if (SameBits(soft, x87)) return std::string();
    return Show(a) + ": software " + test_support::Hex(soft) + ", x87 " + test_support::Hex(x87);
  });
}

TEST(ExtendedDifferential, Comparisons) {
  RunChecks("compare", 107, [](OperandSource& source) {
    const SoftExtended a = source.Any();
    const SoftExtended b = source.Below(3) == 0 ? a : source.PartnerForSum(a);
    const long double x = ToX87(a);
    const long double y = ToX87(b);
    const bool same = (a == b) == (x == y) && (a < b) == (x < y) && (a <= b) == (x <= y) &&
                      (a > b) == (x > y) && (a >= b) == (x >= y) && (a != b) == (x != y);
    return same ? std::string() : Show(a) + " vs " + Show(b);
  });
}

// Rounding to a whole number, the range test of the 64-bit conversion and
// the conversion itself, as RoundHalfEven and TruncateTowardZero do them.
std::string CompareIntegral(SoftExtended a, IntegralRounding mode, long double x87_whole) {
  const SoftExtended soft_whole = RoundToIntegral(a, mode);
  if (!SameBits(soft_whole, SoftExtended(x87_whole)))
    return Show(a) + ": whole software " + Show(soft_whole) + ", x87 " + Show(x87_whole);
  const SoftExtended limit = 9223372036854775808.0;
  const bool soft_in_range = soft_whole >= -limit && soft_whole < limit;
  const bool x87_in_range = x87_whole >= -0x1p63L && x87_whole < 0x1p63L;
  if (soft_in_range != x87_in_range) return Show(a) + ": range test differs";
  if (soft_in_range && IntegralToInt64(soft_whole) != static_cast<std::int64_t>(x87_whole))
    return Show(a) + ": 64-bit integer differs";
  return {};
}

TEST(ExtendedDifferential, RoundingToWholeNumbers) {
  RunChecks("round half even, truncate, floor", 108, [](OperandSource& source) {
    const SoftExtended a = source.Below(2) == 0
                               ? source.FewBits(16383 + static_cast<int>(source.Below(70)) - 4)
                               : source.Any();
    const long double x = ToX87(a);
    std::string failure = CompareIntegral(a, IntegralRounding::kNearestEven, __builtin_rintl(x));
    if (failure.empty())
      failure = CompareIntegral(a, IntegralRounding::kTowardZero, __builtin_truncl(x));
    if (failure.empty()) failure = CompareIntegral(a, IntegralRounding::kDown, __builtin_floorl(x));
    return failure;
  });
}

TEST(ExtendedDifferential, ScalingNeighboursAndInfinityTest) {
  RunChecks("scale, next, infinity test", 109, [](OperandSource& source) {
    const SoftExtended a = source.Any();
    const int exponent = source.Below(4) == 0 ? static_cast<int>(source.Below(70000)) - 35000
                                              : static_cast<int>(source.Below(200)) - 100;
    const SoftExtended toward = source.PartnerForSum(a);
    const long double x = ToX87(a);
    std::string failure =
        CompareResults("scaled by 2^", a, SoftExtended(exponent), ScaleByPowerOf2(a, exponent),
                       __builtin_ldexpl(x, exponent));
    if (failure.empty())
      failure = CompareResults("next toward", a, toward, NextToward(a, toward),
                               __builtin_nextafterl(x, ToX87(toward)));
    if (failure.empty() && a.is_infinite() != static_cast<bool>(__builtin_isinf(x)))
      failure = Show(a) + ": infinity test differs";
    return failure;
  });
}

#else

TEST(ExtendedDifferential, NeedsTheX87Unit) {
  GTEST_SKIP() << "long double is not the x87 format here: nothing to compare against";
}

#endif

}  // namespace
}  // namespace quorvane
