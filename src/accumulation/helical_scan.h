// "CalHS", first half: the accumulated dose profile of a helical scan. The
// table moves on continuously while the tube rotates; the scan is modelled
// as steps of one sample, each adding one copy of the measured profile
// divided by the feed per rotation F (the steps of one rotation), so that
// the copies of one rotation add up to one whole profile spread over its
// table travel. The number of steps is the total feed T, the table travel of
// all rotations in samples.
//
// Five points 0 to 4 with doses 1, 2, 4, 2, 1; slice width 1, slice number
// 2, beam pitch 1, 2 rotations: F = 2, T = 4, accumulated length 9, doses
// 0.5, 1.5, 3.5, 4.5, 4.5, 3.5, 1.5, 0.5, 0.
//
// Unlike "CalMS", the beam pitch is read first and stored as a double, and
// the sample counts are truncated toward zero: F from (width x pitch) /
// spacing, T from N x width x pitch / spacing in that order at extended
// precision (not N x F). Inputs beyond the arrays are refused as soon as
// their value is known (accumulation_limits.h).
#pragma once

#include <cstdint>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/superposition.h"
#include "workspace/workspace.h"

namespace quorvane {

// Fills a fresh workspace and returns the accumulated length T + n, which
// takes in exactly one zero sample after the last superposed one. Writes
// nothing to the window, the chart or the clipboard. On success the
// workspace's quantities hold what the accumulation used (scan_quantities.h).
std::int32_t AccumulateHelicalScan(const Workspace& workspace, AccumulationWorkspace& accumulation,
                                   SuperpositionKernel superpose = Superpose);

}  // namespace quorvane
