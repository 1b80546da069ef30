#include "app/readouts_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/profile_chart.h"
#include "app/readout_rows.h"
#include "app/utf8_text.h"
#include "errors/error.h"
#include "numbers/number_parse.h"
#include "numbers/number_text.h"

namespace quorvane {
namespace {

constexpr int kApproachChartHeight = 170;
const QColor kNotedCell(255, 244, 214);
const QColor kWarning(255, 196, 120);

QLabel* NewHeading(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

QString Quoted(std::string_view text) { return DecodeUtf8(text); }

// A reason as a heading shows it: a message that quotes a long text (a
// slice width of a million digits) shows its first 200 characters and an
// ellipsis, so that the panel lays out at once; the error box showed it
// whole.
//   ShownReason("'x' ...") -> "'x' ..."; a reason of 3 000 000 characters
//   -> its first 200 and "…".
QString ShownReason(const QString& reason) {
  constexpr qsizetype kLongestReason = 200;
  if (reason.size() <= kLongestReason) return reason;
  return reason.left(kLongestReason) + QStringLiteral("\u2026");
}

// Two pitches differ when they differ beyond the last digits a double
// carries: 1 and 20 x 0.25 / 5 are the same pitch.
bool PitchesDiffer(double effective, double typed) {
  return std::abs(effective - typed) > 1e-12 * std::max(std::abs(effective), std::abs(typed));
}

}  // namespace

ReadoutsPanel::ReadoutsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ReadoutsPanel"));
  setFixedWidth(kWidth);
  measured_heading_ = NewHeading(this);
  accumulated_heading_ = NewHeading(this);
  pitch_warning_ = NewHeading(this);
  pitch_warning_->setAutoFillBackground(true);
  QPalette warning = pitch_warning_->palette();
  warning.setColor(QPalette::Window, kWarning);
  pitch_warning_->setPalette(warning);
  QFont bold = pitch_warning_->font();
  bold.setBold(true);
  pitch_warning_->setFont(bold);
  pitch_warning_->setMargin(3);
  pitch_warning_->hide();

  CreateTable();
  notes_ = new QPlainTextEdit(this);
  notes_->setReadOnly(true);
  notes_->setFocusPolicy(Qt::ClickFocus);
  auto* tabs = new QTabWidget(this);
  tabs->setFocusPolicy(Qt::NoFocus);
  tabs->addTab(table_, QStringLiteral("Readouts"));
  tabs->addTab(notes_, QStringLiteral("Notes"));

  approach_chart_ = new ApproachChart(this);
  approach_chart_->setFixedHeight(kApproachChartHeight);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(3);
  layout->addWidget(measured_heading_);
  layout->addWidget(accumulated_heading_);
  layout->addWidget(pitch_warning_);
  layout->addWidget(tabs, 1);
  layout->addWidget(approach_chart_);

  measured_heading_->setText(QStringLiteral("Measured: no profile drawn yet"));
  accumulated_heading_->setText(QStringLiteral("Accumulated: no CalMS or CalHS yet"));
  Render();
}

void ReadoutsPanel::CreateTable() {
  table_ = new QTableWidget(static_cast<int>(ReadoutRows().size()), 4, this);
  table_->setObjectName(QStringLiteral("ReadoutsTable"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Quantity"), QStringLiteral("Measured"),
                                     QStringLiteral("Accumulated"), QStringLiteral("Unit")});
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(18);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideRight);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Reached with the mouse: the designed Tab cycle of Form1 stays as it is.
  table_->setFocusPolicy(Qt::ClickFocus);
  QFont font = table_->font();
  font.setPixelSize(11);
  table_->setFont(font);
  QHeaderView& header = *table_->horizontalHeader();
  // The names give way to the numbers: a long name is cut, with its whole
  // text in the tooltip.
  header.setSectionResizeMode(kQuantityColumn, QHeaderView::Stretch);
  header.setMinimumSectionSize(36);
  header.setSectionResizeMode(kMeasuredColumn, QHeaderView::ResizeToContents);
  header.setSectionResizeMode(kAccumulatedColumn, QHeaderView::ResizeToContents);
  header.setSectionResizeMode(kUnitColumn, QHeaderView::ResizeToContents);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const ReadoutRow& readout_row = ReadoutRows()[static_cast<std::size_t>(row)];
    auto* name = new QTableWidgetItem(QString::fromUtf8(readout_row.name));
    name->setToolTip(QString::fromUtf8(readout_row.name) + QStringLiteral(" (") +
                     Quoted(readout_row.key) + QLatin1Char(')'));
    table_->setItem(row, kQuantityColumn, name);
    for (const int column : {kMeasuredColumn, kAccumulatedColumn, kUnitColumn}) {
      auto* item = new QTableWidgetItem();
      if (column != kUnitColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
  }

  auto* copy = new QAction(QStringLiteral("Copy"), table_);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(CopyText(false)); });
  auto* copy_all = new QAction(QStringLiteral("Copy whole table"), table_);
  connect(copy_all, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(CopyText(true)); });
  table_->addAction(copy);
  table_->addAction(copy_all);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ReadoutsPanel::ShowMeasured(const QString& profile_name, const ReadoutTable& table,
                                 const MeasuredProfile& profile) {
  measured_ = table;
  measured_heading_->setText(QStringLiteral("Measured: %1").arg(profile_name));
  approach_chart_->Show(profile);
  Render();
}

void ReadoutsPanel::ClearMeasured(const QString& reason) {
  measured_.reset();
  measured_heading_->setText(
      QStringLiteral("Measured: cleared \u2014 %1").arg(ShownReason(reason)));
  approach_chart_->Clear();
  Render();
}

void ReadoutsPanel::ShowAccumulated(const QString& action, const QString& profile_name,
                                    const ReadoutTable& table, const QString& typed_pitch) {
  accumulated_ = table;
  typed_pitch_ = typed_pitch;
  accumulated_heading_->setText(QStringLiteral("Accumulated: %1 on %2").arg(action, profile_name));
  Render();
}

void ReadoutsPanel::ClearAccumulated(const QString& action, const QString& reason) {
  accumulated_.reset();
  accumulated_heading_->setText(
      QStringLiteral("Accumulated: cleared \u2014 %1 failed: %2").arg(action, ShownReason(reason)));
  Render();
}

void ReadoutsPanel::SetNumberFormat(const NumberFormat& format) {
  format_ = format;
  approach_chart_->SetNumberLocale(ChartNumberLocale());
  Render();
}

int ReadoutsPanel::RowOf(std::string_view key) const {
  const auto rows = ReadoutRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

void ReadoutsPanel::Render() {
  RenderColumn(measured_, kMeasuredColumn);
  RenderColumn(accumulated_, kAccumulatedColumn);
  // The unit of a row from whichever table has it.
  for (int row = 0; row < table_->rowCount(); ++row) {
    const std::string_view key = ReadoutRows()[static_cast<std::size_t>(row)].key;
    QString unit;
    for (const std::optional<ReadoutTable>* table : {&measured_, &accumulated_}) {
      if (!table->has_value() || !unit.isEmpty()) continue;
      if (const Readout* readout = (*table)->Find(key)) unit = DecodeUtf8(readout->unit);
    }
    table_->item(row, kUnitColumn)->setText(unit);
  }
  notes_->setPlainText(Notes().join(QLatin1Char('\n')));
  RenderPitchWarning();
}

void ReadoutsPanel::RenderColumn(const std::optional<ReadoutTable>& table, Column column) {
  for (int row = 0; row < table_->rowCount(); ++row) {
    QTableWidgetItem& item = *table_->item(row, column);
    item.setText(QString());
    item.setToolTip(QString());
    item.setBackground(QBrush());
  }
  if (!table.has_value()) return;
  for (const Readout& readout : table->rows) {
    const int row = RowOf(readout.key);
    if (row < 0) continue;
    QTableWidgetItem& item = *table_->item(row, column);
    if (readout.value.has_value()) item.setText(DecodeUtf8(NumberText(*readout.value, format_)));
    if (!readout.note.empty()) {
      item.setToolTip(DecodeUtf8(readout.note));
      item.setBackground(kNotedCell);
    }
  }
}

void ReadoutsPanel::RenderPitchWarning() {
  const Readout* effective = accumulated_ ? accumulated_->Find("effective_pitch") : nullptr;
  std::optional<double> typed;
  try {
    typed = ParseStoredNumber(EncodeUtf8(typed_pitch_), format_);
  } catch (const Error&) {
    typed.reset();
  }
  if (effective == nullptr || !effective->value.has_value() || !typed.has_value() ||
      !PitchesDiffer(*effective->value, *typed)) {
    pitch_warning_->clear();
    pitch_warning_->hide();
    return;
  }
  const QString effective_text = DecodeUtf8(NumberText(*effective->value, format_));
  pitch_warning_->setText(
      QStringLiteral("Effective pitch %1 \u2260 typed pitch %2: the step was snapped to whole "
                     "samples")
          .arg(effective_text, typed_pitch_));
  pitch_warning_->show();
  table_->item(RowOf("effective_pitch"), kAccumulatedColumn)->setBackground(kWarning);
}

QString ReadoutsPanel::pitch_warning() const {
  return pitch_warning_->isHidden() ? QString() : pitch_warning_->text();
}

QString ReadoutsPanel::CellText(std::string_view key, Column column) const {
  const int row = RowOf(key);
  return row < 0 ? QString() : table_->item(row, column)->text();
}

QStringList ReadoutsPanel::Notes() const {
  QStringList notes;
  const std::pair<const char*, const std::optional<ReadoutTable>*> columns[] = {
      {"measured.", &measured_}, {"accumulated.", &accumulated_}};
  for (const auto& [prefix, table] : columns) {
    if (!table->has_value()) continue;
    for (const std::string& note : (*table)->Notes()) {
      notes.append(QString::fromLatin1(prefix) + DecodeUtf8(note));
    }
  }
  return notes;
}

ReportTable ReadoutsPanel::AsReportTable() const {
  ReportTable report{QStringLiteral("Readouts"),
                     {QStringLiteral("Quantity"), QStringLiteral("Key"), QStringLiteral("Measured"),
                      QStringLiteral("Accumulated"), QStringLiteral("Unit")},
                     {},
                     {150, 152, 80, 80, 48}};
  for (int row = 0; row < table_->rowCount(); ++row) {
    report.rows.push_back({table_->item(row, kQuantityColumn)->text(),
                           Quoted(ReadoutRows()[static_cast<std::size_t>(row)].key),
                           table_->item(row, kMeasuredColumn)->text(),
                           table_->item(row, kAccumulatedColumn)->text(),
                           table_->item(row, kUnitColumn)->text()});
  }
  return report;
}

QString ReadoutsPanel::CopyText(bool whole) const {
  QStringList lines;
  if (whole) {
    QStringList headings;
    for (int column = 0; column < table_->columnCount(); ++column) {
      headings.append(table_->horizontalHeaderItem(column)->text());
    }
    lines.append(headings.join(QLatin1Char('\t')));
  }
  for (int row = 0; row < table_->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table_->columnCount(); ++column) {
      const QTableWidgetItem* item = table_->item(row, column);
      if (whole || item->isSelected()) cells.append(item->text());
    }
    if (!cells.isEmpty()) lines.append(cells.join(QLatin1Char('\t')));
  }
  return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace quorvane
