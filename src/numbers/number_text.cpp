#include "numbers/number_text.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <system_error>

#include "numbers/decimal_separator.h"

namespace quorvane {
namespace {

constexpr int kShownDigits = 15;

// The significant digits of a non-zero value and the decimal exponent of the
// first one: value = d.ddd x 10^exponent.
struct Digits {
  bool negative = false;
  std::array<char, 18> digits{};
  int count = 0;
  int exponent = 0;
};

// 18 significant digits, correctly rounded (std::to_chars rounds an exact tie
// to even).
Digits EighteenDigits(double value) {
  std::array<char, 40> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific, 17);
  (void)error;  // 40 bytes hold any double at this precision
  Digits result;
  const char* at = buffer.data();
  if (*at == '-') {
    result.negative = true;
    ++at;
  }
  for (; at < end && *at != 'e'; ++at) {
    if (*at != '.') result.digits[static_cast<std::size_t>(result.count++)] = *at;
  }
  result.exponent = std::atoi(at + 1);
  return result;
}

// Rounds to 15 digits on the 16th digit alone, half away from zero, and drops
// trailing zeros.
void RoundToShownDigits(Digits& d) {
  const bool up = d.digits[kShownDigits] >= '5';
  d.count = kShownDigits;
  if (up) {
    int i = kShownDigits - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++d.digits[static_cast<std::size_t>(i)];
    } else {
      d.digits[0] = '1';  // 9.99...9 carried into the next decade
      ++d.exponent;
    }
  }
  while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') --d.count;
}

void AppendDigitRange(const Digits& d, int from, int to, std::string& out) {
  for (int i = from; i < to; ++i) out += d.digits[static_cast<std::size_t>(i)];
}

void AppendFixed(const Digits& d, std::string& out) {
  if (d.exponent < 0) {
    out += '0';
    out += DecimalSeparator();
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    AppendDigitRange(d, 0, d.count, out);
    return;
  }
  const int integer_digits = d.exponent + 1;
  if (d.count <= integer_digits) {
    AppendDigitRange(d, 0, d.count, out);
    out.append(static_cast<std::size_t>(integer_digits - d.count), '0');
    return;
  }
  AppendDigitRange(d, 0, integer_digits, out);
  out += DecimalSeparator();
  AppendDigitRange(d, integer_digits, d.count, out);
}

void AppendExponentForm(const Digits& d, std::string& out) {
  out += d.digits[0];
  if (d.count > 1) {
    out += DecimalSeparator();
    AppendDigitRange(d, 1, d.count, out);
  }
  out += 'E';
  if (d.exponent < 0) out += '-';
  out += std::to_string(std::abs(d.exponent));
}

}  // namespace

void AppendNumberText(double value, std::string& out) {
  if (value == 0) {
    out += '0';
    return;
  }
  Digits d = EighteenDigits(value);
  RoundToShownDigits(d);
  if (d.negative) out += '-';
  if (d.exponent >= -4 && d.exponent < 15) {
    AppendFixed(d, out);
  } else {
    AppendExponentForm(d, out);
  }
}

std::string NumberText(double value) {
  std::string text;
  AppendNumberText(value, text);
  return text;
}

}  // namespace quorvane
