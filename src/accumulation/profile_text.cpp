#include "accumulation/profile_text.h"

#include "numbers/number_text.h"

namespace quorvane {

std::string FormatProfileTextWith(DigitSource digits, std::span<const double> positions,
                                  std::span<const double> doses, const NumberFormat& format) {
  // A line is two number texts of at most 15 digits (about 27 bytes for a
  // typical profile), a TAB and CR LF: one allocation for most profiles.
  constexpr std::size_t kTypicalLine = 32;
  std::string text;
  text.reserve(doses.size() * kTypicalLine);
  for (std::size_t j = 0; j < doses.size(); ++j) {
    AppendNumberTextWith(digits, positions[j], format, text);
    text += '\t';
    AppendNumberTextWith(digits, doses[j], format, text);
    text += "\r\n";
  }
  return text;
}

std::string FormatProfileText(std::span<const double> positions, std::span<const double> doses,
                              const NumberFormat& format) {
  return FormatProfileTextWith(EighteenDigits, positions, doses, format);
}

}  // namespace quorvane
