// The stages of the number text, each on its own so that another way of
// producing the 18 digits can share the rest:
//   EighteenDigits(2.75)  -> {digits "275000000000000000", exponent 0}
//   RoundToShownDigits    -> {digits "275", exponent 0}
//   AppendGeneralFormat   -> "2.75"
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvane {

// A non-zero value as significant digits and the decimal exponent of the
// first one: value = d.ddd x 10^exponent.
struct DecimalDigits {
  bool negative = false;
  std::array<char, 18> digits{};
  int count = 0;
  int exponent = 0;
};

// 18 significant digits of a finite non-zero double, correctly rounded (an
// exact tie to even).
DecimalDigits EighteenDigits(double value);

// Rounds 18 digits to 15 on the 16th digit alone, upward in magnitude when it
// is 5 or more, and drops trailing zeros: 1.11165348947636500 -> 1.11165348947637.
void RoundToShownDigits(DecimalDigits& digits);

// Fixed notation for exponents -4 to 14, exponent form otherwise ("5E-5",
// "1.5E300", "1E15"), with the decimal separator between the digits.
void AppendGeneralFormat(const DecimalDigits& digits, std::string_view separator, std::string& out);

}  // namespace quorvane
