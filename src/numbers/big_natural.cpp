#include "numbers/big_natural.h"

namespace quorvane {
namespace {

using U128 = Uint128;

constexpr std::uint64_t kTenTo19 = 10000000000000000000ULL;
constexpr std::uint64_t kFiveTo27 = 7450580596923828125ULL;

std::uint64_t DecimalChunk(std::string_view digits) {
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value;
}

}  // namespace

BigNatural::BigNatural(std::uint64_t value) {
  if (value != 0) limbs_.push_back(value);
}

BigNatural BigNatural::FromDecimal(std::string_view digits) {
  BigNatural result;
  result.limbs_.reserve(digits.size() / 19 + 1);
  std::size_t first = digits.size() % 19;
  if (first == 0) first = 19;
  result.AddSmall(DecimalChunk(digits.substr(0, first)));
  for (std::size_t at = first; at < digits.size(); at += 19) {
    result.MultiplySmall(kTenTo19).AddSmall(DecimalChunk(digits.substr(at, 19)));
  }
  return result;
}

void BigNatural::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

BigNatural& BigNatural::MultiplySmall(std::uint64_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : limbs_) {
    const U128 product = U128{limb} * factor + carry;
    limb = static_cast<std::uint64_t>(product);
    carry = static_cast<std::uint64_t>(product >> 64);
  }
  if (carry != 0) limbs_.push_back(carry);
  Trim();
  return *this;
}

BigNatural& BigNatural::AddSmall(std::uint64_t addend) {
  for (std::size_t i = 0; addend != 0; ++i) {
    if (i == limbs_.size()) limbs_.push_back(0);
    limbs_[i] += addend;
    addend = limbs_[i] < addend ? 1 : 0;
  }
  return *this;
}

BigNatural& BigNatural::MultiplyPowerOf5(std::uint32_t exponent) {
  for (; exponent >= 27; exponent -= 27) MultiplySmall(kFiveTo27);
  std::uint64_t rest = 1;
  for (; exponent > 0; --exponent) rest *= 5;
  return MultiplySmall(rest);
}

BigNatural& BigNatural::ShiftLeft(std::uint32_t bits) {
  if (IsZero()) return *this;
  const std::uint32_t part = bits % 64;
  if (part != 0) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t next = limb >> (64 - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), bits / 64, 0);
  return *this;
}

BigNatural& BigNatural::Subtract(const BigNatural& other) {
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t subtrahend = i < other.limbs_.size() ? other.limbs_[i] : 0;
    if (subtrahend == 0 && borrow == 0 && i >= other.limbs_.size()) break;
    const std::uint64_t before = limbs_[i];
    limbs_[i] = before - subtrahend - borrow;
    borrow = (before < subtrahend || (before == subtrahend && borrow != 0)) ? 1 : 0;
  }
  Trim();
  return *this;
}

std::uint32_t BigNatural::BitLength() const {
  if (IsZero()) return 0;
  return static_cast<std::uint32_t>(limbs_.size() * 64 -
                                    static_cast<std::size_t>(__builtin_clzll(limbs_.back())));
}

U128 BigNatural::BitsBelow(std::uint32_t top, std::uint32_t count, bool& lower_bits_set) const {
  U128 result = 0;
  const std::uint32_t low = top > count ? top - count : 0;
  for (std::uint32_t bit = top; bit-- > low;) {
    const std::uint64_t limb = limbs_[bit / 64];
    result = (result << 1) | ((limb >> (bit % 64)) & 1);
  }
  lower_bits_set = false;
  for (std::uint32_t i = 0; i < low / 64 && !lower_bits_set; ++i) lower_bits_set = limbs_[i] != 0;
  if (low % 64 != 0) {
    const std::uint64_t mask = (std::uint64_t{1} << (low % 64)) - 1;
    lower_bits_set = lower_bits_set || (limbs_[low / 64] & mask) != 0;
  }
  return result;
}

int Compare(const BigNatural& a, const BigNatural& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace quorvane
