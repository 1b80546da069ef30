#include "app/axis_scaling.h"

#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace quorvane {
namespace {

constexpr double kMostSteps = 8;
constexpr double kSmallestRelativeStep = 1e-9;

struct Extent {
  double min = std::numeric_limits<double>::infinity();
  double max = -std::numeric_limits<double>::infinity();

  void Take(double value) {
    min = std::min(min, value);
    max = std::max(max, value);
  }
  bool empty() const { return min > max; }
};

struct DataExtent {
  Extent x;
  Extent y;
};

DataExtent ExtentOf(const QChart& chart) {
  DataExtent extent;
  for (QAbstractSeries* series : chart.series()) {
    const auto* xy = qobject_cast<const QXYSeries*>(series);
    if (xy == nullptr) continue;
    for (const QPointF& point : xy->points()) {
      extent.x.Take(point.x());
      extent.y.Take(point.y());
    }
  }
  return extent;
}

DataExtent ExtentOf(std::initializer_list<const Curve*> curves) {
  DataExtent extent;
  for (const Curve* curve : curves) {
    for (const CurvePoint& point : curve->points()) {
      extent.x.Take(point.x);
      extent.y.Take(point.y);
    }
  }
  return extent;
}

// Decimals enough to tell the labels of one step apart.
QString LabelFormat(double interval) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(interval) + 1e-9)));
  return QStringLiteral("%.%1f").arg(decimals);
}

void ScaleAxis(QAbstractAxis* axis, Extent extent) {
  auto* values = qobject_cast<QValueAxis*>(axis);
  if (values == nullptr || extent.empty()) return;
  if (extent.min == extent.max) {
    // One value gives no span: widen it by 1 each way, or by a tenth of the
    // value where 1 would vanish against it.
    const double margin = std::max(1.0, std::abs(extent.min) / 10);
    extent.min -= margin;
    extent.max += margin;
  }
  ShowAxisRange(*values, extent.min, extent.max);
}

}  // namespace

// The axis lays itself out on every change: the new range is set under
// evenly spaced labels, and the steps of the new range are set before they
// are switched on, so that no layout ever divides a range by the step of
// another (the old step of 10 over a new span of 10^16 would make 10^15
// labels).
void ShowAxisRange(QValueAxis& axis, double min, double max) {
  axis.setTickType(QValueAxis::TicksFixed);
  axis.setRange(min, max);
  const double span = max - min;
  const double interval = NiceTickInterval(span);
  const double magnitude = std::max(std::abs(min), std::abs(max));
  if (!std::isfinite(span) || interval < magnitude * kSmallestRelativeStep) {
    // Steps that vanish against the values would never reach the end of the
    // axis: evenly spaced labels instead.
    axis.setLabelFormat(QString());
    return;
  }
  axis.setTickAnchor(0.0);
  axis.setTickInterval(interval);
  axis.setLabelFormat(LabelFormat(interval));
  axis.setTickType(QValueAxis::TicksDynamic);
}

double NiceTickInterval(double span) {
  if (!(span > 0) || !std::isfinite(span)) return 1;
  const double rough = span / kMostSteps;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

namespace {

void ScaleAxesToExtent(QChart& chart, const DataExtent& extent) {
  for (QAbstractAxis* axis : chart.axes(Qt::Horizontal)) ScaleAxis(axis, extent.x);
  for (QAbstractAxis* axis : chart.axes(Qt::Vertical)) ScaleAxis(axis, extent.y);
}

}  // namespace

void ScaleAxesToData(QChart& chart) { ScaleAxesToExtent(chart, ExtentOf(chart)); }

void ScaleAxesToCurves(QChart& chart, std::initializer_list<const Curve*> curves) {
  ScaleAxesToExtent(chart, ExtentOf(curves));
}

}  // namespace quorvane
