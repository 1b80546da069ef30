// Number text and profile text with their 18 digits from snprintf instead of
// std::to_chars: the yardstick the profile text is timed against. The text
// is the same, byte for byte, as NumberText and FormatProfileText give.
#pragma once

#include <span>
#include <string>

#include "numbers/number_format.h"

namespace quorvane::bench {

std::string PrintfNumberText(double value, const NumberFormat& format);

// One line per sample: position, TAB, dose, CR LF.
std::string PrintfFormatProfileText(std::span<const double> positions,
                                    std::span<const double> doses, const NumberFormat& format);

}  // namespace quorvane::bench
