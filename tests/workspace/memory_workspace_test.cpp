#include "workspace/memory_workspace.h"

#include <gtest/gtest.h>

#include "errors/error.h"
#include "numbers/extended.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

TEST(MemoryWorkspace, StartsAsTheWindowOpens) {
  const MemoryWorkspace workspace;
  EXPECT_EQ(workspace.RowCount(), 1024);
  EXPECT_EQ(PointCount(workspace), 1022);
  EXPECT_EQ(workspace.FieldText(Field::kEditBP), "1.0");
  EXPECT_EQ(workspace.FieldText(Field::kEditnRot), "10");
  for (const Field field :
       {Field::kEdit1, Field::kEditSW, Field::kEditSN, Field::kEditMax, Field::kEditFWHM}) {
    EXPECT_EQ(workspace.FieldText(field), "") << FieldName(field);
  }
  EXPECT_TRUE(workspace.CurveOf(CurveId::kSeries1).points().empty());
}

TEST(MemoryWorkspace, HeldClipboardFailsAndKeepsItsText) {
  MemoryWorkspace workspace;
  workspace.SetClipboardText("old");
  workspace.set_clipboard_held(true);
  try {
    workspace.SetClipboardText("new");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.message(), "クリップボードを開くことができません");
    EXPECT_EQ(error.kind(), ErrorKind::kInputOutput);
  }
  EXPECT_EQ(workspace.clipboard_text(), "old");
}

TEST(SampleSpacing, RowTwoFirstThenRowOneAtExtendedPrecision) {
  MemoryWorkspace workspace;
  // Rounding -10 and -9.9 to doubles first would give a spacing just below
  // 0.1; the extended difference rounds to the double nearest 0.1.
  test_support::FillProfile(workspace, {{"-10", "1"}, {"-9.9", "1"}});
  EXPECT_EQ(SampleSpacing(workspace), 0.1);
  EXPECT_NE(-9.9 - -10.0, 0.1);

  workspace.SetCellText(1, 1, "bad1");
  workspace.SetCellText(1, 2, "bad2");
  try {
    SampleSpacing(workspace);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.message(), "'bad2' は浮動小数点数ではありません");
  }
}

TEST(SampleSpacing, ReadsRowTwoBeyondTheRowCount) {
  MemoryWorkspace workspace;
  workspace.SetCellText(1, 1, "2");
  workspace.SetCellText(1, 2, "2.5");
  workspace.SetRowCount(2);  // point count 0: row 2 lies beyond the table
  EXPECT_EQ(PointCount(workspace), 0);
  EXPECT_EQ(SampleSpacing(workspace), 0.5);
  workspace.SetCellText(1, 2, "1e308");
  workspace.SetCellText(1, 1, "-1e308");
  EXPECT_THROW(SampleSpacing(workspace), Error) << "the difference overflows when stored";
}

}  // namespace
}  // namespace quorvane
