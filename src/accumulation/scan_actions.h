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
#include "accumulation/accumulation_workspace.h"
#include "workspace/workspace.h"

namespace quorvane {

// "CalMS": AccumulateMultipleScans, then OutputAccumulatedProfile.
AccumulationRecord RunMultipleScanAction(Workspace& workspace);

// "CalHS": AccumulateHelicalScan, then OutputAccumulatedProfile.
AccumulationRecord RunHelicalScanAction(Workspace& workspace);

// The same actions in an accumulation workspace that the caller keeps for
// the next action, sparing the 0.8 MB that a fresh one allocates and zeroes
// (the fuzz harnesses run thousands of actions a second). The record is the
// same as a fresh workspace gives, whatever earlier actions left in this
// one: it copies the L samples and the n profile values, and the workspace
// keeps its arrays.
//   AccumulationWorkspace kept;
//   RunMultipleScanActionIn(workspace, kept)  -> the record RunMultipleScanAction(workspace) gives
AccumulationRecord RunMultipleScanActionIn(Workspace& workspace,
                                           AccumulationWorkspace& accumulation);
AccumulationRecord RunHelicalScanActionIn(Workspace& workspace,
                                          AccumulationWorkspace& accumulation);

}  // namespace quorvane
