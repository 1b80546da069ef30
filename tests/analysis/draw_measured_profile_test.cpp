#include "analysis/draw_measured_profile.h"

#include <gtest/gtest.h>

#include <vector>

#include "errors/error.h"
#include "support/exact_doubles.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ExactDoubles;
using test_support::FillProfile;
using test_support::Rows;

std::string MessageOf(Workspace& workspace) {
  try {
    DrawMeasuredProfile(workspace);
  } catch (const Error& error) {
    return error.message();
  }
  return "no error";
}

TEST(DrawMeasuredProfile, PlotsAndMeasuresTheTable) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({-2, -1, 0, 1, 2}, {1, 2, 4, 2, 1}));
  DrawMeasuredProfile(workspace);
  const std::vector<CurvePoint> expected = {{-2, 1}, {-1, 2}, {0, 4}, {1, 2}, {2, 1}};
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points(), expected);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "4");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "2");

  DrawMeasuredProfile(workspace);  // again: the curve is emptied first
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points(), expected);
}

TEST(DrawMeasuredProfile, FreshTableEndsWithTheConversionErrorForTheEmptyText) {
  MemoryWorkspace workspace;
  EXPECT_EQ(MessageOf(workspace), "'' は浮動小数点数ではありません");
  EXPECT_TRUE(workspace.CurveOf(CurveId::kSeries1).points().empty());
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "");
}

TEST(DrawMeasuredProfile, BadCellInRowFiveKeepsRowsOneToFourAndTheOldResults) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2, 3, 4, 5, 6}, {1, 2, 3, 2, 1, 1, 1}));
  DrawMeasuredProfile(workspace);
  ASSERT_EQ(workspace.FieldText(Field::kEditMax), "3");
  workspace.SetCellText(2, 5, "1.0.0");  // the position of row 5 still converts
  EXPECT_EQ(MessageOf(workspace), "'1.0.0' は浮動小数点数ではありません");
  const std::vector<CurvePoint> rows_one_to_four = {{0, 1}, {1, 2}, {2, 3}, {3, 2}};
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points(), rows_one_to_four);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "3");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "2");
  EXPECT_EQ(workspace.CellText(2, 5), "1.0.0") << "the table is unchanged";
}

TEST(DrawMeasuredProfile, TooLargeADoseRateIsTheOverflowError) {
  MemoryWorkspace workspace;
  FillProfile(workspace, {{"0", "1"}, {"1", "1e400"}});
  EXPECT_EQ(MessageOf(workspace), "浮動小数点数のオーバーフロー");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 1u);
}

TEST(DrawMeasuredProfile, DescendingPositionsDrawnAscendingMeasuredInTableOrder) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({4, 3, 2, 1, 0}, {0, 5, 10, 5, 0}));
  DrawMeasuredProfile(workspace);
  const std::vector<CurvePoint> ascending = {{0, 0}, {1, 5}, {2, 10}, {3, 5}, {4, 0}};
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points(), ascending);
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "-2");
}

TEST(DrawMeasuredProfile, ReturnsTheMeasuredValuesInTableOrder) {
  MemoryWorkspace workspace;
  FillProfile(workspace, {{"1", " 7 "}, {"0", "8e0"}, {"1", "0.1"}});
  const MeasuredProfile profile = DrawMeasuredProfile(workspace);
  EXPECT_EQ(ExactDoubles{profile.positions}, (ExactDoubles{{1, 0, 1}}));
  EXPECT_EQ(ExactDoubles{profile.dose_rates}, (ExactDoubles{{7, 8, 0.1}}));

  FillProfile(workspace, {});
  EXPECT_TRUE(DrawMeasuredProfile(workspace).positions.empty());
}

TEST(DrawMeasuredProfile, EqualPositionsKeepTheirTableOrder) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({1, 0, 1}, {7, 8, 9}));
  DrawMeasuredProfile(workspace);
  const std::vector<CurvePoint> expected = {{0, 8}, {1, 7}, {1, 9}};
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points(), expected);
}

TEST(DrawMeasuredProfile, EditedCellIsMeasuredAndNothingIsWrittenBack) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2}, {1, 2, 1}));
  DrawMeasuredProfile(workspace);
  workspace.SetCellText(2, 3, " 6 ");
  DrawMeasuredProfile(workspace);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "6");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "0");
  EXPECT_EQ(workspace.CellText(2, 3), " 6 ");
}

TEST(DrawMeasuredProfile, TheAccumulatedCurveStays) {
  MemoryWorkspace workspace;
  workspace.AddPoint(CurveId::kSeries2, 0, 1);
  FillProfile(workspace, Rows({0, 1}, {1, 1}));
  DrawMeasuredProfile(workspace);
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 1u);
}

TEST(DrawMeasuredProfile, NoPointsOrAllNegativeShowPeakZeroAndNoWidth) {
  MemoryWorkspace workspace;
  workspace.SetFieldText(Field::kEditFWHM, "old");
  FillProfile(workspace, {});  // a header line alone: point count 0
  DrawMeasuredProfile(workspace);
  EXPECT_TRUE(workspace.CurveOf(CurveId::kSeries1).points().empty());
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "0");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "");

  FillProfile(workspace, Rows({0, 1}, {-1, -2}));
  DrawMeasuredProfile(workspace);
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 2u);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "0");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "");
}

TEST(DrawMeasuredProfile, FullCapacityIsDrawnAndMoreIsRefusedBeforeAnythingChanges) {
  MemoryWorkspace workspace;
  std::vector<test_support::ProfileRow> rows;
  for (int i = 0; i < 1025; ++i) rows.push_back({std::to_string(i), i == 512 ? "2" : "1"});
  FillProfile(workspace, rows);
  DrawMeasuredProfile(workspace);
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 1025u);
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "1024");

  workspace.SetRowCount(1028);  // point count 1026
  EXPECT_EQ(MessageOf(workspace), "プロファイルの点数 (1026) が上限の 1025 を超えています");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 1025u);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "2");
}

}  // namespace
}  // namespace quorvane
