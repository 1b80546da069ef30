// The profile table as Qt's views see it. Row 0 and column 0 of the table are
// its fixed headings, so they become the header texts: the horizontal header
// shows row 0 ("mm", "mGy/s" after a load), the vertical header column 0 (the
// row numbers). The model's cells are the data cells, columns 1 and 2 of rows
// 1 to row count - 1, the trailing row included. The corner cell (0, 0) is
// never shown.
//
// The model keeps no texts: it reads and writes the ProfileTable, and turns
// the table's change reports into Qt's signals so a view shows every write at
// once.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>

#include "workspace/profile_table.h"

namespace quorvane {

class ProfileTableModel : public QAbstractTableModel, private ProfileTableObserver {
  Q_OBJECT

 public:
  // Observes the table until the model is destroyed.
  explicit ProfileTableModel(ProfileTable& table, QObject* parent = nullptr);
  ~ProfileTableModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Stores the edited text as UTF-8 in the table.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // The table cell behind a model cell, and back.
  static int TableColumn(const QModelIndex& index) { return index.column() + 1; }
  static std::int32_t TableRow(const QModelIndex& index) { return index.row() + 1; }

 private:
  void CellChanged(int column, std::int32_t row) override;
  void RowCountChanged(std::int32_t old_count, std::int32_t new_count) override;

  ProfileTable& table_;
  // The data rows the views have been told of: the table's row count - 1.
  int shown_rows_;
};

}  // namespace quorvane
