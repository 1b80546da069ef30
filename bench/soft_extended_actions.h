// The "CalHS" worst case through a second copy of the core built with the
// software extended format (QUORVANE_EXTENDED_IN_SOFTWARE=1), for timing it
// against the x87 core in the same run. bench/CMakeLists.txt compiles that
// copy and soft_extended_actions.cpp with the core's namespace renamed, so
// the two copies link into one program; this header names neither.
#pragma once

#include <functional>
#include <string>

namespace soft_extended_bench {

// One helical accumulation of the worst case into a workspace kept by the
// closure.
std::function<void()> HelicalAccumulation();

// The whole "CalHS" action, button press after button press, on one
// workspace kept by the closure.
std::function<void()> HelicalAction();

// The clipboard text of one "CalHS" of the worst case.
std::string HelicalActionText();

}  // namespace soft_extended_bench
