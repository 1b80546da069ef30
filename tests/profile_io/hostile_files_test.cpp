// Profile files no measurement would produce: each load ends with the right
// message or a correct result, and the table and fields keep what they should.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include "errors/error.h"
#include "profile_io/load_profile_file.h"
#include "support/error_capture.h"
#include "support/printers.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

using test_support::TempFolder;

struct HostileFile {
  const char* name;
  std::string bytes;
  std::string message;     // "" when the load ends normally
  std::int32_t row_count;  // afterwards
};

void PrintTo(const HostileFile& c, std::ostream* out) {
  *out << c.name << " {bytes ";
  test_support::PrintText(c.bytes, out);
  *out << ", message ";
  test_support::PrintText(c.message, out);
  *out << ", row_count " << c.row_count << "}";
}

class HostileFiles : public ::testing::TestWithParam<HostileFile> {};

TEST_P(HostileFiles, EndWithTheRightMessageAndKeepTheTable) {
  const HostileFile& c = GetParam();
  const TempFolder folder;
  MemoryWorkspace workspace;
  workspace.SetFieldText(Field::kEditSW, "kept");
  const std::string path = folder.Write("hostile.txt", c.bytes);
  const std::string message =
      test_support::ErrorMessageOf([&] { LoadProfileFile(workspace, path); });
  EXPECT_TRUE(message == c.message) << "message " << test_support::Quoted(message);
  EXPECT_EQ(workspace.RowCount(), c.row_count);
  EXPECT_EQ(workspace.FieldText(Field::kEdit1), path);
  if (c.row_count == 1024) {
    EXPECT_EQ(workspace.CellText(1, 1), "") << "no cell written";
    EXPECT_EQ(workspace.FieldText(Field::kEditSW), "kept");
  }
}

std::string Repeated(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

// before, a NUL byte, after.
std::string WithNul(const std::string& before, const std::string& after) {
  return before + '\0' + after;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFiles,
    ::testing::Values(HostileFile{.name = "BinaryGarbage",
                                  .bytes = std::string("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16),
                                  .message = "'\x89PNG' は浮動小数点数ではありません",
                                  .row_count = 1024},
                      HostileFile{.name = "NulInsideTheHeaderField",
                                  .bytes = WithNul("5\t4", "1\n1\t2\n"),
                                  .message = WithNul("'4", "1' は浮動小数点数ではありません"),
                                  .row_count = 1024},
                      HostileFile{.name = "NulInsideADataLine",
                                  .bytes = WithNul("5\t4\n1\t2", "\n"),
                                  .message = WithNul("'2", "' は浮動小数点数ではありません"),
                                  .row_count = 3},
                      HostileFile{.name = "ThousandsOfDigitsInAPosition",
                                  .bytes = "5\t4\n" + std::string(3000, '9') + "\t1\n1\t1\n",
                                  .message = "浮動小数点数のオーバーフロー",
                                  .row_count = 4},
                      HostileFile{.name = "ThousandsOfDigitsBeyondTheExtendedRange",
                                  .bytes = "5\t4\n" + std::string(6000, '9') + "\t1\n",
                                  .message = "'" + std::string(6000, '9') +
                                             "' は浮動小数点数ではありません",
                                  .row_count = 3},
                      HostileFile{.name = "ExponentsOfThousandsOfDigits",
                                  .bytes = "5\t4\n1e" + std::string(3000, '0') + "1\t1e-" +
                                           std::string(4000, '0') + "1\n",
                                  .message = "",
                                  .row_count = 3},
                      HostileFile{.name = "UnderflowingDoseRate",
                                  .bytes = "5\t4\n0\t1e-99999\n1\t-0\n",
                                  .message = "",
                                  .row_count = 4},
                      HostileFile{.name = "OnlyLineEnds",
                                  .bytes = "\r\n\r\n\r\n",
                                  .message = "'' は浮動小数点数ではありません",
                                  .row_count = 1024},
                      HostileFile{.name = "CtrlZFirst",
                                  .bytes = "\x1a"
                                           "5\t4\n1\t1\n",
                                  .message = "'' は浮動小数点数ではありません",
                                  .row_count = 1024}),
    [](const ::testing::TestParamInfo<HostileFile>& param_info) {
      return std::string(param_info.param.name);
    });

TEST(HostileFiles, FiftyMegabytesInOneLine) {
  // Built here, not in the table: every test of this program runs in a
  // process of its own.
  const std::string digits(50'000'000, '7');
  const TempFolder folder;
  MemoryWorkspace workspace;
  const std::string path = folder.Write("long.txt", "5\t" + digits);
  const std::string message =
      test_support::ErrorMessageOf([&] { LoadProfileFile(workspace, path); });
  EXPECT_TRUE(message == "'" + digits + "' は浮動小数点数ではありません")
      << "a message of " << message.size() << " bytes";
  EXPECT_EQ(workspace.RowCount(), 1024);
}

TEST(HostileFiles, AMillionShortLinesAreRefused) {
  const TempFolder folder;
  MemoryWorkspace workspace;
  workspace.SetFieldText(Field::kEditSW, "kept");
  const std::string path = folder.Write("million.txt", Repeated("1\t3\n", 1'000'000));
  EXPECT_EQ(test_support::ErrorMessageOf([&] { LoadProfileFile(workspace, path); }),
            "データ行が上限の 1025 行を超えています");
  EXPECT_EQ(workspace.RowCount(), 1024);
  EXPECT_EQ(workspace.CellText(1, 1), "");
  EXPECT_EQ(workspace.FieldText(Field::kEditSW), "kept");
}

std::string LoadMessage(MemoryWorkspace& workspace, const std::string& path) {
  return test_support::ErrorMessageOf([&] { LoadProfileFile(workspace, path); });
}

TEST(HostilePaths, FolderUnreadableAndOverlongPaths) {
  const TempFolder folder;
  const struct {
    std::string path;
    const char* message;
  } cases[] = {
      {folder.path().string(), "I/O エラー (21)"},
      {"/proc/self/mem", "I/O エラー (5)"},  // opens, but reading at offset 0 fails
      {folder.PathOf(std::string(300, 'x')), "I/O エラー (36)"},
      {folder.Write("file.txt", "1\t3\n") + "/inside-a-file", "不正なファイル名です"},
  };
  for (const auto& c : cases) {
    MemoryWorkspace workspace;
    EXPECT_EQ(LoadMessage(workspace, c.path), c.message) << c.path;
    EXPECT_EQ(workspace.RowCount(), 1024);
    EXPECT_EQ(workspace.FieldText(Field::kEdit1), c.path);
  }
}

TEST(HostilePaths, EndlessFileIsRefusedAfterTheLimitWithoutReadingOn) {
  // A named pipe fed without end: the loader must stop at the 1026th data
  // line and close it, which ends the writer with a broken pipe.
  const TempFolder folder;
  const std::string path = folder.PathOf("endless");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  std::signal(SIGPIPE, SIG_IGN);
  std::atomic<long> lines_written{0};
  std::thread writer([&] {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    const std::string header = "5\t4\n";
    if (::write(descriptor, header.data(), header.size()) < 0) return;
    const std::string line = "1\t2\n";
    while (::write(descriptor, line.data(), line.size()) > 0) ++lines_written;
    ::close(descriptor);
  });
  MemoryWorkspace workspace;
  EXPECT_EQ(LoadMessage(workspace, path), "データ行が上限の 1025 行を超えています");
  writer.join();
  EXPECT_EQ(workspace.FieldText(Field::kEditSN), "4");
  EXPECT_EQ(workspace.RowCount(), 1024);
  EXPECT_LT(lines_written.load(), 1'000'000) << "the writer ended soon after the refusal";
}

}  // namespace
}  // namespace quorvane
