// File > Export chart...: the chart as it is on screen (zoom included), in
// the file type of the name's extension, case ignored:
//   .png  a picture at twice the on-screen resolution;
//   .svg  a vector drawing (Qt SVG);
//   .pdf  a vector PDF page the size of the chart.
#pragma once

#include <QChartView>
#include <QIODevice>
#include <QString>
#include <optional>

namespace quorvane {

enum class ChartFileType { kPng, kSvg, kPdf };

// The type of "chart.PNG" is kPng; "chart.txt" and "chart" have none.
std::optional<ChartFileType> ChartFileTypeOf(const QString& path);

// The filters of the export dialog, one per type.
QStringList ChartFileFilters();

// Draws the chart into the device; false when the picture could not be
// written.
bool WriteChart(QChartView& view, ChartFileType type, QIODevice& device);

// Draws the chart's scene into `target` of a painter: vector where the
// painter's device is.
void PaintChart(QChartView& view, QPainter& painter, const QRectF& target);

}  // namespace quorvane
