#include "app/chart_curve.h"

#include <QList>
#include <QPointF>

namespace quorvane {

void ChartCurve::RemoveAllPoints() {
  curve_.RemoveAllPoints();
  changed_ = true;
}

void ChartCurve::AddPoint(double x, double y) {
  curve_.AddPoint(x, y);
  changed_ = true;
}

void ChartCurve::EmptySeriesIfChanged() {
  if (changed_) series_->clear();
}

void ChartCurve::Push() {
  if (!changed_) return;
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(curve_.points().size()));
  for (const CurvePoint& point : curve_.points()) points.append(QPointF(point.x, point.y));
  series_->replace(points);
  changed_ = false;
}

}  // namespace quorvane
