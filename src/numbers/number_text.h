// Number text: the general format with at most 15 significant digits, as the
// result fields and the profile text show numbers.
//
// The value is first brought to 18 significant digits (correctly rounded,
// an exact tie to even), then rounded to 15, upward in magnitude when the 16th
// digit is 5 or more, and trailing zeros are dropped. Magnitudes from 0.0001
// up to below 10^15 (judged on the rounded digits) are written in fixed
// notation, all others as a digit, the fraction if any, "E", "-" for a
// negative exponent and the exponent without leading zeros. Either zero is
// "0". The decimal separator is the format's (here ".").
//   NumberText(2.75) -> "2.75"        NumberText(0.0001) -> "0.0001"
//   NumberText(0.00005) -> "5E-5"     NumberText(1e15) -> "1E15"
//   NumberText(1234567890123456.0) -> "1.23456789012346E15"
//   NumberText(-2) -> "-2"            NumberText(0.1 + 0.2) -> "0.3"
//
// The stages: EighteenDigits (eighteen_digits.h), RoundToShownDigits
// (shown_digits.h), PutGeneralFormat (general_format.h).
#pragma once

#include <string>

#include "numbers/decimal_digits.h"
#include "numbers/general_format.h"
#include "numbers/number_format.h"

namespace quorvane {

std::string NumberText(double value, const NumberFormat& format);

// Appends the number text to `out`.
void AppendNumberText(double value, const NumberFormat& format, std::string& out);

// The 18 digits of a finite non-zero double: EighteenDigits, or another way
// of producing the same digits (the benchmarks time one built on printf).
using DigitSource = DecimalDigits (*)(double value);

// AppendNumberText with the 18 digits from `digits`; the rounding and the
// layout are the same.
void AppendNumberTextWith(DigitSource digits, double value, const NumberFormat& format,
                          std::string& out);

// Writes the number text with the 18 digits from `digits` at `out`, which
// has room for kNumberTextRoom bytes, and returns its end: for building long
// texts straight into their buffer.
char* PutNumberText(DigitSource digits, double value, const SeparatorBytes& separator, char* out);

}  // namespace quorvane
