// Float texts for failure messages: the exact bits of a result, which a
// decimal print of six digits (GoogleTest's own) would hide.
//   Hex(0.1)       -> "0x1.999999999999ap-4"
//   Hex(-0.5L)     -> "-0x1p-1L"
//   ExactText(0.1) -> "0.1 (0x1.999999999999ap-4)"
//   ExactText(-2)  -> "-2"
#pragma once

#include <string>

#include "numbers/extended.h"

namespace quorvane::test_support {

std::string Hex(double value);
std::string Hex(long double value);
// The software extended format: its hexadecimal value, then its bits as
// [sign and exponent, significand]: 1.5 -> "0xc.000000000000000p-3 [3fff c000000000000000]".
std::string Hex(SoftExtended value);

// The shortest decimal text that reads back to the same double, followed by
// its hexfloat unless the value is a whole number below 2^53 in magnitude,
// which the decimal text alone shows exactly.
std::string ExactText(double value);

}  // namespace quorvane::test_support
