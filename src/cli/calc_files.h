// Runs a quorvane-calc command on each of its files in turn, each as a fresh
// window would, and delivers what each prints: to standard output, to the
// one file of -o (written once all have run), or to one profile file per
// input in the folder of --output-dir. With several files a summary or
// readouts block follows a line "file", TAB, path, and a failing file's
// message on standard error follows "path: "; with one file everything is
// exactly as that file's run prints it.
//   ms a.txt b.txt --summary  ->  "file\ta.txt\nPeakValue\t...\nFWHM(mm)\t...\n"
//                                 "file\tb.txt\nPeakValue\t...\nFWHM(mm)\t...\n"
#pragma once

#include "cli/calc_command.h"
#include "numbers/number_format.h"

namespace quorvane::cli {

// The exit status: 0 when every file ran and every output was written, 1
// otherwise.
int RunCalcFiles(const CalcCommand& command, const NumberFormat& number_format);

}  // namespace quorvane::cli
