// The steps both accumulations take alike.
#pragma once

#include <cstdint>

#include "accumulation/accumulation_workspace.h"
#include "workspace/workspace.h"

namespace quorvane {

// Slice width x slice number, the slice width read first, both converted
// with number(t) ("4.0" and "2.5" are slice numbers too), the product formed
// at extended precision and stored as a double.
double NominalBeamWidth(const Workspace& workspace);

// profile value[i] = number(dose rate of row i + 1), stored as a double, for
// i = 0 up to point count - 1 in order: a bad text in row i + 1 is reported
// after rows 1 to i have converted.
void ReadProfileValues(const Workspace& workspace, std::int32_t point_count,
                       AccumulationWorkspace& accumulation);

// position[j] = j x sample spacing, formed at extended precision and stored
// as a double, for j = 0 up to length - 1: the accumulated profile starts at
// 0 whatever the first measured position, and only rows 1 and 2 of the
// position column ever matter.
void FillPositions(AccumulationWorkspace& accumulation, std::int32_t length, double spacing);

}  // namespace quorvane
