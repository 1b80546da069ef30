// The chart's axes follow the points of all its curves and are labelled at
// round steps.
#include <QChartView>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "app/axis_scaling.h"

class AxisScalingTest : public QObject {
  Q_OBJECT

 private slots:
  void roundSteps_data();
  void roundSteps();
  void axesSpanTheData_data();
  void axesSpanTheData();
  void farJumpOfShownAxis();
};

void AxisScalingTest::roundSteps_data() {
  QTest::addColumn<double>("span");
  QTest::addColumn<double>("step");
  QTest::newRow("profile positions, 60 mm") << 60.0 << 10.0;
  QTest::newRow("dose rates up to 25") << 25.0 << 5.0;
  QTest::newRow("exactly eight steps") << 8.0 << 1.0;
  QTest::newRow("just above eight steps") << 8.5 << 2.0;
  QTest::newRow("small") << 0.3 << 0.05;
  QTest::newRow("accumulated positions") << 1499.5 << 200.0;
  QTest::newRow("no span") << 0.0 << 1.0;
}

void AxisScalingTest::roundSteps() {
  QFETCH(double, span);
  QFETCH(double, step);
  QCOMPARE(quorvane::NiceTickInterval(span), step);
}

void AxisScalingTest::axesSpanTheData_data() {
  QTest::addColumn<QList<QPointF>>("first");
  QTest::addColumn<QList<QPointF>>("second");
  QTest::addColumn<QRectF>("range");  // x from left to right, y from top to bottom
  QTest::newRow("one curve") << QList<QPointF>{{-30, 0.03}, {30, 24.6}} << QList<QPointF>{}
                             << QRectF(QPointF(-30, 0.03), QPointF(30, 24.6));
  QTest::newRow("both curves") << QList<QPointF>{{-30, 0.5}, {30, 24.6}}
                               << QList<QPointF>{{-100, 2}, {100, 50}}
                               << QRectF(QPointF(-100, 0.5), QPointF(100, 50));
  QTest::newRow("a single point") << QList<QPointF>{{5, 0}} << QList<QPointF>{}
                                  << QRectF(QPointF(4, -1), QPointF(6, 1));
  QTest::newRow("values far beyond their span")
      << QList<QPointF>{{1e300, 1}, {1e300 * (1 + 1e-15), 2}} << QList<QPointF>{}
      << QRectF(QPointF(1e300, 1), QPointF(1e300 * (1 + 1e-15), 2));
}

void AxisScalingTest::axesSpanTheData() {
  QFETCH(QList<QPointF>, first);
  QFETCH(QList<QPointF>, second);
  QFETCH(QRectF, range);
  QChart chart;
  auto* x = new QValueAxis;
  auto* y = new QValueAxis;
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (const QList<QPointF>& points : {first, second}) {
    auto* series = new QLineSeries;
    series->replace(points);
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  }

  quorvane::ScaleAxesToData(chart);

  QCOMPARE(x->min(), range.left());
  QCOMPARE(x->max(), range.right());
  QCOMPARE(y->min(), range.top());
  QCOMPARE(y->max(), range.bottom());
}

// A chart on screen that showed positions of -30 to 30 mm, labelled every
// 10 mm, then a profile whose one position is 59 252 145 726 364 591 mm: the
// chart lays out the new range with the new step of 2e15, never with the old
// step of 10 (some 10^15 labels, which crashed the chart).
void AxisScalingTest::farJumpOfShownAxis() {
  auto* chart = new QChart;
  auto* x = new QValueAxis;
  auto* y = new QValueAxis;
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  auto* series = new QLineSeries;
  series->replace({{-30, 0.03}, {30, 24.6}});
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  QChartView view(chart);
  view.resize(457, 297);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  quorvane::ScaleAxesToData(*chart);
  QCOMPARE(x->tickInterval(), 10.0);

  const double position = 59252145726364591.0;
  series->replace({{position, 1}});
  quorvane::ScaleAxesToData(*chart);
  QCoreApplication::processEvents();

  QCOMPARE(x->min(), position - position / 10);
  QCOMPARE(x->max(), position + position / 10);
  QCOMPARE(x->tickInterval(), 2e15);
  QCOMPARE(x->tickType(), QValueAxis::TicksDynamic);
}

QTEST_MAIN(AxisScalingTest)
#include "axis_scaling_test.moc"
