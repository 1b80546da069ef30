// A folder of its own for a test's fixture files, removed with its contents
// when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane::test_support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes the bytes to a file in the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  std::string PathOf(std::string_view name) const;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The folder of the repository's sources (for examples/).
std::filesystem::path SourceFolder();

}  // namespace quorvane::test_support
