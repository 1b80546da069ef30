// An exact unsigned integer of any size, for the tests' oracles: the exact
// decimal value of a binary floating-point number, and exact comparisons of a
// decimal text's value with binary midpoints. Slow and simple on purpose.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "numbers/extended.h"

namespace quorvane::test_support {

class BigUnsigned {
 public:
  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value);
  static BigUnsigned FromDecimal(const std::string& digits);

  BigUnsigned& MultiplySmall(std::uint32_t factor);
  BigUnsigned& AddSmall(std::uint32_t addend);
  BigUnsigned& ShiftLeft(unsigned bits);
  BigUnsigned& MultiplyPowerOf10(unsigned exponent);
  BigUnsigned& MultiplyPowerOf5(unsigned exponent);
  BigUnsigned& Add(const BigUnsigned& other);

  bool IsZero() const { return limbs_.empty(); }
  std::string ToDecimal() const;

  friend std::strong_ordering operator<=>(const BigUnsigned& a, const BigUnsigned& b);
  friend bool operator==(const BigUnsigned& a, const BigUnsigned& b) = default;

 private:
  void Trim();
  std::uint32_t DivideSmall(std::uint32_t divisor);  // returns the remainder

  std::vector<std::uint32_t> limbs_;  // little-endian base 2^32
};

// A finite binary value as significand x 2^exponent, exactly.
struct BinaryValue {
  bool negative = false;
  BigUnsigned significand;
  int exponent = 0;
};

BinaryValue ExactBinary(Extended value);

// The exact decimal expansion of a non-zero binary value: all its significant
// digits and the decimal exponent of the first (value = d.ddd x 10^exponent).
struct DecimalExpansion {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

DecimalExpansion ExactDecimal(Extended value);

// sign(digits x 10^decimal_exponent - binary), exactly (both non-negative).
std::strong_ordering CompareDecimalWithBinary(const std::string& digits, int decimal_exponent,
                                              const BinaryValue& binary);

}  // namespace quorvane::test_support
