#include "app/chart_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace quorvane {
namespace {

constexpr int kPngScale = 2;
// Screen pixels to PDF points, at the 96 pixels per inch of a desktop.
constexpr int kScreenDotsPerInch = 96;

bool WritePng(QChartView& view, QIODevice& device) {
  QImage image(view.size() * kPngScale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(kPngScale);
  image.fill(view.backgroundBrush().color());
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintChart(view, painter, QRectF(QPointF(0, 0), view.size()));
  }
  return image.save(&device, "PNG");
}

bool WriteSvg(QChartView& view, QIODevice& device) {
  QSvgGenerator svg;
  svg.setOutputDevice(&device);
  svg.setSize(view.size());
  svg.setViewBox(QRect(QPoint(0, 0), view.size()));
  svg.setTitle(QStringLiteral("Quorvane chart"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  PaintChart(view, painter, QRectF(QPointF(0, 0), view.size()));
  return painter.end();
}

bool WritePdf(QChartView& view, QIODevice& device) {
  QPdfWriter pdf(&device);
  pdf.setTitle(QStringLiteral("Quorvane chart"));
  pdf.setCreator(QStringLiteral("Quorvane"));
  pdf.setResolution(kScreenDotsPerInch);
  const QSizeF points = QSizeF(view.size()) * 72.0 / kScreenDotsPerInch;
  pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                QMarginsF(), QPageLayout::Point));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  PaintChart(view, painter, QRectF(QPointF(0, 0), view.size()));
  return painter.end();
}

}  // namespace

std::optional<ChartFileType> ChartFileTypeOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("png")) return ChartFileType::kPng;
  if (suffix == QStringLiteral("svg")) return ChartFileType::kSvg;
  if (suffix == QStringLiteral("pdf")) return ChartFileType::kPdf;
  return std::nullopt;
}

QStringList ChartFileFilters() {
  return {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
          QStringLiteral("PDF document (*.pdf)")};
}

bool WriteChart(QChartView& view, ChartFileType type, QIODevice& device) {
  switch (type) {
    case ChartFileType::kPng:
      return WritePng(view, device);
    case ChartFileType::kSvg:
      return WriteSvg(view, device);
    case ChartFileType::kPdf:
      return WritePdf(view, device);
  }
  return false;
}

void PaintChart(QChartView& view, QPainter& painter, const QRectF& target) {
  QGraphicsScene& scene = *view.scene();
  scene.render(&painter, target, view.mapToScene(view.viewport()->rect()).boundingRect(),
               Qt::KeepAspectRatio);
}

}  // namespace quorvane
