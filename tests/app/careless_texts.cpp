#include "careless_texts.h"

#include <QStringList>

namespace quorvane::test_support {
namespace {

int Below(std::mt19937_64& random, int bound) {
  return static_cast<int>(random() % static_cast<std::uint64_t>(bound));
}

QString PickOf(std::mt19937_64& random, const QStringList& texts) {
  return texts[Below(random, static_cast<int>(texts.size()))];
}

QString PlausibleNumber(std::mt19937_64& random, const QString& separator) {
  const QString whole = QString::number(Below(random, 200) - 40);
  switch (Below(random, 4)) {
    case 0:
      return whole;
    case 1:
      return whole + separator + QString::number(Below(random, 1000));
    case 2:
      return QStringLiteral("0") + separator + QStringLiteral("625");
    default:
      return QString::number(1 << Below(random, 8));  // a slice number
  }
}

QString Digits(std::mt19937_64& random, int count) {
  QString text;
  text.reserve(count);
  for (int i = 0; i < count; ++i) text += QChar(u'0' + Below(random, 10));
  return text;
}

QString ExtremeNumber(std::mt19937_64& random, const QString& separator) {
  return PickOf(
      random,
      {QStringLiteral("1e4932"), QStringLiteral("1e4933"), QStringLiteral("-1e309"),
       QStringLiteral("1e-4951"), QStringLiteral("4e-320"), QStringLiteral("-0"),
       QStringLiteral("2147483647"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
       QStringLiteral("$7FFFFFFF"), QStringLiteral("0x80000000"), QStringLiteral("$"),
       QStringLiteral("0x"), QStringLiteral("$ff"), QStringLiteral("1") + separator + separator,
       QStringLiteral("0") + separator + QStringLiteral("000001"), QStringLiteral("50001"),
       QStringLiteral("1e5"), QStringLiteral("-5")});
}

QString Garbage(std::mt19937_64& random) {
  return PickOf(random, {QStringLiteral("NaN"), QStringLiteral("nan"), QStringLiteral("INF"),
                         QStringLiteral("-Infinity"), QStringLiteral("abc"), QStringLiteral("1..2"),
                         QStringLiteral("1,2"), QStringLiteral("--1"), QStringLiteral("+"),
                         QStringLiteral("e5"), QStringLiteral(" 1"), QStringLiteral("1 "),
                         QStringLiteral("%s%n"), QStringLiteral("\\"), QStringLiteral("\""),
                         QStringLiteral("mm"), QStringLiteral("mGy/s"), QStringLiteral("&File")});
}

QString OtherScripts(std::mt19937_64& random) {
  return PickOf(
      random, {QStringLiteral("\uff11\uff12"), QStringLiteral("\u0663\u0664"),
               QStringLiteral("\u00fc\u00df"), QStringLiteral("\u65e5\u672c"),
               QStringLiteral("\U0001F600"), QStringLiteral("1\u00a02"), QStringLiteral("e\u0301"),
               QStringLiteral("\u202e12"), QStringLiteral("\ufffd"), QStringLiteral("\U0001D7CF")});
}

QString ControlCharacters(std::mt19937_64& random) {
  return PickOf(random, {QStringLiteral("1\t2"), QStringLiteral("3\n4"), QStringLiteral("5\r"),
                         QStringLiteral("\x1a"),
                         QStringLiteral("\x1a"
                                        "7"),
                         QString(QChar(0)) + QStringLiteral("8")});
}

}  // namespace

QString CarelessText(std::mt19937_64& random, const QString& decimal_separator) {
  switch (Below(random, 12)) {
    case 0:
    case 1:
    case 2:
    case 3:
      return PlausibleNumber(random, decimal_separator);
    case 4:
    case 5:
      return ExtremeNumber(random, decimal_separator);
    case 6:
      return Garbage(random);
    case 7:
      return OtherScripts(random);
    case 8:
      return ControlCharacters(random);
    case 9:
      return Digits(random, 1 + Below(random, Below(random, 2) == 0 ? 40 : 40000));
    case 10:
      return QString();
    default:
      return PlausibleNumber(random, decimal_separator) + OtherScripts(random);
  }
}

}  // namespace quorvane::test_support
