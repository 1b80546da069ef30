#include "support/scan_error_case.h"

#include <gtest/gtest.h>

#include "support/error_capture.h"
#include "support/printers.h"
#include "workspace/memory_workspace.h"

namespace quorvane::test_support {
namespace {

void PrintField(const char* label, const char* text, std::ostream* out) {
  *out << ", " << label << " ";
  PrintText(text, out);
}

}  // namespace

void PrintTo(const ScanErrorCase& c, std::ostream* out) {
  *out << c.name << " {rows ";
  PrintRows(c.rows, out);
  PrintField("slice_width", c.slice_width, out);
  PrintField("slice_number", c.slice_number, out);
  PrintField("beam_pitch", c.beam_pitch, out);
  PrintField("rotations", c.rotations, out);
  *out << ", kind ";
  PrintTo(c.kind, out);
  PrintField("message", c.message, out);
  *out << "}";
}

void ExpectScanError(const ScanErrorCase& c, const std::function<void(Workspace&)>& action) {
  MemoryWorkspace workspace;
  PrepareScan(workspace, c.rows, c.slice_width, c.slice_number, c.beam_pitch, c.rotations);
  const std::optional<CapturedError> error = CaptureError([&] { action(workspace); });
  ASSERT_TRUE(error) << "ended normally";
  EXPECT_EQ(error->message, c.message);
  EXPECT_EQ(error->kind, c.kind);
  EXPECT_EQ(workspace.clipboard_text(), "before");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 1u);
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "");
}

}  // namespace quorvane::test_support
