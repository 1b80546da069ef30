// The fuzz input written to a file of this process's own, for the loader,
// which reads by path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane::fuzzing {

// Rewrites the process's scratch file with the bytes and returns its path.
const std::string& WriteScratchFile(std::string_view bytes);

}  // namespace quorvane::fuzzing
