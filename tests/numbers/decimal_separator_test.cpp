#include "numbers/decimal_separator.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

class DecimalSeparatorTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST_F(DecimalSeparatorTest, DefaultIsPoint) { EXPECT_EQ(DecimalSeparator(), "."); }

TEST_F(DecimalSeparatorTest, TakesTheFirstCharacterOfTheLocaleSetting) {
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
    SetDecimalSeparator(c.setting);
    EXPECT_EQ(DecimalSeparator(), c.separator) << c.setting;
  }
}

}  // namespace
}  // namespace quorvane
