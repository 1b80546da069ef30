// File > Save profile table as...: the profile table as a profile file that
// "Load" reads back into the same table.
//
// The file holds data rows 1 to n (n = PointCount, at least 0) as "position
// TAB dose rate LF", the cell texts byte for byte. Before them comes the
// header line "slice width TAB slice number LF" when the slice number text
// passes the loader's header test; loading the file then gives back the
// same rows 1 to n and the same two fields.
//
// Where the format cannot carry the table, raises the refusal error naming
// the line and the reason, and nothing is written:
//  - a cell (or, for the header line, a field) holding a TAB, an LF or a CR;
//  - a line starting with byte 26 (Ctrl-Z ends the file for the loader);
//  - without a header line, a first dose rate that the loader's header test
//    would read as a slice number, or could not read as a number at all (an
//    empty file included), since then no load gives the rows back;
//  - more data rows than a profile file holds (kMaxDataLines).
//
// Slice width "5", slice number "4", rows ("-1", "0.5"), ("0", "8"):
//   "5\t4\n-1\t0.5\n0\t8\n"
// The same with slice number "3" has no header line, and row 1's dose rate
// "0.5" is a whole power of two: refused with "Row 1: the dose rate is a
// whole power of two, so the loader would read the line as ...".
#pragma once

#include <string>

#include "workspace/workspace.h"

namespace quorvane {

std::string ProfileTableFileText(const Workspace& workspace);

}  // namespace quorvane
