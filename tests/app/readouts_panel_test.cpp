// The readouts panel follows the window: the measured column every draw and
// Load and every edit of the slice and pitch fields, the accumulated column
// every CalMS and CalHS that reaches its output, each cleared with the
// reason when its action fails. The oracle is the core: the same actions on
// a workspace in memory, their readouts written as number text.
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "app/readout_rows.h"
#include "app/utf8_text.h"
#include "numbers/number_text.h"
#include "profile_io/load_profile_file.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/equilibrium_approach.h"
#include "readouts/measured_readouts.h"
#include "window_fixture.h"
#include "workspace/memory_workspace.h"

using quorvane::Field;
using quorvane::MemoryWorkspace;
using quorvane::ReadoutsPanel;
using quorvane::ReadoutTable;
using quorvane::test_support::ExamplePath;
using quorvane::test_support::WindowFixture;

namespace {

const QString kAxial = QStringLiteral("axial_4x5mm_header.txt");

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Every row of the table in the column shows the number text of its value,
// and every row the table lacks stays empty.
void ExpectColumn(const ReadoutsPanel& panel, ReadoutsPanel::Column column,
                  const ReadoutTable& expected) {
  for (const quorvane::ReadoutRow& row : quorvane::ReadoutRows()) {
    const quorvane::Readout* readout = expected.Find(row.key);
    QString text;
    if (readout != nullptr && readout->value.has_value()) {
      text = quorvane::DecodeUtf8(quorvane::NumberText(*readout->value, quorvane::NumberFormat()));
    }
    QVERIFY2(panel.CellText(row.key, column) == text,
             qPrintable(QString::fromUtf8(row.key.data(), qsizetype(row.key.size())) + ": " +
                        panel.CellText(row.key, column) + " != " + text));
  }
}

// What the window's measured column must show for the fields of `memory`.
ReadoutTable MeasuredOf(const MemoryWorkspace& memory, const quorvane::MeasuredProfile& profile) {
  return quorvane::MeasuredReadouts(profile, memory.FieldText(Field::kEditSW),
                                    memory.FieldText(Field::kEditSN),
                                    memory.FieldText(Field::kEditBP), memory.number_format());
}

}  // namespace

class ReadoutsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fixture_ = std::make_unique<WindowFixture>(); }
  void cleanup() { fixture_.reset(); }

  void panelLiesRightOfTheDesignedArea();
  void everyReadoutHasARow();
  void measuredColumnFollowsLoadDrawAndFields();
  void accumulatedColumnFollowsCalMSAndCalHS_data();
  void accumulatedColumnFollowsCalMSAndCalHS();
  void failuresClearTheirColumnWithTheReason();
  void longReasonShowsItsStart();
  void snappedPitchIsFlagged();
  void approachChartMarksLevelAndEquilibriumLength();
  void cellsCopyAsText();

 private:
  ReadoutsPanel& panel() { return fixture_->window().readouts_panel(); }
  quorvane::TForm1& form() { return fixture_->form(); }

  std::unique_ptr<WindowFixture> fixture_;
};

void ReadoutsPanelTest::panelLiesRightOfTheDesignedArea() {
  QVERIFY(fixture_->ShowAndActivate());
  const QRect area(form().mapTo(&fixture_->window(), QPoint(0, 0)), form().size());
  const QRect panel_area(panel().mapTo(&fixture_->window(), QPoint(0, 0)), panel().size());
  QCOMPARE(panel_area.left(), area.right() + 1);
  QCOMPARE(panel_area.top(), area.top());
  QVERIFY(panel_area.bottom() <= area.bottom());
  QVERIFY(fixture_->window().width() >= area.width() + panel_area.width());
}

// No key of either table goes without a row: CalMS and CalHS have different
// keys.
void ReadoutsPanelTest::everyReadoutHasARow() {
  MemoryWorkspace memory;
  const auto profile = quorvane::LoadProfileFile(memory, PathBytes(ExamplePath(kAxial)));
  std::vector<ReadoutTable> tables = {MeasuredOf(memory, *profile)};
  tables.push_back(quorvane::AccumulatedReadouts(quorvane::RunMultipleScanAction(memory)));
  tables.push_back(quorvane::AccumulatedReadouts(quorvane::RunHelicalScanAction(memory)));
  for (const ReadoutTable& table : tables) {
    for (const quorvane::Readout& readout : table.rows) {
      if (readout.key == "action") continue;
      bool found = false;
      for (const quorvane::ReadoutRow& row : quorvane::ReadoutRows())
        found |= row.key == readout.key;
      QVERIFY2(found, readout.key.c_str());
    }
  }
}

void ReadoutsPanelTest::measuredColumnFollowsLoadDrawAndFields() {
  const QString path = ExamplePath(kAxial);
  QCOMPARE(panel().measured_heading(), QStringLiteral("Measured: no profile drawn yet"));
  fixture_->form_fixture().Load(path);
  MemoryWorkspace memory;
  const quorvane::MeasuredProfile profile = *quorvane::LoadProfileFile(memory, PathBytes(path));
  QCOMPARE(panel().measured_heading(), QStringLiteral("Measured: ") + kAxial);
  ExpectColumn(panel(), ReadoutsPanel::kMeasuredColumn, MeasuredOf(memory, profile));
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kMeasuredColumn), QStringLiteral("24.6"));

  // Each edit of a field that the readouts read.
  const std::pair<Field, QString> edits[] = {{Field::kEditBP, QStringLiteral("2")},
                                             {Field::kEditSW, QStringLiteral("")},
                                             {Field::kEditSN, QStringLiteral("8")},
                                             {Field::kEditSW, QStringLiteral("2.5")}};
  for (const auto& [field, text] : edits) {
    form().findChild<QLineEdit*>(quorvane::DecodeUtf8(quorvane::FieldName(field)))->setText(text);
    memory.SetFieldText(field, quorvane::EncodeUtf8(text));
    ExpectColumn(panel(), ReadoutsPanel::kMeasuredColumn, MeasuredOf(memory, profile));
  }
  QCOMPARE(panel().CellText("nominal_beam_width", ReadoutsPanel::kMeasuredColumn),
           QStringLiteral("20"));
  QCOMPARE(panel().CellText("pitch", ReadoutsPanel::kMeasuredColumn), QStringLiteral("2"));

  // draw reads a table edited since.
  form().SetCellText(quorvane::kDoseRateColumn, 121, "100");
  memory.SetCellText(quorvane::kDoseRateColumn, 121, "100");
  form().ButtonDraw->click();
  ExpectColumn(panel(), ReadoutsPanel::kMeasuredColumn,
               MeasuredOf(memory, quorvane::DrawMeasuredProfile(memory)));
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kMeasuredColumn), QStringLiteral("100"));
}

void ReadoutsPanelTest::accumulatedColumnFollowsCalMSAndCalHS_data() {
  QTest::addColumn<QString>("action");
  QTest::newRow("CalMS") << "CalMS";
  QTest::newRow("CalHS") << "CalHS";
}

void ReadoutsPanelTest::accumulatedColumnFollowsCalMSAndCalHS() {
  QFETCH(QString, action);
  const QString path = ExamplePath(kAxial);
  fixture_->form_fixture().Load(path);
  MemoryWorkspace memory;
  quorvane::LoadProfileFile(memory, PathBytes(path));
  QCOMPARE(panel().accumulated_heading(), QStringLiteral("Accumulated: no CalMS or CalHS yet"));

  const bool multiple = action == QStringLiteral("CalMS");
  (multiple ? form().ButtonCalMS : form().ButtonCalHS)->click();
  const quorvane::AccumulationRecord record =
      multiple ? quorvane::RunMultipleScanAction(memory) : quorvane::RunHelicalScanAction(memory);

  QVERIFY(fixture_->shown_errors().empty());
  QCOMPARE(panel().accumulated_heading(),
           QStringLiteral("Accumulated: %1 on %2").arg(action, kAxial));
  ExpectColumn(panel(), ReadoutsPanel::kAccumulatedColumn, quorvane::AccumulatedReadouts(record));
  // What the result fields show, the same text.
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kAccumulatedColumn), form().EditMax->text());
  QCOMPARE(panel().CellText("fwhm", ReadoutsPanel::kAccumulatedColumn), form().EditFWHM->text());
  // The pitch of 1 is a whole number of samples: nothing to flag.
  QCOMPARE(panel().CellText("effective_pitch", ReadoutsPanel::kAccumulatedColumn),
           QStringLiteral("1"));
  QCOMPARE(panel().pitch_warning(), QString());
}

void ReadoutsPanelTest::failuresClearTheirColumnWithTheReason() {
  fixture_->form_fixture().Load(ExamplePath(kAxial));
  form().ButtonCalMS->click();
  QVERIFY(!panel().CellText("central_dose", ReadoutsPanel::kAccumulatedColumn).isEmpty());

  form().EditSW->setText(QStringLiteral("x"));
  form().ButtonCalHS->click();
  QCOMPARE(panel().accumulated_heading(),
           QStringLiteral(
               "Accumulated: cleared \u2014 CalHS failed: 'x' は浮動小数点数ではありません."));
  QCOMPARE(panel().CellText("central_dose", ReadoutsPanel::kAccumulatedColumn), QString());
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kAccumulatedColumn), QString());

  // The measured column keeps its profile; W is unavailable with a note.
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kMeasuredColumn), QStringLiteral("24.6"));
  QCOMPARE(panel().CellText("ctdi100", ReadoutsPanel::kMeasuredColumn), QString());
  QVERIFY(panel().notes_text().contains(QStringLiteral("measured.ctdi100: ")));

  // A load that fails before its draw leaves the table and the column.
  fixture_->form_fixture().Load(ExamplePath(QStringLiteral("no_such_profile.txt")));
  QCOMPARE(panel().measured_heading(), QStringLiteral("Measured: ") + kAxial);
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kMeasuredColumn), QStringLiteral("24.6"));

  form().SetCellText(quorvane::kPositionColumn, 4, "abc");
  form().ButtonDraw->click();
  QCOMPARE(panel().measured_heading(),
           QStringLiteral("Measured: cleared \u2014 'abc' は浮動小数点数ではありません."));
  QCOMPARE(panel().CellText("peak", ReadoutsPanel::kMeasuredColumn), QString());
  QCOMPARE(panel().approach_chart().curve().count(), 0);
  QCOMPARE(fixture_->shown_errors().size(), std::size_t{3});

  // A load whose draw fails clears it too.
  fixture_->form_fixture().Load(ExamplePath(kAxial));
  QVERIFY(!panel().CellText("peak", ReadoutsPanel::kMeasuredColumn).isEmpty());
  QTemporaryDir folder;
  QFile bad(folder.filePath(QStringLiteral("bad.txt")));
  QVERIFY(bad.open(QIODevice::WriteOnly));
  bad.write("0\t3\n1\tx\n");
  bad.close();
  fixture_->form_fixture().Load(bad.fileName());
  QCOMPARE(panel().measured_heading(),
           QStringLiteral("Measured: cleared \u2014 'x' は浮動小数点数ではありません."));
}

// A slice width of three million digits read from a header line, refused
// by CalMS: the heading shows the start of the reason, and the panel does
// not spend seconds laying out a label of megabytes on every change.
void ReadoutsPanelTest::longReasonShowsItsStart() {
  const QString reason =
      QStringLiteral("'") + QString(3000000, QLatin1Char('7')) + QStringLiteral("' is too long.");
  panel().ClearAccumulated(QStringLiteral("CalMS"), reason);
  const QString start = QStringLiteral("Accumulated: cleared \u2014 CalMS failed: ");
  QCOMPARE(panel().accumulated_heading(), start + reason.left(200) + QStringLiteral("\u2026"));

  panel().ClearMeasured(reason);
  QCOMPARE(panel().measured_heading(), QStringLiteral("Measured: cleared \u2014 ") +
                                           reason.left(200) + QStringLiteral("\u2026"));
}

void ReadoutsPanelTest::snappedPitchIsFlagged() {
  const QString path = ExamplePath(kAxial);
  fixture_->form_fixture().Load(path);
  // 0.95657 x 20 mm / 0.25 mm = 76.5 samples: the feed becomes whole.
  form().EditBP->setText(QStringLiteral("0.95657"));
  form().ButtonCalHS->click();
  MemoryWorkspace memory;
  quorvane::LoadProfileFile(memory, PathBytes(path));
  memory.SetFieldText(Field::kEditBP, "0.95657");
  const ReadoutTable expected =
      quorvane::AccumulatedReadouts(quorvane::RunHelicalScanAction(memory));
  const QString effective = quorvane::DecodeUtf8(
      quorvane::NumberText(*expected.Find("effective_pitch")->value, quorvane::NumberFormat()));
  QVERIFY(effective != QStringLiteral("0.95657"));
  QCOMPARE(panel().CellText("effective_pitch", ReadoutsPanel::kAccumulatedColumn), effective);
  QCOMPARE(panel().pitch_warning(),
           QStringLiteral("Effective pitch %1 \u2260 typed pitch 0.95657: the step was snapped "
                          "to whole samples")
               .arg(effective));
  // Typed again as a whole number of samples, the band goes.
  form().EditBP->setText(QStringLiteral("1.5"));
  form().ButtonCalHS->click();
  QCOMPARE(panel().pitch_warning(), QString());
}

void ReadoutsPanelTest::approachChartMarksLevelAndEquilibriumLength() {
  const QString path = ExamplePath(kAxial);
  fixture_->form_fixture().Load(path);
  MemoryWorkspace memory;
  const quorvane::MeasuredProfile profile = *quorvane::LoadProfileFile(memory, PathBytes(path));
  const quorvane::ApproachLimits limits = quorvane::EquilibriumApproachLimits(profile);
  QVERIFY(limits.max_length_mm.has_value() && limits.equilibrium_length_98_mm.has_value());

  const quorvane::ApproachChart& chart = panel().approach_chart();
  QCOMPARE(chart.curve().count(), quorvane::ApproachChart::kCurvePoints);
  QCOMPARE(chart.curve().at(0).x(), 0.0);
  QCOMPARE(chart.curve().points().back().x(), *limits.max_length_mm);
  QCOMPARE(chart.level().at(0).y(), 0.98);
  QCOMPARE(chart.equilibrium_mark().at(0).x(), *limits.equilibrium_length_98_mm);
  QCOMPARE(chart.length_axis().max(), *limits.max_length_mm);
  // The mark is the readout equilibrium_length_98.
  QCOMPARE(panel().CellText("equilibrium_length_98", ReadoutsPanel::kMeasuredColumn),
           quorvane::DecodeUtf8(
               quorvane::NumberText(*limits.equilibrium_length_98_mm, quorvane::NumberFormat())));
}

void ReadoutsPanelTest::cellsCopyAsText() {
  fixture_->form_fixture().Load(ExamplePath(kAxial));
  QTableWidget& table = panel().table();
  table.clearSelection();
  table.item(0, ReadoutsPanel::kMeasuredColumn)->setSelected(true);
  table.item(0, ReadoutsPanel::kUnitColumn)->setSelected(true);
  table.item(1, ReadoutsPanel::kMeasuredColumn)->setSelected(true);
  QCOMPARE(panel().CopyText(false), QStringLiteral("24.6\tvalue\n20\n"));

  QVERIFY(fixture_->ShowAndActivate());
  table.setFocus(Qt::MouseFocusReason);
  QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("24.6\tvalue\n20\n"));

  const QStringList whole = panel().CopyText(true).split(QLatin1Char('\n'));
  QCOMPARE(whole[0], QStringLiteral("Quantity\tMeasured\tAccumulated\tUnit"));
  QCOMPARE(whole[1], QStringLiteral("Peak\t24.6\t\tvalue"));
}

QTEST_MAIN(ReadoutsPanelTest)
#include "readouts_panel_test.moc"
