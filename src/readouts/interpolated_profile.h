// A sampled profile read as the piecewise-linear interpolant through its
// samples, with strictly ascending positions: the form every readout that
// needs positions works on. Values and integrals are formed at extended
// precision; an integral is the trapezoid rule, exact for the interpolant.
//
// Samples (0, 0), (1, 2), (2, 4), (3, 2), (4, 0): ValueAt(0.5) = 1,
// Integral() = 8, Integral(1, 3) = 6, Integral(-1, 1) = 1 with clipped set.
#pragma once

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "numbers/extended.h"

namespace quorvane {

inline constexpr char kNotMonotonicNote[] = "positions not strictly monotonic";
inline constexpr char kTooFewSamplesNote[] = "fewer than two samples";
inline constexpr char kClippedNote[] = "interval clipped to the measured range";

class InterpolatedProfile {
 public:
  // The samples in ascending order: as given when the positions strictly
  // ascend, both arrays reversed when they strictly descend. Raises
  // Unavailable with kTooFewSamplesNote for fewer than two samples and
  // kNotMonotonicNote otherwise. Reads the first values.size() positions.
  static InterpolatedProfile Ascending(std::span<const double> positions,
                                       std::span<const double> values);

  const std::vector<double>& positions() const { return positions_; }
  const std::vector<double>& values() const { return values_; }
  double first() const { return positions_.front(); }
  double last() const { return positions_.back(); }

  // The interpolant at x; x lies in [first(), last()]. At a sample's
  // position it is that sample's value exactly.
  Extended ValueAt(Extended x) const;

  // ∫ over [first(), last()], segment by segment from the left.
  Extended Integral() const;

  // ∫ over [a, b] ∩ [first(), last()] for a <= b, the pieces summed from the
  // left as Integral() sums them; `clipped` tells whether [a, b] reached
  // beyond the samples.
  Extended Integral(Extended a, Extended b, bool& clipped) const;

 private:
  InterpolatedProfile(std::vector<double> positions, std::vector<double> values)
      : positions_(std::move(positions)), values_(std::move(values)) {}

  // The segment [k, k + 1] that holds x (the first or last one beyond the
  // ends).
  std::size_t SegmentOf(Extended x) const;
  Extended ValueInSegment(std::size_t k, Extended x) const;

  std::vector<double> positions_;
  std::vector<double> values_;
};

}  // namespace quorvane
