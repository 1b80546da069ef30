// The exact step of number(t): a decimal value 0.digits x 10^exponent rounded
// once to the extended format, to nearest, ties to even, by exact integer
// arithmetic, the same on every platform (no C library conversion).
//   RoundDecimalToExtended(false, "1", 0)  -> 0.1 to 64 bits (3ffb cccccccccccccccd)
//   RoundDecimalToExtended(false, "1", 4934) -> infinity (beyond the range)
//   RoundDecimalToExtended(true, "1", -4951) -> -0 (below half the smallest subnormal)
#pragma once

#include <cstdint>
#include <string_view>

#include "numbers/soft_extended.h"

namespace quorvane {

// `digits`: significant decimal digits without leading zeros (empty for
// zero); `exponent`: the decimal exponent of the point before them.
SoftExtended RoundDecimalToExtended(bool negative, std::string_view digits, std::int64_t exponent);

}  // namespace quorvane
