// The digits that pass between the stages of the number text:
//   EighteenDigits(2.75)      -> {significand 275000000000000000, exponent 0}
//   RoundToShownDigits        -> {digits 275000000000000, exponent 0}
//   PutGeneralFormat          -> "2.75"
// Each stage has its header: eighteen_digits.h, shown_digits.h,
// general_format.h.
#pragma once

#include <cstdint>

namespace quorvane {

// A non-zero value as 18 significant digits, held as one integer, and the
// decimal exponent of the first: value ~ significand x 10^(exponent - 17),
// 10^17 <= significand < 10^18 (d.ddd x 10^exponent).
// (Sixteen bytes, so that it is returned in registers.)
struct DecimalDigits {
  std::uint64_t significand = 0;
  int exponent = 0;
  bool negative = false;

  friend bool operator==(const DecimalDigits&, const DecimalDigits&) = default;
};

inline constexpr std::uint64_t kSmallestEighteenDigits = 100'000'000'000'000'000;

}  // namespace quorvane
