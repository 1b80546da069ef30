#include "numbers/soft_extended.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <utility>

namespace quorvane {
namespace {

using U128 = Uint128;
using soft_extended_internal::Infinity;
using soft_extended_internal::kBias;
using soft_extended_internal::kLeadingBit;
using soft_extended_internal::SignBits;
using soft_extended_internal::Unpack;
using soft_extended_internal::Zero;

// The x87 unit's answer to an invalid operation: the negative quiet NaN
// "real indefinite".
constexpr SoftExtended kDefaultNaN = SoftExtended::FromBits(0xffff, 0xc000000000000000);

SoftExtended Quiet(SoftExtended nan) {
  return SoftExtended::FromBits(nan.sign_and_exponent(), nan.significand() | (kLeadingBit >> 1));
}

// The x87 choice between two NaN operands: the one with the larger
// significand, quieted.
SoftExtended PropagateNaN(SoftExtended a, SoftExtended b) {
  if (!a.is_nan()) return Quiet(b);
  if (!b.is_nan()) return Quiet(a);
  const std::uint64_t ma = a.significand() << 1;
  const std::uint64_t mb = b.significand() << 1;
  if (ma != mb) return Quiet(ma > mb ? a : b);
  return Quiet(a.negative() ? b : a);
}

}  // namespace

SoftExtended SoftExtended::FromUint64(std::uint64_t value) {
  if (value == 0) return Zero(false);
  return Round(false, value, 0);
}

SoftExtended SoftExtended::FromInt64(std::int64_t value) {
  const bool negative = value < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                           : static_cast<std::uint64_t>(value);
  if (magnitude == 0) return Zero(false);
  return Round(negative, magnitude, 0);
}

SoftExtended SoftExtended::FromLongDouble(long double value) {
#if __LDBL_MANT_DIG__ == 64
  // The x87 format itself: its ten bytes are this type's.
  std::uint64_t significand = 0;
  std::uint16_t sign_and_exponent = 0;
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  std::memcpy(&significand, bytes, 8);
  std::memcpy(&sign_and_exponent, bytes + 8, 2);
  return FromBits(sign_and_exponent, significand);
#elif __LDBL_MANT_DIG__ == 53
  return FromDouble(static_cast<double>(value));
#elif __LDBL_MANT_DIG__ == 113
  // IEEE binary128: 15-bit exponent with the same bias, 112 fraction bits.
  U128 bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 127) != 0;
  const auto biased = static_cast<std::int32_t>((bits >> 112) & 0x7fff);
  const U128 fraction = bits & ((U128{1} << 112) - 1);
  if (biased == 0x7fff) {
    return FromBits(SignBits(negative) | kSpecialExponent,
                    kLeadingBit | static_cast<std::uint64_t>(fraction >> 49));
  }
  if (biased == 0) {
    if (fraction == 0) return Zero(negative);
    return Round(negative, fraction, 1 - kBias - 112);
  }
  return Round(negative, fraction | (U128{1} << 112), biased - kBias - 112);
#else
#error "unknown long double format"
#endif
}

SoftExtended SoftExtended::SumOfSpecials(SoftExtended a, SoftExtended b, bool subtract) {
  if (a.is_nan() || b.is_nan()) return PropagateNaN(a, b);  // b keeps its sign
  if (subtract) b = -b;
  if (a.is_infinite() && b.is_infinite() && a.negative() != b.negative()) return kDefaultNaN;
  return a.is_infinite() ? a : b;
}

SoftExtended operator*(SoftExtended a, SoftExtended b) {
  const bool negative = a.negative() != b.negative();
  if (a.is_special() || b.is_special()) {
    if (a.is_nan() || b.is_nan()) return PropagateNaN(a, b);
    if (a.is_zero() || b.is_zero()) return kDefaultNaN;  // infinity x 0
    return Infinity(negative);
  }
  if (a.is_zero() || b.is_zero()) return Zero(negative);
  const SoftExtendedParts x = Unpack(a);
  const SoftExtendedParts y = Unpack(b);
  return SoftExtended::Round(negative, U128{x.significand} * y.significand,
                             x.exponent + y.exponent);
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
  const bool negative = a.negative() != b.negative();
  if (a.is_special() || b.is_special()) {
    if (a.is_nan() || b.is_nan()) return PropagateNaN(a, b);
    if (a.is_infinite() && b.is_infinite()) return kDefaultNaN;
    return a.is_infinite() ? Infinity(negative) : Zero(negative);
  }
  if (b.is_zero()) return a.is_zero() ? kDefaultNaN : Infinity(negative);
  if (a.is_zero()) return Zero(negative);
  const SoftExtendedParts x = Unpack(a);
  const SoftExtendedParts y = Unpack(b);
  // 64 or 65 quotient bits, one more from the remainder, then the sticky bit.
  const U128 dividend = U128{x.significand} << 64;
  U128 quotient = dividend / y.significand;
  U128 remainder = (dividend % y.significand) << 1;
  const bool next_bit = remainder >= y.significand;
  if (next_bit) remainder -= y.significand;
  quotient = (quotient << 2) | (next_bit ? 2 : 0) | (remainder != 0 ? 1 : 0);
  return SoftExtended::Round(negative, quotient, x.exponent - y.exponent - 66);
}

std::partial_ordering SoftExtended::Compare(SoftExtended a, SoftExtended b) {
  if (a.is_nan() || b.is_nan()) return std::partial_ordering::unordered;
  if (a.is_zero() && b.is_zero()) return std::partial_ordering::equivalent;
  if (a.negative() != b.negative()) {
    return a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
  }
  const U128 ka = (U128{a.biased_exponent()} << 64) | a.significand();
  const U128 kb = (U128{b.biased_exponent()} << 64) | b.significand();
  if (ka == kb) return std::partial_ordering::equivalent;
  const bool a_larger = a.negative() ? ka < kb : ka > kb;
  return a_larger ? std::partial_ordering::greater : std::partial_ordering::less;
}

SoftExtendedParts Decompose(SoftExtended value) {
  if (value.is_zero()) return {value.negative(), 0, 0};
  return Unpack(value);
}

SoftExtended RoundToIntegral(SoftExtended value, IntegralRounding mode) {
  if (value.is_special() || value.is_zero()) return value;
  const bool negative = value.negative();
  const SoftExtendedParts parts = Unpack(value);
  if (parts.exponent >= 0) return value;  // already a whole number
  // Below 2^-1 only the sign and the non-zero fraction matter: keep it as a
  // fraction of 65 bits, under one half.
  const int fraction_bits = -parts.exponent > 65 ? 65 : -parts.exponent;
  const std::uint64_t whole = fraction_bits >= 64 ? 0 : parts.significand >> fraction_bits;
  const U128 fraction =
      -parts.exponent > 65 ? 1 : U128{parts.significand} & ((U128{1} << fraction_bits) - 1);
  const U128 half = U128{1} << (fraction_bits - 1);
  bool up = false;
  switch (mode) {
    case IntegralRounding::kNearestEven:
      up = fraction > half || (fraction == half && (whole & 1) != 0);
      break;
    case IntegralRounding::kTowardZero:
      break;
    case IntegralRounding::kDown:
      up = negative && fraction != 0;
      break;
  }
  const U128 rounded = U128{whole} + (up ? 1 : 0);
  if (rounded == 0) return Zero(negative);
  return SoftExtended::Round(negative, rounded, 0);
}

std::int64_t IntegralToInt64(SoftExtended whole) {
  if (whole.is_zero()) return 0;
  const SoftExtendedParts parts = Unpack(whole);
  const std::uint64_t magnitude = parts.significand >> -parts.exponent;
  return parts.negative ? static_cast<std::int64_t>(std::uint64_t{0} - magnitude)
                        : static_cast<std::int64_t>(magnitude);
}

SoftExtended ScaleByPowerOf2(SoftExtended value, int exponent) {
  if (value.is_special() || value.is_zero()) return value;
  const SoftExtendedParts parts = Unpack(value);
  constexpr int kFarBeyondTheRange = 40000;
  if (exponent > kFarBeyondTheRange) exponent = kFarBeyondTheRange;
  if (exponent < -kFarBeyondTheRange) exponent = -kFarBeyondTheRange;
  return SoftExtended::Round(parts.negative, parts.significand, parts.exponent + exponent);
}

SoftExtended NextToward(SoftExtended from, SoftExtended toward) {
  if (from.is_nan() || toward.is_nan()) return PropagateNaN(from, toward);
  if (from == toward) return toward;
  if (from.is_zero()) return SoftExtended::FromBits(SignBits(toward < from), 1);
  // Away from zero when moving in the direction of the sign.
  const bool away = (toward > from) != from.negative();
  std::uint16_t exponent = from.biased_exponent();
  std::uint64_t significand = from.significand();
  if (away) {
    ++significand;
    if (significand == 0) {
      significand = kLeadingBit;
      ++exponent;
    } else if (exponent == 0 && significand == kLeadingBit) {
      exponent = 1;
    }
  } else if (exponent == 0x7fff) {
    significand = ~std::uint64_t{0};
    exponent = 0x7ffe;
  } else {
    --significand;
    if (exponent != 0 && significand < kLeadingBit) {
      if (--exponent != 0) significand = ~std::uint64_t{0};
    }
  }
  if (exponent == 0x7fff) significand = kLeadingBit;
  return SoftExtended::FromBits(static_cast<std::uint16_t>(SignBits(from.negative()) | exponent),
                                significand);
}

}  // namespace quorvane
