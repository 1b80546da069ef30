#include "support/hexfloat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

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

std::string Hex(SoftExtended value) {
  char bits[40];
  std::snprintf(bits, sizeof bits, " [%04x %016llx]", value.sign_and_exponent(),
                static_cast<unsigned long long>(value.significand()));
  std::string text = value.negative() ? "-0x" : "0x";
  if (value.is_special()) return text + (value.is_nan() ? "nan" : "inf") + bits;
  const SoftExtendedParts parts = Decompose(value);
  char number[48];
  std::snprintf(number, sizeof number, "%llx.%015llxp%+d",
                static_cast<unsigned long long>(parts.significand >> 60),
                static_cast<unsigned long long>(parts.significand & 0x0fffffffffffffffULL),
                parts.significand == 0 ? 0 : parts.exponent + 60);
  return text + number + bits;
}

}  // namespace quorvane::test_support
