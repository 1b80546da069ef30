// The dose of a sample that one value reaches many times: an axial series
// with table increment 0 lands every rotation on the same samples.
//
// The running sum s goes s = (double)((extended)s + t), `count` times from
// +0. Within one binade of s (with s + t in the same binade) the extended
// and the double rounding grids are fixed and s is on both, so after at most
// one step that settles the tie-to-even parity, every step adds the same
// increment: the sum can jump to near the binade's end at once. The sum
// stops changing when the increment rounds away, and then the loop ends.
// The result is bit for bit that of the plain loop, and the overflow error
// comes exactly where the plain loop raises it.
//   RepeatedSum(0.1L, 3) == (double)((double)((double)(0 + 0.1L) + 0.1L) + 0.1L)
#pragma once

#include <cstdint>

#include "numbers/extended.h"

namespace quorvane {

// The plain loop: count additions.
double RepeatedSumReference(Extended term, std::int64_t count);

// The same result in a few hundred additions at most, whatever the count.
double RepeatedSum(Extended term, std::int64_t count);

}  // namespace quorvane
