// The whole pipeline: a profile file and the four parameter texts, through
// load, draw, "CalMS" and "CalHS". Input layout: the field texts, each ended
// by a byte 0 (slice width, slice number, beam pitch, rotations), then the
// file. Every action ends normally or with one of the project's errors and
// never reads or writes outside its arrays (AddressSanitizer watches); a
// normal end of an accumulation leaves an accumulated length between 1 and
// 50 001 and a profile text whose every line parses back with number(t).
// One accumulation workspace serves every run (fuzz_accumulation_workspace.h).
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "accumulation/accumulated_profile_output.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "analysis/draw_measured_profile.h"
#include "errors/error.h"
#include "fuzz_accumulation_workspace.h"
#include "fuzz_input_fields.h"
#include "fuzz_input_file.h"
#include "numbers/number_parse.h"
#include "profile_io/load_profile_file.h"
#include "workspace/memory_workspace.h"

namespace {

using quorvane::AccumulationWorkspace;
using quorvane::Field;
using quorvane::MemoryWorkspace;

using quorvane::fuzzing::KeptAccumulationWorkspace;
using quorvane::fuzzing::Require;
using quorvane::fuzzing::TakeField;

void RunAction(const std::function<void()>& action) {
  try {
    action();
  } catch (const quorvane::Error&) {
    // An ordinary end of an action: its error would be shown in the error box.
  }
}

void CheckProfileText(const std::string& text, const quorvane::NumberFormat& format) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    Require(end != std::string::npos);
    const std::string_view line(text.data() + at, end - at);
    const std::size_t tab = line.find('\t');
    Require(tab != std::string_view::npos);
    quorvane::ParseNumber(line.substr(0, tab), format);  // raises (and so aborts) if not a number
    quorvane::ParseNumber(line.substr(tab + 1), format);
    at = end + 2;
  }
}

void Accumulate(MemoryWorkspace& workspace, bool helical) {
  AccumulationWorkspace* const accumulation = &KeptAccumulationWorkspace();
  std::int32_t length = 0;
  try {
    length = helical ? quorvane::AccumulateHelicalScan(workspace, *accumulation)
                     : quorvane::AccumulateMultipleScans(workspace, *accumulation);
  } catch (const quorvane::Error&) {
    return;
  }
  Require(length >= 1 && length <= quorvane::kAccumulationCapacity);
  try {
    quorvane::OutputAccumulatedProfile(workspace, *accumulation, length);
  } catch (const quorvane::Error&) {
    std::abort();  // nothing in the output can fail but the clipboard, which holds here
  }
  CheckProfileText(workspace.clipboard_text(), workspace.number_format());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  MemoryWorkspace workspace;
  quorvane::fuzzing::TakeScanParameters(input, workspace);
  const std::string& path = quorvane::fuzzing::WriteScratchFile(input);
  RunAction([&] { quorvane::LoadProfileFile(workspace, path); });
  RunAction([&] { quorvane::DrawMeasuredProfile(workspace); });
  Accumulate(workspace, false);
  Accumulate(workspace, true);
  return 0;
}
