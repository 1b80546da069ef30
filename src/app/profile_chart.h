// Chart1 with its five curves: the red measured profile (Series1), the green
// accumulated profile (Series2) and three curves no action writes (Series3
// to Series5), which stay empty. Title "Quorvane" in blue, legend hidden,
// two value axes that scale to the data.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <array>

namespace quorvane {

inline constexpr int kChartCurves = 5;

struct ProfileChart {
  QChartView* view;
  std::array<QLineSeries*, kChartCurves> series;
};

ProfileChart CreateProfileChart(QWidget* parent);

}  // namespace quorvane
