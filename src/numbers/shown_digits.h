// The second stage of the number text: the 18 digits rounded to the 15 that
// are shown, on the 16th digit alone, upward in magnitude when it is 5 or
// more. The rounding looks at the 18-digit form, not the exact value:
// 1.11165348947636500 -> 1.11165348947637 although the double is exactly
// 1.111653489476364997...
//
// On the integer this is one addition and one division: the 16th digit is 5
// or more exactly when the last three digits are 500 or more, so the shown
// digits are (significand + 500) / 1000; 999999999999999500 becomes 10^15,
// which is 10^14 one decade up.
//   {111165348947636500, 0} -> {111165348947637, 0}
//   {999999999999999500, 4} -> {100000000000000, 5}
#pragma once

#include <cstdint>

#include "numbers/decimal_digits.h"

namespace quorvane {

// 15 significant digits, 10^14 <= digits < 10^15, first digit at
// 10^exponent. Trailing zeros are part of the integer; the layout does not
// show them.
struct ShownDigits {
  std::uint64_t digits = 0;
  int exponent = 0;
  bool negative = false;
};

inline constexpr std::uint64_t kSmallestShownDigits = 100'000'000'000'000;

inline ShownDigits RoundToShownDigits(const DecimalDigits& d) {
  std::uint64_t shown = (d.significand + 500) / 1000;
  int exponent = d.exponent;
  if (shown == 10 * kSmallestShownDigits) {
    shown = kSmallestShownDigits;
    ++exponent;
  }
  return {shown, exponent, d.negative};
}

}  // namespace quorvane
