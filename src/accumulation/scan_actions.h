// The two accumulation buttons, each one action of two halves: the
// accumulation fills a fresh accumulation workspace from the table and the
// parameter fields, then OutputAccumulatedProfile measures, centres, plots
// (Series2) and copies the accumulated profile to the clipboard. An error in
// the first half ends the action before the second runs.
#pragma once

#include "workspace/workspace.h"

namespace quorvane {

// "CalMS": AccumulateMultipleScans, then OutputAccumulatedProfile.
void RunMultipleScanAction(Workspace& workspace);

// "CalHS": AccumulateHelicalScan, then OutputAccumulatedProfile.
void RunHelicalScanAction(Workspace& workspace);

}  // namespace quorvane
