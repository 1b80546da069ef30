// The peak and the full width at half maximum of a sampled profile, measured
// on the samples alone: the edges are the outermost samples at or above half
// the peak, found by walking in from both ends, and nothing is interpolated.
//
// Values 1, 3, 4, 3, 1 at positions 0 to 4: Peak 4, half level 2, edges at
// the samples with value 3, LeftEdge 1, RightEdge 3, FWHM 2, Centre 2.
#pragma once

#include <span>

namespace quorvane {

struct HalfMaximumResult {
  // The largest of 0 and all values: positive zero or a copy of one value.
  double Peak = 0;
  // False where no sample reaches the half level (no samples, or all values
  // negative); then the edges, FWHM and Centre are not defined and stay 0.
  bool HasWidth = false;
  double LeftEdge = 0;   // position of the first sample at or above Peak / 2
  double RightEdge = 0;  // position of the last sample at or above Peak / 2
  double FWHM = 0;       // RightEdge - LeftEdge, negative for descending positions
  double Centre = 0;     // (LeftEdge + RightEdge) / 2
};

// Reads positions and values at indices 0 to values.size() - 1 only;
// positions must be at least as long as values.
HalfMaximumResult MeasureHalfMaximum(std::span<const double> positions,
                                     std::span<const double> values);

}  // namespace quorvane
