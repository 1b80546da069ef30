#include "numbers/number_format.h"

namespace quorvane {
namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string_view FirstCharacter(std::string_view text) {
  if (text.empty()) return text;
  const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[0]));
  if (length > text.size()) return text.substr(0, 1);
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return text.substr(0, 1);
  }
  return text.substr(0, length);
}

NumberFormat NumberFormat::FromLocaleSetting(std::string_view locale_setting) {
  const std::string_view first = FirstCharacter(locale_setting);
  return first.empty() ? NumberFormat() : NumberFormat(first);
}

}  // namespace quorvane
