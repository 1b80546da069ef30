// One curve that an action writes, between the core and the chart. The core's
// Curve keeps the points in ascending x as the action adds them; the chart's
// series receives them in one batch when the action has ended, since a chart
// series redraws on every single point it is given.
#pragma once

#include <QLineSeries>

#include "workspace/curve.h"

namespace quorvane {

class ChartCurve {
 public:
  explicit ChartCurve(QLineSeries* series) : series_(series) {}

  void RemoveAllPoints();
  void AddPoint(double x, double y);

  // Empties the series when the points changed since the last push, so that
  // the axes can be rescaled without the series redrawing its old points.
  void EmptySeriesIfChanged();
  // Hands the points to the series when they changed since the last time.
  void Push();

  const Curve& curve() const { return curve_; }

 private:
  QLineSeries* series_;
  Curve curve_;
  bool changed_ = false;
};

}  // namespace quorvane
