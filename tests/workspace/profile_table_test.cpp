#include "workspace/profile_table.h"

#include <gtest/gtest.h>

#include <vector>
#include "errors/error.h"

namespace quorvane {
namespace {

TEST(ProfileTable, StartsWith1024EmptyRows) {
  const ProfileTable table;
  EXPECT_EQ(table.RowCount(), 1024);
  EXPECT_EQ(table.CellText(1, 1), "");
  EXPECT_EQ(table.CellText(2, 5000), "") << "rows beyond the count read as empty";
}

TEST(ProfileTable, HiddenRowsKeepTheirTextsAcrossRowCountChanges) {
  ProfileTable table;
  table.SetCellText(1, 51, "5.1");
  table.SetCellText(2, 2000, "beyond");
  EXPECT_EQ(table.RowCount(), 1024) << "writing beyond the count leaves it";
  table.SetRowCount(52);
  EXPECT_EQ(table.CellText(1, 51), "5.1");
  table.SetRowCount(10);
  EXPECT_EQ(table.CellText(1, 51), "5.1") << "hidden, not cleared";
  table.SetRowCount(3000);
  EXPECT_EQ(table.CellText(2, 2000), "beyond");
}

TEST(ProfileTable, RefusesCellsOutsideItsColumnsAndCountsBelowOne) {
  ProfileTable table;
  EXPECT_THROW(table.SetCellText(3, 1, "x"), Error);
  EXPECT_THROW(table.SetCellText(0, -1, "x"), Error);
  EXPECT_THROW(static_cast<void>(table.CellText(-1, 0)), Error);
  EXPECT_THROW(table.SetRowCount(0), Error);
}

TEST(ProfileTable, TellsItsObserverOfEveryChange) {
  struct Recorder : ProfileTableObserver {
    std::vector<std::pair<int, std::int32_t>> cells;
    std::vector<std::pair<std::int32_t, std::int32_t>> counts;
    void CellChanged(int column, std::int32_t row) override { cells.emplace_back(column, row); }
    void RowCountChanged(std::int32_t from, std::int32_t to) override {
      counts.emplace_back(from, to);
    }
  } recorder;
  ProfileTable table;
  table.SetObserver(&recorder);
  table.SetCellText(2, 7, "1");
  table.SetRowCount(1024);  // unchanged: no notice
  table.SetRowCount(9);
  EXPECT_EQ(recorder.cells, (std::vector<std::pair<int, std::int32_t>>{{2, 7}}));
  EXPECT_EQ(recorder.counts, (std::vector<std::pair<std::int32_t, std::int32_t>>{{1024, 9}}));
}

}  // namespace
}  // namespace quorvane
