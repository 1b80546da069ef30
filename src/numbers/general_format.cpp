#include "numbers/general_format.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace quorvane {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the digit text puts the first digit in the lowest byte of a word");

constexpr std::uint64_t kZeroBytes = 0x3030303030303030;  // "00000000"

// floor(n / 100) as (n x 10486) >> 20 and floor(n / 10) as (n x 103) >> 10,
// within one lane of a word: exact for the ranges the lanes hold.
constexpr bool LaneDivisionsExact() {
  for (std::uint32_t n = 0; n < 10000; ++n) {
    if ((n * 10486) >> 20 != n / 100) return false;
  }
  for (std::uint32_t n = 0; n < 100; ++n) {
    if ((n * 103) >> 10 != n / 10) return false;
  }
  return true;
}
static_assert(LaneDivisionsExact());

// The eight decimal digits of x < 10^8 as text, the first digit in the
// lowest byte: x is split into two halves of four digits in 32-bit lanes,
// each into two pairs in 16-bit lanes, each pair into two bytes.
// 12345678 -> the bytes "12345678".
std::uint64_t EightDigitBytes(std::uint32_t x) {
  const std::uint64_t first_half = x / 10000;
  std::uint64_t lanes = first_half | (std::uint64_t{x - first_half * 10000} << 32);
  std::uint64_t quotients = ((lanes * 10486) >> 20) & 0x0000007F0000007F;
  lanes = quotients | ((lanes - quotients * 100) << 16);
  quotients = ((lanes * 103) >> 10) & 0x000F000F000F000F;
  lanes = quotients | ((lanes - quotients * 10) << 8);
  return lanes + kZeroBytes;
}

// The 15 shown digits as text at `digits`, followed by zero bytes so that a
// copy of 16 bytes from any digit stays inside; `count` is the number of
// digits up to the last that is not 0.
struct DigitText {
  char bytes[32] = {};  // "0" and the 15 digits, then zeros
  const char* digits() const { return bytes + 1; }
  int count = 0;
};

// The index (0 to 7) of the last byte that is not "0" in a word of digit
// bytes that has one. The last byte is the word's most significant, so once
// "0" is taken from every byte, the "0" bytes at the end are its leading zero
// bits, eight a byte.
int LastNonZeroByte(std::uint64_t digit_bytes) {
  return 7 - std::countl_zero(digit_bytes - kZeroBytes) / 8;
}

DigitText ShownDigitText(std::uint64_t digits) {
  constexpr std::uint64_t kTenToThe8 = 100'000'000;
  const std::uint64_t first = EightDigitBytes(static_cast<std::uint32_t>(digits / kTenToThe8));
  const std::uint64_t last = EightDigitBytes(static_cast<std::uint32_t>(digits % kTenToThe8));
  DigitText text;
  std::memcpy(text.bytes, &first, 8);
  std::memcpy(text.bytes + 8, &last, 8);
  // The first word's first byte is "0" (digits < 10^15) and its second is
  // not (digits >= 10^14), so it always has a non-zero digit.
  text.count = last != kZeroBytes ? 8 + LastNonZeroByte(last) : LastNonZeroByte(first);
  return text;
}

char* PutFixed(const DigitText& text, int exponent, const SeparatorBytes& separator, char* out) {
  if (exponent < 0) {
    *out++ = '0';
    out = separator.Put(out);
    std::memcpy(out, "0000", 4);
    out += -exponent - 1;
    std::memcpy(out, text.digits(), 16);
    return out + text.count;
  }
  const int whole_digits = exponent + 1;
  // The integer part, with the zeros of the digit text where the shown
  // digits end before the units.
  std::memcpy(out, text.digits(), 16);
  if (text.count <= whole_digits) return out + whole_digits;
  out = separator.Put(out + whole_digits);
  std::memcpy(out, text.digits() + whole_digits, 16);
  return out + (text.count - whole_digits);
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The exponent without leading zeros, at most 324.
char* PutExponent(int exponent, char* out) {
  *out = '-';
  out += exponent < 0 ? 1 : 0;
  const auto magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  if (magnitude < 10) {
    *out = static_cast<char>('0' + magnitude);
    return out + 1;
  }
  if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
  std::memcpy(out, kDigitPairs + 2 * (magnitude % 100), 2);
  return out + 2;
}

char* PutExponentForm(const DigitText& text, int exponent, const SeparatorBytes& separator,
                      char* out) {
  *out++ = text.digits()[0];
  if (text.count > 1) {
    out = separator.Put(out);
    std::memcpy(out, text.digits() + 1, 16);
    out += text.count - 1;
  }
  *out++ = 'E';
  return PutExponent(exponent, out);
}

}  // namespace

SeparatorBytes::SeparatorBytes(std::string_view separator) : size_(separator.size()) {
  if (size_ == 0 || size_ > sizeof bytes_) {
    throw std::logic_error("a decimal separator of 1 to 4 bytes");
  }
  std::memcpy(bytes_, separator.data(), size_);
}

char* SeparatorBytes::Put(char* out) const {
  std::memcpy(out, bytes_, sizeof bytes_);
  return out + size_;
}

char* PutGeneralFormat(const ShownDigits& digits, const SeparatorBytes& separator, char* out) {
  *out = '-';
  out += digits.negative ? 1 : 0;
  const DigitText text = ShownDigitText(digits.digits);
  if (digits.exponent >= -4 && digits.exponent < 15) {
    return PutFixed(text, digits.exponent, separator, out);
  }
  return PutExponentForm(text, digits.exponent, separator, out);
}

}  // namespace quorvane
