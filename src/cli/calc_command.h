// The command line of quorvane-calc: one action, one profile file, and the
// scan parameter texts to type into the fields after the load.
//
//   quorvane-calc draw FILE
//   quorvane-calc ms FILE [--slice-width TEXT] [--slice-number TEXT]
//                         [--pitch TEXT] [--rotations TEXT] [--summary]
//   quorvane-calc hs FILE [the same options]
//
// An option takes its text from the next argument ("--pitch -1") or after
// "=" ("--pitch=-1"); texts are kept byte for byte, the empty text too. FILE
// "-" is standard input.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "workspace/field.h"

namespace quorvane::cli {

enum class CalcAction { kDraw, kMultipleScans, kHelicalScan };

struct CalcCommand {
  CalcAction action = CalcAction::kDraw;
  std::string file;
  std::vector<std::pair<Field, std::string>> field_texts;  // in the order given
  bool summary = false;
};

struct ParsedCommandLine {
  enum class Kind { kRun, kHelp, kVersion, kUsageError } kind = Kind::kUsageError;
  CalcCommand command;
  std::string problem;  // for a usage error: what is wrong
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text of --help: the synopsis and a line for each action and
// option.
std::string HelpText();

// The one-line synopsis that a usage error shows.
std::string UsageLine();

}  // namespace quorvane::cli
