// The program's window as a user meets it: the menu bar above Form1's
// designed area, the commands that take results out of the window and bring
// profiles in, and the chart the mouse explores. Where a command writes a
// file, the core's rule (or the clipboard text) is the oracle for its bytes.
#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <csignal>
#include <string>

#include "accumulation/profile_csv.h"
#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/utf8_text.h"
#include "errors/error.h"
#include "form_fixture.h"
#include "numbers/number_text.h"
#include "profile_io/load_profile_file.h"
#include "profile_io/save_profile_table.h"
#include "program_version.h"
#include "window_fixture.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

using quorvane::Field;
using quorvane::MainWindow;
using quorvane::MemoryWorkspace;
using quorvane::TForm1;
using quorvane::test_support::ExamplePath;
using quorvane::test_support::WindowFixture;

namespace {

const QString kAxial = QStringLiteral("axial_4x5mm_header.txt");
const QString kHelical = QStringLiteral("helical_16x0.625mm_noheader.txt");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

MemoryWorkspace LoadedInMemory(const QString& path) {
  MemoryWorkspace workspace;
  quorvane::LoadProfileFile(workspace, PathBytes(path));
  return workspace;
}

void ExpectSameTable(const TForm1& form, const quorvane::Workspace& expected) {
  QCOMPARE(form.RowCount(), expected.RowCount());
  for (std::int32_t row = 0; row < expected.RowCount(); ++row) {
    for (int column = 0; column < quorvane::kProfileColumns; ++column) {
      QCOMPARE(form.CellText(column, row), expected.CellText(column, row));
    }
  }
  for (const Field field : quorvane::kAllFields) {
    QCOMPARE(form.FieldText(field), expected.FieldText(field));
  }
}

struct AxisRanges {
  double x_min, x_max, y_min, y_max;
  bool operator==(const AxisRanges&) const = default;
};

AxisRanges RangesOf(const TForm1& form) {
  const QChart& chart = *form.Chart1->chart();
  const auto* x = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).first());
  const auto* y = qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).first());
  return {x->min(), x->max(), y->min(), y->max()};
}

// The viewport pixel of a chart point.
QPoint PixelOf(const TForm1& form, QPointF value, QLineSeries* series) {
  QChart& chart = *form.Chart1->chart();
  const QPointF in_scene = chart.mapToScene(chart.mapToPosition(value, series));
  return form.Chart1->viewportTransform().map(in_scene).toPoint();
}

QPoint PlotCentre(const TForm1& form) {
  const QChart& chart = *form.Chart1->chart();
  return form.Chart1->viewportTransform()
      .map(chart.mapToScene(chart.plotArea().center()))
      .toPoint();
}

void Drag(QWidget* viewport, Qt::MouseButton button, QPoint from, QPoint to) {
  QTest::mousePress(viewport, button, {}, from);
  QTest::mouseMove(viewport, (from + to) / 2);
  QTest::mouseMove(viewport, to);
  QTest::mouseRelease(viewport, button, {}, to);
}

// Files written by the profile text rule, read back as the clipboard text.
QByteArray ClipboardBytes() {
  return quorvane::EncodeUtf8(QGuiApplication::clipboard()->text()).c_str();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    fixture_ = std::make_unique<WindowFixture>();
  }
  void cleanup() {
    fixture_.reset();
    folder_.reset();
  }

  void designedAreaLiesWholeBelowMenuBar_data();
  void designedAreaLiesWholeBelowMenuBar();
  void designedTabOrderStays();
  void menuCommandsAndShortcuts_data();
  void menuCommandsAndShortcuts();
  void shortcutsWinOverTextFields_data();
  void shortcutsWinOverTextFields();
  void quitClosesWindow();
  void saveTableRoundTrip();
  void saveTableRefusalsWriteNothing_data();
  void saveTableRefusalsWriteNothing();
  void saveAccumulatedProfile_data();
  void saveAccumulatedProfile();
  void failedSaveLeavesExistingFile_data();
  void failedSaveLeavesExistingFile();
  void exportChart_data();
  void exportChart();
  void reportIsSearchablePdf();
  void commandLineFileLoads();
  void commandLineHelpAndVersion();
  void droppedFileLoads_data();
  void droppedFileLoads();
  void recentProfiles();
  void missingRecentProfileIsRemoved();
  void zoomAndReset_data();
  void zoomAndReset();
  void panKeepsSpans();
  void hoverShowsNearestPoint();
  void resultFieldsShowWholeTextAsToolTip();
  void aboutShowsVersionsAndLicence();

 private:
  MainWindow& window() { return fixture_->window(); }
  TForm1& form() { return fixture_->form(); }
  void Load(const QString& path) { fixture_->form_fixture().Load(path); }
  QString TempPath(const QString& name) { return folder_->filePath(name); }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<WindowFixture> fixture_;
};

void MainWindowTest::designedAreaLiesWholeBelowMenuBar_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("designed");
  QTest::newRow("StringGridRProf") << "StringGridRProf" << QRect(40, 88, 201, 393);
  QTest::newRow("ButtonLoad") << "ButtonLoad" << QRect(182, 48, 57, 25);
  QTest::newRow("ButtonDraw") << "ButtonDraw" << QRect(136, 120, 73, 25);
  QTest::newRow("ButtonCalMS") << "ButtonCalMS" << QRect(416, 464, 73, 25);
  QTest::newRow("ButtonCalHS") << "ButtonCalHS" << QRect(579, 464, 70, 25);
  QTest::newRow("Chart1") << "Chart1" << QRect(264, 48, 457, 297);
  QTest::newRow("Edit1") << "Edit1" << QRect(40, 16, 681, 20);
  QTest::newRow("EditSW") << "EditSW" << QRect(430, 360, 57, 20);
  QTest::newRow("EditSN") << "EditSN" << QRect(595, 360, 57, 20);
  QTest::newRow("EditMax") << "EditMax" << QRect(430, 392, 57, 20);
  QTest::newRow("EditFWHM") << "EditFWHM" << QRect(595, 392, 57, 20);
  QTest::newRow("EditBP") << "EditBP" << QRect(430, 424, 57, 20);
  QTest::newRow("EditnRot") << "EditnRot" << QRect(595, 424, 57, 20);
}

// Form1 sits whole below the menu bar, every control at its designed place
// in it, and the designed stacking holds in the window.
void MainWindowTest::designedAreaLiesWholeBelowMenuBar() {
  QFETCH(QString, name);
  QFETCH(QRect, designed);
  QVERIFY(fixture_->ShowAndActivate());
  QCOMPARE(window().windowTitle(), QStringLiteral("Form1"));
  const QPoint area = form().mapTo(&window(), QPoint(0, 0));
  QCOMPARE(area.x(), 0);
  QCOMPARE(area.y(), window().menuBar()->geometry().bottom() + 1);
  QCOMPARE(form().size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight));

  auto* control = form().findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->parentWidget(), &form());
  QCOMPARE(control->geometry(), designed);
  QCOMPARE(control->mapTo(&window(), QPoint(0, 0)), area + designed.topLeft());

  QWidget* on_top = window().childAt(area + form().ButtonDraw->geometry().center());
  QVERIFY(on_top == form().StringGridRProf || form().StringGridRProf->isAncestorOf(on_top));
}

void MainWindowTest::designedTabOrderStays() {
  QVERIFY(fixture_->ShowAndActivate());
  const std::vector<QWidget*> order = {form().ButtonLoad,  form().Edit1,      form().ButtonDraw,
                                       form().EditBP,      form().EditSW,     form().EditSN,
                                       form().ButtonCalMS, form().EditFWHM,   form().EditMax,
                                       form().EditnRot,    form().ButtonCalHS};
  form().ButtonLoad->setFocus(Qt::TabFocusReason);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order[i]);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form().StringGridRProf->CurrentEditor());
}

void MainWindowTest::menuCommandsAndShortcuts_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("shortcut");
  QTest::newRow("Load") << "File"
                        << "Load..."
                        << "Ctrl+O";
  QTest::newRow("Recent") << "File"
                          << "Recent profiles"
                          << "";
  QTest::newRow("Save table") << "File"
                              << "Save profile table as..."
                              << "Ctrl+S";
  QTest::newRow("Save accumulated") << "File"
                                    << "Save accumulated profile as..."
                                    << "Ctrl+Shift+S";
  QTest::newRow("Export") << "File"
                          << "Export chart..."
                          << "Ctrl+E";
  QTest::newRow("Report") << "File"
                          << "Report (PDF)..."
                          << "Ctrl+P";
  QTest::newRow("Quit") << "File"
                        << "Quit"
                        << "Ctrl+Q";
  QTest::newRow("About") << "Help"
                         << "About Quorvane"
                         << "";
}

void MainWindowTest::menuCommandsAndShortcuts() {
  QFETCH(QString, menu);
  QFETCH(QString, command);
  QFETCH(QString, shortcut);
  QAction* found = nullptr;
  for (QAction* top : window().menuBar()->actions()) {
    if (top->text().remove(QLatin1Char('&')) != menu) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text().remove(QLatin1Char('&')) == command) found = action;
    }
  }
  QVERIFY2(found != nullptr, qPrintable(menu + " > " + command));
  QCOMPARE(found->shortcut().toString(), shortcut);
}

void MainWindowTest::shortcutsWinOverTextFields_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("caption");  // empty: the open dialog
  const int ctrl = Qt::ControlModifier;
  QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << QString();
  QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << "Save profile table as";
  QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(ctrl | Qt::ShiftModifier)
                                << "Save accumulated profile as";
  QTest::newRow("Ctrl+E, which a text field takes for end of line")
      << int(Qt::Key_E) << ctrl << "Export chart";
  QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << "Report (PDF)";
}

// Pressed in the table's cell editor, every shortcut opens its command's
// dialog (answered with a cancel).
void MainWindowTest::shortcutsWinOverTextFields() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, caption);
  Load(ExamplePath(kAxial));
  form().ButtonCalMS->click();
  QVERIFY(fixture_->ShowAndActivate());
  QWidget* editor = form().StringGridRProf->CurrentEditor();
  QCOMPARE(QApplication::focusWidget(), editor);
  const std::size_t opened = fixture_->form_fixture().dialog_start_names().size();

  QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

  if (caption.isEmpty()) {
    QCOMPARE(fixture_->form_fixture().dialog_start_names().size(), opened + 1);
  } else {
    QCOMPARE(fixture_->save_requests().size(), std::size_t{1});
    QCOMPARE(fixture_->save_requests()[0].caption, caption);
  }
  QVERIFY(fixture_->shown_errors().empty());
}

void MainWindowTest::quitClosesWindow() {
  QVERIFY(fixture_->ShowAndActivate());
  QTest::keyClick(form().StringGridRProf->CurrentEditor(), Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!window().isVisible());
}

void MainWindowTest::saveTableRoundTrip() {
  const QString example = ExamplePath(kAxial);
  Load(example);
  form().SetCellText(quorvane::kDoseRateColumn, 7, "edited \xff");
  const QString path = TempPath(QStringLiteral("table.txt"));
  fixture_->AnswerSaveDialogWith(path);
  window().save_table_action()->trigger();

  QVERIFY(fixture_->shown_errors().empty());
  const auto& request = fixture_->save_requests().at(0);
  QCOMPARE(request.filters, (QStringList{QStringLiteral("Profiles (*.txt *.tsv *.csv *.dat)"),
                                         QStringLiteral("All files (*)")}));
  QCOMPARE(request.start_name, example);
  QCOMPARE(ReadAll(path), Bytes(quorvane::ProfileTableFileText(form())));
  QVERIFY(ReadAll(path).startsWith("5\t4\n-30.00\t0.0307\n"));

  // Loading the saved file gives the table back.
  MemoryWorkspace reloaded;
  try {
    quorvane::LoadProfileFile(reloaded, PathBytes(path));
  } catch (const quorvane::Error&) {
    // "draw" stops at the edited cell; the rows are loaded by then.
  }
  for (std::int32_t row = 1; row <= quorvane::PointCount(form()); ++row) {
    QCOMPARE(reloaded.CellText(quorvane::kPositionColumn, row),
             form().CellText(quorvane::kPositionColumn, row));
    QCOMPARE(reloaded.CellText(quorvane::kDoseRateColumn, row),
             form().CellText(quorvane::kDoseRateColumn, row));
  }
  QCOMPARE(reloaded.FieldText(Field::kEditSW), form().FieldText(Field::kEditSW));
  QCOMPARE(reloaded.FieldText(Field::kEditSN), form().FieldText(Field::kEditSN));
}

void MainWindowTest::saveTableRefusalsWriteNothing_data() {
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  QTest::newRow("a tab in a position") << 1 << 3 << "2\t0"
                                       << "Row 3: the position holds a tab, which separates the "
                                          "two columns of a line.";
  QTest::newRow("a line feed in a dose rate")
      << 2 << 240 << "1\n2"
      << "Row 240: the dose rate holds a line feed, which ends a line.";
  QTest::newRow("Ctrl-Z starting a row")
      << 1 << 12 << "\x1a"
      << "Row 12: the line starts with byte 26 (Ctrl-Z), which ends a profile file.";
}

void MainWindowTest::saveTableRefusalsWriteNothing() {
  QFETCH(int, column);
  QFETCH(int, row);
  QFETCH(QString, text);
  QFETCH(QString, message);
  Load(ExamplePath(kAxial));
  form().SetCellText(column, row, quorvane::EncodeUtf8(text));
  const QString existing = TempPath(QStringLiteral("existing.txt"));
  WriteAll(existing, "old contents\n");
  const QString fresh = TempPath(QStringLiteral("fresh.txt"));

  for (const QString& path : {existing, fresh}) {
    fixture_->AnswerSaveDialogWith(path);
    window().save_table_action()->trigger();
  }

  QCOMPARE(fixture_->shown_errors().size(), std::size_t{2});
  QCOMPARE(fixture_->shown_errors()[0].text, message);
  QCOMPARE(ReadAll(existing), QByteArray("old contents\n"));
  QVERIFY(!QFile::exists(fresh));
}

void MainWindowTest::saveAccumulatedProfile_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("name");
  for (const char* button : {"ButtonCalMS", "ButtonCalHS"}) {
    for (const char* name : {"accumulated.txt", "accumulated.tsv", "accumulated.CSV"}) {
      QTest::addRow("%s %s", button, name) << button << name;
    }
  }
}

// The .txt and .tsv files hold the clipboard text byte for byte; the .csv
// file its numbers with a header line, "," between them and LF.
void MainWindowTest::saveAccumulatedProfile() {
  QFETCH(QString, button);
  QFETCH(QString, name);
  Load(ExamplePath(kAxial));
  QVERIFY(!window().save_accumulated_action()->isEnabled());
  form().findChild<QPushButton*>(button)->click();
  QVERIFY(window().save_accumulated_action()->isEnabled());

  const QString path = TempPath(name);
  fixture_->AnswerSaveDialogWith(path);
  window().save_accumulated_action()->trigger();

  QVERIFY(fixture_->shown_errors().empty());
  const QByteArray clipboard = ClipboardBytes();
  QVERIFY(clipboard.size() > 1000);
  if (name.endsWith(QStringLiteral(".CSV"))) {
    // In the "." locale of this test only the separators between change.
    QByteArray csv = clipboard;
    csv.replace("\t", ",").replace("\r\n", "\n");
    QCOMPARE(ReadAll(path), "position_mm,dose\n" + csv);
  } else {
    QCOMPARE(ReadAll(path), clipboard);
  }
}

void MainWindowTest::failedSaveLeavesExistingFile_data() {
  QTest::addColumn<QString>("case_name");
  QTest::newRow("a name that is a folder") << "folder";
  QTest::newRow("a folder that does not exist") << "missing folder";
  QTest::newRow("a full disk (a file size limit)") << "size limit";
  if (::geteuid() != 0) QTest::newRow("a folder without write permission") << "read-only";
}

void MainWindowTest::failedSaveLeavesExistingFile() {
  QFETCH(QString, case_name);
  Load(ExamplePath(kAxial));
  form().ButtonCalMS->click();
  QString path = TempPath(QStringLiteral("accumulated.txt"));
  WriteAll(path, "old contents\n");
  if (case_name == QStringLiteral("folder")) {
    path = TempPath(QStringLiteral("a_folder"));
    QVERIFY(QDir().mkpath(path));
  } else if (case_name == QStringLiteral("missing folder")) {
    path = TempPath(QStringLiteral("no_such_folder/accumulated.txt"));
  } else if (case_name == QStringLiteral("read-only")) {
    QVERIFY(QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::ExeOwner));
  }

  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
  if (case_name == QStringLiteral("size limit")) {
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
  }
  fixture_->AnswerSaveDialogWith(path);
  window().save_accumulated_action()->trigger();
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
  const QString text = fixture_->shown_errors()[0].text;
  QVERIFY2(text.startsWith(QStringLiteral("Could not save ") + path + QStringLiteral(": ")),
           qPrintable(text));
  QCOMPARE(ReadAll(TempPath(QStringLiteral("accumulated.txt"))), QByteArray("old contents\n"));
  // No temporary file is left behind.
  QCOMPARE(QDir(folder_->path()).entryList(QDir::Files),
           QStringList{QStringLiteral("accumulated.txt")});
}

void MainWindowTest::exportChart_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("start");
  QTest::newRow("PNG") << "chart.png" << QByteArray("\x89PNG\r\n");
  QTest::newRow("SVG, upper case") << "chart.SVG" << QByteArray("<?xml");
  QTest::newRow("PDF") << "chart.pdf" << QByteArray("%PDF-");
  QTest::newRow("unknown type") << "chart.jpg" << QByteArray();
}

void MainWindowTest::exportChart() {
  QFETCH(QString, name);
  QFETCH(QByteArray, start);
  Load(ExamplePath(kAxial));
  QVERIFY(fixture_->ShowAndActivate());
  const QString path = TempPath(name);
  fixture_->AnswerSaveDialogWith(path);
  window().export_chart_action()->trigger();

  if (start.isEmpty()) {
    QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
    QCOMPARE(fixture_->shown_errors()[0].text,
             QStringLiteral("Could not export the chart to %1: the name must end in .png, .svg "
                            "or .pdf.")
                 .arg(path));
    QVERIFY(!QFile::exists(path));
    return;
  }
  QVERIFY(fixture_->shown_errors().empty());
  const QByteArray bytes = ReadAll(path);
  QVERIFY2(bytes.startsWith(start), bytes.left(16).constData());
  if (name.endsWith(QStringLiteral(".png"))) {
    QCOMPARE(QImage(path).size(), form().Chart1->size() * 2);
  } else if (name.endsWith(QStringLiteral(".SVG"))) {
    // Vector: the curves are lines, not a picture.
    QVERIFY(bytes.contains("<polyline"));
    QVERIFY(!bytes.contains("<image"));
  }
}

void MainWindowTest::reportIsSearchablePdf() {
  const QString example = ExamplePath(kAxial);
  Load(example);
  form().ButtonCalMS->click();
  QVERIFY(fixture_->ShowAndActivate());
  const QString path = TempPath(QStringLiteral("report.pdf"));
  fixture_->AnswerSaveDialogWith(path);
  window().report_action()->trigger();
  QVERIFY(fixture_->shown_errors().empty());
  QVERIFY(ReadAll(path).startsWith("%PDF-"));

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing (poppler-utils; scripts/setup)");
  QProcess process;
  process.start(pdftotext, {path, QStringLiteral("-")});
  QVERIFY(process.waitForFinished(30000));
  QCOMPARE(process.exitCode(), 0);
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  QVERIFY2(text.contains(QStringLiteral("CT dose profile report")), qPrintable(text));
  QVERIFY(
      text.contains(QStringLiteral("Quorvane ") + quorvane::DecodeUtf8(quorvane::kProgramVersion)));
  QVERIFY(text.contains(example));
  QVERIFY(text.contains(QStringLiteral("BeamPitch 1.0")));
  QVERIFY(text.contains(form().EditMax->text()));
  QCOMPARE(form().EditMax->text(), QStringLiteral("25.5224"));
  // The readouts of both columns, with units and notes.
  const quorvane::ReadoutsPanel& panel = window().readouts_panel();
  for (const char* key : {"ctdi100", "equilibrium_length_98", "geometric_efficiency_percent"}) {
    QVERIFY2(text.contains(panel.CellText(key, quorvane::ReadoutsPanel::kMeasuredColumn)), key);
  }
  for (const char* key : {"central_dose", "central_average", "effective_pitch"}) {
    QVERIFY2(text.contains(panel.CellText(key, quorvane::ReadoutsPanel::kAccumulatedColumn)), key);
  }
  QVERIFY(text.contains(QStringLiteral("CTDI100")));
  QVERIFY(text.contains(QStringLiteral("value\u00b7mm")));
  QVERIFY(!panel.Notes().isEmpty());
  for (const QString& note : panel.Notes()) QVERIFY2(text.contains(note), qPrintable(note));
}

void MainWindowTest::commandLineFileLoads() {
  QCommandLineParser parser;
  quorvane::DescribeCommandLine(parser);
  // A relative name, as typed in a shell.
  const QString example = ExamplePath(kAxial);
  const QString relative = QDir::current().relativeFilePath(example);
  QVERIFY(parser.parse({QStringLiteral("quorvane"), relative}));
  QCOMPARE(quorvane::FileToOpen(parser), std::optional<QString>(relative));

  quorvane::LoadFileToOpen(form(), parser);

  QVERIFY(fixture_->shown_errors().empty());
  ExpectSameTable(form(), LoadedInMemory(example));
  QCOMPARE(form().Edit1->text(), example);
  // The file dialog starts with it, as after choosing it there.
  fixture_->form_fixture().AnswerDialogWith(std::nullopt);
  form().ButtonLoad->click();
  QCOMPARE(fixture_->form_fixture().dialog_start_names().back(), example);
  QCOMPARE(window().recent_profiles().paths(), QStringList{example});
}

void MainWindowTest::commandLineHelpAndVersion() {
  QProcess process;
  process.start(QStringLiteral(QUORVANE_PROGRAM_PATH), {QStringLiteral("--version")});
  QVERIFY(process.waitForFinished(30000));
  QCOMPARE(process.exitCode(), 0);
  QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
           QStringLiteral("quorvane %1\n").arg(quorvane::DecodeUtf8(quorvane::kProgramVersion)));

  // No window system is needed for the help either.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QUORVANE_PROGRAM_PATH), {QStringLiteral("--help")});
  QVERIFY(process.waitForFinished(30000));
  QCOMPARE(process.exitCode(), 0);
  const QString help = QString::fromUtf8(process.readAllStandardOutput());
  QVERIFY2(help.contains(QStringLiteral("[options] [FILE]")), qPrintable(help));
  QVERIFY(help.contains(QStringLiteral("--version")));
}

void MainWindowTest::droppedFileLoads_data() {
  QTest::addColumn<QString>("target");
  QTest::newRow("on the path field, which would take text") << "Edit1";
  QTest::newRow("on the table") << "StringGridRProf";
  QTest::newRow("on the chart") << "Chart1";
  QTest::newRow("on the menu bar") << "menu bar";
}

void MainWindowTest::droppedFileLoads() {
  QFETCH(QString, target);
  QVERIFY(fixture_->ShowAndActivate());
  QWidget* widget = target == QStringLiteral("menu bar") ? static_cast<QWidget*>(window().menuBar())
                                                         : form().findChild<QWidget*>(target);
  if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) widget = view->viewport();
  const QString example = ExamplePath(kHelical);

  QMimeData two_files;
  two_files.setUrls({QUrl::fromLocalFile(example), QUrl::fromLocalFile(ExamplePath(kAxial))});
  QDragEnterEvent refused_enter(QPoint(5, 5), Qt::CopyAction, &two_files, Qt::LeftButton, {});
  QApplication::sendEvent(widget, &refused_enter);
  QDragMoveEvent refused(QPoint(6, 6), Qt::CopyAction, &two_files, Qt::LeftButton, {});
  QApplication::sendEvent(widget, &refused);
  QVERIFY(!refused.isAccepted());

  QMimeData one_file;
  one_file.setUrls({QUrl::fromLocalFile(example)});
  one_file.setText(example);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &one_file, Qt::LeftButton, {});
  QApplication::sendEvent(widget, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &one_file, Qt::LeftButton, {});
  QApplication::sendEvent(widget, &drop);
  QVERIFY(drop.isAccepted());

  QTRY_COMPARE(form().Edit1->text(), example);
  // The helical example has no header line: draw measures it.
  QVERIFY(fixture_->shown_errors().empty());
  ExpectSameTable(form(), LoadedInMemory(example));
}

void MainWindowTest::recentProfiles() {
  const QString settings = TempPath(QStringLiteral("quorvane.ini"));
  fixture_ = std::make_unique<WindowFixture>(settings);
  QStringList copies;
  for (int i = 1; i <= 9; ++i) {
    copies.append(TempPath(QStringLiteral("profile%1.txt").arg(i)));
    QVERIFY(QFile::copy(ExamplePath(kAxial), copies.back()));
    Load(copies.back());
  }
  Load(copies[3]);  // loaded again: first once more
  QVERIFY(fixture_->shown_errors().empty());
  const QStringList expected = {copies[3], copies[8], copies[7], copies[6],
                                copies[5], copies[4], copies[2], copies[1]};
  QCOMPARE(window().recent_profiles().paths(), expected);
  const QList<QAction*> entries = window().recent_menu()->actions();
  QCOMPARE(entries[0]->text(), QStringLiteral("&1 ") + copies[3]);
  QCOMPARE(entries[7]->text(), QStringLiteral("&8 ") + copies[1]);

  // Kept for the next start; an entry loads its file.
  fixture_.reset();
  fixture_ = std::make_unique<WindowFixture>(settings);
  QCOMPARE(window().recent_profiles().paths(), expected);
  window().recent_menu()->actions()[2]->trigger();
  QCOMPARE(form().Edit1->text(), copies[7]);
  QCOMPARE(window().recent_profiles().paths().first(), copies[7]);

  // Clear empties the list.
  QAction* clear = window().recent_menu()->actions().last();
  QCOMPARE(clear->text(), QStringLiteral("&Clear"));
  clear->trigger();
  QVERIFY(window().recent_profiles().paths().isEmpty());
  QCOMPARE(window().recent_menu()->actions().first()->text(), QStringLiteral("(none)"));
}

void MainWindowTest::missingRecentProfileIsRemoved() {
  const QString copy = TempPath(QStringLiteral("gone.txt"));
  QVERIFY(QFile::copy(ExamplePath(kAxial), copy));
  Load(copy);
  Load(ExamplePath(kHelical));
  QVERIFY(QFile::remove(copy));
  // The window as the two loads left it, which the missing file must not
  // change.
  MemoryWorkspace before;
  quorvane::LoadProfileFile(before, PathBytes(ExamplePath(kAxial)));
  quorvane::LoadProfileFile(before, PathBytes(ExamplePath(kHelical)));

  window().recent_menu()->actions()[1]->trigger();

  QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
  QCOMPARE(fixture_->shown_errors()[0].text,
           copy + QStringLiteral(" no longer exists; it was removed from the recent profiles."));
  QCOMPARE(window().recent_profiles().paths(), QStringList{ExamplePath(kHelical)});
  ExpectSameTable(form(), before);
}

void MainWindowTest::zoomAndReset_data() {
  QTest::addColumn<QString>("gesture");
  QTest::newRow("drag up and to the left") << "up-left";
  QTest::newRow("double-click") << "double-click";
  QTest::newRow("Home") << "Home";
}

// A rectangle zooms into its part of the data, the wheel about the cursor;
// each reset gesture brings back exactly the full view.
void MainWindowTest::zoomAndReset() {
  QFETCH(QString, gesture);
  Load(ExamplePath(kAxial));
  QVERIFY(fixture_->ShowAndActivate());
  QWidget* viewport = form().Chart1->viewport();
  const AxisRanges full = RangesOf(form());
  QCOMPARE(full.x_min, -30.0);
  QCOMPARE(full.x_max, 30.0);

  const QPoint centre = PlotCentre(form());
  Drag(viewport, Qt::LeftButton, centre - QPoint(60, 40), centre + QPoint(40, 30));
  const AxisRanges zoomed = RangesOf(form());
  QVERIFY(zoomed.x_min > full.x_min && zoomed.x_max < full.x_max);
  QVERIFY(zoomed.y_min > full.y_min && zoomed.y_max < full.y_max);
  // The rectangle went from 60 pixels left of the centre to 40 right of it.
  QVERIFY(-zoomed.x_min > zoomed.x_max);

  QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &wheel);
  const AxisRanges wheeled = RangesOf(form());
  QVERIFY(wheeled.x_max - wheeled.x_min < zoomed.x_max - zoomed.x_min);

  if (gesture == QStringLiteral("up-left")) {
    Drag(viewport, Qt::LeftButton, centre + QPoint(30, 30), centre - QPoint(30, 30));
  } else if (gesture == QStringLiteral("double-click")) {
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
  } else {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
    QCOMPARE(QApplication::focusWidget(), form().Chart1);
    QTest::keyClick(form().Chart1, Qt::Key_Home);
  }
  QVERIFY(RangesOf(form()) == full);
}

void MainWindowTest::panKeepsSpans() {
  Load(ExamplePath(kAxial));
  QVERIFY(fixture_->ShowAndActivate());
  const AxisRanges full = RangesOf(form());
  const QPoint centre = PlotCentre(form());
  Drag(form().Chart1->viewport(), Qt::RightButton, centre, centre + QPoint(50, -20));
  const AxisRanges panned = RangesOf(form());
  // The data follows the mouse: to the right and up.
  QVERIFY(panned.x_min < full.x_min);
  QVERIFY(panned.y_min < full.y_min);
  QVERIFY(qFuzzyCompare(panned.x_max - panned.x_min, full.x_max - full.x_min));
  QVERIFY(qFuzzyCompare(panned.y_max - panned.y_min, full.y_max - full.y_min));
}

void MainWindowTest::hoverShowsNearestPoint() {
  Load(ExamplePath(kAxial));
  QVERIFY(fixture_->ShowAndActivate());
  // Sample 80 of 241 (-10 mm) lies on the rising edge, its neighbours far
  // above and below it.
  const QPointF sample = form().Series1->at(80);
  const QPoint pixel = PixelOf(form(), sample, form().Series1);
  QTest::mouseMove(form().Chart1->viewport(), pixel + QPoint(1, 1));
  const quorvane::NumberFormat format;
  QTRY_COMPARE(QToolTip::text(),
               QStringLiteral("measured profile\nposition %1 mm\ndose rate %2")
                   .arg(quorvane::DecodeUtf8(quorvane::NumberText(sample.x(), format)),
                        quorvane::DecodeUtf8(quorvane::NumberText(sample.y(), format))));
  QCOMPARE(form().Chart1->HoverText(PlotCentre(form()) + QPoint(0, 60)), QString());
}

void MainWindowTest::resultFieldsShowWholeTextAsToolTip() {
  Load(ExamplePath(kHelical));
  form().EditSW->setText(QStringLiteral("0.625"));
  form().EditSN->setText(QStringLiteral("16"));
  form().EditBP->setText(QStringLiteral("1.5"));
  form().ButtonCalHS->click();
  QVERIFY(fixture_->shown_errors().empty());
  QCOMPARE(form().EditMax->text(), QStringLiteral("12.5965785234899"));
  QCOMPARE(form().EditMax->toolTip(), QStringLiteral("12.5965785234899"));
  QCOMPARE(form().EditFWHM->toolTip(), QStringLiteral("149.8"));
}

void MainWindowTest::aboutShowsVersionsAndLicence() {
  const quorvane::AboutDialog about(&window());
  QVERIFY(about.summary().contains(QStringLiteral("Quorvane ") +
                                   quorvane::DecodeUtf8(quorvane::kProgramVersion)));
  QVERIFY(about.summary().contains(QString::fromLatin1(qVersion())));
  QVERIFY(about.summary().contains(QStringLiteral("GPL-3.0-or-later")));
  const QString licence = about.licence_text();
  QVERIFY(licence.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
  QVERIFY(licence.contains(QStringLiteral("Version 3, 29 June 2007")));
  QCOMPARE(
      licence.toUtf8(),
      ReadAll(QDir(quorvane::test_support::ExamplePath()).filePath(QStringLiteral("../LICENSE"))));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
