// One accumulation workspace for every run of a fuzz target's process. A
// fresh one costs two 0.4 MB arrays allocated and zeroed per action, most of
// a run's time under AddressSanitizer. Reusing it changes no result: both
// accumulations clear every position and dose before writing any, read only
// the profile values they have just written and set every quantity
// (tests/accumulation/scan_actions_test.cpp holds the actions to that).
#pragma once

#include <memory>

#include "accumulation/accumulation_workspace.h"

namespace quorvane::fuzzing {

inline AccumulationWorkspace& KeptAccumulationWorkspace() {
  static const auto accumulation = std::make_unique<AccumulationWorkspace>();
  return *accumulation;
}

}  // namespace quorvane::fuzzing
