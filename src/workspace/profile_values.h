// What the actions derive from the profile table, each time they need it.
#pragma once

#include <cstdint>
#include <string>

#include "workspace/workspace.h"

namespace quorvane {

// The profile capacity of the actions' working arrays (indices 0 to 1024).
inline constexpr std::int32_t kProfileCapacity = 1025;

// Row count - 2: a fresh table gives 1022, a load of k data lines gives k.
std::int32_t PointCount(const Workspace& workspace);

// number(row 2) - number(row 1) of the position column, row 2 converted
// first, the difference formed at extended precision and stored as a double.
// Rows 1 and 2 are read whatever the point count. Raises the conversion error
// of the first bad cell, or the overflow error.
double SampleSpacing(const Workspace& workspace);

// The refusal of a profile beyond the capacity:
// "プロファイルの点数 (1026) が上限の 1025 を超えています".
std::string ProfileTooLongMessage(std::int64_t point_count);

}  // namespace quorvane
