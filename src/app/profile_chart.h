// Chart1 with its five curves: the red measured profile (Series1), the green
// accumulated profile (Series2) and three curves no action writes (Series3
// to Series5), which stay empty. Title "Quorvane" in blue, legend hidden,
// two value axes that scale to the data. The mouse zooms and pans it
// (ZoomableChartView).
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QLocale>
#include <array>

#include "app/zoomable_chart_view.h"

namespace quorvane {

inline constexpr int kChartCurves = 5;

struct ProfileChart {
  ZoomableChartView* view;
  std::array<QLineSeries*, kChartCurves> series;
};

ProfileChart CreateProfileChart(QWidget* parent);

// The locale of the axis labels: the system's decimal separator, as in the
// result fields, and no thousands separators, which a reader whose decimal
// separator is the comma would take for one: "-2000", not "-2,000".
QLocale ChartNumberLocale();

}  // namespace quorvane
