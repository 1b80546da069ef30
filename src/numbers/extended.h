// Extended precision: every intermediate of a dose calculation is held in the
// x87 80-bit format (64-bit significand, round to nearest, ties to even) and
// rounded to double only where a value is stored. This header is the one place
// that knows the format. Where long double is that format (x86-64 with GCC or
// Clang), the x87 unit computes; elsewhere numbers/soft_extended.h does, bit
// for bit the same (tests/numbers/extended_differential_test.cpp).
//
// The helpers below never let an infinity or a NaN into the arithmetic: they
// look at their operands and results and raise the floating-point errors
// instead, so the first faulty step of an action decides its error.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>

#include "numbers/soft_extended.h"

// The build chooses the format's implementation (CMake option
// QUORVANE_SOFT_EXTENDED): 1 for the software one, 0 for the x87 unit. Left
// undefined, the software one is taken exactly where long double is not the
// x87 format.
#ifndef QUORVANE_EXTENDED_IN_SOFTWARE
#if __LDBL_MANT_DIG__ == 64 && __LDBL_MAX_EXP__ == 16384
#define QUORVANE_EXTENDED_IN_SOFTWARE 0
#else
#define QUORVANE_EXTENDED_IN_SOFTWARE 1
#endif
#endif

namespace quorvane {

#if QUORVANE_EXTENDED_IN_SOFTWARE
using Extended = SoftExtended;
#else
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384 &&
                  std::numeric_limits<Extended>::has_denorm == std::denorm_present,
              "long double is not the x87 80-bit extended format here: build with "
              "QUORVANE_SOFT_EXTENDED=ON (or AUTO) for the software implementation.");
#endif

// Raisers of the three floating-point errors; out of line so that the
// arithmetic below stays small enough to inline in the superposition loops.
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

// The same value in the other representation, bit for bit: the x87 unit's
// ten bytes are the software type's. ToSoftExtended(0.5L) has the bits
// 3ffe 8000000000000000.
inline SoftExtended ToSoftExtended(Extended value) { return SoftExtended(value); }
inline Extended FromSoftExtended(SoftExtended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return value;
#else
  long double result = 0;
  const std::uint64_t significand = value.significand();
  const std::uint16_t sign_and_exponent = value.sign_and_exponent();
  unsigned char bytes[sizeof result] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &sign_and_exponent, 2);
  std::memcpy(&result, bytes, sizeof result);
  return result;
#endif
}

namespace detail {
inline bool IsInfinite(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return value.is_infinite();
#else
  return __builtin_isinf(value);
#endif
}
}  // namespace detail

// The sign bit, also of a zero: SignBit(-0.0) -> true.
inline bool SignBit(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return value.negative();
#else
  return __builtin_signbit(value);
#endif
}

// The magnitude: Abs(-2.5) -> 2.5, exact.
inline Extended Abs(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return value.negative() ? -value : value;
#else
  return __builtin_fabsl(value);
#endif
}

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
  const Extended limit = 9223372036854775808.0;  // 2^63
  if (!(whole >= -limit && whole < limit)) RaiseInvalidOperation();
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return IntegralToInt64(whole);
#else
  return static_cast<std::int64_t>(whole);
#endif
}
}  // namespace detail

// Nearest integer, an exact half to the even one: 2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2. Outside the signed 64-bit range: the invalid-operation error.
inline std::int64_t RoundHalfEven(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return detail::ToInt64Checked(RoundToIntegral(value, IntegralRounding::kNearestEven));
#else
  return detail::ToInt64Checked(__builtin_rintl(value));
#endif
}

// Toward zero: 2.9 -> 2, -2.9 -> -2. Outside the signed 64-bit range: the
// invalid-operation error.
inline std::int64_t TruncateTowardZero(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return detail::ToInt64Checked(RoundToIntegral(value, IntegralRounding::kTowardZero));
#else
  return detail::ToInt64Checked(__builtin_truncl(value));
#endif
}

// The largest whole number not above the value, in the format:
// Floor(2.5) -> 2, Floor(-2.5) -> -3.
inline Extended Floor(Extended value) {
#if QUORVANE_EXTENDED_IN_SOFTWARE
  return RoundToIntegral(value, IntegralRounding::kDown);
#else
  return __builtin_floorl(value);
#endif
}

#if !QUORVANE_EXTENDED_IN_SOFTWARE
// The software type declares the same two for itself.

// value x 2^exponent, rounded once where it falls below the normal range:
// ScaleByPowerOf2(1, 10) -> 1024.
inline long double ScaleByPowerOf2(long double value, int exponent) {
  return __builtin_ldexpl(value, exponent);
}

// The neighbour of `from` toward `toward`: NextToward(1, 2) -> 1 + 2^-63.
inline long double NextToward(long double from, long double toward) {
  return __builtin_nextafterl(from, toward);
}
#endif

// What a 32-bit variable keeps of a 64-bit integer: its low 32 bits, as a
// two's-complement value. LowBits32(0x1'0000'0005) -> 5.
inline std::int32_t LowBits32(std::int64_t value) { return static_cast<std::int32_t>(value); }

}  // namespace quorvane
