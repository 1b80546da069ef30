// File > Save accumulated profile as... to a .csv file: the accumulated
// profile text (FormatProfileText, what the clipboard received) as comma-
// separated values for programs that read numbers the English way. A header
// line "position_mm,dose", then one line per sample with the same number
// texts, their decimal separator written as ".", the two joined by ",", each
// line ending in LF.
//   ProfileTextAsCsv("-0,5\t1\r\n0,25\t5E-5\r\n", format with ",")
//     -> "position_mm,dose\n-0.5,1\n0.25,5E-5\n"
//   ProfileTextAsCsv("", any format) -> "position_mm,dose\n"
#pragma once

#include <string>
#include <string_view>

#include "numbers/number_format.h"

namespace quorvane {

// `profile_text` as FormatProfileText wrote it in `format`.
std::string ProfileTextAsCsv(std::string_view profile_text, const NumberFormat& format);

}  // namespace quorvane
