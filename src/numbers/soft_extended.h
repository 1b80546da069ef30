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

#include <compare>
#include <cstdint>
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

}  // namespace quorvane

template <>
class std::numeric_limits<quorvane::SoftExtended> {
  using T = quorvane::SoftExtended;

 public:
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
