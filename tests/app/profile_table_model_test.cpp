// The Qt model over the profile table: the headings become headers, the data
// cells the model's cells, and every write to the table reaches the views at
// once. The table's texts are bytes; the model shows them decoded and writes
// back only what was typed.
#include <QSignalSpy>
#include <QTest>

#include "app/profile_table_model.h"

using quorvane::ProfileTable;
using quorvane::ProfileTableModel;

class ProfileTableModelTest : public QObject {
  Q_OBJECT

 private slots:
  void headingsAreHeadersAndDataRowsAreCells();
  void tableWritesReachTheViews_data();
  void tableWritesReachTheViews();
  void rowCountShowsAndHidesStoredRows_data();
  void rowCountShowsAndHidesStoredRows();
  void showsBytesDecodedAndStoresEditsAsUtf8();
};

void ProfileTableModelTest::headingsAreHeadersAndDataRowsAreCells() {
  ProfileTable table;
  table.SetCellText(1, 0, "mm");
  table.SetCellText(2, 0, "mGy/s");
  table.SetCellText(0, 1, "1");
  table.SetCellText(1, 1, "-2.5");
  table.SetCellText(2, 1, "0.03");
  table.SetCellText(0, 0, "corner");
  ProfileTableModel model(table);

  QCOMPARE(model.rowCount(), 1023);
  QCOMPARE(model.columnCount(), 2);
  QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("mm"));
  QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("mGy/s"));
  QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
  QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("-2.5"));
  QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("0.03"));
  // No heading is a cell, so none can be edited; every data cell can.
  QVERIFY(!model.index(0, 2).isValid());
  QVERIFY(model.flags(model.index(1022, 1)) & Qt::ItemIsEditable);
}

void ProfileTableModelTest::tableWritesReachTheViews_data() {
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("data_changes");
  QTest::addColumn<int>("header_changes");
  QTest::addColumn<int>("header_orientation");
  QTest::newRow("data cell") << 2 << 7 << 1 << 0 << 0;
  QTest::newRow("trailing row") << 1 << 1023 << 1 << 0 << 0;
  QTest::newRow("column heading") << 1 << 0 << 0 << 1 << int(Qt::Horizontal);
  QTest::newRow("row number") << 0 << 7 << 0 << 1 << int(Qt::Vertical);
  QTest::newRow("corner") << 0 << 0 << 0 << 0 << 0;
  QTest::newRow("beyond the row count") << 2 << 1024 << 0 << 0 << 0;
}

void ProfileTableModelTest::tableWritesReachTheViews() {
  QFETCH(int, column);
  QFETCH(int, row);
  QFETCH(int, data_changes);
  QFETCH(int, header_changes);
  QFETCH(int, header_orientation);
  ProfileTable table;
  ProfileTableModel model(table);
  QSignalSpy data_spy(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy header_spy(&model, &QAbstractItemModel::headerDataChanged);

  table.SetCellText(column, row, "5");

  QCOMPARE(data_spy.size(), data_changes);
  if (data_changes > 0) {
    const auto cell = data_spy[0][0].value<QModelIndex>();
    QCOMPARE(ProfileTableModel::TableColumn(cell), column);
    QCOMPARE(ProfileTableModel::TableRow(cell), row);
    QCOMPARE(cell.data().toString(), QStringLiteral("5"));
  }
  QCOMPARE(header_spy.size(), header_changes);
  if (header_changes > 0) {
    QCOMPARE(header_spy[0][0].toInt(), header_orientation);
    const int section = header_spy[0][1].toInt();
    QCOMPARE(model.headerData(section, Qt::Orientation(header_orientation)).toString(),
             QStringLiteral("5"));
  }
}

void ProfileTableModelTest::rowCountShowsAndHidesStoredRows_data() {
  QTest::addColumn<int>("row_count");
  QTest::newRow("fewer rows") << 12;
  QTest::newRow("more rows") << 1027;
  QTest::newRow("headings only") << 1;
}

void ProfileTableModelTest::rowCountShowsAndHidesStoredRows() {
  QFETCH(int, row_count);
  ProfileTable table;
  table.SetCellText(2, 11, "row 11");
  table.SetCellText(2, 1025, "row 1025");
  ProfileTableModel model(table);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

  table.SetRowCount(row_count);
  QCOMPARE(model.rowCount(), row_count - 1);
  QCOMPARE(inserted.size() + removed.size(), 1);

  // Back to the start: the hidden rows show their texts again.
  table.SetRowCount(1027);
  QCOMPARE(model.rowCount(), 1026);
  QCOMPARE(model.data(model.index(10, 1)).toString(), QStringLiteral("row 11"));
  QCOMPARE(model.data(model.index(1024, 1)).toString(), QStringLiteral("row 1025"));
}

void ProfileTableModelTest::showsBytesDecodedAndStoresEditsAsUtf8() {
  ProfileTable table;
  // Shift-JIS bytes of a profile file: not UTF-8.
  table.SetCellText(1, 1, "\x83\x54\x83\x93");
  ProfileTableModel model(table);

  QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("\uFFFDT\uFFFD\uFFFD"));
  QCOMPARE(QByteArray::fromStdString(table.CellText(1, 1)), QByteArray("\x83\x54\x83\x93"));

  QVERIFY(model.setData(model.index(0, 0), QStringLiteral("µ1")));
  QCOMPARE(QByteArray::fromStdString(table.CellText(1, 1)), QByteArray("\xC2\xB5"
                                                                       "1"));
}

QTEST_MAIN(ProfileTableModelTest)
#include "profile_table_model_test.moc"
