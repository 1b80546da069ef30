#include "support/printers.h"

#include <sstream>

#include "support/hexfloat.h"

namespace quorvane {
namespace {

const char* KindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kConversion:
      return "kConversion";
    case ErrorKind::kDivisionByZero:
      return "kDivisionByZero";
    case ErrorKind::kInvalidOperation:
      return "kInvalidOperation";
    case ErrorKind::kOverflow:
      return "kOverflow";
    case ErrorKind::kInputOutput:
      return "kInputOutput";
    case ErrorKind::kRefusal:
      return "kRefusal";
    case ErrorKind::kInternal:
      return "kInternal";
  }
  return nullptr;
}

}  // namespace

void PrintTo(const CurvePoint& point, std::ostream* out) {
  *out << "(" << test_support::ExactText(point.x) << ", " << test_support::ExactText(point.y)
       << ")";
}

void PrintTo(ErrorKind kind, std::ostream* out) {
  const char* name = KindName(kind);
  if (name != nullptr) {
    *out << name;
  } else {
    *out << "ErrorKind(" << static_cast<int>(kind) << ")";
  }
}

void PrintTo(Field field, std::ostream* out) { *out << FieldName(field); }

void PrintTo(const NumberFormat& format, std::ostream* out) {
  *out << "NumberFormat ";
  test_support::PrintText(format.decimal_separator(), out);
}

void PrintTo(const DecimalDigits& digits, std::ostream* out) {
  *out << "{significand " << digits.significand << ", exponent " << digits.exponent << ", negative "
       << (digits.negative ? "true" : "false") << "}";
}

void PrintTo(const HalfMaximumResult& result, std::ostream* out) {
  using test_support::ExactText;
  *out << "{Peak " << ExactText(result.Peak) << ", HasWidth "
       << (result.HasWidth ? "true" : "false") << ", LeftEdge " << ExactText(result.LeftEdge)
       << ", RightEdge " << ExactText(result.RightEdge) << ", FWHM " << ExactText(result.FWHM)
       << ", Centre " << ExactText(result.Centre) << "}";
}

}  // namespace quorvane

namespace quorvane::test_support {
namespace {

constexpr std::size_t kLongText = 64;
constexpr std::size_t kShownOfLongText = 48;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence of two or more bytes that
// starts the text, 0 where there is none.
std::size_t MultiByteCharacterLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void PrintEscaped(std::string_view text, std::ostream* out) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  bool after_hex_escape = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    bool hex_escape = false;
    if (const std::size_t length = MultiByteCharacterLength(text.substr(i)); length > 0) {
      *out << text.substr(i, length);
      i += length;
      after_hex_escape = false;
      continue;
    }
    if (c == '\t') {
      *out << "\\t";
    } else if (c == '\n') {
      *out << "\\n";
    } else if (c == '\r') {
      *out << "\\r";
    } else if (c == '"' || c == '\\') {
      *out << '\\' << c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      // "\x1A" "b": a hex digit right after an escape would join it.
      if (after_hex_escape && IsHexDigit(c)) *out << "\"\"";
      *out << c;
    } else {
      *out << "\\x" << kHexDigits[byte >> 4] << kHexDigits[byte & 0xF];
      hex_escape = true;
    }
    after_hex_escape = hex_escape;
    ++i;
  }
}

}  // namespace

void PrintText(std::string_view text, std::ostream* out) {
  const bool long_text = text.size() > kLongText;
  *out << '"';
  PrintEscaped(long_text ? text.substr(0, kShownOfLongText) : text, out);
  *out << '"';
  if (long_text) *out << "... (" << text.size() << " bytes)";
}

std::string Quoted(std::string_view text) {
  std::ostringstream out;
  PrintText(text, &out);
  return out.str();
}

void PrintDoubles(std::span<const double> values, std::ostream* out) {
  *out << "{";
  for (std::size_t i = 0; i < values.size(); ++i) {
    *out << (i == 0 ? "" : ", ") << ExactText(values[i]);
  }
  *out << "}";
}

void PrintTo(const ProfileRow& row, std::ostream* out) {
  *out << "{";
  PrintText(row.position, out);
  *out << ", ";
  PrintText(row.dose_rate, out);
  *out << "}";
}

void PrintRows(std::span<const ProfileRow> rows, std::ostream* out) {
  *out << "{";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    *out << (i == 0 ? "" : ", ");
    PrintTo(rows[i], out);
  }
  *out << "}";
}

}  // namespace quorvane::test_support
