#include "numbers/eighteen_digits.h"

#include <bit>
#include <charconv>
#include <cstdint>

#include "numbers/powers_of_ten.h"

namespace quorvane {
namespace {

constexpr std::uint64_t kTenToThe18 = 1'000'000'000'000'000'000;

// |v| = significand x 2^(binary_exponent - 63), the significand's top bit
// set: 2^binary_exponent <= |v| < 2^(binary_exponent + 1).
struct NormalizedDouble {
  bool negative;
  std::uint64_t significand;
  int binary_exponent;
};

NormalizedDouble Normalize(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  // |v| = whole x 2^exponent, with the hidden bit for normal numbers.
  const std::uint64_t whole = biased_exponent == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int exponent = biased_exponent == 0 ? -1074 : biased_exponent - 1075;
  const int zeros = std::countl_zero(whole);
  return {(bits >> 63) != 0, whole << zeros, exponent + 63 - zeros};
}

// k = 17 - E0 for the binade of 2^b.
constexpr int DecimalScale(int b) { return 17 - FloorLog10OfPowerOfTwo(b); }

// x = m (P + t) / 2^s for the binade of 2^b.
constexpr int ProductShift(int b) { return 63 - b - BinaryExponentOfPowerOfTen(DecimalScale(b)); }

constexpr bool ShiftsBetween130And135() {
  for (int b = -1074; b <= 1023; ++b) {
    if (ProductShift(b) < 130 || ProductShift(b) > 135) return false;
  }
  return true;
}
static_assert(ShiftsBetween130And135(), "the integer part must come from the upper word alone");

// floor(m x P / 2^64): the upper 128 bits of the 192-bit product.
Uint128 UpperProduct(std::uint64_t m, Uint128Parts p) {
  const Uint128 high = static_cast<Uint128>(m) * p.high;
  const Uint128 low = static_cast<Uint128>(m) * p.low;
  return high + (low >> 64);
}

// X = I + F / 2^64 for the product's upper bits and s.
struct FixedPoint {
  std::uint64_t whole;     // I
  std::uint64_t fraction;  // F
};

FixedPoint ScaledValue(Uint128 upper, int shift) {
  const int low_shift = shift - 128;  // 2 to 7
  const auto high = static_cast<std::uint64_t>(upper >> 64);
  const auto low = static_cast<std::uint64_t>(upper);
  return {high >> low_shift, (low >> low_shift) | (high << (64 - low_shift))};
}

}  // namespace

DecimalDigits EighteenDigits(double value) {
  const NormalizedDouble v = Normalize(value);
  const int k = DecimalScale(v.binary_exponent);
  const FixedPoint x = ScaledValue(UpperProduct(v.significand, PowerOfTenSignificand(k)),
                                   ProductShift(v.binary_exponent));

  // The kept digits, the remainder R below them in units of 2^-64 and the
  // half H, as the header's contract derives them.
  std::uint64_t kept = x.whole;
  Uint128 remainder = x.fraction;
  Uint128 half = Uint128{1} << 63;
  int exponent = 17 - k;
  if (x.whole >= kTenToThe18) {
    kept = x.whole / 10;
    remainder = (Uint128{x.whole - 10 * kept} << 64) | x.fraction;
    half = Uint128{5} << 64;
    ++exponent;
  }
  // H - 2 <= R <= H: within the error bound of the half.
  if (remainder + 2 - half <= 2) return EighteenDigitsExact(value);
  // Up or down is a coin toss from one number to the next, so it is added
  // rather than branched on: R > H exactly when H - R wraps below 0, which
  // sets the top bit (both are below 2^67).
  kept += static_cast<std::uint64_t>((half - remainder) >> 127);
  if (kept == kTenToThe18) {
    kept = kSmallestEighteenDigits;
    ++exponent;
  }
  return {kept, exponent, v.negative};
}

DecimalDigits EighteenDigitsExact(double value) {
  char buffer[40];
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 17).ptr;
  // [-]d.ddddddddddddddddde[+-]dd[d]
  DecimalDigits d;
  const char* at = buffer;
  if (*at == '-') {
    d.negative = true;
    ++at;
  }
  d.significand = static_cast<std::uint64_t>(at[0] - '0');
  for (int i = 2; i < 19; ++i)
    d.significand = d.significand * 10 + static_cast<unsigned>(at[i] - '0');
  at += 19;  // the "e"
  const bool negative_exponent = at[1] == '-';
  int exponent = 0;
  for (const char* e = at + 2; e < end; ++e) exponent = exponent * 10 + (*e - '0');
  d.exponent = negative_exponent ? -exponent : exponent;
  return d;
}

}  // namespace quorvane
