// The Qt-free separator table against Qt itself, for every locale Qt knows,
// as the environment spells it, and for names Qt must fall back on.
#include "cli/locale_separator.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include <string>

namespace quorvane::cli {
namespace {

std::string QtSeparator(const std::string& name) {
  return QLocale(QString::fromStdString(name)).decimalPoint().toStdString();
}

TEST(LocaleSeparator, AgreesWithQtForEveryLocale) {
  int names = 0;
  for (const QLocale& locale :
       QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
    const std::string name = locale.name().toStdString();
    const std::string language = name.substr(0, name.find('_'));
    for (const std::string& spelled : {name, name + ".UTF-8", name + ".UTF-8@euro", language,
                                       language + "_US", language + "_DE.UTF-8"}) {
      EXPECT_EQ(LocaleDecimalSeparator(spelled), QtSeparator(spelled)) << spelled;
      ++names;
    }
  }
  EXPECT_GT(names, 3000);
}

TEST(LocaleSeparator, CPosixEmptyAndUnknownNamesArePoint) {
  for (const std::string name : {"C", "C.UTF-8", "POSIX", "", "xx_YY.UTF-8", "de-AT", "sr_RS@latin",
                                 "sr_Latn_RS", "zh_Hant_TW", "es_419"}) {
    EXPECT_EQ(LocaleDecimalSeparator(name), QtSeparator(name)) << '"' << name << '"';
  }
}

}  // namespace
}  // namespace quorvane::cli
