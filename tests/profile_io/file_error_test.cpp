#include "profile_io/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "errors/error.h"
#include "profile_io/text_file_reader.h"
#include "support/printers.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

TEST(FileErrorMessage, ChoosesTheMessageByErrorNumber) {
  const test_support::TempFolder folder;
  const std::string in_existing_folder = folder.PathOf("missing.txt");
  const std::string in_missing_folder = folder.PathOf("no/such/missing.txt");
  const struct {
    int error_number;
    std::string path;
    const char* message;
  } cases[] = {
      {ENOENT, in_existing_folder, "ファイルが見つかりません"},
      {ENOENT, "relative-name-in-the-working-folder.txt", "ファイルが見つかりません"},
      {ENOENT, in_missing_folder, "不正なファイル名です"},
      {ENOTDIR, in_existing_folder, "不正なファイル名です"},
      {EMFILE, in_existing_folder, "オープンしたファイルが多すぎます"},
      {ENFILE, in_existing_folder, "オープンしたファイルが多すぎます"},
      {EACCES, in_existing_folder, "ファイルへのアクセスが拒否されました"},
      {EPERM, in_existing_folder, "ファイルへのアクセスが拒否されました"},
      {EISDIR, in_existing_folder, "I/O エラー (21)"},
      {EIO, in_existing_folder, "I/O エラー (5)"},
      {ENAMETOOLONG, in_existing_folder, "I/O エラー (36)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileErrorMessage(c.error_number, c.path), c.message)
        << c.error_number << " " << c.path;
  }
}

std::string OpenAndReadError(const std::string& path) {
  try {
    TextFileReader reader(path);
    reader.ReadLine();
    reader.Close();
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kInputOutput);
    return error.message();
  }
  return "no error";
}

TEST(FileErrorMessage, RealFailuresOfTheFileSystem) {
  const test_support::TempFolder folder;
  const std::string file = folder.Write("plain.txt", "1\t2\n");
  EXPECT_EQ(OpenAndReadError(folder.PathOf("missing.txt")), "ファイルが見つかりません");
  EXPECT_EQ(OpenAndReadError(folder.PathOf("gone/missing.txt")), "不正なファイル名です");
  EXPECT_EQ(OpenAndReadError(file + "/below-a-file.txt"), "不正なファイル名です");
  EXPECT_EQ(OpenAndReadError(folder.path().string()), "I/O エラー (21)");
  EXPECT_EQ(OpenAndReadError(file), "no error");
}

}  // namespace
}  // namespace quorvane
