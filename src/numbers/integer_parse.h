// integer(t): the text-to-integer conversion of the rotations field.
//
// Spaces (byte 32 only), then either an optional sign and decimal digits in
// the signed 32-bit range, or "$", "x", "X", "0x" or "0X" and hexadecimal
// digits up to FFFFFFFF, taken as a 32-bit two's-complement pattern. Nothing
// may follow, not even a space.
//   ParseInteger("  10") -> 10     ParseInteger("$A") -> 10
//   ParseInteger("0xFFFFFFFF") -> -1
//   ParseInteger("10 "), ParseInteger("2.5"), ParseInteger("") -> conversion error
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvane {

std::int32_t ParseInteger(std::string_view text);

}  // namespace quorvane
