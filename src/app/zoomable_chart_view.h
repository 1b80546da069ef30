// A chart view that the mouse explores, as a plotting component of a
// measurement program does by default:
//  - drag a rectangle with the left button to zoom into it; a drag up and
//    to the left instead resets to the full view;
//  - drag with the right button to pan;
//  - double-click, or Home while the chart has the focus (a click gives it),
//    resets to the full view;
//  - the wheel zooms in (away from you) or out about the point under the
//    cursor;
//  - resting over a curve (its line within kHoverDistance pixels) shows the
//    curve's sample nearest to the cursor as a tooltip.
// "The full view" is what ScaleAxesToData shows: every point of every curve.
// Zooming and panning work on the value axes directly, so the labels keep
// their round steps for the part of the data in view.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QRubberBand;

namespace quorvane {

class ZoomableChartView : public QChartView {
  Q_OBJECT

 public:
  // The tooltip text for a point of a curve.
  using PointText = std::function<QString(const QLineSeries& series, QPointF point)>;

  // The largest distance in pixels from the cursor to a curve's line that
  // still counts as resting over the curve.
  static constexpr double kHoverDistance = 12;
  // The zoom of one wheel notch (120 eighths of a degree).
  static constexpr double kWheelZoomPerNotch = 1.25;

  explicit ZoomableChartView(QChart* chart, QWidget* parent = nullptr);
  ~ZoomableChartView() override;

  void set_point_text(PointText point_text) { point_text_ = std::move(point_text); }

  // Shows the values from the value axes' old ranges scaled by 1 / factor
  // about the value under `position` (view coordinates): factor 2 halves
  // both spans, the value under the position stays where it is.
  void ZoomAbout(QPointF position, double factor);
  // Shows the part of the data inside the rectangle (view coordinates).
  void ZoomInto(const QRectF& rectangle);
  // Moves the view by a distance in pixels: the data follows the mouse.
  void PanBy(QPointF distance);
  void ResetZoom();

  // The text the tooltip shows for the cursor at `position`, empty when it
  // rests over no curve.
  QString HoverText(QPointF position) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowHoverText(QMouseEvent* event);

  PointText point_text_;
  std::unique_ptr<QRubberBand> rubber_band_;
  std::optional<QPoint> zoom_start_;
  std::optional<QPointF> pan_last_;
};

}  // namespace quorvane
