// File > Report (PDF)...: one A4 page for a quality-assurance record. From
// top to bottom: the program name and version, the date and time, the
// profile's path, the four parameter texts, the chart (vector), the tables
// (the readouts of both columns with units, then the calculation details)
// and the notes. Every text is real text in the PDF, so it can be searched
// and copied.
#pragma once

#include <QChartView>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <vector>

namespace quorvane {

struct ReportTable {
  QString title;
  QStringList headers;
  // Each row has one text per header.
  std::vector<QStringList> rows;
  // The share of the width of each column.
  std::vector<double> column_weights;
};

struct ReportContent {
  QString program;  // "Quorvane 0.1.0"
  QDateTime created;
  QString profile_path;
  // The parameter fields: caption and text as typed.
  std::vector<std::pair<QString, QString>> parameters;
  std::vector<ReportTable> tables;
  QStringList notes;
};

// Writes the page into the device; false when the PDF could not be written.
bool WriteReportPdf(const ReportContent& content, QChartView& chart, QIODevice& device);

}  // namespace quorvane
