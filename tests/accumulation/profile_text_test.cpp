#include "accumulation/profile_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "numbers/number_format.h"

namespace quorvane {
namespace {

TEST(FormatProfileText, TwoColumnsWithCarriageReturnLineFeeds) {
  const std::vector<double> positions = {-2, -1, 0.25, 1e-5};
  const std::vector<double> doses = {1, 3.5, 0.00005, 123456789012345678.0};
  EXPECT_EQ(FormatProfileText(positions, doses, NumberFormat()),
            "-2\t1\r\n-1\t3.5\r\n0.25\t5E-5\r\n1E-5\t1.23456789012346E17\r\n");
  EXPECT_EQ(FormatProfileText({}, {}, NumberFormat()), "");
}

TEST(FormatProfileText, UsesTheLocalesSeparator) {
  const std::vector<double> positions = {-0.25};
  const std::vector<double> doses = {1.5};
  EXPECT_EQ(FormatProfileText(positions, doses, NumberFormat::FromLocaleSetting(",")),
            "-0,25\t1,5\r\n");
}

}  // namespace
}  // namespace quorvane
