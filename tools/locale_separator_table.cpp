// Prints the decimal separators of Qt's locale data as the C++ table rows of
// src/cli/locale_separator.cpp: the languages whose default locale does not
// use ".", then the language_territory names that differ from their
// language. Build and run on a machine with Qt 6:
//   g++ -std=c++17 -fPIC tools/locale_separator_table.cpp -o locale_separator_table \
//     $(pkg-config --cflags --libs Qt6Core) && ./locale_separator_table
#include <QLocale>
#include <cstdio>
#include <map>
#include <string>
int main() {
  std::map<std::string, std::string> full, language_default;
  for (const QLocale& l :
       QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
    const std::string name = l.name().toStdString();
    full[name] = QLocale(QString::fromStdString(name)).decimalPoint().toStdString();
    const std::string lang = name.substr(0, name.find('_'));
    language_default[lang] = QLocale(QString::fromStdString(lang)).decimalPoint().toStdString();
  }
  auto row = [](const std::string& name, const std::string& sep) {
    std::string escaped;
    for (unsigned char c : sep) {
      char b[8];
      std::snprintf(b, sizeof b, c < 0x80 ? "%c" : "\\x%02X", c);
      escaped += b;
    }
    std::printf("    {\"%s\", \"%s\"},\n", name.c_str(), escaped.c_str());
  };
  std::printf("// languages\n");
  for (auto& [k, v] : language_default)
    if (v != ".") row(k, v);
  std::printf("// territories\n");
  for (auto& [k, v] : full) {
    const std::string lang = k.substr(0, k.find('_'));
    if (k.find('_') != std::string::npos && v != language_default[lang]) row(k, v);
  }
}
