#include "cli/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace quorvane::cli {
namespace {

[[noreturn]] void RaiseWriteError(const std::string& path, int error_number) {
  throw std::runtime_error("cannot write '" + path + "': " + std::strerror(error_number));
}

// The permissions the finished file gets.
mode_t TargetMode(const std::string& path) {
  struct stat status;
  if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
    return status.st_mode & 07777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Returns 0 or the errno of the first failing step.
int WriteAll(int descriptor, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(descriptor, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// A hidden name beside the target: "out/.a.ms.tsv.XXXXXX".
std::string TemporaryPattern(const std::string& path) {
  const std::filesystem::path target(path);
  return (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view contents) {
  const mode_t mode = TargetMode(path);
  std::string temporary = TemporaryPattern(path);
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) RaiseWriteError(path, errno);
  int error_number = WriteAll(descriptor, contents);
  if (error_number == 0 && ::fchmod(descriptor, mode) != 0) error_number = errno;
  if (::close(descriptor) != 0 && error_number == 0) error_number = errno;
  if (error_number == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
    error_number = errno;
  }
  if (error_number != 0) {
    ::unlink(temporary.c_str());
    RaiseWriteError(path, error_number);
  }
}

}  // namespace quorvane::cli
