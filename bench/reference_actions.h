// "CalMS" and "CalHS" as they ran before the fast superposition and the
// to_chars number text: the core's accumulations with the plain nested loop
// (SuperposeReference) as their kernel, then the core's output with the
// snprintf number text for the profile text. The actions are timed against these; at start-up the
// benchmark checks that they leave the same fields, curve and clipboard text.
#pragma once

#include <cstdint>

#include "accumulation/accumulation_workspace.h"
#include "workspace/workspace.h"

namespace quorvane::bench {

// AccumulateMultipleScans and AccumulateHelicalScan with the plain loop.
std::int32_t ReferenceAccumulateMultipleScans(const Workspace& workspace,
                                              AccumulationWorkspace& accumulation);

std::int32_t ReferenceAccumulateHelicalScan(const Workspace& workspace,
                                            AccumulationWorkspace& accumulation);

// OutputAccumulatedProfile with the snprintf profile text.
void ReferenceOutputAccumulatedProfile(Workspace& workspace, AccumulationWorkspace& accumulation,
                                       std::int32_t accumulated_length);

void ReferenceMultipleScanAction(Workspace& workspace);

void ReferenceHelicalScanAction(Workspace& workspace);

}  // namespace quorvane::bench
