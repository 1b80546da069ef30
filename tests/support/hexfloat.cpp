#include "support/hexfloat.h"

#include <array>
#include <charconv>

namespace quorvane::test_support {
namespace {

template <typename Float>
std::string HexText(Float value) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::hex);
  return "0x" + std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string Hex(double value) { return HexText(value); }
std::string Hex(long double value) { return HexText(value) + "L"; }

}  // namespace quorvane::test_support
