#include "numbers/number_parse.h"

#include <cstdint>
#include <string>

#include "errors/error.h"
#include "numbers/decimal_rounding.h"

namespace quorvane {
namespace {

// Digits beyond this many significant ones are folded into one sticky digit.
// Every halfway point between two extended values has fewer significant
// digits (the longest, near the smallest subnormal, about 11 500), so the
// folded text rounds exactly as the full one.
constexpr std::size_t kKeptDigits = 16384;

// Decimal exponents beyond these bounds decide the result on their own:
// overflow above, zero below (0.1e-5000 already underflows the extended range).
constexpr std::int64_t kExponentBound = 100000;

struct ScannedNumber {
  bool negative = false;
  std::string digits;         // significant digits, no leading or trailing zeros
  std::int64_t exponent = 0;  // value = 0.digits x 10^exponent
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int64_t SaturatingAppendDigit(std::int64_t value, char digit) {
  constexpr std::int64_t kSaturation = std::int64_t{1} << 50;
  if (value >= kSaturation) return kSaturation;
  return value * 10 + (digit - '0');
}

std::int64_t Clamp(std::int64_t value) {
  if (value > kExponentBound) return kExponentBound;
  if (value < -kExponentBound) return -kExponentBound;
  return value;
}

class Scanner {
 public:
  Scanner(std::string_view text, std::string_view separator) : text_(text), separator_(separator) {}

  bool Scan(ScannedNumber& out) {
    SkipSpaces();
    ScanSign(out.negative);
    if (!ScanMantissa(out)) return false;
    if (!ScanExponent()) return false;
    SkipSpaces();
    if (at_ != text_.size()) return false;
    Normalise(out);
    return true;
  }

 private:
  void SkipSpaces() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }

  void ScanSign(bool& negative) {
    if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
      negative = text_[at_] == '-';
      ++at_;
    }
  }

  bool AtSeparator() const { return text_.substr(at_, separator_.size()) == separator_; }

  // Digits with at most one separator; at least a digit or the separator.
  bool ScanMantissa(ScannedNumber& out) {
    bool seen_separator = false;
    bool seen_digit = false;
    std::int64_t integer_digits = 0;
    bool leading = true;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (IsDigit(c)) {
        seen_digit = true;
        if (leading && c == '0') {
          if (seen_separator) --leading_fraction_zeros_;
        } else {
          leading = false;
          AppendDigit(out, c);
          if (!seen_separator) ++integer_digits;
        }
        ++at_;
      } else if (!seen_separator && AtSeparator()) {
        seen_separator = true;
        at_ += separator_.size();
      } else {
        break;
      }
    }
    point_ = integer_digits + leading_fraction_zeros_;
    return seen_digit || seen_separator;
  }

  void AppendDigit(ScannedNumber& out, char c) {
    if (out.digits.size() < kKeptDigits) {
      out.digits += c;
    } else if (c != '0') {
      dropped_nonzero_ = true;
    }
  }

  bool ScanExponent() {
    if (at_ >= text_.size() || (text_[at_] != 'E' && text_[at_] != 'e')) return true;
    ++at_;
    bool negative = false;
    ScanSign(negative);
    std::int64_t value = 0;
    while (at_ < text_.size() && IsDigit(text_[at_])) {
      value = SaturatingAppendDigit(value, text_[at_]);
      ++at_;
    }
    exponent_ = negative ? -value : value;
    return true;
  }

  void Normalise(ScannedNumber& out) {
    if (dropped_nonzero_) {
      out.digits += '1';  // the sticky digit stands for the folded tail
    } else {
      while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
      if (out.digits.empty()) return;
    }
    out.exponent = Clamp(Clamp(point_) + Clamp(exponent_));
  }

  std::string_view text_;
  std::string_view separator_;
  std::size_t at_ = 0;
  std::int64_t point_ = 0;
  std::int64_t leading_fraction_zeros_ = 0;
  std::int64_t exponent_ = 0;
  bool dropped_nonzero_ = false;
};

}  // namespace

Extended ParseNumber(std::string_view text, const NumberFormat& format) {
  ScannedNumber number;
  if (!Scanner(text, format.decimal_separator()).Scan(number)) throw NumberConversionError(text);
  const Extended value =
      FromSoftExtended(RoundDecimalToExtended(number.negative, number.digits, number.exponent));
  if (detail::IsInfinite(value)) throw NumberConversionError(text);
  return value;
}

double ParseStoredNumber(std::string_view text, const NumberFormat& format) {
  return StoreDouble(ParseNumber(text, format));
}

}  // namespace quorvane
