#include "profile_io/load_profile_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "errors/error.h"
#include "support/exact_doubles.h"
#include "support/printers.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

using test_support::ExactDoubles;
using test_support::TempFolder;

// n lines "i<TAB>dose" with a plain bell-shaped dose column.
std::string DataLines(int count, const std::string& line_end = "\n", int offset = 0) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const int distance = i - count / 2;
    text += std::to_string(i + offset) + "\t" + std::to_string(1000 - distance * distance % 997) +
            line_end;
  }
  return text;
}

// Runs the load and returns the message of its error, "" when it ended normally.
std::string Load(MemoryWorkspace& workspace, const std::string& path,
                 LoadObserver* observer = nullptr) {
  try {
    LoadProfileFile(workspace, path, observer);
  } catch (const Error& error) {
    return error.message();
  }
  return "";
}

class LoadProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    workspace_.SetFieldText(Field::kEditSW, "old width");
    workspace_.SetFieldText(Field::kEditSN, "old number");
  }
  std::string Cell(int column, std::int32_t row) const { return workspace_.CellText(column, row); }

  TempFolder folder_;
  MemoryWorkspace workspace_;
};

TEST_F(LoadProfileFileTest, HeaderLineFillsTheSliceFields) {
  const std::string path = folder_.Write("header.txt", "5\t4\n" + DataLines(100));
  EXPECT_EQ(Load(workspace_, path), "");
  EXPECT_EQ(workspace_.FieldText(Field::kEdit1), path);
  EXPECT_EQ(workspace_.FieldText(Field::kEditSW), "5");
  EXPECT_EQ(workspace_.FieldText(Field::kEditSN), "4");
  EXPECT_EQ(workspace_.RowCount(), 102);
  EXPECT_EQ(Cell(0, 1), "1");
  EXPECT_EQ(Cell(1, 1), "0");
  EXPECT_EQ(Cell(0, 100), "100");
  EXPECT_EQ(Cell(1, 100), "99");
  EXPECT_EQ(Cell(1, 0), "mm");
  EXPECT_EQ(Cell(2, 0), "mGy/s");
  EXPECT_EQ(Cell(0, 0), "");
  EXPECT_EQ(workspace_.CurveOf(CurveId::kSeries1).points().size(), 100u);
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), "1000");
}

TEST_F(LoadProfileFileTest, WithoutHeaderTheSliceFieldsKeepTheirTexts) {
  MemoryWorkspace with_header;
  Load(with_header, folder_.Write("header.txt", "5\t4\n" + DataLines(100)));
  EXPECT_EQ(Load(workspace_, folder_.Write("plain.txt", DataLines(100))), "");
  EXPECT_EQ(workspace_.FieldText(Field::kEditSW), "old width");
  EXPECT_EQ(workspace_.FieldText(Field::kEditSN), "old number");
  EXPECT_EQ(workspace_.RowCount(), with_header.RowCount());
  for (std::int32_t row = 0; row < 102; ++row) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(Cell(column, row), with_header.CellText(column, row)) << column << "," << row;
    }
  }
}

struct FirstLineCase {
  const char* name;
  std::string bytes;
  const char* slice_width;  // after the load
  const char* slice_number;
  std::int32_t row_count;
  const char* row1_position;
  const char* row1_dose_rate;
};

void PrintTo(const FirstLineCase& c, std::ostream* out) {
  *out << c.name << " {bytes ";
  test_support::PrintText(c.bytes, out);
  *out << ", slice_width ";
  test_support::PrintText(c.slice_width, out);
  *out << ", slice_number ";
  test_support::PrintText(c.slice_number, out);
  *out << ", row_count " << c.row_count << ", row1_position ";
  test_support::PrintText(c.row1_position, out);
  *out << ", row1_dose_rate ";
  test_support::PrintText(c.row1_dose_rate, out);
  *out << "}";
}

class FirstLines : public LoadProfileFileTest,
                   public ::testing::WithParamInterface<FirstLineCase> {};

TEST_P(FirstLines, DecideTheHeaderByItsNumber) {
  const FirstLineCase& c = GetParam();
  Load(workspace_, folder_.Write("f.txt", c.bytes));
  EXPECT_EQ(workspace_.FieldText(Field::kEditSW), c.slice_width);
  EXPECT_EQ(workspace_.FieldText(Field::kEditSN), c.slice_number);
  EXPECT_EQ(workspace_.RowCount(), c.row_count);
  EXPECT_EQ(Cell(1, 1), c.row1_position);
  EXPECT_EQ(Cell(2, 1), c.row1_dose_rate);
}

INSTANTIATE_TEST_SUITE_P(Files, FirstLines,
                         ::testing::Values(FirstLineCase{.name = "NotAPowerOfTwo",
                                                         .bytes = "5\t3\n6\t7\n",
                                                         .slice_width = "old width",
                                                         .slice_number = "old number",
                                                         .row_count = 4,
                                                         .row1_position = "5",
                                                         .row1_dose_rate = "3"},
                                           FirstLineCase{.name = "NoTab",
                                                         .bytes = "8\n1\t2\n",
                                                         .slice_width = "",
                                                         .slice_number = "8",
                                                         .row_count = 3,
                                                         .row1_position = "1",
                                                         .row1_dose_rate = "2"},
                                           FirstLineCase{.name = "PowerOfTwoAsText",
                                                         .bytes = "0.625\t 16.0 \n1\t2\n",
                                                         .slice_width = "0.625",
                                                         .slice_number = " 16.0 ",
                                                         .row_count = 3,
                                                         .row1_position = "1",
                                                         .row1_dose_rate = "2"},
                                           FirstLineCase{.name = "DoseRateZeroIsData",
                                                         .bytes = "-20\t0\n-19\t0.5\n",
                                                         .slice_width = "old width",
                                                         .slice_number = "old number",
                                                         .row_count = 4,
                                                         .row1_position = "-20",
                                                         .row1_dose_rate = "0"},
                                           FirstLineCase{.name = "NegativeDoseRateIsData",
                                                         .bytes = "-20\t-0.01\n-19\t3\n",
                                                         .slice_width = "old width",
                                                         .slice_number = "old number",
                                                         .row_count = 4,
                                                         .row1_position = "-20",
                                                         .row1_dose_rate = "-0.01"},
                                           FirstLineCase{.name = "HeaderAlone",
                                                         .bytes = "5\t4\n",
                                                         .slice_width = "5",
                                                         .slice_number = "4",
                                                         .row_count = 2,
                                                         .row1_position = "",
                                                         .row1_dose_rate = ""},
                                           FirstLineCase{.name = "HeaderAloneWithoutLineEnd",
                                                         .bytes = "5\t4",
                                                         .slice_width = "5",
                                                         .slice_number = "4",
                                                         .row_count = 2,
                                                         .row1_position = "",
                                                         .row1_dose_rate = ""},
                                           FirstLineCase{.name = "CarriageReturnLineFeeds",
                                                         .bytes = "5\t4\r\n1\t3\r\n2\t5\r\n",
                                                         .slice_width = "5",
                                                         .slice_number = "4",
                                                         .row_count = 4,
                                                         .row1_position = "1",
                                                         .row1_dose_rate = "3"}),
                         [](const ::testing::TestParamInfo<FirstLineCase>& param_info) {
                           return param_info.param.name;
                         });

TEST_F(LoadProfileFileTest, ThirdColumnStaysInTheDoseRateText) {
  EXPECT_EQ(Load(workspace_, folder_.Write("three.txt", "0\t1.5\n1.0\t2.0\tx\n")),
            "'2.0\tx' は浮動小数点数ではありません");
  EXPECT_EQ(Cell(1, 2), "1.0");
  EXPECT_EQ(Cell(2, 2), "2.0\tx");
  EXPECT_EQ(workspace_.RowCount(), 4);
}

TEST_F(LoadProfileFileTest, FirstLineThatIsNoNumberEndsTheLoadBeforeTheTable) {
  const std::string path = folder_.Write("titles.txt", "Position\tDose\n1\t2\n");
  EXPECT_EQ(Load(workspace_, path), "'Dose' は浮動小数点数ではありません");
  EXPECT_EQ(workspace_.FieldText(Field::kEdit1), path);
  EXPECT_EQ(workspace_.RowCount(), 1024);
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(Cell(1, 0), "") << "not even the headings";
  EXPECT_EQ(workspace_.FieldText(Field::kEditSW), "old width");
}

TEST_F(LoadProfileFileTest, FirstLineBeyondTheDoubleRangeOverflows) {
  EXPECT_EQ(Load(workspace_, folder_.Write("huge.txt", "1\t1e400\n")),
            "浮動小数点数のオーバーフロー");
  EXPECT_EQ(workspace_.RowCount(), 1024);
}

TEST_F(LoadProfileFileTest, EmptyFileEndsWithTheConversionErrorForTheEmptyText) {
  EXPECT_EQ(Load(workspace_, folder_.Write("empty.txt", "")), "'' は浮動小数点数ではありません");
  EXPECT_EQ(workspace_.RowCount(), 1024);
}

TEST_F(LoadProfileFileTest, LineEndsAtTheEnd) {
  EXPECT_EQ(Load(workspace_, folder_.Write("one.txt", "1\t3\n2\t5\n")), "");
  EXPECT_EQ(workspace_.RowCount(), 4);
  // Two line ends: one more data row, empty, on which the draw action fails;
  // the load itself is done.
  EXPECT_EQ(Load(workspace_, folder_.Write("two.txt", "1\t3\n2\t5\n\n")),
            "'' は浮動小数点数ではありません");
  EXPECT_EQ(workspace_.RowCount(), 5);
  EXPECT_EQ(Cell(0, 3), "3");
  EXPECT_EQ(Cell(2, 3), "");
}

TEST_F(LoadProfileFileTest, LineFeedAndCarriageReturnLineFeedLoadAlike) {
  MemoryWorkspace crlf;
  Load(workspace_, folder_.Write("lf.txt", "1\t3\n2\t5\n3\t3"));
  Load(crlf, folder_.Write("crlf.txt", "1\t3\r\n2\t5\r\n3\t3"));
  EXPECT_EQ(workspace_.RowCount(), 5);
  EXPECT_EQ(crlf.RowCount(), 5);
  for (std::int32_t row = 1; row <= 3; ++row) {
    EXPECT_EQ(Cell(2, row), crlf.CellText(2, row));
  }
  EXPECT_EQ(crlf.FieldText(Field::kEditMax), "5");
}

TEST_F(LoadProfileFileTest, CarriageReturnsAloneReadAsOneLine) {
  EXPECT_EQ(Load(workspace_, folder_.Write("cr.txt", "1\t3\r2\t5\r3\t3\r")),
            "'32\t53\t3' は浮動小数点数ではありません");
}

TEST_F(LoadProfileFileTest, LongerLoadThenShorterShowsTheOldTrailingRow) {
  Load(workspace_, folder_.Write("long.txt", DataLines(100, "\n", 1000)));
  Load(workspace_, folder_.Write("short.txt", DataLines(50)));
  EXPECT_EQ(workspace_.RowCount(), 52);
  EXPECT_EQ(PointCount(workspace_), 50);
  EXPECT_EQ(Cell(1, 50), "49");
  EXPECT_EQ(Cell(0, 51), "51");
  EXPECT_EQ(Cell(1, 51), "1050") << "line 51 of the first file";
  EXPECT_EQ(workspace_.CurveOf(CurveId::kSeries1).points().size(), 50u);
}

TEST_F(LoadProfileFileTest, FullCapacityLoadsAndOneMoreLineIsRefused) {
  EXPECT_EQ(Load(workspace_, folder_.Write("1025.txt", DataLines(1025))), "");
  EXPECT_EQ(workspace_.RowCount(), 1027);
  EXPECT_EQ(workspace_.CurveOf(CurveId::kSeries1).points().size(), 1025u);

  MemoryWorkspace fresh;
  const std::string path = folder_.Write("1026.txt", "5\t4\n" + DataLines(1026, "\n", 7));
  EXPECT_EQ(Load(fresh, path), "データ行が上限の 1025 行を超えています");
  EXPECT_EQ(fresh.FieldText(Field::kEdit1), path);
  EXPECT_EQ(fresh.FieldText(Field::kEditSN), "4") << "the header step stays done";
  EXPECT_EQ(fresh.RowCount(), 1024);
  EXPECT_EQ(fresh.CellText(1, 1), "") << "no cell written";
  EXPECT_EQ(fresh.CellText(1, 0), "");
}

TEST_F(LoadProfileFileTest, EmptyPathChangesNothing) {
  Load(workspace_, folder_.Write("a.txt", DataLines(10)));
  const std::string max = workspace_.FieldText(Field::kEditMax);
  EXPECT_FALSE(LoadProfileFile(workspace_, "").has_value());
  EXPECT_EQ(workspace_.FieldText(Field::kEdit1), folder_.PathOf("a.txt"));
  EXPECT_EQ(workspace_.RowCount(), 12);
  EXPECT_EQ(workspace_.FieldText(Field::kEditMax), max);
  EXPECT_EQ(workspace_.CurveOf(CurveId::kSeries1).points().size(), 10u);
}

TEST_F(LoadProfileFileTest, ReturnsWhatDrawMeasured) {
  const std::optional<MeasuredProfile> profile =
      LoadProfileFile(workspace_, folder_.Write("b.txt", "5\t4\n-0.5\t1\n0\t3\n0.5\t1.5\n"));
  ASSERT_TRUE(profile.has_value());
  EXPECT_EQ(ExactDoubles{profile->positions}, (ExactDoubles{{-0.5, 0, 0.5}}));
  EXPECT_EQ(ExactDoubles{profile->dose_rates}, (ExactDoubles{{1, 3, 1.5}}));
}

TEST_F(LoadProfileFileTest, FileErrorsShowThePathAndChangeNothingElse) {
  const struct {
    std::string path;
    const char* message;
  } cases[] = {
      {folder_.PathOf("missing.txt"), "ファイルが見つかりません"},
      {folder_.PathOf("missing/a.txt"), "不正なファイル名です"},
      {folder_.path().string(), "I/O エラー (21)"},
  };
  for (const auto& c : cases) {
    MemoryWorkspace workspace;
    EXPECT_EQ(Load(workspace, c.path), c.message);
    EXPECT_EQ(workspace.FieldText(Field::kEdit1), c.path);
    EXPECT_EQ(workspace.RowCount(), 1024);
    EXPECT_EQ(workspace.FieldText(Field::kEditSW), "");
  }
}

TEST_F(LoadProfileFileTest, FileThatVanishesBeforeTheReopen) {
  const std::string path = folder_.Write("vanishing.txt", DataLines(10));
  struct Remover : LoadObserver {
    std::string path;
    void BeforeReopen() override { std::remove(path.c_str()); }
  } remover;
  remover.path = path;
  EXPECT_EQ(Load(workspace_, path, &remover), "ファイルが見つかりません");
  EXPECT_EQ(workspace_.RowCount(), 1024);
}

TEST_F(LoadProfileFileTest, ExampleFilesLoadAndMeasure) {
  const struct {
    const char* name;
    const char* slice_width;
    const char* slice_number;
    std::int32_t points;
    const char* peak;
    const char* fwhm;
  } cases[] = {
      {.name = "axial_4x5mm_header.txt",
       .slice_width = "5",
       .slice_number = "4",
       .points = 241,
       .peak = "24.6",
       .fwhm = "20"},
      {.name = "helical_16x0.625mm_noheader.txt",
       .slice_width = "",
       .slice_number = "",
       .points = 401,
       .peak = "18.2",
       .fwhm = "10"},
      {.name = "wide_64x0.5mm_crlf.txt",
       .slice_width = "0.5",
       .slice_number = "64",
       .points = 161,
       .peak = "31",
       .fwhm = "32"},
  };
  for (const auto& c : cases) {
    MemoryWorkspace workspace;
    const std::string path = (test_support::SourceFolder() / "examples" / c.name).string();
    EXPECT_EQ(Load(workspace, path), "") << c.name;
    EXPECT_EQ(workspace.FieldText(Field::kEditSW), c.slice_width) << c.name;
    EXPECT_EQ(workspace.FieldText(Field::kEditSN), c.slice_number) << c.name;
    EXPECT_EQ(PointCount(workspace), c.points) << c.name;
    EXPECT_EQ(workspace.FieldText(Field::kEditMax), c.peak) << c.name;
    EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), c.fwhm) << c.name;
  }
}

}  // namespace
}  // namespace quorvane
