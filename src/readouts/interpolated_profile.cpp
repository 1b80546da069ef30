#include "readouts/interpolated_profile.h"

#include <algorithm>
#include <utility>

#include "readouts/readout_calculation.h"

namespace quorvane {
namespace {

bool StrictlyAscending(std::span<const double> positions) {
  return std::adjacent_find(positions.begin(), positions.end(),
                            [](double a, double b) { return !(a < b); }) == positions.end();
}

bool StrictlyDescending(std::span<const double> positions) {
  return std::adjacent_find(positions.begin(), positions.end(),
                            [](double a, double b) { return !(a > b); }) == positions.end();
}

}  // namespace

InterpolatedProfile InterpolatedProfile::Ascending(std::span<const double> positions,
                                                   std::span<const double> values) {
  Require(values.size() >= 2 && positions.size() >= values.size(), kTooFewSamplesNote);
  const std::span<const double> used = positions.first(values.size());
  std::vector<double> z(used.begin(), used.end());
  std::vector<double> v(values.begin(), values.end());
  if (StrictlyDescending(z)) {
    std::reverse(z.begin(), z.end());
    std::reverse(v.begin(), v.end());
  }
  Require(StrictlyAscending(z), kNotMonotonicNote);
  return InterpolatedProfile(std::move(z), std::move(v));
}

std::size_t InterpolatedProfile::SegmentOf(Extended x) const {
  const auto above = std::upper_bound(positions_.begin(), positions_.end(), x,
                                      [](Extended a, double b) { return a < b; });
  const auto index = static_cast<std::size_t>(above - positions_.begin());
  return std::clamp<std::size_t>(index, 1, positions_.size() - 1) - 1;
}

// v_k + (x - z_k)(v_k+1 - v_k) / (z_k+1 - z_k), and the samples' own values
// at their positions.
Extended InterpolatedProfile::ValueInSegment(std::size_t k, Extended x) const {
  if (x == positions_[k]) return values_[k];
  if (x == positions_[k + 1]) return values_[k + 1];
  const Extended rise = Subtract(values_[k + 1], values_[k]);
  const Extended run = Subtract(positions_[k + 1], positions_[k]);
  return Add(values_[k], Divide(Multiply(Subtract(x, positions_[k]), rise), run));
}

Extended InterpolatedProfile::ValueAt(Extended x) const { return ValueInSegment(SegmentOf(x), x); }

Extended InterpolatedProfile::Integral() const {
  bool clipped = false;
  return Integral(first(), last(), clipped);
}

Extended InterpolatedProfile::Integral(Extended a, Extended b, bool& clipped) const {
  clipped = a < first() || b > last();
  const Extended low = std::max<Extended>(a, first());
  const Extended high = std::min<Extended>(b, last());
  Extended sum = 0;
  for (std::size_t k = SegmentOf(low); k + 1 < positions_.size() && positions_[k] < high; ++k) {
    const Extended from = std::max<Extended>(low, positions_[k]);
    const Extended to = std::min<Extended>(high, positions_[k + 1]);
    if (!(from < to)) continue;
    const Extended heights = Add(ValueInSegment(k, from), ValueInSegment(k, to));
    sum = Add(sum, Divide(Multiply(Subtract(to, from), heights), 2));
  }
  return sum;
}

}  // namespace quorvane
