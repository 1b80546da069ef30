// What the actions can hold. The refusal messages quote these figures, so
// they live below every layer that refuses.
#pragma once

#include <cstdint>

namespace quorvane {

// The profile capacity of the actions' working arrays (indices 0 to 1024).
inline constexpr std::int32_t kProfileCapacity = 1025;

// A profile file may hold as many data lines as a profile has points.
inline constexpr std::int32_t kMaxDataLines = kProfileCapacity;

// The longest accumulated profile: positions and doses of indices 0 to 50 000.
inline constexpr std::int32_t kAccumulationCapacity = 50001;

}  // namespace quorvane
