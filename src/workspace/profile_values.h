// What the actions derive from the profile table, each time they need it.
#pragma once

#include <cstdint>
#include <string>

#include "errors/capacities.h"
#include "workspace/workspace.h"

namespace quorvane {

// Row count - 2: a fresh table gives 1022, a load of k data lines gives k.
std::int32_t PointCount(const Workspace& workspace);

// number(row 2) - number(row 1) of the position column, row 2 converted
// first, the difference formed at extended precision and stored as a double.
// Rows 1 and 2 are read whatever the point count. Raises the conversion error
// of the first bad cell, or the overflow error.
double SampleSpacing(const Workspace& workspace);

}  // namespace quorvane
