// The accumulated profile as text for a spreadsheet: one line per output
// sample, the number text of its centred position, TAB, the number text of
// its dose, CR LF; every line ends with CR LF, there is no header, and no
// samples give the empty text.
//   FormatProfileText({-0.5, 0.25}, {1, 0.00005}) -> "-0.5\t1\r\n0.25\t5E-5\r\n"
#pragma once

#include <span>
#include <string>

#include "numbers/number_format.h"
#include "numbers/number_text.h"

namespace quorvane {

std::string FormatProfileText(std::span<const double> positions, std::span<const double> doses,
                              const NumberFormat& format);

// FormatProfileText with the 18 digits of each number from `digits`.
std::string FormatProfileTextWith(DigitSource digits, std::span<const double> positions,
                                  std::span<const double> doses, const NumberFormat& format);

// A way of building that text, for the output to take (the benchmarks time
// it against one built on printf).
using ProfileTextFormatter = std::string (*)(std::span<const double> positions,
                                             std::span<const double> doses,
                                             const NumberFormat& format);

}  // namespace quorvane
