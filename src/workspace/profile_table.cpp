#include "workspace/profile_table.h"
#include "errors/invariant.h"

namespace quorvane {
namespace {

void CheckCell(int column, std::int32_t row) {
  QUORVANE_CHECK(column >= 0 && column < kProfileColumns && row >= 0);
}

}  // namespace

void ProfileTable::SetRowCount(std::int32_t row_count) {
  QUORVANE_CHECK(row_count >= 1);  // a profile table keeps at least one row
  if (row_count == row_count_) return;
  const std::int32_t old_count = row_count_;
  row_count_ = row_count;
  if (observer_ != nullptr) observer_->RowCountChanged(old_count, row_count);
}

const std::string& ProfileTable::CellText(int column, std::int32_t row) const {
  static const std::string kNeverWritten;
  CheckCell(column, row);
  const auto index = static_cast<std::size_t>(row);
  if (index >= rows_.size()) return kNeverWritten;
  return rows_[index][static_cast<std::size_t>(column)];
}

void ProfileTable::SetCellText(int column, std::int32_t row, std::string_view text) {
  CheckCell(column, row);
  const auto index = static_cast<std::size_t>(row);
  if (index >= rows_.size()) rows_.resize(index + 1);
  rows_[index][static_cast<std::size_t>(column)].assign(text);
  if (observer_ != nullptr) observer_->CellChanged(column, row);
}

}  // namespace quorvane
