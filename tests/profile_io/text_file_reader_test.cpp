#include "profile_io/text_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/printers.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

std::vector<std::string> ReadAllLines(const std::string& path) {
  TextFileReader reader(path);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
  reader.Close();
  return lines;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* out) {
  *out << c.name << " {bytes ";
  test_support::PrintText(c.bytes, out);
  *out << ", lines {";
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    *out << (i == 0 ? "" : ", ");
    test_support::PrintText(c.lines[i], out);
  }
  *out << "}}";
}

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitsTheFileIntoLines) {
  const test_support::TempFolder folder;
  EXPECT_EQ(ReadAllLines(folder.Write("f.txt", GetParam().bytes)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineRules,
    ::testing::Values(LineCase{"Empty", "", {}}, LineCase{"LineFeeds", "a\nb\n", {"a", "b"}},
                      LineCase{"CarriageReturnLineFeeds", "a\r\nb\r\n", {"a", "b"}},
                      LineCase{"LastLineWithoutEnd", "a\nb", {"a", "b"}},
                      LineCase{"TwoEndsAtTheEndGiveAnEmptyLine", "a\n\n", {"a", ""}},
                      LineCase{"EmptyLinesInside", "\n\na\n", {"", "", "a"}},
                      LineCase{"LoneCarriageReturnsAreDropped", "a\rb\rc\r", {"abc"}},
                      LineCase{
                          "CarriageReturnBeforeCarriageReturnLineFeed", "a\r\r\nb", {"a", "b"}},
                      LineCase{"CtrlZAtLineStartEndsTheFile",
                               "a\n\x1a"
                               "b\nc\n",
                               {"a"}},
                      LineCase{"CtrlZInsideALineIsText",
                               "a\x1a"
                               "b\n",
                               {"a\x1a"
                                "b"}},
                      LineCase{"CtrlZAtTheVeryStart",
                               "\x1a"
                               "a\n",
                               {}},
                      LineCase{"BytesCopiedUnchanged",
                               std::string("\xff\x00\t\x82\xa0\n", 6),
                               {std::string("\xff\x00\t\x82\xa0", 5)}}),
    [](const ::testing::TestParamInfo<LineCase>& param_info) { return param_info.param.name; });

TEST(TextFileReader, LinesLongerThanTheBufferAndManyLines) {
  const test_support::TempFolder folder;
  const std::string long_line(200000, '7');
  std::string bytes = long_line + "\r\n";
  for (int i = 0; i < 5000; ++i) bytes += std::to_string(i) + "\n";
  const std::vector<std::string> lines = ReadAllLines(folder.Write("long.txt", bytes));
  ASSERT_EQ(lines.size(), 5001u);
  EXPECT_EQ(lines[0], long_line);
  EXPECT_EQ(lines[5000], "4999");
}

TEST(TextFileReader, ReadingAtTheEndGivesTheEmptyLine) {
  const test_support::TempFolder folder;
  TextFileReader reader(folder.Write("empty.txt", ""));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
}

}  // namespace
}  // namespace quorvane
