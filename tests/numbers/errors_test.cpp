#include "numbers/errors.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ErrorBoxText, FullStopUnlessTheLastByteSortsAtOrBeforeThePoint) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"", ""},
      {"'' は浮動小数点数ではありません", "'' は浮動小数点数ではありません."},
      {"I/O エラー (21)", "I/O エラー (21)"},
      {"ends with a point.", "ends with a point."},
      {"ends with a dash-", "ends with a dash-"},
      {"ends with a slash/", "ends with a slash/."},
      {"plain", "plain."},
      {"space ", "space "},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(ErrorMessages, QuoteTheTextUnchanged) {
  EXPECT_EQ(NumberConversionError(" 1,5 ").message(), "' 1,5 ' は浮動小数点数ではありません");
  EXPECT_EQ(NumberConversionError("").message(), "'' は浮動小数点数ではありません");
  EXPECT_EQ(IntegerConversionError("10.0").message(), "'10.0' は整数ではありません");
  EXPECT_EQ(NumberConversionError("%d").message(), "'%d' は浮動小数点数ではありません");
  EXPECT_EQ(NumberConversionError("x").kind(), ErrorKind::kConversion);
}

TEST(ErrorMessages, FloatingPointFaults) {
  EXPECT_EQ(InvalidOperationError().message(), "不正な浮動小数点数演算命令");
  EXPECT_EQ(DivisionByZeroError().message(), "0 による浮動小数点数除算");
  EXPECT_EQ(OverflowError().message(), "浮動小数点数のオーバーフロー");
  EXPECT_EQ(OverflowError().kind(), ErrorKind::kOverflow);
  EXPECT_STREQ(OverflowError().what(), "浮動小数点数のオーバーフロー");
}

TEST(FillMessage, ReplacesTheFirstPlaceholder) {
  EXPECT_EQ(FillMessage("I/O エラー (%d)", "21"), "I/O エラー (21)");
  EXPECT_EQ(FillMessage("no placeholder", "x"), "no placeholder");
}

}  // namespace
}  // namespace quorvane
