#include "app/report_pdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

#include "app/chart_export.h"

namespace quorvane {
namespace {

// Device units are points: 72 to the inch.
constexpr int kPointsPerInch = 72;
constexpr double kMarginMm = 15;
constexpr double kBodyPoints = 8.5;
constexpr double kTablePoints = 7;
constexpr double kTitlePoints = 15;
constexpr double kChartPoints = 230;

QFont ReportFont(double points, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
  font.setPointSizeF(points);
  font.setBold(bold);
  // No ligatures: "fi" stays two letters that a search for "profile" finds.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// Lays the page out from top to bottom.
class PageWriter {
 public:
  PageWriter(QPainter& painter, QRectF page) : painter_(painter), page_(page), y_(page.top()) {}

  void Line(const QString& text, const QFont& font, double space_after = 2) {
    painter_.setFont(font);
    const QRectF box(page_.left(), y_, page_.width(), page_.bottom() - y_);
    const QRectF used = painter_.boundingRect(box, Qt::AlignLeft | Qt::TextWrapAnywhere, text);
    painter_.drawText(box, Qt::AlignLeft | Qt::TextWrapAnywhere, text);
    y_ += used.height() + space_after;
  }

  void Pairs(const std::vector<std::pair<QString, QString>>& pairs) {
    painter_.setFont(ReportFont(kBodyPoints));
    const QFontMetricsF metrics(painter_.font());
    double x = page_.left();
    for (const auto& [caption, text] : pairs) {
      const QString item = caption + QStringLiteral("  ") + text;
      painter_.drawText(QPointF(x, y_ + metrics.ascent()), item);
      x += std::max(metrics.horizontalAdvance(item) + 24, page_.width() / 4);
    }
    y_ += metrics.height() + 6;
  }

  // At most kChartPoints high, so that the readouts fit on the page.
  void Chart(QChartView& chart) {
    const QSizeF size = chart.size();
    const double height = std::min(page_.width() * size.height() / size.width(), kChartPoints);
    const double width = height * size.width() / size.height();
    PaintChart(chart, painter_,
               QRectF(page_.left() + (page_.width() - width) / 2, y_, width, height));
    y_ += height + 8;
  }

  void Table(const ReportTable& table) {
    Line(table.title, ReportFont(kBodyPoints, true), 1);
    const double total =
        std::accumulate(table.column_weights.begin(), table.column_weights.end(), 0.0);
    std::vector<double> widths;
    for (const double weight : table.column_weights)
      widths.push_back(page_.width() * weight / total);
    Row(table.headers, widths, true);
    painter_.drawLine(QPointF(page_.left(), y_), QPointF(page_.right(), y_));
    y_ += 1;
    for (const QStringList& row : table.rows) Row(row, widths, false);
    y_ += 6;
  }

  double y() const { return y_; }

 private:
  void Row(const QStringList& cells, const std::vector<double>& widths, bool bold) {
    painter_.setFont(ReportFont(kTablePoints, bold));
    const QFontMetricsF metrics(painter_.font());
    double x = page_.left();
    for (std::size_t i = 0; i < widths.size(); ++i) {
      const QString text =
          i < static_cast<std::size_t>(cells.size()) ? cells[static_cast<qsizetype>(i)] : QString();
      painter_.drawText(QPointF(x, y_ + metrics.ascent()),
                        metrics.elidedText(text, Qt::ElideRight, widths[i] - 4));
      x += widths[i];
    }
    y_ += metrics.height();
  }

  QPainter& painter_;
  QRectF page_;
  double y_;
};

}  // namespace

bool WriteReportPdf(const ReportContent& content, QChartView& chart, QIODevice& device) {
  QPdfWriter pdf(&device);
  pdf.setTitle(content.program + QStringLiteral(" report"));
  pdf.setCreator(content.program);
  pdf.setResolution(kPointsPerInch);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  PageWriter page(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));

  page.Line(content.program + QStringLiteral(" \u2014 CT dose profile report"),
            ReportFont(kTitlePoints, true), 4);
  page.Line(
      QStringLiteral("Created %1")
          .arg(content.created.toString(Qt::ISODate).replace(QLatin1Char('T'), QLatin1Char(' '))),
      ReportFont(kBodyPoints));
  page.Line(QStringLiteral("Profile: %1").arg(content.profile_path), ReportFont(kBodyPoints), 4);
  page.Pairs(content.parameters);
  page.Chart(chart);
  for (const ReportTable& table : content.tables) page.Table(table);
  if (!content.notes.isEmpty()) {
    page.Line(QStringLiteral("Notes"), ReportFont(kBodyPoints, true), 1);
    for (const QString& note : content.notes) page.Line(note, ReportFont(kTablePoints), 1);
  }
  return painter.end();
}

}  // namespace quorvane
