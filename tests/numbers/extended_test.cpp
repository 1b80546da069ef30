#include "numbers/extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>

#include "errors/error.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

using test_support::Hex;

const Extended kMaxExtended = std::numeric_limits<Extended>::max();

ErrorKind KindOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const Error& error) {
    return error.kind();
  }
  ADD_FAILURE() << "no error raised";
  return ErrorKind::kRefusal;
}

TEST(StoreDouble, RoundsOnceToNearestDouble) {
  // 1 + 2^-53 + 2^-64 lies just above the halfway point between 1 and its
  // successor: one rounding goes up.
  const Extended value = 1.0L + 0x1p-53L + 0x1p-63L;
  EXPECT_EQ(StoreDouble(value), 1.0 + 0x1p-52) << Hex(StoreDouble(value));
  EXPECT_EQ(StoreDouble(0.1L), 0.1) << "0.1L rounds to the double nearest 0.1";
}

TEST(StoreDouble, TooLargeForDoubleIsOverflow) {
  EXPECT_EQ(KindOf([] { StoreDouble(1e309L); }), ErrorKind::kOverflow);
  EXPECT_EQ(KindOf([] { StoreDouble(-1e309L); }), ErrorKind::kOverflow);
  // Rounds up to 2^1024: out of range although below it at extended precision.
  EXPECT_EQ(KindOf([] { StoreDouble(static_cast<Extended>(DBL_MAX) + 0x1p970L); }),
            ErrorKind::kOverflow);
  EXPECT_EQ(StoreDouble(static_cast<Extended>(DBL_MAX) + 0x1p969L), DBL_MAX);
}

TEST(StoreDouble, TinyValuesBecomeSubnormalOrZeroSilently) {
  EXPECT_EQ(StoreDouble(0x1p-1074L), 0x1p-1074);
  EXPECT_EQ(StoreDouble(0x1p-1080L), 0.0);
  EXPECT_EQ(StoreDouble(1e-310L), 1e-310);
  EXPECT_TRUE(std::signbit(StoreDouble(-0x1p-2000L)));
}

struct DivisionCase {
  Extended dividend;
  Extended divisor;
  ErrorKind expected;
};

TEST(Divide, FaultsByOperands) {
  const DivisionCase cases[] = {
      {1.0L, 0.0L, ErrorKind::kDivisionByZero},   {-3.0L, -0.0L, ErrorKind::kDivisionByZero},
      {0.0L, 0.0L, ErrorKind::kInvalidOperation}, {-0.0L, 0.0L, ErrorKind::kInvalidOperation},
      {1e4000L, 1e-4000L, ErrorKind::kOverflow},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KindOf([&] { Divide(c.dividend, c.divisor); }), c.expected)
        << Hex(c.dividend) << " / " << Hex(c.divisor);
  }
}

TEST(Divide, KeepsTheExtendedQuotient) {
  const Extended third = Divide(1.0L, 3.0L);
  EXPECT_NE(static_cast<Extended>(static_cast<double>(third)), third);
  EXPECT_EQ(third, Extended(1) / 3) << Hex(third);
  EXPECT_EQ(Divide(1.0L, 0x1p-16000L), 0x1p16000L);
}

TEST(ExtendedArithmetic, OverflowBeyondTheExtendedRange) {
  EXPECT_EQ(KindOf([] { Multiply(1e4000L, 1e4000L); }), ErrorKind::kOverflow);
  EXPECT_EQ(KindOf([] { Add(kMaxExtended, kMaxExtended); }), ErrorKind::kOverflow);
  EXPECT_EQ(KindOf([] { Subtract(-kMaxExtended, kMaxExtended); }), ErrorKind::kOverflow);
  // Beyond the double range is fine at extended precision.
  EXPECT_EQ(Multiply(1e300L, 1e300L), Extended(1e300L) * Extended(1e300L));
}

struct RoundingCase {
  Extended value;
  std::int64_t half_even;
  std::int64_t toward_zero;
};

TEST(IntegerRounding, HalfToEvenAndTowardZero) {
  const RoundingCase cases[] = {
      {2.5L, 2, 2},
      {3.5L, 4, 3},
      {-2.5L, -2, -2},
      {0.5L, 0, 0},
      {2.9L, 3, 2},
      {-2.9L, -3, -2},
      {-0.5L, 0, 0},
      {1e18L, 1000000000000000000, 1000000000000000000},
      {-9223372036854775808.0L, INT64_MIN, INT64_MIN},
      {9223372036854775807.0L, INT64_MAX, INT64_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.half_even) << Hex(c.value);
    EXPECT_EQ(TruncateTowardZero(c.value), c.toward_zero) << Hex(c.value);
  }
}

TEST(IntegerRounding, OutsideSixtyFourBitsIsInvalidOperation) {
  for (const Extended value : {0x1p63L, -0x1p63L - 1.0L, 1e30L, -1e4000L}) {
    EXPECT_EQ(KindOf([=] { RoundHalfEven(value); }), ErrorKind::kInvalidOperation) << Hex(value);
    EXPECT_EQ(KindOf([=] { TruncateTowardZero(value); }), ErrorKind::kInvalidOperation)
        << Hex(value);
  }
  // Just below 2^63 truncates into range; rounding it would leave the range.
  const Extended below = 0x1p63L - 0.5L;
  EXPECT_EQ(TruncateTowardZero(below), INT64_MAX);
  EXPECT_EQ(KindOf([=] { RoundHalfEven(below); }), ErrorKind::kInvalidOperation);
}

TEST(LowBits32, KeepsTheLowThirtyTwoBits) {
  EXPECT_EQ(LowBits32(0x1'0000'0005), 5);
  EXPECT_EQ(LowBits32(0x8000'0000), INT32_MIN);
  EXPECT_EQ(LowBits32(-1), -1);
  EXPECT_EQ(LowBits32(-0x1'0000'0001), -1);
}

}  // namespace
}  // namespace quorvane
