#include "app/zoomable_chart_view.h"

#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QRubberBand>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/axis_scaling.h"

namespace quorvane {
namespace {

// A drag shorter than this each way is a click, not a rectangle.
constexpr int kSmallestDrag = 4;

QValueAxis* FirstValueAxis(const QChart& chart, Qt::Orientation orientation) {
  for (QAbstractAxis* axis : chart.axes(orientation)) {
    if (auto* values = qobject_cast<QValueAxis*>(axis)) return values;
  }
  return nullptr;
}

// Shows [min, max] where it is a usable range; a zoom too deep for doubles
// leaves the axis as it is.
void ShowIfUsable(QValueAxis* axis, double min, double max) {
  if (axis == nullptr || !std::isfinite(min) || !std::isfinite(max) || !(min < max)) return;
  ShowAxisRange(*axis, min, max);
}

// The plot area and the axis ranges, for going between viewport pixels and
// values.
struct PlotFrame {
  QRectF area;
  QValueAxis* x = nullptr;
  QValueAxis* y = nullptr;

  bool usable() const { return x != nullptr && y != nullptr && area.width() > 0; }
  QPointF ValueAt(QPointF position) const {
    return {x->min() + (position.x() - area.left()) / area.width() * (x->max() - x->min()),
            y->min() + (area.bottom() - position.y()) / area.height() * (y->max() - y->min())};
  }
  QPointF PositionOf(QPointF value) const {
    return {area.left() + (value.x() - x->min()) / (x->max() - x->min()) * area.width(),
            area.bottom() - (value.y() - y->min()) / (y->max() - y->min()) * area.height()};
  }
};

PlotFrame FrameOf(const QChartView& view) {
  const QChart& chart = *view.chart();
  PlotFrame frame;
  frame.area = view.viewportTransform().mapRect(chart.mapRectToScene(chart.plotArea()));
  frame.x = FirstValueAxis(chart, Qt::Horizontal);
  frame.y = FirstValueAxis(chart, Qt::Vertical);
  return frame;
}

double DistanceToSegment(QPointF from, QPointF to, QPointF position) {
  const QPointF along = to - from;
  const double squared = QPointF::dotProduct(along, along);
  const double t = squared > 0
                       ? std::clamp(QPointF::dotProduct(position - from, along) / squared, 0.0, 1.0)
                       : 0.0;
  return QLineF(from + t * along, position).length();
}

// The distance in pixels from `position` to the line through the points.
double DistanceToLine(const PlotFrame& frame, const QList<QPointF>& points, QPointF position) {
  double nearest = std::numeric_limits<double>::infinity();
  QPointF previous = frame.PositionOf(points.first());
  nearest = QLineF(previous, position).length();
  for (qsizetype i = 1; i < points.size(); ++i) {
    const QPointF next = frame.PositionOf(points[i]);
    nearest = std::min(nearest, DistanceToSegment(previous, next, position));
    previous = next;
  }
  return nearest;
}

QString DefaultPointText(const QLineSeries&, QPointF point) {
  return QStringLiteral("%1\n%2").arg(point.x()).arg(point.y());
}

}  // namespace

ZoomableChartView::ZoomableChartView(QChart* chart, QWidget* parent)
    : QChartView(chart, parent), point_text_(DefaultPointText) {
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  setDragMode(QGraphicsView::NoDrag);
  setRubberBand(QChartView::NoRubberBand);
}

ZoomableChartView::~ZoomableChartView() = default;

void ZoomableChartView::ZoomAbout(QPointF position, double factor) {
  const PlotFrame frame = FrameOf(*this);
  if (!frame.usable() || !(factor > 0)) return;
  const QPointF centre = frame.ValueAt(position);
  ShowIfUsable(frame.x, centre.x() - (centre.x() - frame.x->min()) / factor,
               centre.x() + (frame.x->max() - centre.x()) / factor);
  ShowIfUsable(frame.y, centre.y() - (centre.y() - frame.y->min()) / factor,
               centre.y() + (frame.y->max() - centre.y()) / factor);
}

void ZoomableChartView::ZoomInto(const QRectF& rectangle) {
  const PlotFrame frame = FrameOf(*this);
  if (!frame.usable()) return;
  const QRectF inside = rectangle.normalized().intersected(frame.area);
  if (inside.isEmpty()) return;
  const QPointF top_left = frame.ValueAt(inside.topLeft());
  const QPointF bottom_right = frame.ValueAt(inside.bottomRight());
  ShowIfUsable(frame.x, top_left.x(), bottom_right.x());
  ShowIfUsable(frame.y, bottom_right.y(), top_left.y());
}

void ZoomableChartView::PanBy(QPointF distance) {
  const PlotFrame frame = FrameOf(*this);
  if (!frame.usable()) return;
  const double dx = distance.x() / frame.area.width() * (frame.x->max() - frame.x->min());
  const double dy = distance.y() / frame.area.height() * (frame.y->max() - frame.y->min());
  ShowIfUsable(frame.x, frame.x->min() - dx, frame.x->max() - dx);
  ShowIfUsable(frame.y, frame.y->min() + dy, frame.y->max() + dy);
}

void ZoomableChartView::ResetZoom() { ScaleAxesToData(*chart()); }

QString ZoomableChartView::HoverText(QPointF position) const {
  const PlotFrame frame = FrameOf(*this);
  if (!frame.usable() || !frame.area.adjusted(-1, -1, 1, 1).contains(position)) return QString();
  // The curve whose line passes nearest, then its sample nearest to the
  // cursor.
  const QLineSeries* nearest_series = nullptr;
  double nearest_line = kHoverDistance;
  for (QAbstractSeries* abstract : chart()->series()) {
    const auto* series = qobject_cast<const QLineSeries*>(abstract);
    if (series == nullptr || !series->isVisible() || series->count() == 0) continue;
    const double distance = DistanceToLine(frame, series->points(), position);
    if (distance <= nearest_line) {
      nearest_line = distance;
      nearest_series = series;
    }
  }
  if (nearest_series == nullptr) return QString();
  QPointF nearest_point;
  double nearest = std::numeric_limits<double>::infinity();
  for (const QPointF& point : nearest_series->points()) {
    const double distance = QLineF(frame.PositionOf(point), position).length();
    if (distance < nearest) {
      nearest = distance;
      nearest_point = point;
    }
  }
  return point_text_(*nearest_series, nearest_point);
}

void ZoomableChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    zoom_start_ = event->position().toPoint();
    if (!rubber_band_)
      rubber_band_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle, viewport());
    rubber_band_->setGeometry(QRect(*zoom_start_, QSize()));
    rubber_band_->show();
  } else if (event->button() == Qt::RightButton) {
    pan_last_ = event->position();
  } else {
    QChartView::mousePressEvent(event);
    return;
  }
  event->accept();
}

void ZoomableChartView::mouseMoveEvent(QMouseEvent* event) {
  if (zoom_start_.has_value()) {
    rubber_band_->setGeometry(QRect(*zoom_start_, event->position().toPoint()).normalized());
  } else if (pan_last_.has_value()) {
    PanBy(event->position() - *pan_last_);
    pan_last_ = event->position();
  } else {
    ShowHoverText(event);
  }
  event->accept();
}

void ZoomableChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && zoom_start_.has_value()) {
    const QPoint start = *zoom_start_;
    const QPoint end = event->position().toPoint();
    zoom_start_.reset();
    rubber_band_->hide();
    if (end.x() < start.x() && end.y() < start.y()) {
      ResetZoom();
    } else if (std::abs(end.x() - start.x()) >= kSmallestDrag &&
               std::abs(end.y() - start.y()) >= kSmallestDrag) {
      ZoomInto(QRectF(start, end));
    }
  } else if (event->button() == Qt::RightButton && pan_last_.has_value()) {
    pan_last_.reset();
  } else {
    QChartView::mouseReleaseEvent(event);
    return;
  }
  event->accept();
}

void ZoomableChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QChartView::mouseDoubleClickEvent(event);
    return;
  }
  ResetZoom();
  event->accept();
}

void ZoomableChartView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) ZoomAbout(event->position(), std::pow(kWheelZoomPerNotch, notches));
  event->accept();
}

void ZoomableChartView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
    ResetZoom();
    event->accept();
    return;
  }
  QChartView::keyPressEvent(event);
}

void ZoomableChartView::ShowHoverText(QMouseEvent* event) {
  const QString text = HoverText(event->position());
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), text, this);
  }
}

}  // namespace quorvane
