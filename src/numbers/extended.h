// Extended precision: every intermediate of a dose calculation is held in the
// x87 80-bit format (64-bit significand, round to nearest, ties to even) and
// rounded to double only where a value is stored. This header is the one place
// that knows the format; a port to a platform without it changes this file.
//
// The helpers below never let an infinity or a NaN into the arithmetic: they
// look at their operands and results and raise the floating-point errors
// instead, so the first faulty step of an action decides its error.
#pragma once

#include <cstdint>
#include <limits>

namespace quorvane {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384 &&
                  std::numeric_limits<Extended>::has_denorm == std::denorm_present,
              "Quorvane needs the x87 80-bit extended format (64-bit significand) for its "
              "intermediate results. On a platform without it, replace Extended and the checked "
              "helpers in src/numbers/extended.h with an exact software implementation of that "
              "format; nothing else depends on the machine type.");

// Raisers of the three floating-point errors; out of line so that the
// arithmetic below stays small enough to inline in the superposition loops.
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

namespace detail {
inline bool IsInfinite(Extended value) { return __builtin_isinf(value); }
}  // namespace detail

// Rounds to double as a store does. A result beyond the double range is the
// overflow error; a result too small for a double becomes a subnormal or zero
// without error. StoreDouble(0.1L) -> 0x1.999999999999ap-4.
inline double StoreDouble(Extended value) {
  const double stored = static_cast<double>(value);
  if (__builtin_isinf(stored)) RaiseOverflow();
  return stored;
}

// a + b at extended precision; operands are finite.
inline Extended Add(Extended a, Extended b) {
  const Extended sum = a + b;
  if (detail::IsInfinite(sum)) RaiseOverflow();
  return sum;
}

inline Extended Subtract(Extended a, Extended b) {
  const Extended difference = a - b;
  if (detail::IsInfinite(difference)) RaiseOverflow();
  return difference;
}

inline Extended Multiply(Extended a, Extended b) {
  const Extended product = a * b;
  if (detail::IsInfinite(product)) RaiseOverflow();
  return product;
}

// a / b at extended precision. A non-zero value by 0 is the division-by-zero
// error, 0 / 0 the invalid-operation error: Divide(1, 0) raises "0 による
// 浮動小数点数除算", Divide(0, 0) raises "不正な浮動小数点数演算命令".
inline Extended Divide(Extended a, Extended b) {
  if (b == 0) {
    if (a == 0) RaiseInvalidOperation();
    RaiseDivisionByZero();
  }
  const Extended quotient = a / b;
  if (detail::IsInfinite(quotient)) RaiseOverflow();
  return quotient;
}

namespace detail {
// 2^63 is exact in the extended format, so the range test is exact.
inline std::int64_t ToInt64Checked(Extended whole) {
  constexpr Extended kLimit = 9223372036854775808.0L;  // 2^63
  if (!(whole >= -kLimit && whole < kLimit)) RaiseInvalidOperation();
  return static_cast<std::int64_t>(whole);
}
}  // namespace detail

// Nearest integer, an exact half to the even one: 2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2. Outside the signed 64-bit range: the invalid-operation error.
inline std::int64_t RoundHalfEven(Extended value) {
  return detail::ToInt64Checked(__builtin_rintl(value));
}

// Toward zero: 2.9 -> 2, -2.9 -> -2. Outside the signed 64-bit range: the
// invalid-operation error.
inline std::int64_t TruncateTowardZero(Extended value) {
  return detail::ToInt64Checked(__builtin_truncl(value));
}

// What a 32-bit variable keeps of a 64-bit integer: its low 32 bits, as a
// two's-complement value. LowBits32(0x1'0000'0005) -> 5.
inline std::int32_t LowBits32(std::int64_t value) { return static_cast<std::int32_t>(value); }

}  // namespace quorvane
