// The small chart of the readouts panel: the approach to equilibrium of the
// measured profile, h(L) = the fraction of the profile's integral within
// L / 2 of its centre, over 0 to L_max; a dashed line at the 0.98 level and
// a dashed mark at the equilibrium length L_eq where it is reached. Empty
// where h is unavailable.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <vector>

#include "readouts/equilibrium_approach.h"

namespace quorvane {

class ApproachChart : public QChartView {
  Q_OBJECT

 public:
  // The samples of h drawn over 0 to L_max.
  static constexpr int kCurvePoints = 201;
  static constexpr double kLevel = 0.98;

  explicit ApproachChart(QWidget* parent = nullptr);

  void Show(const MeasuredProfile& profile);
  void Clear();
  void SetNumberLocale(const QLocale& locale);

  const QLineSeries& curve() const { return *curve_; }
  const QLineSeries& level() const { return *level_; }
  const QLineSeries& equilibrium_mark() const { return *mark_; }
  const QValueAxis& length_axis() const { return *length_axis_; }

 private:
  QLineSeries* curve_;
  QLineSeries* level_;
  QLineSeries* mark_;
  QValueAxis* length_axis_;
  QValueAxis* h_axis_;
};

}  // namespace quorvane
