// A natural number of any size, exact: what the decimal-to-binary rounding of
// number(t) needs to compare a long decimal with binary values. Little-endian
// 64-bit limbs.
//   BigNatural::FromDecimal("18446744073709551616") -> limbs {0, 1} (2^64)
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "numbers/soft_extended.h"

namespace quorvane {

class BigNatural {
 public:
  BigNatural() = default;
  explicit BigNatural(std::uint64_t value);
  // Decimal digits "0"-"9" only; linear in the digits per limb of the result.
  static BigNatural FromDecimal(std::string_view digits);

  BigNatural& MultiplySmall(std::uint64_t factor);
  BigNatural& AddSmall(std::uint64_t addend);
  BigNatural& MultiplyPowerOf5(std::uint32_t exponent);
  BigNatural& ShiftLeft(std::uint32_t bits);
  // this -= other; requires other <= this.
  BigNatural& Subtract(const BigNatural& other);

  bool IsZero() const { return limbs_.empty(); }
  // Bits up to the leading one: 0 -> 0, 1 -> 1, 2^64 -> 65.
  std::uint32_t BitLength() const;
  // The `count` (at most 128) bits below and including bit `top - 1`, as a
  // number, and whether any bit below them is set.
  Uint128 BitsBelow(std::uint32_t top, std::uint32_t count, bool& lower_bits_set) const;

  friend int Compare(const BigNatural& a, const BigNatural& b);  // -1, 0, 1

 private:
  void Trim();

  std::vector<std::uint64_t> limbs_;
};

}  // namespace quorvane
