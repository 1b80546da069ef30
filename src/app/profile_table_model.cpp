#include "app/profile_table_model.h"

#include "app/utf8_text.h"

namespace quorvane {
namespace {

constexpr int kDataColumns = kProfileColumns - 1;

int DataRows(std::int32_t row_count) { return static_cast<int>(row_count) - 1; }

}  // namespace

ProfileTableModel::ProfileTableModel(ProfileTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), shown_rows_(DataRows(table.RowCount())) {
  table_.SetObserver(this);
}

ProfileTableModel::~ProfileTableModel() { table_.SetObserver(nullptr); }

int ProfileTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_rows_;
}

int ProfileTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDataColumns;
}

QVariant ProfileTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return DecodeUtf8(table_.CellText(TableColumn(index), TableRow(index)));
}

QVariant ProfileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) {
    if (section >= kDataColumns) return {};
    return DecodeUtf8(table_.CellText(section + 1, 0));
  }
  return DecodeUtf8(table_.CellText(kRowNumberColumn, section + 1));
}

Qt::ItemFlags ProfileTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ProfileTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  table_.SetCellText(TableColumn(index), TableRow(index), EncodeUtf8(value.toString()));
  return true;
}

void ProfileTableModel::CellChanged(int column, std::int32_t row) {
  if (row == 0) {
    // Row 0 holds the column headings; the corner cell has no header.
    if (column > 0) emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    return;
  }
  const int data_row = static_cast<int>(row) - 1;
  if (data_row >= shown_rows_) return;  // shown once the row count reaches it
  if (column == kRowNumberColumn) {
    emit headerDataChanged(Qt::Vertical, data_row, data_row);
    return;
  }
  const QModelIndex cell = index(data_row, column - 1);
  emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void ProfileTableModel::RowCountChanged(std::int32_t /*old_count*/, std::int32_t new_count) {
  const int new_rows = DataRows(new_count);
  if (new_rows > shown_rows_) {
    beginInsertRows(QModelIndex(), shown_rows_, new_rows - 1);
    shown_rows_ = new_rows;
    endInsertRows();
  } else if (new_rows < shown_rows_) {
    beginRemoveRows(QModelIndex(), new_rows, shown_rows_ - 1);
    shown_rows_ = new_rows;
    endRemoveRows();
  }
}

}  // namespace quorvane
