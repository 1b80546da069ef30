// The accumulated profile as a CSV file, the same for every locale: a header
// line "position_mm,dose", then one line per output sample with the number
// text of its centred position, a comma and the number text of its dose,
// always with "." as the decimal point; every line ends with LF. The numbers
// are those of the profile text (FormatProfileText), digit for digit.
//   FormatProfileCsv({-0.5, 0.25}, {1, 0.00005})
//     -> "position_mm,dose\n-0.5,1\n0.25,5E-5\n"
// No samples give the header line alone.
#pragma once

#include <span>
#include <string>

namespace quorvane {

std::string FormatProfileCsv(std::span<const double> positions, std::span<const double> doses);

}  // namespace quorvane
