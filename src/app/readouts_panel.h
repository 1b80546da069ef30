// The readouts panel to the right of Form1's designed area: for every
// readout its name, the value of the measured profile, the value of the
// accumulated profile and the unit, as number text in the window's number
// format, selectable and copyable (Ctrl+C, or the context menu). Above the
// table: which profile the measured column belongs to and which action (on
// which profile) produced the accumulated column, or why a column was
// cleared; a warning band when the pitch an accumulation simulated differs
// from the pitch typed, because the step was snapped to whole samples.
// Below it, the approach to equilibrium h(L) of the measured profile.
//
// A value that cannot be formed stays empty, with its note as the cell's
// tooltip; all notes are listed in the Notes tab as "measured.key: note".
// The panel only shows: the window decides when a column changes.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <optional>
#include <string_view>

#include "app/approach_chart.h"
#include "app/report_pdf.h"
#include "numbers/number_format.h"
#include "readouts/readout.h"

namespace quorvane {

class ReadoutsPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 470;
  enum Column { kQuantityColumn, kMeasuredColumn, kAccumulatedColumn, kUnitColumn };

  explicit ReadoutsPanel(QWidget* parent = nullptr);

  void ShowMeasured(const QString& profile_name, const ReadoutTable& table,
                    const MeasuredProfile& profile);
  void ClearMeasured(const QString& reason);
  // `typed_pitch`: the beam pitch text the accumulation read.
  void ShowAccumulated(const QString& action, const QString& profile_name,
                       const ReadoutTable& table, const QString& typed_pitch);
  void ClearAccumulated(const QString& action, const QString& reason);
  // Writes every number again in `format`.
  void SetNumberFormat(const NumberFormat& format);

  // What the panel shows, for the report and for tests.
  QString measured_heading() const { return measured_heading_->text(); }
  QString accumulated_heading() const { return accumulated_heading_->text(); }
  // Empty while the band is hidden.
  QString pitch_warning() const;
  QString CellText(std::string_view key, Column column) const;
  QString notes_text() const { return notes_->toPlainText(); }
  QTableWidget& table() { return *table_; }
  ApproachChart& approach_chart() { return *approach_chart_; }
  ReportTable AsReportTable() const;
  QStringList Notes() const;

  // The selected cells as lines of tab-separated texts; the whole table
  // with its headings when `whole` is set.
  QString CopyText(bool whole) const;

 private:
  void CreateTable();
  void Render();
  void RenderColumn(const std::optional<ReadoutTable>& table, Column column);
  void RenderPitchWarning();
  int RowOf(std::string_view key) const;

  NumberFormat format_;
  std::optional<ReadoutTable> measured_;
  std::optional<ReadoutTable> accumulated_;
  QString typed_pitch_;

  QLabel* measured_heading_;
  QLabel* accumulated_heading_;
  QLabel* pitch_warning_;
  QTableWidget* table_;
  QPlainTextEdit* notes_;
  ApproachChart* approach_chart_;
};

}  // namespace quorvane
