// The window takes its number format from the user's locale when it opens
// and again when the locale changes. CTest runs this program with a German
// locale, whose separator is the comma.
#include <QEvent>
#include <QLocale>
#include <QTest>

#include "app/t_form1.h"
#include "locale/system_number_format.h"

class SystemLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void separatorFollowsTheLocale();
};

void SystemLocaleTest::separatorFollowsTheLocale() {
  QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
  QCOMPARE(QString::fromStdString(std::string(quorvane::SystemNumberFormat().decimal_separator())),
           QStringLiteral(","));
  quorvane::TForm1 form;
  QCOMPARE(QString::fromStdString(std::string(form.number_format().decimal_separator())),
           QStringLiteral(","));

  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&form, &change);
  QCOMPARE(QString::fromStdString(std::string(form.number_format().decimal_separator())),
           QStringLiteral(","));
}

QTEST_MAIN(SystemLocaleTest)
#include "system_locale_test.moc"
