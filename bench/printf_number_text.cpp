#include "printf_number_text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "numbers/decimal_digits.h"

namespace quorvane::bench {
namespace {

// "%.17e" gives 18 significant digits, correctly rounded by the C library.
// Every character before the "e" that is not a digit (the sign, the decimal
// point of whatever locale) is skipped; the process keeps the "C" locale.
DecimalDigits PrintfEighteenDigits(double value) {
  char buffer[40] = {};
  std::snprintf(buffer, sizeof buffer, "%.17e", value);
  DecimalDigits result;
  result.negative = buffer[0] == '-';
  const char* at = buffer;
  for (; *at != 'e' && *at != '\0'; ++at) {
    if (std::isdigit(static_cast<unsigned char>(*at)) && result.count < 18) {
      result.digits[static_cast<std::size_t>(result.count++)] = *at;
    }
  }
  result.exponent = *at == 'e' ? std::atoi(at + 1) : 0;
  return result;
}

}  // namespace

// Only the 18 digits come from printf; the rounding to 15 and the layout are
// the core's own stages, so the two texts can differ only where the digits do.
void AppendPrintfNumberText(double value, std::string& out) {
  if (value == 0) {
    out += '0';
    return;
  }
  DecimalDigits digits = PrintfEighteenDigits(value);
  RoundToShownDigits(digits);
  AppendGeneralFormat(digits, out);
}

std::string PrintfNumberText(double value) {
  std::string text;
  AppendPrintfNumberText(value, text);
  return text;
}

std::string PrintfFormatProfileText(std::span<const double> positions,
                                    std::span<const double> doses) {
  std::string text;
  for (std::size_t j = 0; j < doses.size(); ++j) {
    AppendPrintfNumberText(positions[j], text);
    text += '\t';
    AppendPrintfNumberText(doses[j], text);
    text += "\r\n";
  }
  return text;
}

}  // namespace quorvane::bench
