// The fast 18 digits against the exact path (std::to_chars) on every class
// of double, and the power-of-ten table against exact integers. A run of 10^8
// numbers is opt-in: QUORVANE_LONG_DIGITS=1.
#include "numbers/eighteen_digits.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numbers/powers_of_ten.h"
#include "support/big_unsigned.h"
#include "support/hexfloat.h"

namespace quorvane {
namespace {

using test_support::BigUnsigned;
using test_support::Hex;

std::string Describe(const DecimalDigits& d) {
  return std::string(d.negative ? "-" : "+") + std::to_string(d.significand) + "E" +
         std::to_string(d.exponent);
}

// Counts a difference, reporting the first few with the value's bits.
class Comparison {
 public:
  void Check(double value) {
    ++count_;
    const DecimalDigits fast = EighteenDigits(value);
    const DecimalDigits exact = EighteenDigitsExact(value);
    if (fast == exact) return;
    if (++differences_ <= 10) {
      ADD_FAILURE() << Hex(value) << ": fast " << Describe(fast) << ", exact " << Describe(exact);
    }
  }
  std::int64_t count() const { return count_; }
  std::int64_t differences() const { return differences_; }

 private:
  std::int64_t count_ = 0;
  std::int64_t differences_ = 0;
};

// Any finite non-zero double: half of them raw bit patterns (every binade,
// subnormals included, equally often), half in the range of measured
// profiles, with a random significand and a binary exponent of -60 to 60.
class TestDoubles {
 public:
  explicit TestDoubles(std::uint64_t seed) : random_(seed) {}

  double Next() {
    for (;;) {
      const std::uint64_t bits = random_();
      double value = std::bit_cast<double>(bits);
      if (bits % 2 == 0) {
        const std::uint64_t sign_and_significand = bits & 0x800FFFFFFFFFFFFF;
        const std::uint64_t exponent = 1023 - 60 + (random_() % 121);
        value = std::bit_cast<double>(sign_and_significand | exponent << 52);
      }
      if (std::isfinite(value) && value != 0) return value;
    }
  }

 private:
  std::mt19937_64 random_;
};

TEST(EighteenDigits, Examples) {
  EXPECT_EQ(EighteenDigits(2.75), (DecimalDigits{275000000000000000, 0, false}));
  EXPECT_EQ(EighteenDigits(-0.1), (DecimalDigits{100000000000000006, -1, true}));
  EXPECT_EQ(EighteenDigits(0x1p-1074), (DecimalDigits{494065645841246544, -324, false}));
  EXPECT_EQ(EighteenDigits(DBL_MAX), (DecimalDigits{179769313486231571, 308, false}));
  // An exact tie at the 18th digit, to the even digit: 1.000003814697265625.
  EXPECT_EQ(EighteenDigits(1 + 0x1p-18), (DecimalDigits{100000381469726562, 0, false}));
  EXPECT_EQ(EighteenDigits(1 + 0x3p-18), (DecimalDigits{100001144409179688, 0, false}));
}

TEST(EighteenDigits, PowerOfTenTableIsTenToTheKTruncated) {
  // P <= 10^k / 2^q < P + 1, compared as integers.
  for (int k = kMinPowerOfTen; k <= kMaxPowerOfTen; ++k) {
    const Uint128Parts parts = PowerOfTenSignificand(k);
    ASSERT_GE(parts.high, std::uint64_t{1} << 63) << k;
    BigUnsigned p(parts.high);
    p.ShiftLeft(64).Add(BigUnsigned(parts.low));
    BigUnsigned p_plus_one = p;
    p_plus_one.AddSmall(1);
    const int q = BinaryExponentOfPowerOfTen(k);
    // Both sides times 2^max(q, 0) x 10^max(-k, 0), so that all are integers.
    BigUnsigned power(1);
    power.MultiplyPowerOf10(static_cast<unsigned>(std::max(k, 0)));
    power.ShiftLeft(static_cast<unsigned>(std::max(-q, 0)));
    for (BigUnsigned* bound : {&p, &p_plus_one}) {
      bound->ShiftLeft(static_cast<unsigned>(std::max(q, 0)));
      bound->MultiplyPowerOf10(static_cast<unsigned>(std::max(-k, 0)));
    }
    EXPECT_TRUE(p <= power && power < p_plus_one) << "10^" << k;
  }
}

TEST(EighteenDigits, MatchesTheExactPathOnAMillionDoublesSeeded) {
  TestDoubles doubles(20261211);
  Comparison comparison;
  for (int i = 0; i < 1'000'000; ++i) comparison.Check(doubles.Next());
  EXPECT_EQ(comparison.differences(), 0) << "of " << comparison.count();
}

// Doubles m x 2^-j with m odd have exactly j digits after the point, so
// E + 1 + j significant digits for a first digit at 10^E: choosing j = D - 1
// - E gives values of exactly D digits. D = 19 makes a tie at the 18th digit
// (the last digit of m x 5^j / 10^j is 5).
std::vector<double> ValuesWithExactDigits(int digit_count, std::mt19937_64& random) {
  std::vector<double> values;
  for (int e = -12; e <= 17; ++e) {
    const int j = digit_count - 1 - e;
    if (j < 0) continue;
    // m in [10^e x 2^j, 10^(e+1) x 2^j), below 2^53, odd.
    const long double low = std::ceil(std::ldexp(std::pow(10.0L, e), j));
    const long double high = std::min(std::ldexp(std::pow(10.0L, e + 1), j), 0x1p53L);
    if (!(low < high)) continue;
    const auto first = static_cast<std::uint64_t>(low);
    const auto span = static_cast<std::uint64_t>(high - low);
    for (int i = 0; i < 300; ++i) {
      const std::uint64_t m = (first + (span == 0 ? 0 : random() % span)) | 1;
      const double value = std::ldexp(static_cast<double>(m), -j);
      values.push_back(i % 2 == 0 ? value : -value);
    }
  }
  return values;
}

TEST(EighteenDigits, ExactTiesAndValuesOfSeventeenAndEighteenDigits) {
  std::mt19937_64 random(19);
  for (const int digit_count : {17, 18, 19}) {
    Comparison comparison;
    int confirmed = 0;
    for (const double value : ValuesWithExactDigits(digit_count, random)) {
      const test_support::DecimalExpansion exact = test_support::ExactDecimal(value);
      if (static_cast<int>(exact.digits.size()) != digit_count) continue;  // m went past 10^(e+1)
      ++confirmed;
      if (digit_count == 19) {
        ASSERT_EQ(exact.digits.back(), '5') << Hex(value);
      }
      comparison.Check(value);
    }
    EXPECT_GT(confirmed, 2000) << digit_count << " digits";
    EXPECT_EQ(comparison.differences(), 0) << digit_count << " digits";
  }
}

TEST(EighteenDigits, BinadeEdgesPowersOfTenAndTheirNeighbours) {
  Comparison comparison;
  auto check_around = [&](double value, int steps) {
    double up = value;
    double down = value;
    for (int i = 0; i <= steps; ++i) {
      for (const double v : {up, down, -up, -down}) {
        if (std::isfinite(v) && v != 0) comparison.Check(v);
      }
      up = std::nextafter(up, INFINITY);
      down = std::nextafter(down, 0.0);
    }
  };
  // Every binade's first and last double: the ends of each decade estimate.
  for (int b = -1074; b <= 1023; ++b) check_around(std::ldexp(1.0, b), 2);
  check_around(DBL_MAX, 3);
  check_around(DBL_MIN, 3);
  check_around(0x1p-1074, 3);
  for (int e = -324; e <= 308; ++e) {
    const std::string exponent = "e" + std::to_string(e);
    // 10^e, and the values whose 18 digits carry into the next decade.
    check_around(std::strtod(("1" + exponent).c_str(), nullptr), 3);
    check_around(std::strtod(("9.999999999999999995" + exponent).c_str(), nullptr), 3);
    check_around(std::strtod(("9.99999999999999999" + exponent).c_str(), nullptr), 3);
  }
  // Whole numbers of 16 to 19 digits.
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const auto m = static_cast<double>(random() >> 11);
    comparison.Check(std::ldexp(m, static_cast<int>(random() % 12)));
  }
  EXPECT_EQ(comparison.differences(), 0) << "of " << comparison.count();
}

TEST(EighteenDigits, LongRunOfAHundredMillionDoublesSeeded) {
  const char* enabled = std::getenv("QUORVANE_LONG_DIGITS");
  if (enabled == nullptr || std::string(enabled) != "1") {
    GTEST_SKIP() << "set QUORVANE_LONG_DIGITS=1 to run";
  }
  TestDoubles doubles(100000000);
  Comparison comparison;
  for (int i = 0; i < 100'000'000; ++i) comparison.Check(doubles.Next());
  EXPECT_EQ(comparison.differences(), 0) << "of " << comparison.count();
  RecordProperty("numbers", std::to_string(comparison.count()));
  std::printf("compared %lld doubles, %lld differences\n",
              static_cast<long long>(comparison.count()),
              static_cast<long long>(comparison.differences()));
}

}  // namespace
}  // namespace quorvane
