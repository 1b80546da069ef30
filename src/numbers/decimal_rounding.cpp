#include "numbers/decimal_rounding.h"

#include <limits>
#include <utility>

#include "numbers/big_natural.h"

namespace quorvane {
namespace {

using U128 = Uint128;

// 0.digits x 10^exponent is at least 10^(exponent - 1): from 10^4933 on it is
// beyond the largest extended value (1.19 x 10^4932). It is below
// 10^exponent: up to 10^-4951 it is below half the smallest subnormal
// (2^-16446, 1.82 x 10^-4951) and rounds to zero.
constexpr std::int64_t kOverflowExponent = 4934;
constexpr std::int64_t kZeroExponent = -4951;

// Up to 19 digits fit a 64-bit integer, and 5^27 < 2^63.
constexpr std::size_t kShortDigits = 19;
constexpr std::int64_t kShortPowerOfTen = 27;

std::uint64_t PowerOf5(std::int64_t exponent) {
  std::uint64_t power = 1;
  for (std::int64_t i = 0; i < exponent; ++i) power *= 5;
  return power;
}

// digits x 10^scale with digits < 2^64 and |scale| <= 27, in 128-bit
// integers: an exact product, or a quotient of at least 65 bits with its
// remainder as the sticky bit.
SoftExtended RoundShort(bool negative, std::uint64_t digits, std::int64_t scale) {
  const auto binary = static_cast<std::int32_t>(scale);  // 10^s = 5^s x 2^s
  if (scale >= 0) return SoftExtended::Round(negative, U128{digits} * PowerOf5(scale), binary);
  const int shift = __builtin_clzll(digits);
  const U128 dividend = U128{digits << shift} << 64;  // at least 2^127
  const std::uint64_t divisor = PowerOf5(-scale);     // below 2^63: quotient above 2^64
  return SoftExtended::Round(negative, dividend / divisor, binary - shift - 64,
                             dividend % divisor != 0);
}

// digits x 10^scale, scale >= 0: the exact integer's leading 128 bits and
// whether anything below them is set.
SoftExtended RoundWhole(bool negative, BigNatural value, std::int64_t scale) {
  value.MultiplyPowerOf5(static_cast<std::uint32_t>(scale));
  const std::uint32_t length = value.BitLength();
  bool sticky = false;
  const U128 top = value.BitsBelow(length, 128, sticky);
  const std::int32_t dropped = length > 128 ? static_cast<std::int32_t>(length - 128) : 0;
  return SoftExtended::Round(negative, top, dropped + static_cast<std::int32_t>(scale), sticky);
}

// digits / 10^m: the quotient digits / 5^m to 66 or 67 bits by long division,
// the remainder as the sticky bit.
SoftExtended RoundFraction(bool negative, BigNatural numerator, std::int64_t m) {
  BigNatural divisor(1);
  divisor.MultiplyPowerOf5(static_cast<std::uint32_t>(m));
  // Align so that numerator / divisor lies in (1/2, 2).
  const auto lead = static_cast<std::int32_t>(numerator.BitLength()) -
                    static_cast<std::int32_t>(divisor.BitLength());
  if (lead > 0) divisor.ShiftLeft(static_cast<std::uint32_t>(lead));
  if (lead < 0) numerator.ShiftLeft(static_cast<std::uint32_t>(-lead));
  constexpr int kQuotientBits = 67;
  U128 quotient = 0;
  for (int i = 0; i < kQuotientBits; ++i) {
    const bool bit = Compare(numerator, divisor) >= 0;
    if (bit) numerator.Subtract(divisor);
    quotient = (quotient << 1) | (bit ? 1 : 0);
    numerator.ShiftLeft(1);
  }
  const auto exponent = static_cast<std::int32_t>(lead - (kQuotientBits - 1) - m);
  return SoftExtended::Round(negative, quotient, exponent, !numerator.IsZero());
}

}  // namespace

SoftExtended RoundDecimalToExtended(bool negative, std::string_view digits, std::int64_t exponent) {
  if (digits.empty() || exponent <= kZeroExponent) {
    return negative ? -SoftExtended::FromBits(0, 0) : SoftExtended::FromBits(0, 0);
  }
  if (exponent >= kOverflowExponent) {
    return negative ? -std::numeric_limits<SoftExtended>::infinity()
                    : std::numeric_limits<SoftExtended>::infinity();
  }
  // value = digits x 10^scale, digits read as a whole number.
  const std::int64_t scale = exponent - static_cast<std::int64_t>(digits.size());
  if (digits.size() <= kShortDigits && scale >= -kShortPowerOfTen && scale <= kShortPowerOfTen) {
    std::uint64_t whole = 0;
    for (const char c : digits) whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    return RoundShort(negative, whole, scale);
  }
  BigNatural whole = BigNatural::FromDecimal(digits);
  if (scale >= 0) return RoundWhole(negative, std::move(whole), scale);
  return RoundFraction(negative, std::move(whole), -scale);
}

}  // namespace quorvane
