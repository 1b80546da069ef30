// The chart's axes follow the data, as a chart with automatic axes does: each
// axis spans exactly from the smallest to the largest value of all curves,
// labelled at round steps. With no points on any curve the axes stay as they
// are.
#pragma once

#include <QChart>
#include <QValueAxis>
#include <initializer_list>

#include "workspace/curve.h"

namespace quorvane {

void ScaleAxesToData(QChart& chart);

// The same for the points the curves are about to give the chart's series:
// the axes can take their new ranges before the series receive the points.
void ScaleAxesToCurves(QChart& chart, std::initializer_list<const Curve*> curves);

// Shows the axis from `min` to `max` (min < max), labelled at the round
// steps of NiceTickInterval: what ScaleAxesToData does for each axis, and
// what a zoom or a pan does for the part of the data it shows.
void ShowAxisRange(QValueAxis& axis, double min, double max);

// The label step for an axis span: 1, 2 or 5 times a power of ten, the
// smallest that needs at most eight steps. NiceTickInterval(60) -> 10,
// NiceTickInterval(25) -> 5, NiceTickInterval(0.3) -> 0.05.
double NiceTickInterval(double span);

}  // namespace quorvane
