#include "accumulation/profile_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accumulation/profile_text.h"
#include "numbers/number_format.h"

namespace quorvane {
namespace {

TEST(FormatProfileCsv, HeaderThenCommaSeparatedLinesWithLineFeeds) {
  const std::vector<double> positions = {-2, -1, 0.25, 1e-5};
  const std::vector<double> doses = {1, 3.5, 0.00005, 123456789012345678.0};
  EXPECT_EQ(FormatProfileCsv(positions, doses),
            "position_mm,dose\n-2,1\n-1,3.5\n0.25,5E-5\n1E-5,1.23456789012346E17\n");
  EXPECT_EQ(FormatProfileCsv({}, {}), "position_mm,dose\n");
}

// The same digits as the clipboard's profile text, whatever separator that
// one uses: only the separators and line ends differ.
TEST(FormatProfileCsv, TheProfileTextsNumbersWithADecimalPoint) {
  const std::vector<double> positions = {-0.1, 1.0 / 3.0, 2.5e-7};
  const std::vector<double> doses = {0.1 + 0.2, 1e300, 7};
  std::string expected = "position_mm,dose\n";
  for (char c : FormatProfileText(positions, doses, NumberFormat::FromLocaleSetting(","))) {
    if (c == ',')
      expected += '.';
    else if (c == '\t')
      expected += ',';
    else if (c != '\r')
      expected += c;
  }
  EXPECT_EQ(FormatProfileCsv(positions, doses), expected);
}

}  // namespace
}  // namespace quorvane
