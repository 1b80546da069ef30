#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane::test_support {

TempFolder::TempFolder() {
  const std::filesystem::path pattern = std::filesystem::temp_directory_path() / "quorvane-XXXXXX";
  std::string buffer = pattern.string();
  if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buffer;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path);
  return path;
}

std::string TempFolder::PathOf(std::string_view name) const { return (path_ / name).string(); }

std::filesystem::path SourceFolder() {
  if (const char* folder = std::getenv("QUORVANE_SOURCE_DIR")) return folder;
  return QUORVANE_SOURCE_DIR_FALLBACK;
}

}  // namespace quorvane::test_support
