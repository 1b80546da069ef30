#include "numbers/general_format.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "numbers/digit_text.h"
#include "numbers/uint128.h"

namespace quorvane {
namespace {

// The 16 bytes of `text` at `out`; the caller moves on by as many as belong.
void PutBytes(Uint128 text, char* out) { std::memcpy(out, &text, sizeof text); }

char* PutFixed(const DigitText& text, int exponent, const SeparatorBytes& separator, char* out) {
  if (exponent < 0) {
    *out++ = '0';
    out = separator.Put(out);
    std::memcpy(out, "0000", 4);
    out += -exponent - 1;
    PutBytes(text.digits, out);
    return out + text.count;
  }
  const int whole_digits = exponent + 1;
  // The integer part, with the zeros of the digit text where the shown
  // digits end before the units.
  PutBytes(text.digits, out);
  if (text.count <= whole_digits) return out + whole_digits;
  out = separator.Put(out + whole_digits);
  PutBytes(text.digits >> (8 * whole_digits), out);
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
  *out++ = static_cast<char>(text.digits);
  if (text.count > 1) {
    out = separator.Put(out);
    PutBytes(text.digits >> 8, out);
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
