#include "locale/system_number_format.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace quorvane {

NumberFormat SystemNumberFormat() {
  const QByteArray separator = QLocale::system().decimalPoint().toUtf8();
  return NumberFormat::FromLocaleSetting(
      std::string_view(separator.constData(), static_cast<std::size_t>(separator.size())));
}

}  // namespace quorvane
