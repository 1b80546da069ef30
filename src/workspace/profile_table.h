// The profile table (StringGridRProf): three columns of text cells, row 0 and
// column 0 the headings, data rows 1 to point count, one trailing row.
//
// Every (column, row) has a text, also at or beyond the row count: changing
// the row count changes only how many rows are shown, so rows hidden by a
// smaller count show their old texts again when it grows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

inline constexpr int kProfileColumns = 3;
inline constexpr int kRowNumberColumn = 0;
inline constexpr int kPositionColumn = 1;
inline constexpr int kDoseRateColumn = 2;
inline constexpr std::int32_t kStartRowCount = 1024;

// Told of every change, so that a view can show it at once.
class ProfileTableObserver {
 public:
  virtual ~ProfileTableObserver() = default;
  virtual void CellChanged(int column, std::int32_t row) = 0;
  virtual void RowCountChanged(std::int32_t old_count, std::int32_t new_count) = 0;
};

class ProfileTable {
 public:
  ProfileTable() = default;

  std::int32_t RowCount() const { return row_count_; }
  // At least 1 row. Setting the current count changes nothing.
  void SetRowCount(std::int32_t row_count);

  // Empty for a cell never written, whatever the row.
  const std::string& CellText(int column, std::int32_t row) const;
  // Column 0 to 2, row 0 or more; also at or beyond the row count, which
  // stays as it is.
  void SetCellText(int column, std::int32_t row, std::string_view text);

  void SetObserver(ProfileTableObserver* observer) { observer_ = observer; }

 private:
  std::vector<std::array<std::string, kProfileColumns>> rows_;
  std::int32_t row_count_ = kStartRowCount;
  ProfileTableObserver* observer_ = nullptr;
};

}  // namespace quorvane
