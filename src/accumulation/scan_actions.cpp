#include "accumulation/scan_actions.h"

#include <memory>

#include "accumulation/accumulated_profile_output.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"

namespace quorvane {

void RunMultipleScanAction(Workspace& workspace) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = AccumulateMultipleScans(workspace, *accumulation);
  OutputAccumulatedProfile(workspace, *accumulation, length);
}

void RunHelicalScanAction(Workspace& workspace) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = AccumulateHelicalScan(workspace, *accumulation);
  OutputAccumulatedProfile(workspace, *accumulation, length);
}

}  // namespace quorvane
