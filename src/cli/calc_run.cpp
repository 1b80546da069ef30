#include "cli/calc_run.h"

#include "accumulation/profile_csv.h"
#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "cli/calc_workspace.h"
#include "errors/error.h"
#include "errors/error_box_text.h"
#include "profile_io/load_profile_file.h"

namespace quorvane::cli {
namespace {

std::string Summary(const Workspace& workspace) {
  return "PeakValue\t" + workspace.FieldText(Field::kEditMax) + "\nFWHM(mm)\t" +
         workspace.FieldText(Field::kEditFWHM) + "\n";
}

void RunAction(CalcAction action, Workspace& workspace) {
  switch (action) {
    case CalcAction::kDraw:
      DrawMeasuredProfile(workspace);
      return;
    case CalcAction::kMultipleScans:
      RunMultipleScanAction(workspace);
      return;
    case CalcAction::kHelicalScan:
      RunHelicalScanAction(workspace);
      return;
  }
}

std::string Profile(const CalcWorkspace& workspace, ProfileFormat format) {
  if (format == ProfileFormat::kTsv) return workspace.clipboard_text();
  return FormatProfileCsv(workspace.accumulated_positions(), workspace.accumulated_doses());
}

}  // namespace

CalcResult RunCalcFile(const CalcCommand& command, const std::string& load_path,
                       const NumberFormat& number_format) {
  CalcWorkspace workspace(number_format);
  CalcResult result;
  try {
    LoadProfileFile(workspace, load_path);
    for (const auto& [field, text] : command.field_texts) workspace.SetFieldText(field, text);
    RunAction(command.action, workspace);
  } catch (const Error& error) {
    result.error = ErrorBoxText(error.message());
    return result;
  }
  result.ok = true;
  result.output = command.Output() == CalcOutput::kProfile ? Profile(workspace, command.format)
                                                           : Summary(workspace);
  return result;
}

}  // namespace quorvane::cli
