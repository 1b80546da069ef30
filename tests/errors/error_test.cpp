#include "errors/error.h"

#include <gtest/gtest.h>

#include "errors/error_box_text.h"
#include "errors/invariant.h"
#include "errors/messages.h"
#include "support/printers.h"

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

// The refusals quote the capacities from their constants; the texts are the
// ones the users know.
TEST(ErrorMessages, RefusalsQuoteTheirValueAndCapacity) {
  EXPECT_EQ(messages::ProfileTooLong("1026"),
            "プロファイルの点数 (1026) が上限の 1025 を超えています");
  EXPECT_EQ(messages::TooManyDataLines(), "データ行が上限の 1025 行を超えています");
  EXPECT_EQ(messages::AccumulatedLengthTooLong("50002"),
            "積算長 (50002 サンプル) が上限の 50001 を超えています");
  EXPECT_EQ(messages::NegativeTableIncrement("-3"), "テーブル移動量 (-3 サンプル) が負です");
  EXPECT_EQ(messages::TooFewRotations("0"), "回転数 (0) は 1 以上でなければなりません");
  EXPECT_EQ(messages::TotalFeedBelowOneSample("0"),
            "総送り量 (0 サンプル) が 1 サンプルに満たないため積算できません");
  EXPECT_EQ(messages::InputOutputErrorNumber("21"), "I/O エラー (21)");
}

// A broken invariant ends the action as an internal error in the users'
// language, naming where it was found; no English text reaches the box.
TEST(Invariant, BrokenCheckRaisesTheInternalError) {
  EXPECT_NO_THROW(QUORVANE_CHECK(1 + 1 == 2));
  const auto broken = [] { QUORVANE_CHECK(1 + 1 == 3); };
  const int line = __LINE__ - 1;
  try {
    broken();
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kInternal);
    EXPECT_EQ(error.message(), "内部エラー (error_test.cpp:" + std::to_string(line) + ")");
  }
}

}  // namespace
}  // namespace quorvane
