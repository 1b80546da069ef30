#include "numbers/integer_text.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(IntegerText, PlainDigitsWithMinus) {
  EXPECT_EQ(IntegerText(std::int64_t{0}), "0");
  EXPECT_EQ(IntegerText(std::int64_t{1025}), "1025");
  EXPECT_EQ(IntegerText(std::int64_t{-12}), "-12");
  EXPECT_EQ(IntegerText(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(IntegerText(Int128{1} << 64), "18446744073709551616");
  EXPECT_EQ(IntegerText(-(Int128{INT64_MAX} * 4)), "-36893488147419103228");
}

}  // namespace
}  // namespace quorvane
