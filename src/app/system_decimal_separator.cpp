#include "app/system_decimal_separator.h"

#include <QLocale>

#include "app/utf8_text.h"
#include "numbers/decimal_separator.h"

namespace quorvane {

void TakeDecimalSeparatorFromSystemLocale() {
  SetDecimalSeparator(EncodeUtf8(QLocale::system().decimalPoint()));
}

}  // namespace quorvane
