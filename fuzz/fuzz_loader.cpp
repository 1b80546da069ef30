// The loader on arbitrary file contents: it ends normally or with one of the
// project's errors; a normal end leaves the table with data lines + 2 rows,
// at most 1025 data rows, the headings written, and the measured curve no
// longer than the profile.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "errors/error.h"
#include "fuzz_input_file.h"
#include "profile_io/load_profile_file.h"
#include "workspace/curve.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_values.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string& path = quorvane::fuzzing::WriteScratchFile(bytes);
  quorvane::MemoryWorkspace workspace;
  bool table_written = false;
  try {
    quorvane::LoadProfileFile(workspace, path);
    table_written = true;
  } catch (const quorvane::Error& error) {
    table_written = workspace.CellText(1, 0) == "mm";  // a draw error after a complete load
  }
  Require(workspace.FieldText(quorvane::Field::kEdit1) == path);
  if (!table_written) {
    Require(workspace.RowCount() == 1024);
    return 0;
  }
  const std::int32_t points = quorvane::PointCount(workspace);
  Require(points >= 0 && points <= 1025);
  Require(workspace.CellText(2, 0) == "mGy/s");
  Require(workspace.CurveOf(quorvane::CurveId::kSeries1).points().size() <=
          static_cast<std::size_t>(points));
  return 0;
}
