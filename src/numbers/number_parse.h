// number(t): the text-to-number conversion of every field and table cell.
//
// Accepted: spaces (byte 32 only), one optional sign, decimal digits with at
// most one decimal separator, optionally "E" or "e" with an optional sign and
// digits, then spaces and nothing else. A lone separator, with or without a
// sign, is 0; an exponent letter without digits is exponent 0.
//   ParseNumber(" -2.5e1 ") -> -25      ParseNumber(".") -> 0
//   ParseNumber("1e")       -> 1        ParseNumber("1,5") -> conversion error
//                                       (with the separator ".")
// The value is the decimal value correctly rounded to the 64-bit significand.
// A value beyond the extended range is the conversion error; one too small for
// it is a subnormal or zero without error. Storing the result as a double
// (StoreDouble) is a separate step that may raise the overflow error.
#pragma once

#include <string_view>

#include "numbers/extended.h"
#include "numbers/number_format.h"

namespace quorvane {

Extended ParseNumber(std::string_view text, const NumberFormat& format);

// number(t) stored as a double at once, as a table cell or field value is
// stored: ParseNumber, then StoreDouble.
double ParseStoredNumber(std::string_view text, const NumberFormat& format);

}  // namespace quorvane
