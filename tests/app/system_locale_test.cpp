// The window takes the decimal separator from the user's locale when it
// opens and again when the locale changes. CTest runs this program with a
// German locale, whose separator is the comma.
#include <QEvent>
#include <QLocale>
#include <QTest>

#include "app/t_form1.h"
#include "numbers/decimal_separator.h"

class SystemLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void separatorFollowsTheLocale();
};

void SystemLocaleTest::separatorFollowsTheLocale() {
  QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
  quorvane::SetDecimalSeparator(".");
  quorvane::TForm1 form;
  QCOMPARE(quorvane::DecimalSeparator(), std::string(","));

  quorvane::SetDecimalSeparator(".");
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&form, &change);
  QCOMPARE(quorvane::DecimalSeparator(), std::string(","));
}

QTEST_MAIN(SystemLocaleTest)
#include "system_locale_test.moc"
