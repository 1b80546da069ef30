// "CalMS", first half: the accumulated dose profile of a series of axial
// scans. Each rotation deposits one copy of the measured single-rotation
// profile; between rotations the table moves on by the table increment
// (beam pitch x nominal beam width / sample spacing, in samples, rounded
// half to even); the accumulated profile is the sum of the shifted copies.
//
// Three points 0, 1, 2 with doses 1, 2, 1; slice width 1, slice number 1,
// beam pitch 1, 3 rotations: increment 1, doses 1, 3, 4, 3, 1, 0, accumulated
// length 3 x 1 + 3 = 6, positions 0 to 5.
//
// The steps run in a fixed order, and the first failing one decides the
// error: the point count, row 2 then row 1 of the position column, the slice
// width, the slice number, the beam pitch, the increment, the dose texts in
// row order, then the rotations. Inputs beyond the arrays are refused as soon
// as their value is known (accumulation_limits.h).
#pragma once

#include <cstdint>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/superposition.h"
#include "workspace/workspace.h"

namespace quorvane {

// Fills the positions and doses of a fresh workspace and returns the
// accumulated length: rotations x increment + point count, which takes in
// the increment's zero samples after the last copy. Writes nothing to the
// window, the chart or the clipboard. On success the workspace's quantities
// hold what the accumulation used (scan_quantities.h).
std::int32_t AccumulateMultipleScans(const Workspace& workspace,
                                     AccumulationWorkspace& accumulation,
                                     SuperpositionKernel superpose = Superpose);

}  // namespace quorvane
