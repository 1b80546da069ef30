// Integer text: plain decimal digits, "-" first when negative, as the
// loader's row numbers and the refusal messages show whole numbers.
//   IntegerText(-12) -> "-12"
#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

__extension__ using Int128 = __int128;

std::string IntegerText(std::int64_t value);

// For the accumulated lengths that are formed exactly beyond 64 bits:
// IntegerText(Int128{1} << 64) -> "18446744073709551616".
std::string IntegerText(Int128 value);

}  // namespace quorvane
