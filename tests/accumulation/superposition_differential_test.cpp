// The fast superposition against the plain loop, bit for bit, over generated
// inputs (fixed seeds): point counts 1 to 1025, shifts 0 to beyond the point
// count, short, overlapping and long series, and values that mix signs,
// zeros, subnormals, many binades and sums that land on rounding ties.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "accumulation/repeated_sum.h"
#include "accumulation/superposition.h"
#include "errors/error.h"
#include "support/error_capture.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

using test_support::Hex;

class TermGenerator {
 public:
  // Kinds 0 to 7; 6 and 7 both give a plain profile value.
  static constexpr std::uint64_t kKinds = 8;

  explicit TermGenerator(std::uint64_t seed) : random_(seed) {}

  // A dose-like term of any kind.
  Extended Next() { return OfKind(Below(kKinds)); }

  // A dose-like term of the given kind.
  Extended OfKind(std::uint64_t kind) {
    switch (kind) {
      case 0:
        return 0.0L;
      case 1:  // a few bits at a scale: their sums hit rounding ties
        return Sign() * ScaleByPowerOf2(static_cast<Extended>(random_() % 4096 + 1),
                                        static_cast<int>(random_() % 120) - 60);
      case 2:  // subnormal doubles
        return Sign() * static_cast<Extended>(std::bit_cast<double>(random_() % (1ULL << 52)));
      case 3:  // any finite double of moderate size
        return Sign() * ScaleByPowerOf2(static_cast<Extended>(Uniform()),
                                        static_cast<int>(random_() % 80) - 40);
      case 4:  // a quotient kept at extended precision, as the helical terms are
        return static_cast<Extended>(Uniform() * 30) / static_cast<Extended>(random_() % 99 + 1);
      case 5:  // 1 and just above half an ulp of it
        return random_() % 2 == 0 ? 1.0L : 0x1p-53L + 0x1p-105L;
      default:  // a plain profile value
        return static_cast<Extended>(std::round(Uniform() * 1e4) / 1e3);
    }
  }

  std::vector<Extended> Terms(std::size_t count) {
    // Each case draws from a few kinds only (one to three), so that ties and
    // binade crossings of one kind meet each other.
    const std::uint64_t kinds[] = {Below(kKinds), Below(kKinds), Below(kKinds)};
    const std::uint64_t kinds_used = Below(3) + 1;
    std::vector<Extended> terms;
    for (std::size_t i = 0; i < count; ++i) terms.push_back(OfKind(kinds[Below(kinds_used)]));
    return terms;
  }

  std::uint64_t Below(std::uint64_t bound) { return random_() % bound; }

 private:
  double Uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
  Extended Sign() { return random_() % 3 == 0 ? -1.0L : 1.0L; }

  std::mt19937_64 random_;
};

struct Outcome {
  std::vector<double> dose;
  std::optional<ErrorKind> error;
};

template <typename Kernel>
Outcome RunKernel(Kernel kernel, const std::vector<Extended>& terms, std::int64_t copies,
                  std::int64_t shift, std::size_t size) {
  Outcome outcome{std::vector<double>(size, 0.0), std::nullopt};
  const auto error =
      test_support::CaptureError([&] { kernel(terms, copies, shift, outcome.dose); });
  if (error) outcome.error = error->kind;
  return outcome;
}

void ExpectSameOutcome(const std::vector<Extended>& terms, std::int64_t copies,
                       std::int64_t shift) {
  const std::size_t size =
      static_cast<std::size_t>(copies - 1) * static_cast<std::size_t>(shift) + terms.size() + 3;
  const Outcome fast = RunKernel(Superpose, terms, copies, shift, size);
  const Outcome reference = RunKernel(SuperposeReference, terms, copies, shift, size);
  ASSERT_EQ(fast.error, reference.error)
      << "n " << terms.size() << " copies " << copies << " shift " << shift;
  if (fast.error) return;
  for (std::size_t j = 0; j < size; ++j) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fast.dose[j]),
              std::bit_cast<std::uint64_t>(reference.dose[j]))
        << "sample " << j << ": " << Hex(fast.dose[j]) << " != " << Hex(reference.dose[j]) << " (n "
        << terms.size() << ", copies " << copies << ", shift " << shift << ")";
  }
}

TEST(SuperposeDifferential, ShiftsOfOneOrMoreMatchThePlainLoopSeeded) {
  TermGenerator generator(20261211);
  for (int trial = 0; trial < 3000; ++trial) {
    const std::size_t n = trial % 50 == 0 ? 1025 : generator.Below(trial % 5 == 0 ? 300 : 40) + 1;
    const std::vector<Extended> terms = generator.Terms(n);
    const std::int64_t shift = static_cast<std::int64_t>(trial % 4 == 0 ? generator.Below(n + 5) + 1
                                                                        : generator.Below(4) + 1);
    const std::uint64_t copy_kind = generator.Below(3);
    std::int64_t copies = static_cast<std::int64_t>(
        copy_kind == 0 ? generator.Below(4) + 1  // short
        : copy_kind == 1
            ? generator.Below(n / static_cast<std::uint64_t>(shift) + 3) + 1  // overlapping
            : generator.Below(2000) + 1);                                     // long
    copies = std::min<std::int64_t>(copies, (50001 - static_cast<std::int64_t>(n)) / shift + 1);
    ExpectSameOutcome(terms, copies, shift);
    if (HasFatalFailure()) return;
  }
}

TEST(SuperposeDifferential, WorstCaseSizesMatchThePlainLoop) {
  TermGenerator generator(5);
  ExpectSameOutcome(generator.Terms(1025), 48976, 1);
  ExpectSameOutcome(generator.Terms(1025), 24488, 2);
  ExpectSameOutcome(generator.Terms(7), 2000, 25);  // copies far apart
}

TEST(SuperposeDifferential, SideBySideGroupBoundariesMatchThePlainLoop) {
  // Below the plateau the samples of one residue are folded eight at a time
  // and the rest one by one: point counts, shifts and copy counts around
  // multiples of eight, where a group's samples see different numbers of
  // terms, and short series where the copies cut the sequences.
  TermGenerator generator(8);
  for (const int points : {7, 8, 9, 15, 16, 17, 24, 25, 64, 65, 129}) {
    const auto n = static_cast<std::size_t>(points);
    for (const std::int64_t shift : {1, 2, 3, 5, 8, 9, 16}) {
      const auto whole = static_cast<std::int64_t>(n) / shift;
      for (const std::int64_t copies :
           {std::int64_t{1}, std::int64_t{2}, std::int64_t{7}, std::int64_t{8}, std::int64_t{9},
            std::int64_t{17}, whole, whole + 1, whole + 2, 3 * static_cast<std::int64_t>(n)}) {
        if (copies < 1) continue;
        ExpectSameOutcome(generator.Terms(n), copies, shift);
        if (HasFatalFailure()) return;
      }
    }
  }
}

TEST(SuperposeDifferential, OverflowIsRaisedByBoth) {
  const std::vector<Extended> terms = {1e300L, 5e307L, 1e306L};
  ExpectSameOutcome(terms, 10, 1);
  ExpectSameOutcome(terms, 4, 0);
  // In a group of samples folded side by side.
  ExpectSameOutcome(std::vector<Extended>(40, 1e307L), 30, 1);
  ExpectSameOutcome(std::vector<Extended>(40, 1e307L), 30, 3);
  ExpectSameOutcome({DBL_MAX, DBL_MAX * 0x1p-60L}, 3, 1);
  const Outcome fast = RunKernel(Superpose, std::vector<Extended>{5e307L}, 4, 0, 1);
  EXPECT_EQ(fast.error, ErrorKind::kOverflow);
}

TEST(RepeatedSumDifferential, MatchesThePlainLoopUpToAMillionCopiesSeeded) {
  TermGenerator generator(77);
  for (int trial = 0; trial < 400; ++trial) {
    const Extended term = generator.Next();
    const std::int64_t count = static_cast<std::int64_t>(
        trial % 10 == 0 ? 1000000 : generator.Below(trial % 3 == 0 ? 100000 : 300) + 1);
    const auto fast = test_support::CaptureError([&] { (void)RepeatedSum(term, count); });
    const auto reference =
        test_support::CaptureError([&] { (void)RepeatedSumReference(term, count); });
    ASSERT_EQ(fast.has_value(), reference.has_value()) << Hex(term) << " x " << count;
    if (fast) continue;
    const double a = RepeatedSum(term, count);
    const double b = RepeatedSumReference(term, count);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b))
        << Hex(term) << " x " << count << ": " << Hex(a) << " != " << Hex(b);
  }
}

TEST(RepeatedSumDifferential, TiesSubnormalsAndTheTopBinade) {
  const Extended cases[] = {
      0.1L,
      Extended(1) / 3,
      0x1p-53L + 0x1p-105L,
      0x1.8p-53L,
      0x1p-1074L,
      0x1p-1075L,
      0x1.0000000001p-1075L,
      -0x1p-1074L,
      -0.1L,
      0x1p-60L,
      3.0L,
      0x1.fffffffffffff8p-2L,
      static_cast<Extended>(DBL_MAX) / 1000000,
      -0.0L,
      0x1.00000000000008p0L,
      0x1.00000000000018p-3L,
  };
  for (const Extended term : cases) {
    for (const std::int64_t count : {1LL, 2LL, 3LL, 17LL, 1000LL, 999999LL}) {
      const auto fast = test_support::CaptureError([&] { (void)RepeatedSum(term, count); });
      const auto reference =
          test_support::CaptureError([&] { (void)RepeatedSumReference(term, count); });
      ASSERT_EQ(fast.has_value(), reference.has_value()) << Hex(term) << " x " << count;
      if (fast) {
        EXPECT_EQ(fast->kind, ErrorKind::kOverflow);
        continue;
      }
      const double a = RepeatedSum(term, count);
      const double b = RepeatedSumReference(term, count);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b))
          << Hex(term) << " x " << count << ": " << Hex(a) << " != " << Hex(b);
    }
  }
}

TEST(RepeatedSum, TwoBillionRotationsOfIncrementZero) {
  // 2 147 483 647 additions of 0.1: the plain loop would take many seconds.
  const double sum = RepeatedSum(0.1L, 2147483647);
  EXPECT_GT(sum, 2.147e8);
  EXPECT_LT(sum, 2.148e8);
  // The sum of 1 stays exact: every step is a whole number.
  EXPECT_EQ(RepeatedSum(1.0L, 2147483647), 2147483647.0);
  EXPECT_EQ(RepeatedSum(-0.5L, 2147483647), -1073741823.5);
}

}  // namespace
}  // namespace quorvane
