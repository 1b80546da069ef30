// Runs a quorvane-calc command on one file, on a fresh workspace with the
// window's starting texts: load the file exactly as "Load" does (its draw
// action included), type the option texts into their fields, run the action,
// then form what the command prints for it.
#pragma once

#include <string>

#include "cli/calc_command.h"
#include "numbers/number_format.h"

namespace quorvane::cli {

struct CalcResult {
  bool ok = false;
  std::string output;  // the profile text or CSV, the summary or the readouts
  std::string error;   // the error box text, when not ok
};

// `file` is the path as given (JSON names it), `load_path` the file to load:
// the same, or a copy of standard input for "-". The workspace reads and
// writes numbers in `number_format`, the locale's, as the window does.
CalcResult RunCalcFile(const CalcCommand& command, const std::string& file,
                       const std::string& load_path, const NumberFormat& number_format);

}  // namespace quorvane::cli
