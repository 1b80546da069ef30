#include "accumulation/profile_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numbers/eighteen_digits.h"
#include "numbers/number_format.h"
#include "numbers/number_text.h"

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

TEST(FormatProfileText, LongLinesOverManyBlocksMatchTheNumberTexts) {
  // Lines of the longest numbers with a separator of four bytes, more than
  // the text reserves at first and across the blocks it is written in.
  const NumberFormat format = NumberFormat::FromLocaleSetting("\xF0\x9D\x9F\x98");
  std::vector<double> positions;
  std::vector<double> doses;
  std::string expected;
  for (int j = 0; j < 1000; ++j) {
    positions.push_back(-std::ldexp(1.0 + j * 0x1p-40, -300 + j % 7));
    doses.push_back(j % 3 == 0 ? -0.00012345678901234567 / (j + 1) : std::sqrt(j + 0.5));
    expected +=
        NumberText(positions.back(), format) + '\t' + NumberText(doses.back(), format) + "\r\n";
  }
  EXPECT_EQ(FormatProfileText(positions, doses, format), expected);
  EXPECT_EQ(FormatProfileTextWith(EighteenDigitsExact, positions, doses, format), expected);
}

}  // namespace
}  // namespace quorvane
