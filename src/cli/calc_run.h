// Runs a quorvane-calc command on a fresh workspace with the window's
// starting texts: load the file exactly as "Load" does (its draw action
// included), type the option texts into their fields, then run the action.
#pragma once

#include <string>

#include "cli/calc_command.h"
#include "numbers/number_format.h"

namespace quorvane::cli {

struct CalcResult {
  bool ok = false;
  std::string output;  // standard output: summary lines or the profile text
  std::string error;   // the error box text, when not ok
};

// `load_path` is the file to load: the command's file, or a copy of
// standard input for "-". The workspace reads and writes numbers in
// `number_format`, the locale's, as the window does.
CalcResult RunCalcCommand(const CalcCommand& command, const std::string& load_path,
                          const NumberFormat& number_format);

}  // namespace quorvane::cli
