// The fields hand back the bytes the loader gave them until the user changes
// the text, so header fields that are not UTF-8 reach the actions unchanged.
#include <QTest>

#include "app/byte_keeping_line_edit.h"

using quorvane::ByteKeepingLineEdit;

class ByteKeepingLineEditTest : public QObject {
  Q_OBJECT

 private slots:
  void givesBackWhatItWasGiven_data();
  void givesBackWhatItWasGiven();
  void givesTheUsersTextAsUtf8();
  void longTextShowsItsStart();
  void keepsTextBeyondLineEditLimit();
};

void ByteKeepingLineEditTest::givesBackWhatItWasGiven_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("shown");
  QTest::newRow("ASCII") << QByteArray("0.625") << QStringLiteral("0.625");
  QTest::newRow("UTF-8") << QByteArray("5\xE3\x80\x80") << QStringLiteral("5\u3000");
  QTest::newRow("Shift-JIS") << QByteArray("5\x81\x40") << QStringLiteral("5\uFFFD@");
  QTest::newRow("empty") << QByteArray() << QString();
}

void ByteKeepingLineEditTest::givesBackWhatItWasGiven() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, shown);
  ByteKeepingLineEdit edit;
  edit.SetBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  QCOMPARE(edit.text(), shown);
  QCOMPARE(QByteArray::fromStdString(edit.Bytes()), bytes);
}

void ByteKeepingLineEditTest::givesTheUsersTextAsUtf8() {
  ByteKeepingLineEdit edit;
  edit.SetBytes("5\x81\x40");
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_End);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QCOMPARE(QByteArray::fromStdString(edit.Bytes()), QByteArray("5\xEF\xBF\xBD"));
  QTest::keyClicks(&edit, "0");
  QCOMPARE(QByteArray::fromStdString(edit.Bytes()), QByteArray("5\xEF\xBF\xBD"
                                                               "0"));
}

void ByteKeepingLineEditTest::longTextShowsItsStart() {
  // A peak such as 25.0986200000001 in a field 57 pixels wide: the leading
  // digits stay in view.
  ByteKeepingLineEdit edit;
  edit.resize(57, 20);
  edit.SetBytes("25.0986200000001");
  QCOMPARE(edit.cursorPosition(), 0);
}

// A header line whose slice width is 60 000 digits long: the field shows
// as many as a line edit holds, and gives back all of them, as the loader
// read them, until the user changes the text.
void ByteKeepingLineEditTest::keepsTextBeyondLineEditLimit() {
  ByteKeepingLineEdit edit;
  const std::string slice_width(60000, '5');
  edit.SetBytes(slice_width);
  QCOMPARE(edit.text(), QString(edit.maxLength(), QLatin1Char('5')));
  QCOMPARE(edit.Bytes(), slice_width);
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_End);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QCOMPARE(edit.Bytes(), std::string(static_cast<std::size_t>(edit.maxLength()) - 1, '5'));
}

QTEST_MAIN(ByteKeepingLineEditTest)
#include "byte_keeping_line_edit_test.moc"
