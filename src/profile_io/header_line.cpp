#include "profile_io/header_line.h"

#include <cmath>

#include "numbers/number_parse.h"

namespace quorvane {

bool IsWholePowerOfTwo(double value) {
  if (!(value > 0)) return false;
  int exponent = 0;
  return std::frexp(value, &exponent) == 0.5;
}

bool IsHeaderLine(std::string_view second_part, const NumberFormat& format) {
  return IsWholePowerOfTwo(ParseStoredNumber(second_part, format));
}

}  // namespace quorvane
