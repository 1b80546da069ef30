#include "accumulation/accumulated_profile_output.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "accumulation/scan_actions.h"
#include "errors/error.h"
#include "profile_io/load_profile_file.h"
#include "support/error_capture.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::FillProfile;
using test_support::Rows;
using test_support::SetScanFields;

class OutputTest : public ::testing::Test {
 protected:
  // An accumulated profile handed over directly: doses and positions
  // j x spacing for j below the length.
  void Output(const std::vector<double>& doses, double spacing, std::int32_t length) {
    for (std::size_t j = 0; j < doses.size(); ++j) accumulation_->dose[j] = doses[j];
    for (std::int32_t j = 0; j < length; ++j) {
      accumulation_->position[static_cast<std::size_t>(j)] = j * spacing;
    }
    OutputAccumulatedProfile(workspace_, *accumulation_, length);
  }
  const std::vector<CurvePoint>& Accumulated() const {
    return workspace_.CurveOf(CurveId::kSeries2).points();
  }

  MemoryWorkspace workspace_;
  std::unique_ptr<AccumulationWorkspace> accumulation_ = std::make_unique<AccumulationWorkspace>();
};

TEST_F(OutputTest, WorkedExample) {
  Output({1, 3, 4, 3, 1, 0}, 1, 6);
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "4");
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "2");
  const std::vector<CurvePoint> expected = {{-2, 1}, {-1, 3}, {0, 4}, {1, 3}, {2, 1}};
  EXPECT_EQ(Accumulated(), expected);
  EXPECT_EQ(workspace_.clipboard_text(), "-2\t1\r\n-1\t3\r\n0\t4\r\n1\t3\r\n2\t1\r\n");
  EXPECT_EQ(workspace_.clipboard_writes(), 1);
  EXPECT_EQ(accumulation_->position[0], -2) << "the centred positions are stored back";
  EXPECT_EQ(accumulation_->position[5], 5) << "positions beyond the run are untouched";
}

TEST_F(OutputTest, CentreBetweenSamples) {
  // Edges at positions 1.5 and 4: centre 2.75.
  Output({0.5, 0.5, 0.5, 3, 4, 4, 4, 4, 3, 0.5, 0}, 0.5, 11);
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "2.5");
  EXPECT_EQ(Accumulated().front().x, -2.75);
  EXPECT_EQ(workspace_.clipboard_text().substr(0, 18), "-2.75\t0.5\r\n-2.25\t0");
}

TEST_F(OutputTest, RunEndsAtTheFirstNonPositiveDose) {
  // A gap between the copies of a series: only the first copy is output,
  // though the measurement spans both (edges 0 and 7, centre 3.5).
  Output({1, 2, 1, 0, 0, 1, 2, 1, 0}, 1, 9);
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "7");
  EXPECT_EQ(Accumulated().size(), 3u);
  EXPECT_EQ(workspace_.clipboard_text(), "-3.5\t1\r\n-2.5\t2\r\n-1.5\t1\r\n");
}

TEST_F(OutputTest, FirstDoseZeroGivesTheEmptyTextAndAnEmptyCurve) {
  workspace_.AddPoint(CurveId::kSeries2, 9, 9);
  workspace_.SetClipboardText("old");
  Output({0, 4, 0}, 1, 3);
  EXPECT_TRUE(Accumulated().empty());
  EXPECT_EQ(workspace_.clipboard_text(), "");
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "4");
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "0");
}

TEST_F(OutputTest, AllZeroProfileSpansTheWholeLength) {
  Output({}, 0.5, 7);
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "0");
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "3");
  EXPECT_EQ(workspace_.clipboard_text(), "");
  EXPECT_EQ(workspace_.clipboard_writes(), 1);
}

TEST_F(OutputTest, AllNegativeDosesHaveNoWidth) {
  Output({-1, -2, -1}, 1, 3);
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "0");
  EXPECT_EQ(workspace_.FieldText(Field::kEditFWHM), "");
  EXPECT_TRUE(Accumulated().empty());
  EXPECT_EQ(workspace_.clipboard_text(), "");
}

TEST_F(OutputTest, SmallDosesInExponentForm) {
  Output({0.00005, 0.0001, 0.00005, 0}, 1, 4);
  EXPECT_EQ(workspace_.clipboard_text(), "-1\t5E-5\r\n0\t0.0001\r\n1\t5E-5\r\n");
}

TEST_F(OutputTest, HeldClipboardFailsAfterTheFieldsAndCurveShowTheResult) {
  workspace_.SetClipboardText("old");
  workspace_.set_clipboard_held(true);
  const auto error = test_support::CaptureError([&] { Output({1, 3, 4, 3, 1, 0}, 1, 6); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->message, "クリップボードを開くことができません");
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "4");
  EXPECT_EQ(Accumulated().size(), 5u);
  EXPECT_EQ(workspace_.clipboard_text(), "old");
}

TEST(ScanActions, MultipleScansEndToEndLeaveTheMeasuredCurve) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2}, {1, 2, 1}));
  SetScanFields(workspace, "1", "1", "1", "3");
  workspace.AddPoint(CurveId::kSeries1, 5, 5);
  RunMultipleScanAction(workspace);
  EXPECT_EQ(workspace.clipboard_text(), "-2\t1\r\n-1\t3\r\n0\t4\r\n1\t3\r\n2\t1\r\n");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 1u);
  RunMultipleScanAction(workspace);  // again: the same curve and text
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 5u);
  EXPECT_EQ(workspace.clipboard_writes(), 2);
}

TEST(ScanActions, HelicalScanEndToEnd) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2, 3, 4}, {1, 2, 4, 2, 1}));
  SetScanFields(workspace, "1", "2", "1", "2");
  RunHelicalScanAction(workspace);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "4.5");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "3");
  EXPECT_EQ(workspace.clipboard_text(),
            "-3.5\t0.5\r\n-2.5\t1.5\r\n-1.5\t3.5\r\n-0.5\t4.5\r\n0.5\t4.5\r\n1.5\t3.5\r\n"
            "2.5\t1.5\r\n3.5\t0.5\r\n");
}

TEST(ScanActions, ExampleProfilesAccumulate) {
  // A loaded example with its header's 4 x 5 mm beam: 20 mm per rotation at
  // pitch 1 is 80 samples of 0.25 mm.
  MemoryWorkspace workspace;
  LoadProfileFile(workspace,
                  (test_support::SourceFolder() / "examples" / "axial_4x5mm_header.txt").string());
  RunMultipleScanAction(workspace);
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "200");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 241u + 9 * 80);
  RunHelicalScanAction(workspace);
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 241u + 800 - 1);
}

}  // namespace
}  // namespace quorvane
