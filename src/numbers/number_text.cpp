#include "numbers/number_text.h"

#include "numbers/eighteen_digits.h"
#include "numbers/shown_digits.h"

namespace quorvane {

char* PutNumberText(DigitSource digits, double value, const SeparatorBytes& separator, char* out) {
  if (value == 0) {
    *out = '0';
    return out + 1;
  }
  return PutGeneralFormat(RoundToShownDigits(digits(value)), separator, out);
}

void AppendNumberTextWith(DigitSource digits, double value, const NumberFormat& format,
                          std::string& out) {
  char text[kNumberTextRoom];
  char* const end = PutNumberText(digits, value, SeparatorBytes(format.decimal_separator()), text);
  out.append(text, static_cast<std::size_t>(end - text));
}

void AppendNumberText(double value, const NumberFormat& format, std::string& out) {
  AppendNumberTextWith(EighteenDigits, value, format, out);
}

std::string NumberText(double value, const NumberFormat& format) {
  std::string text;
  AppendNumberText(value, format, text);
  return text;
}

}  // namespace quorvane
