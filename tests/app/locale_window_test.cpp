// The window in the user's locale: CTest runs this program with a German
// locale (decimal comma, "." between thousands) and with an English one
// ("," between thousands). Whatever the locale, the default beam pitch reads
// as a number, the chart's labels carry the locale's decimal separator and
// no thousands separator, and the .csv save writes "." and ",".
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "app/utf8_text.h"
#include "window_fixture.h"

using quorvane::Field;
using quorvane::test_support::WindowFixture;

namespace {

QString Separator() { return QLocale::system().decimalPoint(); }

// The example profile axial_4x5mm_header.txt, its numbers written with the
// locale's separator: "-30,00<TAB>0,0307".
QString WriteProfileInLocale(const QTemporaryDir& folder) {
  QFile example(quorvane::test_support::ExamplePath(QStringLiteral("axial_4x5mm_header.txt")));
  if (!example.open(QIODevice::ReadOnly)) return QString();
  QByteArray text = example.readAll();
  text.replace('.', Separator().toUtf8());
  const QString path = folder.filePath(QStringLiteral("profile.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return QString();
  file.write(text);
  return path;
}

QStringList LabelsOf(QChartView& view) {
  QStringList labels;
  for (QGraphicsItem* item : view.scene()->items()) {
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) labels.append(text->toPlainText());
  }
  return labels;
}

}  // namespace

class LocaleWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void beamPitchStartsInTheLocalesSeparatorAndCalMSAcceptsIt();
  void axisLabelsWithoutThousandsSeparators();
  void csvSaveWritesPointsAndCommas();
};

void LocaleWindowTest::beamPitchStartsInTheLocalesSeparatorAndCalMSAcceptsIt() {
  WindowFixture fixture;
  QVERIFY(QLocale::system().name() == QStringLiteral("de_DE") ||
          QLocale::system().name() == QStringLiteral("en_US"));
  QCOMPARE(fixture.form().EditBP->text(), QStringLiteral("1") + Separator() + QStringLiteral("0"));
  QTemporaryDir folder;
  fixture.form_fixture().Load(WriteProfileInLocale(folder));
  fixture.form().ButtonCalMS->click();

  QVERIFY(fixture.shown_errors().empty());
  QCOMPARE(fixture.form().EditMax->text(),
           QStringLiteral("25") + Separator() + QStringLiteral("5224"));
  QCOMPARE(
      fixture.window().readouts_panel().CellText("pitch", quorvane::ReadoutsPanel::kMeasuredColumn),
      QStringLiteral("1"));
  QCOMPARE(fixture.window().readouts_panel().CellText("fwhm_interpolated",
                                                      quorvane::ReadoutsPanel::kMeasuredColumn),
           QStringLiteral("20") + Separator() + QStringLiteral("0587793555434"));
}

void LocaleWindowTest::axisLabelsWithoutThousandsSeparators() {
  WindowFixture fixture;
  QVERIFY(fixture.ShowAndActivate());
  QTemporaryDir folder;
  fixture.form_fixture().Load(WriteProfileInLocale(folder));
  // 200 rotations of 20 mm: the accumulated profile spans about -2000 to
  // 2000 mm.
  fixture.form().EditnRot->setText(QStringLiteral("200"));
  fixture.form().ButtonCalMS->click();
  QVERIFY(fixture.shown_errors().empty());
  QCoreApplication::processEvents();

  const QStringList labels = LabelsOf(*fixture.form().Chart1);
  QVERIFY2(labels.contains(QStringLiteral("-2000")), qPrintable(labels.join(QLatin1Char('|'))));
  QVERIFY(labels.contains(QStringLiteral("2000")));
  for (const QString& label : labels) {
    QVERIFY2(!label.contains(QLocale::system().groupSeparator()), qPrintable(label));
  }
  // Decimals in the locale's separator: the h axis of the approach chart.
  const QStringList h_labels = LabelsOf(fixture.window().readouts_panel().approach_chart());
  QVERIFY2(h_labels.contains(QStringLiteral("0") + Separator() + QStringLiteral("2")),
           qPrintable(h_labels.join(QLatin1Char('|'))));
}

void LocaleWindowTest::csvSaveWritesPointsAndCommas() {
  WindowFixture fixture;
  QTemporaryDir folder;
  fixture.form_fixture().Load(WriteProfileInLocale(folder));
  fixture.form().ButtonCalHS->click();
  const QString path = folder.filePath(QStringLiteral("accumulated.csv"));
  fixture.AnswerSaveDialogWith(path);
  fixture.window().save_accumulated_action()->trigger();
  QVERIFY(fixture.shown_errors().empty());

  QByteArray expected = QGuiApplication::clipboard()->text().toUtf8();
  QVERIFY(expected.contains(Separator().toUtf8()));
  expected.replace(Separator().toUtf8(), ".").replace("\t", ",").replace("\r\n", "\n");
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), "position_mm,dose\n" + expected);
}

QTEST_MAIN(LocaleWindowTest)
#include "locale_window_test.moc"
