// The third stage of the number text: the shown digits laid out in the
// general format. Fixed notation for decimal exponents -4 to 14, exponent
// form otherwise; trailing zeros of the 15 digits are not shown; the decimal
// separator between the digits.
//   {275000000000000, 0}       -> "2.75"
//   {500000000000000, -5}      -> "5E-5"
//   {100000000000000, -4}      -> "0.0001"
//   {123456789012346, 15}      -> "1.23456789012346E15"
//   {150000000000000, 300, negative} -> "-1.5E300"
//   {120000000000000, 3}       -> "1200"
//
// Without a loop over the digits: the 15 digits become text in one 128-bit
// word (digit_text.h) with the count of the digits shown, and each part of
// the layout is that word, shifted, stored at once.
// The fixed-size copies write up to kNumberTextRoom bytes from the start,
// beyond the end of the text; the caller gives that room and moves on from
// the returned end.
#pragma once

#include <cstddef>
#include <string_view>

#include "numbers/shown_digits.h"

namespace quorvane {

// The longest number text: "-", a digit, a separator of four bytes, 14
// digits, "E-324".
inline constexpr std::size_t kLongestNumberText = 25;

// The bytes a writer below may touch from its start.
inline constexpr std::size_t kNumberTextRoom = 48;

// The decimal separator, one character of one to four UTF-8 bytes, ready to
// be copied as one word.
class SeparatorBytes {
 public:
  // A separator of 0 or more than 4 bytes is a programming error.
  explicit SeparatorBytes(std::string_view separator);

  char* Put(char* out) const;

 private:
  char bytes_[4] = {};
  std::size_t size_ = 0;
};

// Writes the text of `digits` at `out` and returns its end.
char* PutGeneralFormat(const ShownDigits& digits, const SeparatorBytes& separator, char* out);

}  // namespace quorvane
