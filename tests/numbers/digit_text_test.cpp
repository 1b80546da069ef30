// The digit text of the 15 shown digits, both ways of computing it, against
// the digits as std::to_string writes them.
#include "numbers/digit_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace quorvane {
namespace {

DigitText Expected(std::uint64_t digits) {
  const std::string text = std::to_string(digits);
  DigitText expected;
  std::memcpy(&expected.digits, text.data(), 15);
  expected.count = static_cast<int>(text.find_last_not_of('0')) + 1;
  return expected;
}

std::string Describe(const DigitText& text) {
  char bytes[17] = {};
  std::memcpy(bytes, &text.digits, 16);
  return std::string(bytes) + " count " + std::to_string(text.count);
}

TEST(ShownDigitText, BothWaysMatchTheDecimalDigitsSeeded) {
  std::mt19937_64 random(15);
  constexpr std::uint64_t kSmallest = 100'000'000'000'000;
  std::uint64_t powers[16] = {1};
  for (int i = 1; i < 16; ++i) powers[i] = powers[i - 1] * 10;
  for (int trial = 0; trial < 200000; ++trial) {
    std::uint64_t digits = kSmallest + random() % (9 * kSmallest);
    // Every count of trailing zeros, and the ends of the range.
    const std::uint64_t unit = powers[trial % 15];
    digits = digits / unit * unit;
    if (trial == 0) digits = kSmallest;
    if (trial == 1) digits = 10 * kSmallest - 1;
    const DigitText expected = Expected(digits);
    ASSERT_EQ(detail::ShownDigitTextInWords(digits), expected)
        << digits << ": " << Describe(detail::ShownDigitTextInWords(digits));
#if defined(__SSE2__)
    ASSERT_EQ(detail::ShownDigitTextInVectors(digits), expected)
        << digits << ": " << Describe(detail::ShownDigitTextInVectors(digits));
#endif
  }
}

}  // namespace
}  // namespace quorvane
