#include "accumulation/helical_scan.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "accumulation/scan_actions.h"
#include "errors/error.h"
#include "support/error_capture.h"
#include "support/exact_doubles.h"
#include "support/hexfloat.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "support/scan_error_case.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ErrorMessageOf;
using test_support::ExactDoubles;
using test_support::FillProfile;
using test_support::Hex;
using test_support::Rows;
using test_support::ScanErrorCase;
using test_support::SetScanFields;

const std::vector<test_support::ProfileRow> kBell = {
    {"0", "1"}, {"1", "2"}, {"2", "4"}, {"3", "2"}, {"4", "1"}};

class HelicalScanTest : public ::testing::Test {
 protected:
  std::int32_t Accumulate() { return AccumulateHelicalScan(workspace_, *accumulation_); }
  ExactDoubles Doses(std::size_t count) const {
    return {{accumulation_->dose.begin(), accumulation_->dose.begin() + static_cast<long>(count)}};
  }

  MemoryWorkspace workspace_;
  std::unique_ptr<AccumulationWorkspace> accumulation_ = std::make_unique<AccumulationWorkspace>();
};

TEST_F(HelicalScanTest, WorkedExamplePitchOne) {
  FillProfile(workspace_, kBell);
  SetScanFields(workspace_, "1", "2", "1", "2");
  EXPECT_EQ(Accumulate(), 9);
  EXPECT_EQ(Doses(10), (ExactDoubles{{0.5, 1.5, 3.5, 4.5, 4.5, 3.5, 1.5, 0.5, 0, 0}}));
  for (int j = 0; j < 9; ++j) {
    EXPECT_EQ(accumulation_->position[static_cast<std::size_t>(j)], j);
  }
}

TEST_F(HelicalScanTest, WorkedExamplePitchOneAndAHalf) {
  FillProfile(workspace_, kBell);
  SetScanFields(workspace_, "1", "2", "1.5", "2");
  EXPECT_EQ(Accumulate(), 11);
  // Every copy weighted 1/3: the doses run 1/3, 1, 7/3, 3, 10/3, 10/3, 3,
  // 7/3, 1, 1/3, 0, each rounded to double along the way.
  const double thirds[] = {1, 3, 7, 9, 10, 10, 9, 7, 3, 1, 0};
  for (std::size_t j = 0; j < 11; ++j) {
    EXPECT_NEAR(accumulation_->dose[j], thirds[j] / 3, 1e-15) << j;
  }
  EXPECT_EQ(accumulation_->dose[0], static_cast<double>(Extended(1) / 3));
  EXPECT_EQ(accumulation_->dose[10], 0);
}

TEST_F(HelicalScanTest, TruncatesTheExtendedQuotientOfTheExtendedSpacing) {
  // Spacing: -9.9 - -10 at extended precision, stored: the double nearest
  // 0.1, a little above it, so 10 / spacing lies just below 100: F = 99 and
  // T = 999. A double quotient, or positions rounded to doubles before the
  // subtraction, would give F = 100 and T = 1000.
  FillProfile(workspace_,
              {{"-10", "1"}, {"-9.9", "2"}, {"-9.8", "4"}, {"-9.7", "2"}, {"-9.6", "1"}});
  SetScanFields(workspace_, "5", "2", "1.0", "10");
  EXPECT_EQ(Accumulate(), 999 + 5);
  EXPECT_EQ(accumulation_->dose[0], static_cast<double>(Extended(1) / 99))
      << Hex(accumulation_->dose[0]);
  EXPECT_EQ(accumulation_->dose[1002], static_cast<double>(Extended(1) / 99));
  EXPECT_EQ(accumulation_->dose[1003], 0);
}

TEST_F(HelicalScanTest, TotalFeedIsNotRotationsTimesFeed) {
  FillProfile(workspace_, {{"0", "1"}, {"0.3", "1"}});
  SetScanFields(workspace_, "0.625", "16", "1", "10");
  // F = 33 (10 / 0.3 = 33.3...), T = 333, not 330.
  EXPECT_EQ(Accumulate(), 333 + 2);
  EXPECT_EQ(accumulation_->dose[0], static_cast<double>(Extended(1) / 33));
}

TEST_F(HelicalScanTest, HexadecimalRotationsAndAFractionalSliceNumber) {
  FillProfile(workspace_, kBell);
  SetScanFields(workspace_, "0.8", "2.5", "1", "$A");  // width 2, 10 rotations
  EXPECT_EQ(Accumulate(), 20 + 5);
}

class HelicalScanErrors : public ::testing::TestWithParam<ScanErrorCase> {};

TEST_P(HelicalScanErrors, FirstFailingStepDecides) {
  test_support::ExpectScanError(GetParam(), RunHelicalScanAction);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HelicalScanErrors,
    ::testing::Values(
        ScanErrorCase{.name = "FreshWindow",
                      .rows = {},
                      .slice_width = "",
                      .slice_number = "",
                      .beam_pitch = "1.0",
                      .rotations = "10",
                      .kind = ErrorKind::kConversion,
                      .message = "'' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "BeamPitchBeforeSliceWidth",
                      .rows = kBell,
                      .slice_width = "sw",
                      .slice_number = "2",
                      .beam_pitch = "bp",
                      .rotations = "2",
                      .kind = ErrorKind::kConversion,
                      .message = "'bp' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "BeamPitchBeyondTheDoubleRange",
                      .rows = {},
                      .slice_width = "",
                      .slice_number = "",
                      .beam_pitch = "1e400",
                      .rotations = "2",
                      .kind = ErrorKind::kOverflow,
                      .message = "浮動小数点数のオーバーフロー"},
        ScanErrorCase{.name = "RowTwoBeforeRowOne",
                      .rows = {{"p1", "1"}, {"p2", "1"}},
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "2",
                      .kind = ErrorKind::kConversion,
                      .message = "'p2' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "SliceWidthBeforeSliceNumber",
                      .rows = kBell,
                      .slice_width = "sw",
                      .slice_number = "sn",
                      .beam_pitch = "1",
                      .rotations = "2",
                      .kind = ErrorKind::kConversion,
                      .message = "'sw' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "DoseTextsBeforeAZeroSpacing",
                      .rows = {{"1", "1"}, {"1", "bad"}},
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'bad' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "ZeroSpacingBeforeTheRotations",
                      .rows = {{"1", "1"}, {"1", "1"}},
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kDivisionByZero,
                      .message = "0 による浮動小数点数除算"},
        ScanErrorCase{.name = "ZeroSpacingAndZeroProduct",
                      .rows = {{"1", "1"}, {"1", "1"}},
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "0",
                      .rotations = "x",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "FeedBeyond64Bits",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1e19",
                      .rotations = "x",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "TotalFeedBeyond64Bits",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1e18",
                      .rotations = "10",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "DecimalRotations",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "2.5",
                      .kind = ErrorKind::kConversion,
                      .message = "'2.5' は整数ではありません"},
        ScanErrorCase{.name = "RotationsWithTrailingSpace",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "2 ",
                      .kind = ErrorKind::kConversion,
                      .message = "'2 ' は整数ではありません"},
        ScanErrorCase{.name = "FeedZeroFailsAtTheFirstAddition",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "0.4",
                      .rotations = "10",
                      .kind = ErrorKind::kDivisionByZero,
                      .message = "0 による浮動小数点数除算"},
        ScanErrorCase{.name = "FeedZeroWithAZeroFirstDose",
                      .rows = {{"0", "0"}, {"1", "4"}},
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "0.4",
                      .rotations = "10",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "NoRotations",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "0",
                      .kind = ErrorKind::kRefusal,
                      .message = "総送り量 (0 サンプル) が 1 サンプルに満たないため積算できません"},
        ScanErrorCase{
            .name = "NegativePitch",
            .rows = kBell,
            .slice_width = "1",
            .slice_number = "2",
            .beam_pitch = "-1",
            .rotations = "2",
            .kind = ErrorKind::kRefusal,
            .message = "総送り量 (-4 サンプル) が 1 サンプルに満たないため積算できません"},
        ScanErrorCase{.name = "TravelBelowOneSample",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "0.1",
                      .rotations = "4",
                      .kind = ErrorKind::kRefusal,
                      .message = "総送り量 (0 サンプル) が 1 サンプルに満たないため積算できません"},
        ScanErrorCase{.name = "LengthBeyondTheDoseArray",
                      .rows = kBell,
                      .slice_width = "1",
                      .slice_number = "2",
                      .beam_pitch = "1",
                      .rotations = "24999",
                      .kind = ErrorKind::kRefusal,
                      .message = "積算長 (50003 サンプル) が上限の 50001 を超えています"},
        ScanErrorCase{.name = "FeedWhoseLow32BitsAreOne",
                      .rows = kBell,
                      .slice_width = "4294967297",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "1",
                      .kind = ErrorKind::kRefusal,
                      .message = "積算長 (4294967302 サンプル) が上限の 50001 を超えています"},
        ScanErrorCase{
            .name = "TotalFeedNearThe64BitLimit",
            .rows = kBell,
            .slice_width = "1",
            .slice_number = "1",
            .beam_pitch = "9e18",
            .rotations = "1",
            .kind = ErrorKind::kRefusal,
            .message = "積算長 (9000000000000000005 サンプル) が上限の 50001 を超えています"}),
    [](const ::testing::TestParamInfo<ScanErrorCase>& param_info) {
      return std::string(param_info.param.name);
    });

TEST_F(HelicalScanTest, PointCountBeyondTheProfileIsRefusedAfterThePitch) {
  workspace_.SetRowCount(1028);
  workspace_.SetFieldText(Field::kEditBP, "bp");
  EXPECT_EQ(ErrorMessageOf([&] { Accumulate(); }), "'bp' は浮動小数点数ではありません");
  workspace_.SetFieldText(Field::kEditBP, "1");
  EXPECT_EQ(ErrorMessageOf([&] { Accumulate(); }),
            "プロファイルの点数 (1026) が上限の 1025 を超えています");
}

TEST_F(HelicalScanTest, NoPointsSuperposeNothing) {
  workspace_.SetCellText(1, 1, "0");
  workspace_.SetCellText(1, 2, "0.5");
  workspace_.SetRowCount(2);
  SetScanFields(workspace_, "1", "2", "1", "3");
  EXPECT_EQ(Accumulate(), 12);  // T = 3 x 2 / 0.5
  EXPECT_EQ(Doses(13), ExactDoubles{std::vector<double>(13, 0.0)});
  EXPECT_EQ(accumulation_->position[11], 5.5);
}

TEST_F(HelicalScanTest, LongestHelicalScanFitsExactly) {
  FillProfile(workspace_, kBell);
  SetScanFields(workspace_, "1", "1", "1", "49996");
  EXPECT_EQ(Accumulate(), 50001);
  EXPECT_EQ(accumulation_->dose[50000], 0);
  EXPECT_EQ(accumulation_->dose[49999], 1);
}

}  // namespace
}  // namespace quorvane
