#include "support/big_unsigned.h"

#include <algorithm>
#include <cmath>

namespace quorvane::test_support {

BigUnsigned::BigUnsigned(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

BigUnsigned BigUnsigned::FromDecimal(const std::string& digits) {
  BigUnsigned result;
  for (const char c : digits)
    result.MultiplySmall(10).AddSmall(static_cast<std::uint32_t>(c - '0'));
  return result;
}

void BigUnsigned::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

BigUnsigned& BigUnsigned::MultiplySmall(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
  return *this;
}

BigUnsigned& BigUnsigned::AddSmall(std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; carry != 0; ++i) {
    if (i == limbs_.size()) limbs_.push_back(0);
    const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
    limbs_[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  return *this;
}

BigUnsigned& BigUnsigned::Add(const BigUnsigned& other) {
  if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t sum =
        std::uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0) + carry;
    limbs_[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  return *this;
}

BigUnsigned& BigUnsigned::ShiftLeft(unsigned bits) {
  if (IsZero()) return *this;
  const unsigned whole = bits / 32;
  const unsigned part = bits % 32;
  if (part != 0) {
    std::uint32_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint32_t next = limb >> (32 - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole, 0);
  return *this;
}

BigUnsigned& BigUnsigned::MultiplyPowerOf10(unsigned exponent) {
  for (; exponent >= 9; exponent -= 9) MultiplySmall(1000000000u);
  for (; exponent > 0; --exponent) MultiplySmall(10);
  return *this;
}

BigUnsigned& BigUnsigned::MultiplyPowerOf5(unsigned exponent) {
  for (; exponent >= 13; exponent -= 13) MultiplySmall(1220703125u);  // 5^13
  for (; exponent > 0; --exponent) MultiplySmall(5);
  return *this;
}

std::uint32_t BigUnsigned::DivideSmall(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) {
    const std::uint64_t current = (remainder << 32) | limbs_[i];
    limbs_[i] = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

std::string BigUnsigned::ToDecimal() const {
  if (IsZero()) return "0";
  BigUnsigned rest = *this;
  std::string reversed;
  while (!rest.IsZero()) {
    std::uint32_t chunk = rest.DivideSmall(1000000000u);
    for (int i = 0; i < 9; ++i) {
      reversed += static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    }
  }
  while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
  return std::string(reversed.rbegin(), reversed.rend());
}

std::strong_ordering operator<=>(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
  }
  return std::strong_ordering::equal;
}

BinaryValue ExactBinary(Extended value) {
  const SoftExtendedParts parts = Decompose(ToSoftExtended(value));
  BinaryValue result;
  result.negative = parts.negative;
  if (parts.significand == 0) return result;
  result.significand = BigUnsigned(parts.significand);
  result.exponent = parts.exponent;
  return result;
}

DecimalExpansion ExactDecimal(Extended value) {
  const BinaryValue binary = ExactBinary(value);
  DecimalExpansion result;
  result.negative = binary.negative;
  BigUnsigned scaled = binary.significand;
  int decimal_shift = 0;
  if (binary.exponent >= 0) {
    scaled.ShiftLeft(static_cast<unsigned>(binary.exponent));
  } else {
    scaled.MultiplyPowerOf5(static_cast<unsigned>(-binary.exponent));
    decimal_shift = binary.exponent;
  }
  std::string digits = scaled.ToDecimal();
  result.exponent = static_cast<int>(digits.size()) - 1 + decimal_shift;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  result.digits = digits;
  return result;
}

std::strong_ordering CompareDecimalWithBinary(const std::string& digits, int decimal_exponent,
                                              const BinaryValue& binary) {
  BigUnsigned left = BigUnsigned::FromDecimal(digits);
  BigUnsigned right = binary.significand;
  if (decimal_exponent >= 0) {
    left.MultiplyPowerOf10(static_cast<unsigned>(decimal_exponent));
  } else {
    right.MultiplyPowerOf10(static_cast<unsigned>(-decimal_exponent));
  }
  if (binary.exponent >= 0) {
    right.ShiftLeft(static_cast<unsigned>(binary.exponent));
  } else {
    left.ShiftLeft(static_cast<unsigned>(-binary.exponent));
  }
  return left <=> right;
}

}  // namespace quorvane::test_support
