#include "app/profile_chart.h"

#include <QBrush>
#include <QPen>
#include <QValueAxis>

#include "app/window_fonts.h"
#include "app/zoomable_chart_view.h"

namespace quorvane {
namespace {

struct CurveLook {
  const char* name;
  QColor colour;
};

// Fast lines: one pixel wide, no marks.
const std::array<CurveLook, kChartCurves>& CurveLooks() {
  static const std::array<CurveLook, kChartCurves> looks = {{
      {"Series1", QColor(255, 0, 0)},
      {"Series2", QColor(0, 128, 0)},
      {"Series3", QColor(0, 128, 0)},
      {"Series4", QColor(255, 128, 0)},
      {"Series5", QColor(128, 0, 255)},
  }};
  return looks;
}

void SetUpTitleAndBackground(QChart& chart, const QColor& background) {
  chart.setTitle(QStringLiteral("Quorvane"));
  chart.setTitleFont(ChartTitleFont());
  chart.setTitleBrush(QBrush(QColor(0, 0, 255)));
  chart.legend()->setFont(ChartLabelFont());
  chart.legend()->setLabelColor(Qt::black);
  chart.legend()->hide();
  chart.setBackgroundBrush(background);
  chart.setBackgroundPen(Qt::NoPen);
  chart.setBackgroundRoundness(0);
  chart.setDropShadowEnabled(false);
  // The back wall is not filled.
  chart.setPlotAreaBackgroundVisible(false);
  // Axis labels use the user's decimal separator, like the result fields.
  chart.setLocalizeNumbers(true);
  chart.setLocale(ChartNumberLocale());
}

QValueAxis* NewAxis(QChart& chart, Qt::Alignment alignment) {
  auto* axis = new QValueAxis(&chart);
  axis->setLabelsFont(ChartLabelFont());
  axis->setLabelsBrush(QBrush(Qt::black));
  axis->setLinePenColor(Qt::black);
  axis->setTitleFont(ChartLabelFont());
  axis->setTitleBrush(QBrush(Qt::black));
  chart.addAxis(axis, alignment);
  return axis;
}

QLineSeries* NewCurve(QChart& chart, const CurveLook& look, QValueAxis* x, QValueAxis* y) {
  auto* series = new QLineSeries(&chart);
  series->setName(QString::fromLatin1(look.name));
  QPen pen(look.colour);
  pen.setWidth(1);
  series->setPen(pen);
  series->setPointsVisible(false);
  series->setPointLabelsVisible(false);
  chart.addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  return series;
}

}  // namespace

QLocale ChartNumberLocale() {
  QLocale locale = QLocale::system();
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale;
}

ProfileChart CreateProfileChart(QWidget* parent) {
  auto* chart = new QChart();
  SetUpTitleAndBackground(*chart, parent->palette().color(QPalette::Button));
  QValueAxis* x = NewAxis(*chart, Qt::AlignBottom);
  QValueAxis* y = NewAxis(*chart, Qt::AlignLeft);

  ProfileChart result{new ZoomableChartView(chart, parent), {}};
  for (std::size_t i = 0; i < CurveLooks().size(); ++i) {
    result.series[i] = NewCurve(*chart, CurveLooks()[i], x, y);
  }
  // A click gives it the keyboard for Home; Tab passes it by.
  result.view->setFocusPolicy(Qt::ClickFocus);
  result.view->setBackgroundBrush(parent->palette().color(QPalette::Button));
  return result;
}

}  // namespace quorvane
