// number(t), integer(t) and the number text on arbitrary bytes. The first
// byte picks the decimal separator, the rest is the text. Checks:
// - nothing but the conversion error is ever raised;
// - an accepted text gives the same value with spaces around it;
// - the number text of every accepted double is accepted again, and gives
//   back the same text, and the same double where that double has at most 15
//   significant digits (but for a double-rounding tie, see CheckNumber);
// - the integer text of every accepted integer gives back the same integer.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "errors/error.h"
#include "numbers/integer_parse.h"
#include "numbers/integer_text.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "numbers/number_text.h"

namespace {

using quorvane::Error;
using quorvane::ErrorKind;
using quorvane::Extended;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameValue(Extended a, Extended b) {
  return a == b && quorvane::SignBit(a) == quorvane::SignBit(b);
}

// Whether the extended value lies exactly halfway between two neighbouring
// doubles.
bool IsHalfwayBetween(Extended value, double a, double b) {
  return std::nextafter(a, b) == b && value - a == b - value;
}

int ShortestDigits(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  int digits = 0;
  for (const char* at = buffer; at < result.ptr && *at != 'e'; ++at)
    digits += *at >= '0' && *at <= '9';
  return digits;
}

void CheckNumber(std::string_view text, const quorvane::NumberFormat& format) {
  Extended value = 0;
  try {
    value = quorvane::ParseNumber(text, format);
  } catch (const Error& error) {
    Require(error.kind() == ErrorKind::kConversion);
    return;
  }
  Require(SameValue(quorvane::ParseNumber("  " + std::string(text) + "  ", format), value));
  double stored = 0;
  try {
    stored = quorvane::StoreDouble(value);
  } catch (const Error& error) {
    Require(error.kind() == ErrorKind::kOverflow);
    return;
  }
  // Accepted again at extended precision; near the top of the double range
  // the 15 rounded digits may lie beyond it (DBL_MAX shows as
  // 1.79769313486232E308), so only a short double is stored back. The text
  // always shows the same again. The stored double is the same too, but
  // where the decimal falls, at extended precision, exactly halfway between
  // two doubles: the store then rounds to the even one ("1.7900011925514").
  const std::string shown = quorvane::NumberText(stored, format);
  const Extended again = quorvane::ParseNumber(shown, format);  // raises if not accepted
  if (ShortestDigits(stored) > 15) return;
  const double stored_again = quorvane::StoreDouble(again);
  Require(quorvane::NumberText(stored_again, format) == shown);
  if (stored_again != stored) Require(IsHalfwayBetween(again, stored, stored_again));
}

void CheckInteger(std::string_view text) {
  std::int32_t value = 0;
  try {
    value = quorvane::ParseInteger(text);
  } catch (const Error& error) {
    Require(error.kind() == ErrorKind::kConversion);
    return;
  }
  Require(quorvane::ParseInteger(quorvane::IntegerText(std::int64_t{value})) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kSeparators[] = {".", ",", "\xD9\xAB"};
  const auto format = quorvane::NumberFormat::FromLocaleSetting(kSeparators[data[0] % 3]);
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CheckNumber(text, format);
  CheckInteger(text);
  return 0;
}
