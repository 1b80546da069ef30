// The points of one chart curve, kept in ascending order of x as the chart
// draws them: a point goes after the last point whose x is less than or equal
// to its own, so points of equal x keep the order in which they were added.
// A profile measured over descending positions is thus drawn from left to
// right, while its samples keep their table order elsewhere.
#pragma once

#include <vector>

namespace quorvane {

// Series1 is the measured profile curve (red), Series2 the accumulated
// profile curve (green). Series3 to Series5 exist only on the chart, empty.
enum class CurveId { kSeries1, kSeries2 };

struct CurvePoint {
  double x;
  double y;
  friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

class Curve {
 public:
  void RemoveAllPoints() { points_.clear(); }
  void AddPoint(double x, double y);

  const std::vector<CurvePoint>& points() const { return points_; }

 private:
  std::vector<CurvePoint> points_;
};

}  // namespace quorvane
