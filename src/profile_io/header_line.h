// The header test of a profile file's first line: its second part, as a
// number stored as a double, is a whole power of two (... 0.25, 0.5, 1, 2, 4,
// 8 ...), as slice numbers are. "4", "4.0", "4e0" and " 4 " pass; "3", "24"
// and "0.3" do not. Zero and negative values are no slice numbers and fail
// the test: such a line is a data line.
#pragma once

#include <string_view>

#include "numbers/number_format.h"

namespace quorvane {

// Decided exactly on the stored double: positive and a significand of a
// single bit, subnormal powers of two included.
bool IsWholePowerOfTwo(double value);

// Raises the conversion error for a text that is no number and the overflow
// error for a value beyond the double range.
bool IsHeaderLine(std::string_view second_part, const NumberFormat& format);

}  // namespace quorvane
