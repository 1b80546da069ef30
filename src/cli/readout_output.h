// The readouts as quorvane-calc prints them, from the measured table and, after
// ms or hs, the accumulated one.
//
// Lines: "section.key", TAB, the value in number text (the workspace's
// decimal separator), LF; an unavailable value is the empty text and the
// action row gives its text. Then one "note", TAB, "section.key: note" line
// for every row with a note.
//   measured.peak<TAB>24.6
//   measured.ctdi100<TAB>
//   ...
//   note<TAB>measured.ctdi100: slice width is not a number
//
// JSON: one object on one line, {"file": path, "measured": {key: value, ...},
// "accumulated": {...}, "notes": [...]}, the keys in table order, numbers as
// the shortest text that reads back as the same double, null where
// unavailable, no "accumulated" after draw.
//   {"file":"a.txt","measured":{"peak":24.6,...,"ctdi100":null,...},"notes":[...]}
#pragma once

#include <optional>
#include <string>

#include "numbers/number_format.h"
#include "readouts/readout.h"

namespace quorvane::cli {

struct ReadoutTables {
  ReadoutTable measured;
  std::optional<ReadoutTable> accumulated;  // none after draw
};

std::string ReadoutLines(const ReadoutTables& tables, const NumberFormat& format);

// Numbers and strings as JsonText writes them.
std::string ReadoutJson(const std::string& file, const ReadoutTables& tables);

}  // namespace quorvane::cli
