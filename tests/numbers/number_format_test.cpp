#include "numbers/number_format.h"

#include <gtest/gtest.h>

#include "support/printers.h"

namespace quorvane {
namespace {

TEST(NumberFormat, DefaultSeparatorIsThePoint) {
  EXPECT_EQ(NumberFormat().decimal_separator(), ".");
}

TEST(NumberFormat, TakesTheFirstCharacterOfTheLocaleSetting) {
  const struct {
    const char* setting;
    const char* separator;
  } cases[] = {
      {",", ","},
      {"", "."},
      {",.", ","},
      {"\xD9\xAB", "\xD9\xAB"},                  // U+066B ARABIC DECIMAL SEPARATOR
      {"\xE3\x80\x82x", "\xE3\x80\x82"},         // U+3002, three bytes
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // four bytes
      {"\xD9", "\xD9"},                          // a truncated sequence: one byte
      {"\xE3\x80", "\xE3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFormat::FromLocaleSetting(c.setting).decimal_separator(), c.separator)
        << c.setting;
  }
}

TEST(NumberFormat, TwoFormatsCoexist) {
  const NumberFormat comma = NumberFormat::FromLocaleSetting(",");
  const NumberFormat point;
  EXPECT_EQ(comma.decimal_separator(), ",");
  EXPECT_EQ(point.decimal_separator(), ".");
  EXPECT_NE(comma, point);
  EXPECT_EQ(NumberFormat::FromLocaleSetting(""), point);
}

}  // namespace
}  // namespace quorvane
