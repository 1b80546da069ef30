#include "numbers/decimal_digits.h"

#include <charconv>
#include <cstring>

namespace quorvane {
namespace {

constexpr int kShownDigits = 15;

char& DigitAt(DecimalDigits& d, int i) { return d.digits[static_cast<std::size_t>(i)]; }

// A text being built in a buffer large enough for any number text: sign, 15
// digits, up to 4 leading zeros, a separator of up to 4 bytes, "E-324".
class TextBuffer {
 public:
  void Put(char c) { *end_++ = c; }
  void Put(const char* text, std::size_t size) {
    std::memcpy(end_, text, size);
    end_ += size;
  }
  void PutZeros(int count) {
    for (int i = 0; i < count; ++i) Put('0');
  }
  void PutSeparator(std::string_view separator) { Put(separator.data(), separator.size()); }
  void PutDigits(const DecimalDigits& d, int from, int to) {
    Put(d.digits.data() + from, static_cast<std::size_t>(to - from));
  }
  void PutWhole(int value) { end_ = std::to_chars(end_, buffer_ + sizeof buffer_, value).ptr; }
  void AppendTo(std::string& out) const {
    out.append(buffer_, static_cast<std::size_t>(end_ - buffer_));
  }

 private:
  char buffer_[48];
  char* end_ = buffer_;
};

void PutFixed(const DecimalDigits& d, std::string_view separator, TextBuffer& text) {
  if (d.exponent < 0) {
    text.Put('0');
    text.PutSeparator(separator);
    text.PutZeros(-d.exponent - 1);
    text.PutDigits(d, 0, d.count);
    return;
  }
  const int integer_digits = d.exponent + 1;
  if (d.count <= integer_digits) {
    text.PutDigits(d, 0, d.count);
    text.PutZeros(integer_digits - d.count);
    return;
  }
  text.PutDigits(d, 0, integer_digits);
  text.PutSeparator(separator);
  text.PutDigits(d, integer_digits, d.count);
}

void PutExponentForm(const DecimalDigits& d, std::string_view separator, TextBuffer& text) {
  text.PutDigits(d, 0, 1);
  if (d.count > 1) {
    text.PutSeparator(separator);
    text.PutDigits(d, 1, d.count);
  }
  text.Put('E');
  if (d.exponent < 0) text.Put('-');
  text.PutWhole(d.exponent < 0 ? -d.exponent : d.exponent);
}

}  // namespace

DecimalDigits EighteenDigits(double value) {
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
  d.digits[0] = at[0];
  std::memcpy(d.digits.data() + 1, at + 2, 17);
  d.count = 18;
  at += 19;  // the "e"
  const bool negative_exponent = at[1] == '-';
  int exponent = 0;
  for (const char* e = at + 2; e < end; ++e) exponent = exponent * 10 + (*e - '0');
  d.exponent = negative_exponent ? -exponent : exponent;
  return d;
}

void RoundToShownDigits(DecimalDigits& d) {
  const bool up = DigitAt(d, kShownDigits) >= '5';
  d.count = kShownDigits;
  if (up) {
    int i = kShownDigits - 1;
    for (; i >= 0 && DigitAt(d, i) == '9'; --i) DigitAt(d, i) = '0';
    if (i >= 0) {
      ++DigitAt(d, i);
    } else {
      DigitAt(d, 0) = '1';  // 9.99...9 carried into the next decade
      ++d.exponent;
    }
  }
  while (d.count > 1 && DigitAt(d, d.count - 1) == '0') --d.count;
}

void AppendGeneralFormat(const DecimalDigits& d, std::string_view separator, std::string& out) {
  TextBuffer text;
  if (d.negative) text.Put('-');
  if (d.exponent >= -4 && d.exponent < 15) {
    PutFixed(d, separator, text);
  } else {
    PutExponentForm(d, separator, text);
  }
  text.AppendTo(out);
}

}  // namespace quorvane
