#include "fuzz_input_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

namespace quorvane::fuzzing {

const std::string& WriteScratchFile(std::string_view bytes) {
  static const std::string path = [] {
    std::string pattern = "/tmp/quorvane-fuzz-XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) std::abort();
    close(descriptor);
    return pattern;
  }();
  const int descriptor = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) std::abort();
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count <= 0) std::abort();
    written += static_cast<std::size_t>(count);
  }
  close(descriptor);
  return path;
}

}  // namespace quorvane::fuzzing
