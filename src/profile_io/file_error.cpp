#include "profile_io/file_error.h"

#include <sys/stat.h>
#include <cerrno>
#include <string>

#include "errors/messages.h"
#include "numbers/integer_text.h"

namespace quorvane {
namespace {

// The folder part of a path: "/data/a.txt" -> "/data", "a.txt" -> ".".
std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

bool IsExistingFolder(const std::string& folder) {
  struct stat status {};
  return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string FileErrorMessage(int error_number, std::string_view path) {
  switch (error_number) {
    case ENOENT:
      return std::string(IsExistingFolder(FolderOf(path)) ? messages::kFileNotFound
                                                          : messages::kInvalidFileName);
    case ENOTDIR:
      return std::string(messages::kInvalidFileName);
    case EMFILE:
    case ENFILE:
      return std::string(messages::kTooManyOpenFiles);
    case EACCES:
    case EPERM:
      return std::string(messages::kAccessDenied);
    default:
      return messages::InputOutputErrorNumber(IntegerText(std::int64_t{error_number}));
  }
}

Error FileError(int error_number, std::string_view path) {
  return InputOutputError(FileErrorMessage(error_number, path));
}

}  // namespace quorvane
