#include "accumulation/multiple_scan.h"

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
using test_support::Rows;
using test_support::ScanErrorCase;
using test_support::SetScanFields;

class MultipleScanTest : public ::testing::Test {
 protected:
  std::int32_t Accumulate() { return AccumulateMultipleScans(workspace_, *accumulation_); }
  ExactDoubles Doses(std::size_t count) const {
    return {{accumulation_->dose.begin(), accumulation_->dose.begin() + static_cast<long>(count)}};
  }
  ExactDoubles Positions(std::size_t count) const {
    return {{accumulation_->position.begin(),
             accumulation_->position.begin() + static_cast<long>(count)}};
  }

  MemoryWorkspace workspace_;
  std::unique_ptr<AccumulationWorkspace> accumulation_ = std::make_unique<AccumulationWorkspace>();
};

TEST_F(MultipleScanTest, WorkedExample) {
  FillProfile(workspace_, Rows({0, 1, 2}, {1, 2, 1}));
  SetScanFields(workspace_, "1", "1", "1", "3");
  EXPECT_EQ(Accumulate(), 6);
  EXPECT_EQ(Doses(7), (ExactDoubles{{1, 3, 4, 3, 1, 0, 0}}));
  EXPECT_EQ(Positions(7), (ExactDoubles{{0, 1, 2, 3, 4, 5, 0}}));
}

TEST_F(MultipleScanTest, TableIncrementRoundsHalfToEven) {
  const struct {
    const char* slice_width;
    std::int32_t increment;
  } cases[] = {{"2.5", 2}, {"3.5", 4}, {"2.4999", 2}, {"1.5", 2}, {"0.5", 0}};
  for (const auto& c : cases) {
    MemoryWorkspace workspace;
    FillProfile(workspace, Rows({0, 1}, {1, 1}));
    SetScanFields(workspace, c.slice_width, "1", "1", "1");
    AccumulationWorkspace accumulation;
    EXPECT_EQ(AccumulateMultipleScans(workspace, accumulation), c.increment + 2) << c.slice_width;
  }
}

TEST_F(MultipleScanTest, IncrementZeroAddsEveryRotationOnTheSameSamples) {
  FillProfile(workspace_, Rows({0, 0.5, 1}, {1, 2, 0.1}));
  SetScanFields(workspace_, "5", "4", "0", "7");
  EXPECT_EQ(Accumulate(), 3) << "the accumulated length is the point count";
  double seventh = 0;
  for (int k = 0; k < 7; ++k) seventh = static_cast<double>(seventh + Extended(0.1L));
  EXPECT_EQ(Doses(4), (ExactDoubles{{7, 14, seventh, 0}}));
}

TEST_F(MultipleScanTest, LongSeriesEndsWithTheIncrementsZeros) {
  std::vector<double> positions;
  std::vector<double> doses;
  for (int i = 0; i < 100; ++i) {
    positions.push_back(i);
    doses.push_back(1);
  }
  FillProfile(workspace_, Rows(positions, doses));
  SetScanFields(workspace_, "10", "1", "1", "10");
  EXPECT_EQ(Accumulate(), 200);
  EXPECT_EQ(accumulation_->dose[189], 1);  // the last rotation covers 90 to 189
  EXPECT_EQ(accumulation_->dose[95], 10);
  for (int j = 190; j < 200; ++j) EXPECT_EQ(accumulation_->dose[static_cast<std::size_t>(j)], 0);
  EXPECT_EQ(accumulation_->position[199], 199);
}

TEST_F(MultipleScanTest, OnlyRowsOneAndTwoOfThePositionsMatter) {
  FillProfile(workspace_, {{"10", "1"}, {"10.5", "2"}, {"99", "1"}, {"-7", "1"}});
  SetScanFields(workspace_, "1", "1", "1", "1");
  EXPECT_EQ(Accumulate(), 6);
  EXPECT_EQ(Positions(6), (ExactDoubles{{0, 0.5, 1, 1.5, 2, 2.5}}));
}

TEST_F(MultipleScanTest, SumsRoundThroughExtendedPrecision) {
  // 1 then b = 2^-53 + 2^-105 on sample 1: 1 at extended precision, where a
  // plain double sum would give 1 + 2^-52.
  FillProfile(workspace_, {{"0", "1.1102230246251568e-16"}, {"1", "1"}});
  ASSERT_EQ(std::stod("1.1102230246251568e-16"), 0x1p-53 + 0x1p-105);
  SetScanFields(workspace_, "1", "1", "1", "2");
  EXPECT_EQ(Accumulate(), 4);
  EXPECT_EQ(accumulation_->dose[1], 1.0) << test_support::Hex(accumulation_->dose[1]);
}

class MultipleScanErrorOrder : public ::testing::TestWithParam<ScanErrorCase> {};

TEST_P(MultipleScanErrorOrder, FirstFailingStepDecides) {
  test_support::ExpectScanError(GetParam(), RunMultipleScanAction);
}

const std::vector<test_support::ProfileRow> kGood = {{"0", "1"}, {"1", "2"}, {"2", "1"}};

INSTANTIATE_TEST_SUITE_P(
    Steps, MultipleScanErrorOrder,
    ::testing::Values(
        ScanErrorCase{.name = "FreshWindow",
                      .rows = {},
                      .slice_width = "x",
                      .slice_number = "x",
                      .beam_pitch = "x",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "RowTwoBeforeRowOne",
                      .rows = {{"p1", "1"}, {"p2", "x"}},
                      .slice_width = "x",
                      .slice_number = "x",
                      .beam_pitch = "x",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'p2' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "RowOne",
                      .rows = {{"p1", "x"}, {"1", "x"}},
                      .slice_width = "x",
                      .slice_number = "x",
                      .beam_pitch = "x",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'p1' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "SliceWidthBeforeSliceNumberAndPitch",
                      .rows = kGood,
                      .slice_width = "",
                      .slice_number = "sn",
                      .beam_pitch = "bp",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "SliceNumber",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "sn",
                      .beam_pitch = "bp",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'sn' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "BeamPitch",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "4.0",
                      .beam_pitch = "bp",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'bp' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "EqualPositions",
                      .rows = {{"3", "1"}, {"3", "x"}},
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kDivisionByZero,
                      .message = "0 による浮動小数点数除算"},
        ScanErrorCase{.name = "EqualPositionsAndZeroWidth",
                      .rows = {{"3", "1"}, {"3", "x"}},
                      .slice_width = "0",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "IncrementBeyond64Bits",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1e19",
                      .rotations = "x",
                      .kind = ErrorKind::kInvalidOperation,
                      .message = "不正な浮動小数点数演算命令"},
        ScanErrorCase{.name = "WidthBeyondTheDoubleRange",
                      .rows = kGood,
                      .slice_width = "1e300",
                      .slice_number = "1e300",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kOverflow,
                      .message = "浮動小数点数のオーバーフロー"},
        ScanErrorCase{.name = "DoseTextsBeforeRotations",
                      .rows = {{"0", "1"}, {"1", "2"}, {"2", "d3"}},
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kConversion,
                      .message = "'d3' は浮動小数点数ではありません"},
        ScanErrorCase{.name = "DoseBeyondTheDoubleRange",
                      .rows = {{"0", "1"}, {"1", "1e309"}},
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "x",
                      .kind = ErrorKind::kOverflow,
                      .message = "浮動小数点数のオーバーフロー"},
        ScanErrorCase{.name = "DecimalRotations",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "2.5",
                      .kind = ErrorKind::kConversion,
                      .message = "'2.5' は整数ではありません"},
        ScanErrorCase{.name = "RotationsWithPoint",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "10.0",
                      .kind = ErrorKind::kConversion,
                      .message = "'10.0' は整数ではありません"},
        ScanErrorCase{.name = "NegativeIncrement",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "-1",
                      .rotations = "x",
                      .kind = ErrorKind::kRefusal,
                      .message = "テーブル移動量 (-1 サンプル) が負です"},
        ScanErrorCase{.name = "DescendingPositionsGiveANegativeIncrement",
                      .rows = {{"2", "1"}, {"1", "2"}, {"0", "1"}},
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "3",
                      .kind = ErrorKind::kRefusal,
                      .message = "テーブル移動量 (-1 サンプル) が負です"},
        ScanErrorCase{.name = "ZeroRotations",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "0",
                      .kind = ErrorKind::kRefusal,
                      .message = "回転数 (0) は 1 以上でなければなりません"},
        ScanErrorCase{.name = "MostNegativeRotations",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "-2147483648",
                      .kind = ErrorKind::kRefusal,
                      .message = "回転数 (-2147483648) は 1 以上でなければなりません"},
        ScanErrorCase{.name = "HexRotationsAllOnes",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "$FFFFFFFF",
                      .kind = ErrorKind::kRefusal,
                      .message = "回転数 (-1) は 1 以上でなければなりません"},
        ScanErrorCase{.name = "LengthBeyondTheDoseArray",
                      .rows = kGood,
                      .slice_width = "1",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "49999",
                      .kind = ErrorKind::kRefusal,
                      .message = "積算長 (50002 サンプル) が上限の 50001 を超えています"},
        ScanErrorCase{
            .name = "LengthBeyond64Bits",
            .rows = kGood,
            .slice_width = "1",
            .slice_number = "1",
            .beam_pitch = "9e18",
            .rotations = "2147483647",
            .kind = ErrorKind::kRefusal,
            .message =
                "積算長 (19327352823000000000000000003 サンプル) が上限の 50001 を超えています"},
        ScanErrorCase{.name = "IncrementWhoseLow32BitsAreSmall",
                      .rows = kGood,
                      .slice_width = "4294967297",
                      .slice_number = "1",
                      .beam_pitch = "1",
                      .rotations = "1",
                      .kind = ErrorKind::kRefusal,
                      .message = "積算長 (4294967300 サンプル) が上限の 50001 を超えています"}),
    [](const ::testing::TestParamInfo<ScanErrorCase>& param_info) {
      return std::string(param_info.param.name);
    });

TEST_F(MultipleScanTest, ExactlyTheCapacityIsAccepted) {
  FillProfile(workspace_, Rows({0, 1, 2}, {1, 2, 1}));
  SetScanFields(workspace_, "1", "1", "1", "49998");
  EXPECT_EQ(Accumulate(), 50001);
  EXPECT_EQ(accumulation_->dose[50000], 0);
  EXPECT_EQ(accumulation_->dose[49999], 1);
  EXPECT_EQ(accumulation_->position[50000], 50000);
}

TEST_F(MultipleScanTest, PointCountOutsideTheProfileIsRefused) {
  SetScanFields(workspace_, "1", "1", "1", "1");
  workspace_.SetRowCount(1028);
  EXPECT_EQ(ErrorMessageOf([&] { Accumulate(); }),
            "プロファイルの点数 (1026) が上限の 1025 を超えています");
  FillProfile(workspace_, {});
  EXPECT_EQ(ErrorMessageOf([&] { Accumulate(); }), "プロファイルに点がありません");
}

TEST_F(MultipleScanTest, SinglePointTakesItsSpacingFromTheTrailingRow) {
  FillProfile(workspace_, {{"0", "5"}});
  SetScanFields(workspace_, "1", "1", "1", "2");
  EXPECT_EQ(ErrorMessageOf([&] { Accumulate(); }), "'' は浮動小数点数ではありません");
  workspace_.SetCellText(1, 2, "0.5");  // what an earlier, longer load left there
  EXPECT_EQ(Accumulate(), 2 * 2 + 1);
  EXPECT_EQ(Doses(6), (ExactDoubles{{5, 0, 5, 0, 0, 0}}));
}

TEST_F(MultipleScanTest, ManyRotationsOfIncrementZeroStayWithinThePointCount) {
  FillProfile(workspace_, Rows({0, 1}, {0.5, 0.25}));
  SetScanFields(workspace_, "1", "1", "0", "100000");
  EXPECT_EQ(Accumulate(), 2);
  EXPECT_EQ(Doses(3), (ExactDoubles{{50000, 25000, 0}}));
}

TEST_F(MultipleScanTest, TwoBillionRotationsOfIncrementZeroFinishAtOnce) {
  FillProfile(workspace_, Rows({0, 1, 2}, {0.1, 1, 0}));
  SetScanFields(workspace_, "1", "1", "0", "2147483647");
  EXPECT_EQ(Accumulate(), 3);
  EXPECT_EQ(accumulation_->dose[1], 2147483647.0);
  EXPECT_GT(accumulation_->dose[0], 2.147e8);
  EXPECT_EQ(accumulation_->dose[2], 0);
}

}  // namespace
}  // namespace quorvane
