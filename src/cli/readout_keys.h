// Every readout key that --readouts and --json print, with its unit and its
// definition in one line each, for --help and the README; the accumulated
// keys only where the action accumulates:
//   "  measured.ctdi100<spaces>value<spaces>integral over c +/- 50 mm / W\n"
#pragma once

#include <string>

namespace quorvane::cli {

std::string ReadoutKeysText(bool with_accumulated);

}  // namespace quorvane::cli
