#include "accumulation/profile_text.h"

#include <algorithm>
#include <cstring>

#include "numbers/eighteen_digits.h"
#include "numbers/general_format.h"
#include "numbers/number_text.h"

namespace quorvane {
namespace {

// Two number texts, a TAB and CR LF.
constexpr std::size_t kLongestLine = 2 * kLongestNumberText + 3;

// A line of a typical profile: two number texts of at most 15 digits (about
// 27 bytes), a TAB and CR LF; reserving this much a line makes one
// allocation for most profiles.
constexpr std::size_t kTypicalLine = 32;

// Lines written between two checks of the room left in the text.
constexpr std::size_t kLinesPerBlock = 256;

char* PutLine(DigitSource digits, double position, double dose, const SeparatorBytes& separator,
              char* out) {
  out = PutNumberText(digits, position, separator, out);
  *out++ = '\t';
  out = PutNumberText(digits, dose, separator, out);
  std::memcpy(out, "\r\n", 2);
  return out + 2;
}

}  // namespace

// The lines are written straight into the text's own buffer, a block of
// lines at a time: the text is first lengthened by the most that block can
// take (and the scratch room of the last number), then cut back to what the
// block wrote.
std::string FormatProfileTextWith(DigitSource digits, std::span<const double> positions,
                                  std::span<const double> doses, const NumberFormat& format) {
  const SeparatorBytes separator(format.decimal_separator());
  std::string text;
  text.reserve(doses.size() * kTypicalLine);
  std::size_t length = 0;
  for (std::size_t first = 0; first < doses.size(); first += kLinesPerBlock) {
    const std::size_t end = std::min(first + kLinesPerBlock, doses.size());
    text.resize(length + (end - first) * kLongestLine + kNumberTextRoom);
    char* out = text.data() + length;
    for (std::size_t j = first; j < end; ++j) {
      out = PutLine(digits, positions[j], doses[j], separator, out);
    }
    length = static_cast<std::size_t>(out - text.data());
    text.resize(length);
  }
  return text;
}

std::string FormatProfileText(std::span<const double> positions, std::span<const double> doses,
                              const NumberFormat& format) {
  return FormatProfileTextWith(EighteenDigits, positions, doses, format);
}

}  // namespace quorvane
