#include "workspace/curve.h"

#include <algorithm>

namespace quorvane {

void Curve::AddPoint(double x, double y) {
  if (points_.empty() || points_.back().x <= x) {
    points_.push_back({x, y});  // the common case: positions ascend
    return;
  }
  const auto after =
      std::upper_bound(points_.begin(), points_.end(), x,
                       [](double value, const CurvePoint& p) { return value < p.x; });
  points_.insert(after, {x, y});
}

}  // namespace quorvane
