#include "cli/calc_run.h"

#include <optional>

#include "accumulation/accumulation_record.h"
#include "accumulation/profile_csv.h"
#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "analysis/measured_profile.h"
#include "cli/readout_output.h"
#include "errors/error.h"
#include "errors/error_box_text.h"
#include "profile_io/load_profile_file.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/measured_readouts.h"
#include "workspace/memory_workspace.h"

namespace quorvane::cli {
namespace {

// What the action measured and accumulated, for the readouts: the profile
// that draw (Load's, or the draw action's) measured, and the record of an
// accumulation that reached its output.
struct ActionResults {
  MeasuredProfile measured;
  std::optional<AccumulationRecord> accumulated;
};

std::string Summary(const Workspace& workspace) {
  return "PeakValue\t" + workspace.FieldText(Field::kEditMax) + "\nFWHM(mm)\t" +
         workspace.FieldText(Field::kEditFWHM) + "\n";
}

void RunAction(CalcAction action, Workspace& workspace, ActionResults& results) {
  switch (action) {
    case CalcAction::kDraw:
      results.measured = DrawMeasuredProfile(workspace);
      return;
    case CalcAction::kMultipleScans:
      results.accumulated = RunMultipleScanAction(workspace);
      return;
    case CalcAction::kHelicalScan:
      results.accumulated = RunHelicalScanAction(workspace);
      return;
  }
}

// The clipboard text, or the window's CSV of it.
std::string Profile(const MemoryWorkspace& workspace, ProfileFormat format) {
  if (format == ProfileFormat::kTsv) return workspace.clipboard_text();
  return ProfileTextAsCsv(workspace.clipboard_text(), workspace.number_format());
}

// The measured readouts take the slice and pitch texts as the fields hold
// them once the options are typed in.
ReadoutTables Readouts(const Workspace& workspace, const ActionResults& results) {
  ReadoutTables tables;
  tables.measured = MeasuredReadouts(
      results.measured, workspace.FieldText(Field::kEditSW), workspace.FieldText(Field::kEditSN),
      workspace.FieldText(Field::kEditBP), workspace.number_format());
  if (results.accumulated) tables.accumulated = AccumulatedReadouts(*results.accumulated);
  return tables;
}

std::string Output(const CalcCommand& command, const std::string& file,
                   const MemoryWorkspace& workspace, const ActionResults& results) {
  switch (command.Output()) {
    case CalcOutput::kProfile:
      return Profile(workspace, command.format);
    case CalcOutput::kSummary:
      return Summary(workspace);
    case CalcOutput::kReadouts:
      return ReadoutLines(Readouts(workspace, results), workspace.number_format());
    case CalcOutput::kJson:
      return ReadoutJson(file, Readouts(workspace, results));
  }
  return "";
}

}  // namespace

CalcResult RunCalcFile(const CalcCommand& command, const std::string& file,
                       const std::string& load_path, const NumberFormat& number_format) {
  MemoryWorkspace workspace(number_format);
  CalcResult result;
  try {
    ActionResults results;
    results.measured = LoadProfileFile(workspace, load_path).value_or(MeasuredProfile{});
    for (const auto& [field, text] : command.field_texts) workspace.SetFieldText(field, text);
    RunAction(command.action, workspace, results);
    result.output = Output(command, file, workspace, results);
  } catch (const Error& error) {
    result.error = ErrorBoxText(error.message());
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace quorvane::cli
