#include "numbers/number_text.h"

#include "numbers/decimal_digits.h"

namespace quorvane {

void AppendNumberTextWith(DigitSource source, double value, const NumberFormat& format,
                          std::string& out) {
  if (value == 0) {
    out += '0';
    return;
  }
  DecimalDigits digits = source(value);
  RoundToShownDigits(digits);
  AppendGeneralFormat(digits, format.decimal_separator(), out);
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
