// The main window as the user meets it: its start, "Load" through the file
// dialog, the error box, the keyboard paths into the hidden "draw" button
// and between the table's cells, and the actions reading what was typed.
// Where an action's result is checked, the same action run on a workspace in
// memory is the oracle: the window must behave exactly like it.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "app/utf8_text.h"
#include "form_fixture.h"
#include "profile_io/load_profile_file.h"
#include "workspace/memory_workspace.h"

using quorvane::CurveId;
using quorvane::CurvePoint;
using quorvane::Field;
using quorvane::MemoryWorkspace;
using quorvane::TForm1;
using quorvane::test_support::ExamplePath;
using quorvane::test_support::FormFixture;

Q_DECLARE_METATYPE(Field)

namespace {

std::vector<CurvePoint> PointsOf(const QLineSeries& series) {
  std::vector<CurvePoint> points;
  for (const QPointF& point : series.points()) points.push_back({point.x(), point.y()});
  return points;
}

std::string PathBytes(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// What a load of `path` leaves in a workspace in memory.
MemoryWorkspace LoadedInMemory(const QString& path) {
  MemoryWorkspace workspace;
  quorvane::LoadProfileFile(workspace, PathBytes(path));
  return workspace;
}

// QtTest prints no std::string and no std::vector of points: QCOMPARE of two
// would say only that they differ. These give the failure text instead, ""
// where the values are equal; bytes are escaped as QtTest escapes them.
QString Quoted(const std::string& text) {
  const std::unique_ptr<char[]> shown(QTest::toString(QByteArray::fromStdString(text)));
  return QString::fromLatin1(shown.get());
}

QString TextMismatch(const QString& place, const std::string& shown, const std::string& expected) {
  if (shown == expected) return QString();
  return QStringLiteral("%1: %2, expected %3").arg(place, Quoted(shown), Quoted(expected));
}

QString PointText(const CurvePoint& point) {
  return QStringLiteral("(%1, %2)")
      .arg(QString::number(point.x, 'g', 17), QString::number(point.y, 'g', 17));
}

QString PointsMismatch(const QString& curve, const std::vector<CurvePoint>& shown,
                       const std::vector<CurvePoint>& expected) {
  if (shown.size() != expected.size()) {
    return QStringLiteral("%1: %2 points, expected %3")
        .arg(curve)
        .arg(shown.size())
        .arg(expected.size());
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (!(shown[i] == expected[i])) {
      return QStringLiteral("%1 point %2: %3, expected %4")
          .arg(curve)
          .arg(i)
          .arg(PointText(shown[i]), PointText(expected[i]));
    }
  }
  return QString();
}

void ExpectSameWorkspace(const TForm1& form, const MemoryWorkspace& expected) {
  for (const Field field : quorvane::kAllFields) {
    const std::string_view name = quorvane::FieldName(field);
    const QString mismatch = TextMismatch(QString::fromLatin1(name.data(), qsizetype(name.size())),
                                          form.FieldText(field), expected.FieldText(field));
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }
  QCOMPARE(form.RowCount(), expected.RowCount());
  for (std::int32_t row = 0; row <= expected.RowCount(); ++row) {
    for (int column = 0; column < quorvane::kProfileColumns; ++column) {
      const std::string shown = form.CellText(column, row);
      const std::string held = expected.CellText(column, row);
      if (shown == held) continue;
      const QString place = QStringLiteral("cell column %1, row %2").arg(column).arg(row);
      QFAIL(qPrintable(TextMismatch(place, shown, held)));
    }
  }
  const QString series1 = PointsMismatch(QStringLiteral("Series1"), PointsOf(*form.Series1),
                                         expected.CurveOf(CurveId::kSeries1).points());
  QVERIFY2(series1.isEmpty(), qPrintable(series1));
  const QString series2 = PointsMismatch(QStringLiteral("Series2"), PointsOf(*form.Series2),
                                         expected.CurveOf(CurveId::kSeries2).points());
  QVERIFY2(series2.isEmpty(), qPrintable(series2));
}

void ExpectUnusedCurvesEmpty(const TForm1& form) {
  QCOMPARE(form.Series3->count(), 0);
  QCOMPARE(form.Series4->count(), 0);
  QCOMPARE(form.Series5->count(), 0);
}

void Click(TForm1& form, const QString& button_name) {
  auto* button = form.findChild<QPushButton*>(button_name);
  QVERIFY2(button != nullptr, qPrintable(button_name));
  button->click();
}

// Key by key, as a keyboard with an input method would send them.
void Type(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

void ShowAndActivate(TForm1& form) {
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

// The caption of every error box: the program title, here the file name of
// this test program.
const QString kProgramTitle = QStringLiteral("t_form1_test");

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() { fixture_ = std::make_unique<FormFixture>(); }
  void cleanup() { fixture_.reset(); }

  void startsEmptyWithDesignedTexts();
  void startFieldTexts_data();
  void startFieldTexts();
  void startsWithFocusInTable();
  void buttonDrawLiesBehindTable();
  void loadsExample_data();
  void loadsExample();
  void loadsLongestProfileWithoutWidgetPerCell();
  void cancelledDialogChangesNothing();
  void showsErrorAndGoesOn_data();
  void showsErrorAndGoesOn();
  void tabOrderFollowsDesign();
  void tabFromEdit1ThenSpaceRunsDraw();
  void keysMoveBetweenCells_data();
  void keysMoveBetweenCells();
  void actionReadsTextTypedIntoCell_data();
  void actionReadsTextTypedIntoCell();
  void untouchedCellKeepsItsBytes();
  void accumulationButtonsRunTheirActions_data();
  void accumulationButtonsRunTheirActions();

 private:
  TForm1& form() { return fixture_->form(); }

  std::unique_ptr<FormFixture> fixture_;
};

void TForm1Test::startsEmptyWithDesignedTexts() {
  QCOMPARE(form().windowTitle(), QStringLiteral("Form1"));
  QCOMPARE(form().RowCount(), 1024);
  QCOMPARE(form().table_model().rowCount(), 1023);
  for (std::int32_t row = 0; row < 1024; ++row) {
    for (int column = 0; column < quorvane::kProfileColumns; ++column) {
      QVERIFY(form().CellText(column, row).empty());
    }
  }
  QCOMPARE(form().table_model().headerData(0, Qt::Horizontal).toString(), QString());
  QCOMPARE(form().table_model().headerData(0, Qt::Vertical).toString(), QString());

  const QChart* chart = form().Chart1->chart();
  QCOMPARE(chart->title(), QStringLiteral("Quorvane"));
  QCOMPARE(chart->titleBrush().color(), QColor(0, 0, 255));
  QVERIFY(chart->titleFont().bold());
  QCOMPARE(chart->titleFont().pixelSize(), 16);
  QVERIFY(!chart->legend()->isVisible());
  QCOMPARE(form().Series1->count(), 0);
  QCOMPARE(form().Series2->count(), 0);
  ExpectUnusedCurvesEmpty(form());
}

void TForm1Test::startFieldTexts_data() {
  QTest::addColumn<Field>("field");
  QTest::addColumn<QString>("text");
  QTest::newRow("Edit1") << Field::kEdit1 << QString();
  QTest::newRow("EditSW") << Field::kEditSW << QString();
  QTest::newRow("EditSN") << Field::kEditSN << QString();
  QTest::newRow("EditBP") << Field::kEditBP << QStringLiteral("1.0");
  QTest::newRow("EditnRot") << Field::kEditnRot << QStringLiteral("10");
  QTest::newRow("EditMax") << Field::kEditMax << QString();
  QTest::newRow("EditFWHM") << Field::kEditFWHM << QString();
}

void TForm1Test::startFieldTexts() {
  QFETCH(Field, field);
  QFETCH(QString, text);
  const std::string_view name = quorvane::FieldName(field);
  const auto* edit =
      form().findChild<QLineEdit*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
  QVERIFY(edit != nullptr);
  QCOMPARE(edit->text(), text);
  QCOMPARE(QByteArray::fromStdString(form().FieldText(field)),
           QByteArray::fromStdString(quorvane::EncodeUtf8(text)));
}

void TForm1Test::startsWithFocusInTable() {
  ShowAndActivate(form());
  QWidget* editor = form().StringGridRProf->CurrentEditor();
  QVERIFY(editor != nullptr);
  QCOMPARE(QApplication::focusWidget(), editor);
  QCOMPARE(form().StringGridRProf->currentIndex(), form().table_model().index(0, 0));
}

void TForm1Test::buttonDrawLiesBehindTable() {
  ShowAndActivate(form());
  const QRect button = form().ButtonDraw->geometry();
  QVERIFY(form().StringGridRProf->geometry().contains(button));
  QWidget* on_top = form().childAt(button.center());
  QVERIFY(on_top != nullptr);
  QVERIFY(on_top == form().StringGridRProf || form().StringGridRProf->isAncestorOf(on_top));
}

void TForm1Test::loadsExample_data() {
  QTest::addColumn<QString>("file");
  QTest::newRow("header line") << QStringLiteral("axial_4x5mm_header.txt");
  QTest::newRow("no header line") << QStringLiteral("helical_16x0.625mm_noheader.txt");
  QTest::newRow("CR LF") << QStringLiteral("wide_64x0.5mm_crlf.txt");
}

void TForm1Test::loadsExample() {
  QFETCH(QString, file);
  const QString path = ExamplePath(file);
  fixture_->Load(path);

  QVERIFY(fixture_->shown_errors().empty());
  QCOMPARE(fixture_->dialog_start_names(), std::vector<QString>{QString()});
  ExpectSameWorkspace(form(), LoadedInMemory(path));
  QVERIFY(form().Series1->count() > 100);
  ExpectUnusedCurvesEmpty(form());

  // What the view shows: the headings as headers, the data rows as cells.
  const auto& model = form().table_model();
  QCOMPARE(model.rowCount(), form().RowCount() - 1);
  QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("mm"));
  QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("mGy/s"));
  QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
  QCOMPARE(model.data(model.index(0, 1)).toString(), quorvane::DecodeUtf8(form().CellText(2, 1)));
  QCOMPARE(form().Edit1->text(), path);
}

void TForm1Test::loadsLongestProfileWithoutWidgetPerCell() {
  QTemporaryDir folder;
  QString text;
  // The first dose rate, 3, is no power of two: no header line.
  for (int i = 0; i < 1025; ++i) text += QStringLiteral("%1\t%2\n").arg(i).arg(i % 5 + 3);
  const QString path = folder.filePath(QStringLiteral("long.txt"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text.toLatin1());
  file.close();

  ShowAndActivate(form());
  fixture_->Load(path);

  QVERIFY(fixture_->shown_errors().empty());
  QCOMPARE(form().RowCount(), 1027);
  QCOMPARE(form().table_model().rowCount(), 1026);
  QCOMPARE(form().Series1->count(), 1025);
  // The rows are drawn: the only widget on the grid is the current cell's
  // editor.
  QCOMPARE(form().StringGridRProf->viewport()->findChildren<QLineEdit*>().size(), 1);
}

void TForm1Test::cancelledDialogChangesNothing() {
  const QString path = ExamplePath(QStringLiteral("axial_4x5mm_header.txt"));
  fixture_->Load(path);
  form().EditMax->setText(QStringLiteral("typed"));
  const std::vector<CurvePoint> curve = PointsOf(*form().Series1);

  fixture_->AnswerDialogWith(std::nullopt);
  form().ButtonLoad->click();
  fixture_->AnswerDialogWith(QString());
  form().ButtonLoad->click();

  QVERIFY(fixture_->shown_errors().empty());
  MemoryWorkspace expected = LoadedInMemory(path);
  expected.SetFieldText(Field::kEditMax, "typed");
  ExpectSameWorkspace(form(), expected);
  const QString series1 =
      PointsMismatch(QStringLiteral("Series1"), PointsOf(*form().Series1), curve);
  QVERIFY2(series1.isEmpty(), qPrintable(series1));
  // Each dialog starts with the name chosen last; a cancel keeps it.
  QCOMPARE(fixture_->dialog_start_names(), (std::vector<QString>{QString(), path, path}));
}

void TForm1Test::showsErrorAndGoesOn_data() {
  QTest::addColumn<QString>("load_path");  // empty: press the button instead
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("text");
  const QString empty_text = QStringLiteral("'' は浮動小数点数ではありません.");
  QTest::newRow("draw on a fresh window") << QString() << "ButtonDraw" << empty_text;
  QTest::newRow("CalMS on a fresh window") << QString() << "ButtonCalMS" << empty_text;
  QTest::newRow("CalHS on a fresh window") << QString() << "ButtonCalHS" << empty_text;
  QTest::newRow("file not found") << ExamplePath(QStringLiteral("no_such_profile.txt")) << ""
                                  << QStringLiteral("ファイルが見つかりません.");
  // A message that ends in ")" gets no full stop.
  QTest::newRow("a folder") << ExamplePath() << "" << QStringLiteral("I/O エラー (21)");
}

void TForm1Test::showsErrorAndGoesOn() {
  QFETCH(QString, load_path);
  QFETCH(QString, button);
  QFETCH(QString, text);
  if (load_path.isEmpty()) {
    Click(form(), button);
  } else {
    fixture_->Load(load_path);
    QCOMPARE(form().Edit1->text(), load_path);
  }
  QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
  QCOMPARE(fixture_->shown_errors()[0].caption, kProgramTitle);
  QCOMPARE(fixture_->shown_errors()[0].text, text);

  // The window goes on as if nothing had happened.
  const QString example = ExamplePath(QStringLiteral("axial_4x5mm_header.txt"));
  fixture_->Load(example);
  QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
  ExpectSameWorkspace(form(), LoadedInMemory(example));
}

void TForm1Test::tabOrderFollowsDesign() {
  ShowAndActivate(form());
  const std::vector<QWidget*> order = {form().ButtonLoad,  form().Edit1,      form().ButtonDraw,
                                       form().EditBP,      form().EditSW,     form().EditSN,
                                       form().ButtonCalMS, form().EditFWHM,   form().EditMax,
                                       form().EditnRot,    form().ButtonCalHS};
  form().ButtonLoad->setFocus(Qt::TabFocusReason);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order[i]);
  }
  // From the last control back into the table, onto its current cell.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form().StringGridRProf->CurrentEditor());
  // And from the first control back the other way.
  form().ButtonLoad->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form().ButtonLoad, Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), form().StringGridRProf->CurrentEditor());
}

void TForm1Test::tabFromEdit1ThenSpaceRunsDraw() {
  const QString path = ExamplePath(QStringLiteral("axial_4x5mm_header.txt"));
  fixture_->Load(path);
  form().EditMax->clear();
  form().EditFWHM->clear();
  ShowAndActivate(form());
  form().Edit1->setFocus(Qt::MouseFocusReason);

  QTest::keyClick(form().Edit1, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form().ButtonDraw);
  QTest::keyClick(form().ButtonDraw, Qt::Key_Space);

  QVERIFY(fixture_->shown_errors().empty());
  ExpectSameWorkspace(form(), LoadedInMemory(path));
}

void TForm1Test::keysMoveBetweenCells_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("next_row");
  QTest::addColumn<int>("next_column");
  // Model cells: data row 1 is model row 0, column 1 model column 0.
  const int tab = Qt::Key_Tab;
  const int back = Qt::Key_Backtab;
  QTest::newRow("Tab to the right") << 0 << 0 << tab << 0 << 1;
  QTest::newRow("Tab on to the next row") << 0 << 1 << tab << 1 << 0;
  QTest::newRow("Shift+Tab back to the previous row") << 1 << 0 << back << 0 << 1;
  QTest::newRow("Shift+Tab to the left") << 5 << 1 << back << 5 << 0;
  QTest::newRow("Tab from the last cell to the first") << 1022 << 1 << tab << 0 << 0;
  QTest::newRow("Shift+Tab from the first cell to the last") << 0 << 0 << back << 1022 << 1;
  // Arriving in a cell selects its text; arrows then move on.
  QTest::newRow("Right") << 3 << 0 << int(Qt::Key_Right) << 3 << 1;
  QTest::newRow("Left") << 3 << 1 << int(Qt::Key_Left) << 3 << 0;
  QTest::newRow("Down") << 3 << 1 << int(Qt::Key_Down) << 4 << 1;
  QTest::newRow("Up") << 3 << 0 << int(Qt::Key_Up) << 2 << 0;
}

void TForm1Test::keysMoveBetweenCells() {
  QFETCH(int, row);
  QFETCH(int, column);
  QFETCH(int, key);
  QFETCH(int, next_row);
  QFETCH(int, next_column);
  ShowAndActivate(form());
  quorvane::ProfileGridView* grid = form().StringGridRProf;
  grid->setCurrentIndex(form().table_model().index(row, column));
  QWidget* editor = grid->CurrentEditor();
  QCOMPARE(QApplication::focusWidget(), editor);

  const auto modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
  QTest::keyClick(editor, Qt::Key(key), modifiers);

  QCOMPARE(grid->currentIndex(), form().table_model().index(next_row, next_column));
  QVERIFY(grid->CurrentEditor() != nullptr);
  QCOMPARE(QApplication::focusWidget(), grid->CurrentEditor());
}

void TForm1Test::actionReadsTextTypedIntoCell_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("error");
  QTest::addColumn<int>("points");
  // The example's table: row r holds sample r of 241.
  QTest::newRow("a word as position of row 1")
      << 1 << 1 << QStringLiteral("abc") << QStringLiteral("'abc' は浮動小数点数ではありません.")
      << 0;
  QTest::newRow("a full-width digit as dose rate of row 5")
      << 5 << 2 << QStringLiteral("５") << QStringLiteral("'５' は浮動小数点数ではありません.")
      << 4;
  QTest::newRow("a new peak") << 121 << 2 << QStringLiteral("1000") << QString() << 241;
}

void TForm1Test::actionReadsTextTypedIntoCell() {
  QFETCH(int, row);
  QFETCH(int, column);
  QFETCH(QString, typed);
  QFETCH(QString, error);
  QFETCH(int, points);
  const QString path = ExamplePath(QStringLiteral("axial_4x5mm_header.txt"));
  fixture_->Load(path);
  ShowAndActivate(form());
  quorvane::ProfileGridView* grid = form().StringGridRProf;
  const QModelIndex cell = form().table_model().index(row - 1, column - 1);
  grid->scrollTo(cell);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
  QCOMPARE(grid->currentIndex(), cell);
  QCOMPARE(QApplication::focusWidget(), grid->CurrentEditor());

  // Typed over the whole text and not confirmed with Enter.
  QTest::keyClick(grid->CurrentEditor(), Qt::Key_A, Qt::ControlModifier);
  Type(grid->CurrentEditor(), typed);
  form().ButtonDraw->click();

  QCOMPARE(QByteArray::fromStdString(form().CellText(column, row)),
           QByteArray::fromStdString(quorvane::EncodeUtf8(typed)));
  MemoryWorkspace expected = LoadedInMemory(path);
  expected.SetCellText(column, row, quorvane::EncodeUtf8(typed));
  if (error.isEmpty()) {
    quorvane::DrawMeasuredProfile(expected);
    QVERIFY(fixture_->shown_errors().empty());
    QCOMPARE(form().EditMax->text(), typed);
    ExpectSameWorkspace(form(), expected);
  } else {
    QCOMPARE(fixture_->shown_errors().size(), std::size_t{1});
    QCOMPARE(fixture_->shown_errors()[0].text, error);
    QCOMPARE(QByteArray::fromStdString(form().FieldText(Field::kEditMax)),
             QByteArray::fromStdString(expected.FieldText(Field::kEditMax)));
  }
  QCOMPARE(form().Series1->count(), points);
}

void TForm1Test::untouchedCellKeepsItsBytes() {
  // Shift-JIS bytes, as a profile file may hold them: not UTF-8.
  const std::string bytes = "\x83\x54\x83\x93";
  form().SetCellText(2, 1, bytes);
  form().SetFieldText(Field::kEditSN, bytes);
  ShowAndActivate(form());
  quorvane::ProfileGridView* grid = form().StringGridRProf;

  // The editor arrives on the cell, shows it, and moves on; then the focus
  // leaves the table.
  QTest::keyClick(grid->CurrentEditor(), Qt::Key_Tab);
  QCOMPARE(grid->currentIndex(), form().table_model().index(0, 1));
  QTest::keyClick(grid->CurrentEditor(), Qt::Key_Tab);
  form().ButtonLoad->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();

  QCOMPARE(QByteArray::fromStdString(form().CellText(2, 1)), QByteArray::fromStdString(bytes));
  QCOMPARE(QByteArray::fromStdString(form().FieldText(Field::kEditSN)),
           QByteArray::fromStdString(bytes));
}

void TForm1Test::accumulationButtonsRunTheirActions_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("CalMS") << QStringLiteral("ButtonCalMS");
  QTest::newRow("CalHS") << QStringLiteral("ButtonCalHS");
}

void TForm1Test::accumulationButtonsRunTheirActions() {
  QFETCH(QString, button);
  const QString path = ExamplePath(QStringLiteral("axial_4x5mm_header.txt"));
  fixture_->Load(path);
  Click(form(), button);

  MemoryWorkspace expected = LoadedInMemory(path);
  if (button == QStringLiteral("ButtonCalMS")) {
    quorvane::RunMultipleScanAction(expected);
  } else {
    quorvane::RunHelicalScanAction(expected);
  }
  QVERIFY(fixture_->shown_errors().empty());
  QVERIFY(form().Series2->count() > 0);
  ExpectSameWorkspace(form(), expected);
  ExpectUnusedCurvesEmpty(form());
  QCOMPARE(QGuiApplication::clipboard()->text(), quorvane::DecodeUtf8(expected.clipboard_text()));
}

QTEST_MAIN(TForm1Test)
#include "t_form1_test.moc"
