// Where --output-dir puts each input's accumulated profile: a file named
// after the input's stem, the action and the format, in the folder.
//   ProfileFilePath("out", "scans/a.txt", kMultipleScans, kCsv) -> "out/a.ms.csv"
//   ProfileFilePath("out", "b.dat", kHelicalScan, kTsv)         -> "out/b.hs.tsv"
#pragma once

#include <optional>
#include <string>

#include "cli/calc_command.h"

namespace quorvane::cli {

std::string ProfileFilePath(const std::string& folder, const std::string& file, CalcAction action,
                            ProfileFormat format);

// Why the command's files cannot each have a profile file of their own in
// its output folder: standard input has no name, a path without a file name,
// or two inputs that would share one ("a/p.txt" and "b/p.dat").
std::optional<std::string> ProfileFileNameConflict(const CalcCommand& command);

}  // namespace quorvane::cli
