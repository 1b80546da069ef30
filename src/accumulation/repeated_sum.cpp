#include "accumulation/repeated_sum.h"

#include <cmath>

namespace quorvane {
namespace {

double Step(double sum, Extended term) { return StoreDouble(Add(sum, term)); }

// The steps left to jump from `sum`, which has just taken a settled step of
// `increment` inside the binade ending at `top`: as many as keep every
// jumped step's exact sum, and the sum after the jump, below `top`, less a
// margin of two for the rounding of this estimate.
std::int64_t StepsWithinBinade(double sum, double increment, Extended term, Extended top,
                               std::int64_t left) {
  const Extended room = top - sum;  // exact: both on the binade's grid
  const Extended steps = Floor((room - term) / increment) - 2;
  if (!(steps > 0)) return 0;
  return steps < static_cast<Extended>(left) ? TruncateTowardZero(steps) : left;
}

// The sum of a positive term.
double RepeatedPositiveSum(Extended term, std::int64_t count) {
  double sum = 0;
  std::int64_t left = count;
  int binade = 0;
  int settled_steps = 0;  // consecutive steps inside `binade`
  while (left > 0) {
    const double before = sum;
    sum = Step(sum, term);
    --left;
    if (sum == before) break;  // the increment rounds away: nothing changes any more

    // The step stayed inside the binade of `before` when its extended sum
    // did; the rounding is monotone, so that proves the exact sum did too.
    const int exponent = before > 0 ? std::ilogb(before) : 0;
    const Extended top = ScaleByPowerOf2(Extended{1}, exponent + 1);
    if (!(before > 0) || !(Add(before, term) < top)) {
      settled_steps = 0;
      continue;
    }
    if (settled_steps == 0 || exponent != binade) {
      binade = exponent;
      settled_steps = 0;
    }
    if (++settled_steps < 2) continue;

    // Two steps inside one binade: the parity is settled and this step's
    // increment repeats until the exact sum reaches the binade's end.
    const double increment = sum - before;  // exact (Sterbenz)
    const std::int64_t jump = StepsWithinBinade(sum, increment, term, top, left);
    if (jump > 0) {
      sum = StoreDouble(sum + static_cast<Extended>(jump) * increment);  // exact on the grid
      left -= jump;
    }
    settled_steps = 0;
  }
  return sum;
}

}  // namespace

double RepeatedSumReference(Extended term, std::int64_t count) {
  double sum = 0;
  for (std::int64_t k = 0; k < count; ++k) sum = Step(sum, term);
  return sum;
}

double RepeatedSum(Extended term, std::int64_t count) {
  if (count <= 0 || term == 0) return 0.0;  // +0 + (+/-0) stays +0
  // Rounding to nearest is symmetric: the sum of -t is minus the sum of t.
  if (term < 0) return -RepeatedPositiveSum(-term, count);
  return RepeatedPositiveSum(term, count);
}

}  // namespace quorvane
