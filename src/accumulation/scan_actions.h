// The two accumulation buttons, each one action of two halves: the
// accumulation fills a fresh accumulation workspace from the table and the
// parameter fields, then OutputAccumulatedProfile measures, centres, plots
// (Series2) and copies the accumulated profile to the clipboard. An error in
// the first half ends the action before the second runs.
//
// An action that reaches its output returns its AccumulationRecord (the
// accumulated samples and what the accumulation used) for the readouts; it
// takes over the accumulation workspace's arrays, so keeping it costs no
// copy. An action that fails raises its error as before and returns nothing.
#pragma once

#include "accumulation/accumulation_record.h"
#include "workspace/workspace.h"

namespace quorvane {

// "CalMS": AccumulateMultipleScans, then OutputAccumulatedProfile.
AccumulationRecord RunMultipleScanAction(Workspace& workspace);

// "CalHS": AccumulateHelicalScan, then OutputAccumulatedProfile.
AccumulationRecord RunHelicalScanAction(Workspace& workspace);

}  // namespace quorvane
