#include "support/hexfloat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quorvane::test_support {
namespace {

template <typename Float>
std::string HexText(Float value) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::hex);
  const std::string text(buffer.data(), result.ptr);
  if (text.front() == '-') return "-0x" + text.substr(1);
  return "0x" + text;
}

std::string ShortestText(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

bool IsSmallWholeNumber(double value) {
  return std::isfinite(value) && std::fabs(value) < 0x1p53 && std::trunc(value) == value;
}

}  // namespace

std::string Hex(double value) { return HexText(value); }
std::string Hex(long double value) { return HexText(value) + "L"; }

std::string ExactText(double value) {
  if (IsSmallWholeNumber(value)) return ShortestText(value);
  return ShortestText(value) + " (" + Hex(value) + ")";
}

}  // namespace quorvane::test_support
