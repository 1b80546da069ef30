#include "analysis/half_maximum.h"

#include <cstddef>
#include <optional>

#include "numbers/extended.h"

namespace quorvane {
namespace {

// Strictly greater replaces: equal maxima keep the first, and a profile
// without a positive value has the peak +0.
double FindPeak(std::span<const double> values) {
  double peak = 0;
  for (const double value : values) {
    if (peak < value) peak = value;
  }
  return peak;
}

// A value exactly at the half level stops the walk: it lies inside the width.
std::optional<std::size_t> WalkInFromLeft(std::span<const double> values, double half_level) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!(half_level > values[i])) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> WalkInFromRight(std::span<const double> values, double half_level) {
  for (std::size_t i = values.size(); i-- > 0;) {
    if (!(half_level > values[i])) return i;
  }
  return std::nullopt;
}

}  // namespace

HalfMaximumResult MeasureHalfMaximum(std::span<const double> positions,
                                     std::span<const double> values) {
  HalfMaximumResult result;
  result.Peak = FindPeak(values);
  const double half_level = result.Peak / 2;  // exact but for a subnormal peak
  const std::optional<std::size_t> left = WalkInFromLeft(values, half_level);
  if (!left) return result;
  const std::size_t right = *WalkInFromRight(values, half_level);
  result.HasWidth = true;
  result.LeftEdge = positions[*left];
  result.RightEdge = positions[right];
  // Formed at extended precision, rounded once when stored; neither can
  // overflow: the sum of two doubles halved stays in range.
  result.FWHM = StoreDouble(Subtract(result.RightEdge, result.LeftEdge));
  result.Centre = StoreDouble(Divide(Add(result.RightEdge, result.LeftEdge), 2));
  return result;
}

}  // namespace quorvane
