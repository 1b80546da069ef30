#include "numbers/number_text.h"

#include "numbers/decimal_digits.h"

namespace quorvane {

void AppendNumberTextWith(DigitSource source, double value, std::string& out) {
  if (value == 0) {
    out += '0';
    return;
  }
  DecimalDigits digits = source(value);
  RoundToShownDigits(digits);
  AppendGeneralFormat(digits, out);
}

void AppendNumberText(double value, std::string& out) {
  AppendNumberTextWith(EighteenDigits, value, out);
}

std::string NumberText(double value) {
  std::string text;
  AppendNumberText(value, text);
  return text;
}

}  // namespace quorvane
