// The one check of an internal invariant: a condition that the rules
// guarantee and that only a fault in this program can break. A broken one
// ends the action like any error, with the Japanese internal-error message
// and the place that found it, so no English text reaches the error box.
//   QUORVANE_CHECK(j < dose.size());  // raises "内部エラー (file.cpp:24)"
#pragma once

#include <string_view>

namespace quorvane {

[[noreturn]] void RaiseInternalError(std::string_view file, int line);

}  // namespace quorvane

#define QUORVANE_CHECK(condition)                                         \
  do {                                                                    \
    if (!(condition)) ::quorvane::RaiseInternalError(__FILE__, __LINE__); \
  } while (false)
