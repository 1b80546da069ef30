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
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ErrorMessageOf;
using test_support::ExactDoubles;
using test_support::FillProfile;
using test_support::Rows;
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
  for (int k = 0; k < 7; ++k) seventh = static_cast<double>(seventh + 0.1L);
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

struct ErrorOrderCase {
  const char* name;
  std::vector<test_support::ProfileRow> rows;  // empty: the fresh window's table
  const char* slice_width;
  const char* slice_number;
  const char* beam_pitch;
  const char* rotations;
  const char* message;
};

void PrintTo(const ErrorOrderCase& c, std::ostream* out) { *out << c.name; }

class MultipleScanErrorOrder : public ::testing::TestWithParam<ErrorOrderCase> {};

TEST_P(MultipleScanErrorOrder, FirstFailingStepDecides) {
  const ErrorOrderCase& c = GetParam();
  MemoryWorkspace workspace;
  test_support::PrepareScan(workspace, c.rows, c.slice_width, c.slice_number, c.beam_pitch,
                            c.rotations);
  EXPECT_EQ(ErrorMessageOf([&] { RunMultipleScanAction(workspace); }), c.message);
  EXPECT_EQ(workspace.clipboard_text(), "before");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 1u);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "");
}

const std::vector<test_support::ProfileRow> kGood = {{"0", "1"}, {"1", "2"}, {"2", "1"}};

INSTANTIATE_TEST_SUITE_P(
    Steps, MultipleScanErrorOrder,
    ::testing::Values(
        ErrorOrderCase{"FreshWindow", {}, "x", "x", "x", "x", "'' は浮動小数点数ではありません"},
        ErrorOrderCase{"RowTwoBeforeRowOne",
                       {{"p1", "1"}, {"p2", "x"}},
                       "x",
                       "x",
                       "x",
                       "x",
                       "'p2' は浮動小数点数ではありません"},
        ErrorOrderCase{"RowOne",
                       {{"p1", "x"}, {"1", "x"}},
                       "x",
                       "x",
                       "x",
                       "x",
                       "'p1' は浮動小数点数ではありません"},
        ErrorOrderCase{"SliceWidthBeforeSliceNumberAndPitch", kGood, "", "sn", "bp", "x",
                       "'' は浮動小数点数ではありません"},
        ErrorOrderCase{"SliceNumber", kGood, "1", "sn", "bp", "x",
                       "'sn' は浮動小数点数ではありません"},
        ErrorOrderCase{"BeamPitch", kGood, "1", "4.0", "bp", "x",
                       "'bp' は浮動小数点数ではありません"},
        ErrorOrderCase{"EqualPositions",
                       {{"3", "1"}, {"3", "x"}},
                       "1",
                       "1",
                       "1",
                       "x",
                       "0 による浮動小数点数除算"},
        ErrorOrderCase{"EqualPositionsAndZeroWidth",
                       {{"3", "1"}, {"3", "x"}},
                       "0",
                       "1",
                       "1",
                       "x",
                       "不正な浮動小数点数演算命令"},
        ErrorOrderCase{"IncrementBeyond64Bits", kGood, "1", "1", "1e19", "x",
                       "不正な浮動小数点数演算命令"},
        ErrorOrderCase{"WidthBeyondTheDoubleRange", kGood, "1e300", "1e300", "1", "x",
                       "浮動小数点数のオーバーフロー"},
        ErrorOrderCase{"DoseTextsBeforeRotations",
                       {{"0", "1"}, {"1", "2"}, {"2", "d3"}},
                       "1",
                       "1",
                       "1",
                       "x",
                       "'d3' は浮動小数点数ではありません"},
        ErrorOrderCase{"DoseBeyondTheDoubleRange",
                       {{"0", "1"}, {"1", "1e309"}},
                       "1",
                       "1",
                       "1",
                       "x",
                       "浮動小数点数のオーバーフロー"},
        ErrorOrderCase{"DecimalRotations", kGood, "1", "1", "1", "2.5",
                       "'2.5' は整数ではありません"},
        ErrorOrderCase{"RotationsWithPoint", kGood, "1", "1", "1", "10.0",
                       "'10.0' は整数ではありません"},
        ErrorOrderCase{"NegativeIncrement", kGood, "1", "1", "-1", "x",
                       "テーブル移動量 (-1 サンプル) が負です"},
        ErrorOrderCase{"DescendingPositionsGiveANegativeIncrement",
                       {{"2", "1"}, {"1", "2"}, {"0", "1"}},
                       "1",
                       "1",
                       "1",
                       "3",
                       "テーブル移動量 (-1 サンプル) が負です"},
        ErrorOrderCase{"ZeroRotations", kGood, "1", "1", "1", "0",
                       "回転数 (0) は 1 以上でなければなりません"},
        ErrorOrderCase{"MostNegativeRotations", kGood, "1", "1", "1", "-2147483648",
                       "回転数 (-2147483648) は 1 以上でなければなりません"},
        ErrorOrderCase{"HexRotationsAllOnes", kGood, "1", "1", "1", "$FFFFFFFF",
                       "回転数 (-1) は 1 以上でなければなりません"},
        ErrorOrderCase{"LengthBeyondTheDoseArray", kGood, "1", "1", "1", "49999",
                       "積算長 (50002 サンプル) が上限の 50001 を超えています"},
        ErrorOrderCase{
            "LengthBeyond64Bits", kGood, "1", "1", "9e18", "2147483647",
            "積算長 (19327352823000000000000000003 サンプル) が上限の 50001 を超えています"},
        ErrorOrderCase{"IncrementWhoseLow32BitsAreSmall", kGood, "4294967297", "1", "1", "1",
                       "積算長 (4294967300 サンプル) が上限の 50001 を超えています"}),
    [](const ::testing::TestParamInfo<ErrorOrderCase>& param_info) {
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
