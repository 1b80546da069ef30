// The first stage of the number text: 18 significant digits of a finite
// non-zero double, correctly rounded (an exact tie to the even digit), by one
// multiplication with a cached power of ten; where the multiplication cannot
// prove which way the exact value rounds, the digits come from the exact path
// (std::to_chars) instead. Both give the same digits for every double.
//
// The method. Write the double as v = m x 2^(b - 63), 2^63 <= m < 2^64 (the
// significand moved to the top of a word; subnormals too), so that
// 2^b <= v < 2^(b + 1). With E0 = floor(b x log10 2) we have
// 10^E0 <= 2^b <= v < 2^(b + 1) < 2 x 10^(E0 + 1), hence for k = 17 - E0
//   x = v x 10^k  lies in  [10^17, 2 x 10^18),  below 2^61.
// The 18 digits are round(x) when x < 10^18 (first digit at 10^E0), and
// round(x / 10) otherwise (first digit at 10^(E0 + 1)); a result of exactly
// 10^18 is 10^17 one decade up.
//
// x is formed from the table (powers_of_ten.h): 10^k = (P + t) x 2^q with
// 2^127 <= P < 2^128 and 0 <= t < 1, so x = m (P + t) / 2^s, s = 63 - b - q,
// and s lies between 130 and 135 for every binade (checked when compiling).
// The upper 128 bits of the 192-bit product m x P give
//   X = I + F / 2^64 = floor(m P 2^(64 - s)) / 2^64,
// I the integer part, F the 64 bits after the binary point, and
//   0 <= x - X = m t / 2^s + (m P / 2^s - X) < x / P + 2^-64
//                                            < 2^61 / 2^127 + 2^-64
//                                            < 2 x 2^-64.
// So x lies in [X, X + 2^-63): the error is below two units of F, and only
// upward.
//
// Deciding the rounding. Let f = x - I, which lies in [F, F + 2) / 2^64.
// - x < 10^18 side (I < 10^18), rounding x: F <= 2^63 - 2 gives f < 1/2,
//   round down to I; F > 2^63 gives f > 1/2, round up to I + 1 (f stays
//   below 1 + 2^-63, so I + 1 is the nearest integer).
// - I >= 10^18, rounding x / 10 = n + (r + f) / 10 with I = 10 n + r: r <= 3
//   rounds down to n; r = 4 rounds down when F <= 2^64 - 3 (f < 1); r = 5
//   rounds up to n + 1 when F >= 1 (f > 0); r >= 6 rounds up.
// One rule covers both, on R = the remainder below the kept digits in units
// of 2^-64 (R = F, or r x 2^64 + F) and the half H (2^63, or 5 x 2^64):
// R < H - 2 rounds down, R > H rounds up, and H - 2 <= R <= H goes to the
// exact path (on the first side that window is one unit wider than needed).
// An exact tie x = n + 1/2 (or r + f = 5) always falls in the window, so the
// fast path never has to break a tie; for random doubles the window is met
// about three times in 2^64 numbers.
// If x >= 10^18 while I = 10^18 - 1 (x barely above, X barely below), the
// first side rounds up to 10^18, which becomes 10^17 a decade up: the same
// digits as rounding x / 10. I >= 10^18 implies x >= 10^18, so the decade is
// never too high.
//
// Worked example, v = 0.1 = 0x1.999999999999ap-4 (exactly
// 0.1000000000000000055511151231257827...): m = 0xccccccccccccd000,
// b = -4, E0 = -2, k = 19, P = 10^19 x 2^64 (exact: 5^19 < 2^128), q = -64,
// s = 131; I = 1000000000000000055 >= 10^18, so n = 100000000000000005,
// r = 5, F = 0x82dace9d90000000 >= 1: round up to 100000000000000006 at
// decade -1, "1.00000000000000006E-1". And v = 1 + 2^-18 =
// 1.000003814697265625 is an exact tie at the 18th digit: I =
// 100000381469726562, F = 2^63 = H, so the exact path decides (to the even
// ...562).
#pragma once

#include "numbers/decimal_digits.h"

namespace quorvane {

// 18 significant digits of a finite non-zero double.
//   EighteenDigits(2.75) -> {275000000000000000, 0, positive}
//   EighteenDigits(-0.1) -> {100000000000000006, -1, negative}
//   EighteenDigits(0x1p-1074) -> {494065645841246544, -324, positive}
DecimalDigits EighteenDigits(double value);

// The same digits by the exact path alone: std::to_chars in scientific
// notation with 17 digits after the point. The fast path's fallback, and its
// oracle in the tests.
DecimalDigits EighteenDigitsExact(double value);

}  // namespace quorvane
