#include "numbers/integer_parse.h"

#include <optional>

#include "errors/error.h"

namespace quorvane {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of a hexadecimal prefix at the start of the text, 0 if none.
std::size_t HexPrefixLength(std::string_view text) {
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  return 0;
}

std::optional<std::int32_t> ParseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (text.starts_with('+') || text.starts_with('-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{2147483648} : std::int64_t{2147483647};
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
  std::string_view rest = text;
  while (rest.starts_with(' ')) rest.remove_prefix(1);
  const std::size_t prefix = HexPrefixLength(rest);
  const std::optional<std::int32_t> value =
      prefix > 0 ? ParseHexDigits(rest.substr(prefix)) : ParseDecimal(rest);
  if (!value) throw IntegerConversionError(text);
  return *value;
}

}  // namespace quorvane
