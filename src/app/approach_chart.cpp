#include "app/approach_chart.h"

#include <QPen>
#include <algorithm>

#include "app/axis_scaling.h"
#include "app/profile_chart.h"

namespace quorvane {
namespace {

QLineSeries* NewLine(QChart& chart, const QColor& colour, Qt::PenStyle style, const QString& name) {
  auto* series = new QLineSeries(&chart);
  series->setName(name);
  QPen pen(colour);
  pen.setWidthF(style == Qt::SolidLine ? 1.5 : 1);
  pen.setStyle(style);
  series->setPen(pen);
  chart.addSeries(series);
  return series;
}

QValueAxis* NewAxis(QChart& chart, Qt::Alignment alignment, const QString& title) {
  auto* axis = new QValueAxis(&chart);
  axis->setTitleText(title);
  QFont font = axis->labelsFont();
  font.setPixelSize(10);
  axis->setLabelsFont(font);
  axis->setTitleFont(font);
  chart.addAxis(axis, alignment);
  return axis;
}

}  // namespace

ApproachChart::ApproachChart(QWidget* parent) : QChartView(new QChart(), parent) {
  QChart& chart = *this->chart();
  chart.setTitle(QStringLiteral("Approach to equilibrium h(L)"));
  QFont title = chart.titleFont();
  title.setPixelSize(11);
  title.setBold(true);
  chart.setTitleFont(title);
  chart.legend()->hide();
  chart.setMargins(QMargins(2, 2, 2, 2));
  chart.setBackgroundRoundness(0);
  chart.setLocalizeNumbers(true);
  chart.setLocale(ChartNumberLocale());
  curve_ = NewLine(chart, QColor(0, 0, 192), Qt::SolidLine, QStringLiteral("h(L)"));
  level_ = NewLine(chart, QColor(96, 96, 96), Qt::DashLine, QStringLiteral("0.98"));
  mark_ = NewLine(chart, QColor(200, 0, 0), Qt::DashLine, QStringLiteral("L_eq"));
  length_axis_ = NewAxis(chart, Qt::AlignBottom, QStringLiteral("L (mm)"));
  h_axis_ = NewAxis(chart, Qt::AlignLeft, QStringLiteral("h"));
  for (QLineSeries* series : {curve_, level_, mark_}) {
    series->attachAxis(length_axis_);
    series->attachAxis(h_axis_);
  }
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::NoFocus);
  Clear();
}

void ApproachChart::Show(const MeasuredProfile& profile) {
  const std::vector<ApproachPoint> points = EquilibriumApproachCurve(profile, kCurvePoints);
  if (points.empty()) {
    Clear();
    return;
  }
  QList<QPointF> curve;
  double h_min = 0;
  double h_max = 1;
  for (const ApproachPoint& point : points) {
    curve.append(QPointF(point.length_mm, point.h));
    h_min = std::min(h_min, point.h);
    h_max = std::max(h_max, point.h);
  }
  curve_->replace(curve);
  const double l_max = points.back().length_mm;
  level_->replace({QPointF(0, kLevel), QPointF(l_max, kLevel)});
  const ApproachLimits limits = EquilibriumApproachLimits(profile);
  if (limits.equilibrium_length_98_mm.has_value()) {
    const double l_eq = *limits.equilibrium_length_98_mm;
    mark_->replace({QPointF(l_eq, h_min), QPointF(l_eq, kLevel)});
  } else {
    mark_->clear();
  }
  if (l_max > 0) ShowAxisRange(*length_axis_, 0, l_max);
  ShowAxisRange(*h_axis_, h_min, h_max);
}

void ApproachChart::Clear() {
  curve_->clear();
  level_->clear();
  mark_->clear();
  ShowAxisRange(*length_axis_, 0, 1);
  ShowAxisRange(*h_axis_, 0, 1);
}

void ApproachChart::SetNumberLocale(const QLocale& locale) { chart()->setLocale(locale); }

}  // namespace quorvane
