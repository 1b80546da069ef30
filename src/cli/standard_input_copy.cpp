#include "cli/standard_input_copy.h"

#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace quorvane::cli {
namespace {

std::string TemporaryPattern() {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
         "/quorvane-calc-stdin-XXXXXX";
}

bool WriteAll(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

StandardInputCopy::StandardInputCopy() : path_(TemporaryPattern()) {
  const int descriptor = ::mkstemp(path_.data());
  if (descriptor < 0) {
    throw std::runtime_error("cannot copy standard input: " + std::string(std::strerror(errno)));
  }
  char buffer[65536];
  bool ok = true;
  for (;;) {
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) ok = false;
    if (count <= 0) break;
    if (!WriteAll(descriptor, buffer, static_cast<std::size_t>(count))) {
      ok = false;
      break;
    }
  }
  if (::close(descriptor) != 0) ok = false;
  if (!ok) {
    ::unlink(path_.c_str());
    throw std::runtime_error("cannot copy standard input");
  }
}

StandardInputCopy::~StandardInputCopy() { ::unlink(path_.c_str()); }

}  // namespace quorvane::cli
