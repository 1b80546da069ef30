// The command line of quorvane-calc: one action, its options and one or
// more profile files.
//
//   quorvane-calc draw [OPTION]... [--] FILE...
//   quorvane-calc ms [OPTION]... [--] FILE...
//   quorvane-calc hs [OPTION]... [--] FILE...
//
// A text option takes its text from the next argument ("--pitch -1") or
// after "=" ("--pitch=-1"); texts are kept byte for byte, the empty text too
// ("--slice-width=" or "--slice-width ''"). FILE "-" is standard input; after
// "--" every argument is a FILE, even one named like an option.
//   {"ms", "a.txt", "--pitch", "1.5", "--summary"}
//     -> run CalMS on a.txt with EditBP "1.5", printing the summary
//   {"ms", "a.txt", "-p", "1.5"} -> usage error "unknown option '-p'"
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "workspace/field.h"

namespace quorvane::cli {

enum class CalcAction { kDraw, kMultipleScans, kHelicalScan };

// How the accumulated profile is written: the clipboard text, or CSV.
enum class ProfileFormat { kTsv, kCsv };

// What each file's run prints.
enum class CalcOutput {
  kProfile,   // ms and hs: the accumulated profile
  kSummary,   // draw, or --summary: PeakValue and FWHM(mm) lines
  kReadouts,  // --readouts: section.key TAB value lines, then notes
  kJson,      // --json: the readouts as one JSON object
};

struct CalcCommand {
  CalcAction action = CalcAction::kDraw;
  std::vector<std::string> files;
  std::vector<std::pair<Field, std::string>> field_texts;  // in the order given
  bool summary = false;
  bool readouts = false;
  bool json = false;
  ProfileFormat format = ProfileFormat::kTsv;
  std::optional<std::string> output;         // -o, --output FILE
  std::optional<std::string> output_folder;  // --output-dir DIR

  CalcOutput Output() const;
};

struct ParsedCommandLine {
  enum class Kind { kRun, kHelp, kVersion, kUsageError } kind = Kind::kUsageError;
  CalcCommand command;
  std::string help;     // for help: the text to print
  std::string problem;  // for a usage error: what is wrong
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The synopsis that a usage error shows after the problem.
std::string UsageText();

}  // namespace quorvane::cli
