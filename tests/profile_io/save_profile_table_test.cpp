#include "profile_io/save_profile_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "errors/error.h"
#include "profile_io/header_line.h"
#include "profile_io/load_profile_file.h"
#include "support/error_capture.h"
#include "support/profile_fixture.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

using test_support::ErrorMessageOf;
using test_support::FillProfile;
using test_support::ProfileRow;
using test_support::TempFolder;

MemoryWorkspace TableWith(const char* slice_width, const char* slice_number,
                          const std::vector<ProfileRow>& rows) {
  MemoryWorkspace workspace;
  workspace.SetFieldText(Field::kEditSW, slice_width);
  workspace.SetFieldText(Field::kEditSN, slice_number);
  FillProfile(workspace, rows);
  return workspace;
}

// Saves the table, loads the file into a fresh workspace and expects the
// same data rows back, and the slice fields when the file has a header line.
void ExpectRoundTrip(const Workspace& saved, bool with_header) {
  TempFolder folder;
  const std::string path = folder.Write("table.txt", ProfileTableFileText(saved));
  MemoryWorkspace loaded(saved.number_format());
  loaded.SetFieldText(Field::kEditSW, "untouched");
  loaded.SetFieldText(Field::kEditSN, "untouched");
  try {
    LoadProfileFile(loaded, path);
  } catch (const Error& error) {
    // "draw" may refuse the cells; the load itself is done by then.
    ASSERT_EQ(error.kind(), ErrorKind::kConversion) << error.message();
  }
  ASSERT_EQ(PointCount(loaded), PointCount(saved));
  for (std::int32_t row = 1; row <= PointCount(saved); ++row) {
    for (const int column : {kPositionColumn, kDoseRateColumn}) {
      ASSERT_EQ(loaded.CellText(column, row), saved.CellText(column, row))
          << "row " << row << " column " << column;
    }
  }
  for (const Field field : {Field::kEditSW, Field::kEditSN}) {
    EXPECT_EQ(loaded.FieldText(field), with_header ? saved.FieldText(field) : "untouched");
  }
}

TEST(ProfileTableFileText, HeaderLineWhenTheSliceNumberPassesTheHeaderTest) {
  const MemoryWorkspace table = TableWith("5", "4", {{"-1", "0.5"}, {"0", "8"}});
  EXPECT_EQ(ProfileTableFileText(table), "5\t4\n-1\t0.5\n0\t8\n");
  ExpectRoundTrip(table, true);
}

TEST(ProfileTableFileText, NoHeaderLineOtherwiseAndCellBytesUnchanged) {
  // Shift-JIS bytes, spaces, a Ctrl-Z inside a cell, an empty cell: all
  // carried as they are.
  const MemoryWorkspace table =
      TableWith("5", "3", {{" -1.50 ", "3"}, {"\x83\x54", "x\x1a"}, {"", ""}, {"2", "\x1a"}});
  EXPECT_EQ(ProfileTableFileText(table), " -1.50 \t3\n\x83\x54\tx\x1a\n\t\n2\t\x1a\n");
  ExpectRoundTrip(table, false);
}

TEST(ProfileTableFileText, HeaderLineWithoutDataRows) {
  const MemoryWorkspace table = TableWith("0.625", "16", {});
  EXPECT_EQ(ProfileTableFileText(table), "0.625\t16\n");
  ExpectRoundTrip(table, true);
}

TEST(ProfileTableFileText, CommaFormatDecidesTheHeaderTest) {
  MemoryWorkspace table(NumberFormat::FromLocaleSetting(","));
  table.SetFieldText(Field::kEditSW, "0,5");
  table.SetFieldText(Field::kEditSN, "4,0");
  FillProfile(table, {{"1,5", "2"}});
  EXPECT_EQ(ProfileTableFileText(table), "0,5\t4,0\n1,5\t2\n");
  ExpectRoundTrip(table, true);
}

struct RefusalCase {
  const char* name;
  const char* slice_number;
  const char* slice_width;
  std::vector<ProfileRow> rows;
  const char* message;
};

class ProfileTableRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ProfileTableRefusal, NamesTheLineAndTheReason) {
  const RefusalCase& c = GetParam();
  const MemoryWorkspace table = TableWith(c.slice_width, c.slice_number, c.rows);
  const auto error = test_support::CaptureError([&] { ProfileTableFileText(table); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, ErrorKind::kRefusal);
  EXPECT_EQ(error->message, c.message);
}

const std::vector<ProfileRow> kThreeRows = {{"0", "3"}, {"1", "5"}, {"2", "3"}};

std::vector<ProfileRow> WithCell(std::size_t index, bool dose_rate, const char* text) {
  std::vector<ProfileRow> rows = kThreeRows;
  (dose_rate ? rows[index].dose_rate : rows[index].position) = text;
  return rows;
}

std::vector<ProfileRow> ManyRows(int count) {
  std::vector<ProfileRow> rows;
  for (int i = 0; i < count; ++i) rows.push_back({std::to_string(i), "3"});
  return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileTableRefusal,
    ::testing::Values(
        RefusalCase{"TabInPosition", "4", "5", WithCell(2, false, "2\t0"),
                    "Row 3: the position holds a tab, which separates the two columns of a line"},
        RefusalCase{"TabInDoseRate", "4", "5", WithCell(1, true, "5\t"),
                    "Row 2: the dose rate holds a tab, which separates the two columns of a "
                    "line"},
        RefusalCase{"LineFeed", "4", "5", WithCell(1, true, "5\n6"),
                    "Row 2: the dose rate holds a line feed, which ends a line"},
        RefusalCase{"CarriageReturn", "4", "5", WithCell(2, false, "2\r"),
                    "Row 3: the position holds a carriage return, which the loader drops"},
        RefusalCase{"CtrlZStartsARow", "4", "5",
                    WithCell(1, false,
                             "\x1a"
                             "1"),
                    "Row 2: the line starts with byte 26 (Ctrl-Z), which ends a profile file"},
        RefusalCase{"TabInSliceWidth", "4", "5\t", kThreeRows,
                    "The header line: the slice width holds a tab, which separates the two "
                    "columns of a line"},
        RefusalCase{"CtrlZStartsTheHeaderLine", "4", "\x1a", kThreeRows,
                    "The header line: the line starts with byte 26 (Ctrl-Z), which ends a "
                    "profile file"},
        RefusalCase{"FirstDoseRateLooksLikeASliceNumber", "3", "5", WithCell(0, true, "2.0"),
                    "Row 1: the dose rate is a whole power of two, so the loader would read the "
                    "line as the slice width and slice number, and the slice number field is no "
                    "whole power of two for a header line before it"},
        RefusalCase{"FirstDoseRateNoNumber", "", "", WithCell(0, true, ""),
                    "Row 1: the dose rate does not convert to a number, and without a header "
                    "line the loader converts the first line's dose rate"},
        RefusalCase{"FirstDoseRateOverflows", "x", "", WithCell(0, true, "1e999"),
                    "Row 1: the dose rate does not convert to a number, and without a header "
                    "line the loader converts the first line's dose rate"},
        RefusalCase{"NoRowsNoHeader",
                    "3",
                    "5",
                    {},
                    "The table: it has no data rows and the slice number is no whole power of "
                    "two for a header line, and the loader refuses an empty file"},
        RefusalCase{"MoreRowsThanAFileHolds", "4", "5", ManyRows(1026),
                    "Row 1026: a profile file holds at most 1025 data rows"}),
    [](const ::testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

TEST(ProfileTableFileText, FreshWindowTableIsRefusedAtItsEmptyFirstRow) {
  const MemoryWorkspace fresh;
  EXPECT_EQ(PointCount(fresh), 1022);
  EXPECT_EQ(ErrorMessageOf([&] { ProfileTableFileText(fresh); }),
            "Row 1: the dose rate does not convert to a number, and without a header line the "
            "loader converts the first line's dose rate");
}

TEST(ProfileTableFileText, LongestTableRoundTrips) {
  ExpectRoundTrip(TableWith("5", "4", ManyRows(1025)), true);
}

bool PassesHeaderTest(const std::string& slice_number) {
  try {
    return IsHeaderLine(slice_number, NumberFormat());
  } catch (const Error&) {
    return false;
  }
}

// Random tables of troublesome bytes: whatever is not refused comes back
// byte for byte.
TEST(ProfileTableFileText, RandomTablesComeBackOrAreRefused) {
  std::mt19937 random(20240615);
  const std::vector<std::string> pieces = {"0", "1",   "2",    "8",  ".",   "5",    "-",
                                           "e", " ",   "\t",   "\n", "\r",  "\x1a", "\x83",
                                           "",  "4.0", "\xff", ",",  "0.25"};
  auto random_text = [&] {
    std::string text;
    const int count = std::uniform_int_distribution<int>(0, 3)(random);
    for (int i = 0; i < count; ++i) {
      text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    return text;
  };
  int saved = 0;
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<ProfileRow> rows(std::uniform_int_distribution<std::size_t>(0, 6)(random));
    for (ProfileRow& row : rows) row = {random_text(), random_text()};
    // Often a slice number that gives a header line, or a first dose rate
    // that lets a file without one load.
    const std::string slice_number = random() % 2 == 0 ? "4" : random_text();
    if (!rows.empty() && random() % 2 == 0) rows[0].dose_rate = "3";
    const std::string slice_width = random_text();
    const MemoryWorkspace table = TableWith(slice_width.c_str(), slice_number.c_str(), rows);
    std::string text;
    try {
      text = ProfileTableFileText(table);
    } catch (const Error& error) {
      ASSERT_EQ(error.kind(), ErrorKind::kRefusal);
      continue;
    }
    ++saved;
    SCOPED_TRACE("trial " + std::to_string(trial));
    ExpectRoundTrip(table, PassesHeaderTest(slice_number));
  }
  EXPECT_GT(saved, 50);
}

}  // namespace
}  // namespace quorvane
