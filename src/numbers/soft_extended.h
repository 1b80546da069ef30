// The x87 80-bit extended format in software, for platforms whose long double
// is another format (ARM, MSVC): sign, 15-bit biased exponent, 64-bit
// significand with its leading bit explicit, subnormals down to 2^-16445.
// Every operation rounds once to nearest, ties to even, exactly as the x87
// unit does with its precision set to 64 bits; an overflow gives an infinity,
// a result too small for the format a subnormal or zero.
//   SoftExtended(1) / 3 -> 0xa.aaaaaaaaaaaaaabp-5 (bits 3ffd aaaaaaaaaaaaaaab)
//   StoreDouble of that -> 0x1.5555555555555p-2
//
// Included only through numbers/extended.h, which chooses between this type
// and the hardware's long double.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quorvane {

// The compiler's 128-bit integer (GCC and Clang); __extension__ keeps
// -Wpedantic quiet about it.
__extension__ typedef unsigned __int128 Uint128;

class SoftExtended {
 public:
  static constexpr int kBias = 16383;
  static constexpr std::uint16_t kSpecialExponent = 0x7fff;  // infinities and NaNs
  static constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

  constexpr SoftExtended() = default;
  SoftExtended(int value) : SoftExtended(FromInt64(value)) {}
  SoftExtended(long value) : SoftExtended(FromInt64(value)) {}
  SoftExtended(long long value) : SoftExtended(FromInt64(value)) {}
  SoftExtended(unsigned value) : SoftExtended(FromUint64(value)) {}
  SoftExtended(unsigned long value) : SoftExtended(FromUint64(value)) {}
  SoftExtended(unsigned long long value) : SoftExtended(FromUint64(value)) {}
  SoftExtended(double value) : SoftExtended(FromDouble(value)) {}
  // Exact where long double is the x87 format or double; from IEEE binary128
  // it rounds to nearest once (test literals such as 0.1L).
  SoftExtended(long double value) : SoftExtended(FromLongDouble(value)) {}

  static constexpr SoftExtended FromBits(std::uint16_t sign_and_exponent,
                                         std::uint64_t significand) {
    SoftExtended value;
    value.significand_ = significand;
    value.sign_and_exponent_ = sign_and_exponent;
    return value;
  }
  static SoftExtended FromInt64(std::int64_t value);
  static SoftExtended FromUint64(std::uint64_t value);
  static SoftExtended FromDouble(double value);
  static SoftExtended FromLongDouble(long double value);

  // Rounds significand x 2^exponent (plus a non-zero amount below the last
  // bit of `significand` when `sticky`) to the format: the one rounding of
  // every operation. Round(false, 3, -1) -> 1.5; Round(false, 1, -20000) -> +0.
  static SoftExtended Round(bool negative, Uint128 significand, std::int32_t exponent,
                            bool sticky = false);

  std::uint64_t significand() const { return significand_; }
  std::uint16_t sign_and_exponent() const { return sign_and_exponent_; }
  std::uint16_t biased_exponent() const { return sign_and_exponent_ & 0x7fff; }
  bool negative() const { return (sign_and_exponent_ >> 15) != 0; }
  bool is_zero() const { return biased_exponent() == 0 && significand_ == 0; }
  bool is_special() const { return biased_exponent() == kSpecialExponent; }
  bool is_infinite() const { return is_special() && (significand_ << 1) == 0; }
  bool is_nan() const { return is_special() && (significand_ << 1) != 0; }

  // Rounded to double as a store does: once, to nearest, ties to even,
  // subnormal or zero below the double range, an infinity above it.
  explicit operator double() const;

  SoftExtended operator-() const {
    return FromBits(static_cast<std::uint16_t>(sign_and_exponent_ ^ 0x8000), significand_);
  }
  SoftExtended operator+() const { return *this; }

  friend SoftExtended operator+(SoftExtended a, SoftExtended b) { return Sum(a, b, false); }
  friend SoftExtended operator-(SoftExtended a, SoftExtended b) { return Sum(a, b, true); }
  friend SoftExtended operator*(SoftExtended a, SoftExtended b);
  friend SoftExtended operator/(SoftExtended a, SoftExtended b);
  SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
  SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
  SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
  SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }

  friend bool operator==(SoftExtended a, SoftExtended b) { return Compare(a, b) == 0; }
  friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) { return Compare(a, b); }

 private:
  static SoftExtended Sum(SoftExtended a, SoftExtended b, bool subtract);
  static SoftExtended SumOfSpecials(SoftExtended a, SoftExtended b, bool subtract);
  static std::partial_ordering Compare(SoftExtended a, SoftExtended b);

  std::uint64_t significand_ = 0;
  std::uint16_t sign_and_exponent_ = 0;  // sign bit, then the biased exponent
};

// A finite value as significand x 2^exponent with the leading bit of a
// non-zero significand at bit 63: 1.5 -> {false, 0xc000000000000000, -63}.
struct SoftExtendedParts {
  bool negative = false;
  std::uint64_t significand = 0;
  std::int32_t exponent = 0;
};
SoftExtendedParts Decompose(SoftExtended value);

// Rounding to an integral value in the format.
enum class IntegralRounding { kNearestEven, kTowardZero, kDown };
SoftExtended RoundToIntegral(SoftExtended value, IntegralRounding mode);

// An integral value within [-2^63, 2^63) as a 64-bit integer.
std::int64_t IntegralToInt64(SoftExtended whole);

// value x 2^exponent, rounded once: ScaleByPowerOf2(1, -3) -> 0.125.
SoftExtended ScaleByPowerOf2(SoftExtended value, int exponent);

// The neighbour of `from` in the direction of `toward`; `from` itself when
// they are equal: NextToward(1, 2) -> 1 + 2^-63.
SoftExtended NextToward(SoftExtended from, SoftExtended toward);

// The operations on the hot path of the accumulations (a double plus an
// extended term, rounded to double) are defined here, inline.
namespace soft_extended_internal {

using U128 = Uint128;

constexpr int kBias = SoftExtended::kBias;
constexpr std::uint64_t kLeadingBit = SoftExtended::kLeadingBit;
// The exponent of the last significand bit of a subnormal: 2^-16445.
constexpr std::int32_t kSubnormalExponent = 1 - kBias - 63;

inline std::uint16_t SignBits(bool negative) { return negative ? 0x8000 : 0; }

inline SoftExtended Zero(bool negative) { return SoftExtended::FromBits(SignBits(negative), 0); }

inline SoftExtended Infinity(bool negative) {
  return SoftExtended::FromBits(SignBits(negative) | SoftExtended::kSpecialExponent, kLeadingBit);
}

inline int LeadingZeros(U128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  if (high != 0) return __builtin_clzll(high);
  return 64 + __builtin_clzll(static_cast<std::uint64_t>(value));
}

// value >> shift, with every bit shifted out folded into the last bit kept
// ("jamming"): enough for a later rounding whose round bit lies above it.
inline U128 ShiftRightJam(U128 value, int shift) {
  if (shift <= 0) return value;
  if (shift >= 128) return value != 0 ? 1 : 0;
  const bool lost = (value << (128 - shift)) != 0;
  return (value >> shift) | (lost ? 1 : 0);
}

// Finite, non-zero: significand with its leading bit at 63.
inline SoftExtendedParts Unpack(SoftExtended value) {
  SoftExtendedParts parts;
  parts.negative = value.negative();
  std::uint64_t significand = value.significand();
  const int biased = value.biased_exponent();
  std::int32_t exponent = biased == 0 ? kSubnormalExponent : biased - kBias - 63;
  const int shift = __builtin_clzll(significand);
  parts.significand = significand << shift;
  parts.exponent = exponent - shift;
  return parts;
}

// Round to nearest, ties to even, of `significand` (keep) with the dropped
// part described by the round bit and whether anything lies below it.
inline bool RoundsUp(std::uint64_t keep, bool round_bit, bool below) {
  return round_bit && (below || (keep & 1) != 0);
}

}  // namespace soft_extended_internal

inline SoftExtended SoftExtended::Round(bool negative, Uint128 significand, std::int32_t exponent,
                                        bool sticky) {
  if (significand == 0) {
    return sticky ? Round(negative, 1, exponent - 1, true) : soft_extended_internal::Zero(negative);
  }
  const int shift = soft_extended_internal::LeadingZeros(significand);
  significand <<= shift;
  // The leading bit now stands for 2^(exponent - shift + 127).
  std::int32_t biased = exponent - shift + 127 + soft_extended_internal::kBias;
  if (biased <= 0) {
    significand = soft_extended_internal::ShiftRightJam(significand, 1 - biased);
    biased = 0;
  }
  auto keep = static_cast<std::uint64_t>(significand >> 64);
  const auto rest = static_cast<std::uint64_t>(significand);
  if (soft_extended_internal::RoundsUp(keep, (rest >> 63) != 0, (rest << 1) != 0 || sticky)) {
    ++keep;
    if (keep == 0) {
      keep = soft_extended_internal::kLeadingBit;
      ++biased;
    } else if (biased == 0 && keep == soft_extended_internal::kLeadingBit) {
      biased = 1;  // a subnormal rounded up to the smallest normal
    }
  }
  if (biased >= kSpecialExponent) return soft_extended_internal::Infinity(negative);
  return FromBits(static_cast<std::uint16_t>(soft_extended_internal::SignBits(negative) | biased),
                  keep);
}

inline SoftExtended SoftExtended::FromDouble(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0x7ff) {
    // An infinity, or a NaN with its payload at the top of the significand.
    return FromBits(soft_extended_internal::SignBits(negative) | kSpecialExponent,
                    soft_extended_internal::kLeadingBit | (fraction << 11));
  }
  if (biased == 0) {
    if (fraction == 0) return soft_extended_internal::Zero(negative);
    return Round(negative, fraction, -1074);
  }
  return FromBits(static_cast<std::uint16_t>(soft_extended_internal::SignBits(negative) |
                                             (biased - 1023 + soft_extended_internal::kBias)),
                  soft_extended_internal::kLeadingBit | (fraction << 11));
}

inline SoftExtended::operator double() const {
  const bool negative = this->negative();
  const std::uint64_t sign = negative ? std::uint64_t{1} << 63 : 0;
  std::uint64_t bits = 0;
  if (is_special()) {
    bits = sign | (std::uint64_t{0x7ff} << 52) | ((significand_ << 1) >> 12);
    if (is_nan()) bits |= std::uint64_t{1} << 51;
  } else if (!is_zero()) {
    const SoftExtendedParts parts = soft_extended_internal::Unpack(*this);
    const std::int32_t leading = parts.exponent + 63;
    if (leading > 1023) return negative ? -HUGE_VAL : HUGE_VAL;
    // The last bit a double keeps: 52 below the leading bit, or 2^-1074.
    const std::int32_t last = leading >= -1022 ? leading - 52 : -1074;
    const std::int32_t dropped = last - parts.exponent;  // 11 or more
    std::uint64_t keep = 0;
    if (dropped <= 65) {
      const Uint128 m = parts.significand;
      keep = static_cast<std::uint64_t>(m >> dropped);
      const bool round_bit = ((m >> (dropped - 1)) & 1) != 0;
      const bool below = (m & ((Uint128{1} << (dropped - 1)) - 1)) != 0;
      if (soft_extended_internal::RoundsUp(keep, round_bit, below)) ++keep;
    }
    // The leading bit of a normal `keep` adds one to the exponent field, and
    // a carry out of the significand adds one more.
    const std::uint64_t base = leading >= -1022 ? static_cast<std::uint64_t>(leading + 1022) : 0;
    bits = (base << 52) + keep;
    if (bits >= std::uint64_t{0x7ff} << 52) bits = std::uint64_t{0x7ff} << 52;
    bits |= sign;
  } else {
    bits = sign;
  }
  double result = 0;
  std::memcpy(&result, &bits, sizeof result);
  return result;
}

inline SoftExtended SoftExtended::Sum(SoftExtended a, SoftExtended b, bool subtract) {
  if (a.is_special() || b.is_special()) return SumOfSpecials(a, b, subtract);
  if (subtract) b = -b;
  if (b.is_zero())
    return a.is_zero() ? soft_extended_internal::Zero(a.negative() && b.negative()) : a;
  if (a.is_zero()) return b;
  SoftExtendedParts x = soft_extended_internal::Unpack(a);
  SoftExtendedParts y = soft_extended_internal::Unpack(b);
  if (x.exponent < y.exponent || (x.exponent == y.exponent && x.significand < y.significand)) {
    std::swap(x, y);
  }
  // Leading bits at 125: a carry fits, and the 62 bits below the 64 kept
  // hold the round bit with room for the jammed sticky bit.
  const Uint128 larger = Uint128{x.significand} << 62;
  const Uint128 smaller =
      soft_extended_internal::ShiftRightJam(Uint128{y.significand} << 62, x.exponent - y.exponent);
  if (x.negative == y.negative) return Round(x.negative, larger + smaller, x.exponent - 62);
  const Uint128 difference = larger - smaller;
  if (difference == 0)
    return soft_extended_internal::Zero(false);  // x - x is +0 when rounding to nearest
  return Round(x.negative, difference, x.exponent - 62);
}

}  // namespace quorvane

template <>
struct std::numeric_limits<quorvane::SoftExtended> {
  using T = quorvane::SoftExtended;

  static constexpr bool is_specialized = true;
  static constexpr bool is_signed = true;
  static constexpr bool is_integer = false;
  static constexpr bool is_exact = false;
  static constexpr bool has_infinity = true;
  static constexpr bool has_quiet_NaN = true;
  static constexpr bool has_signaling_NaN = true;
  static constexpr std::float_denorm_style has_denorm = std::denorm_present;
  static constexpr std::float_round_style round_style = std::round_to_nearest;
  static constexpr bool is_iec559 = true;
  static constexpr int digits = 64;
  static constexpr int radix = 2;
  static constexpr int min_exponent = -16381;
  static constexpr int max_exponent = 16384;
  static constexpr T min() { return T::FromBits(0x0001, T::kLeadingBit); }
  static constexpr T max() { return T::FromBits(0x7ffe, ~std::uint64_t{0}); }
  static constexpr T lowest() { return T::FromBits(0xfffe, ~std::uint64_t{0}); }
  static constexpr T epsilon() { return T::FromBits(0x3fc0, T::kLeadingBit); }  // 2^-63
  static constexpr T denorm_min() { return T::FromBits(0x0000, 1); }
  static constexpr T infinity() { return T::FromBits(0x7fff, T::kLeadingBit); }
  static constexpr T quiet_NaN() { return T::FromBits(0x7fff, 0xc000000000000000); }
};
