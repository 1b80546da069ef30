#include "printf_number_text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "accumulation/profile_text.h"
#include "numbers/decimal_digits.h"
#include "numbers/number_text.h"

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
    if (std::isdigit(static_cast<unsigned char>(*at))) {
      result.significand = result.significand * 10 + static_cast<unsigned>(*at - '0');
    }
  }
  result.exponent = *at == 'e' ? std::atoi(at + 1) : 0;
  return result;
}

}  // namespace

// Only the 18 digits come from printf; the rounding to 15 and the layout are
// the core's own stages, so the two texts can differ only where the digits do.
std::string PrintfNumberText(double value, const NumberFormat& format) {
  std::string text;
  AppendNumberTextWith(PrintfEighteenDigits, value, format, text);
  return text;
}

std::string PrintfFormatProfileText(std::span<const double> positions,
                                    std::span<const double> doses, const NumberFormat& format) {
  return FormatProfileTextWith(PrintfEighteenDigits, positions, doses, format);
}

}  // namespace quorvane::bench
