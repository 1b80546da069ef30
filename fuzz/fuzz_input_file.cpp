#include "fuzz_input_file.h"

#include <sys/mman.h>
#include <unistd.h>
#include <cstdlib>

namespace quorvane::fuzzing {
namespace {

// An anonymous file in memory (memfd), opened again by the loader through
// /proc/self/fd: rewriting a file on disk every run costs a truncation and,
// on ext4, a flush at its close, more than the rest of a small run.
struct ScratchFile {
  int descriptor = -1;
  std::string path;
};

const ScratchFile& TheScratchFile() {
  static const ScratchFile file = [] {
    ScratchFile made;
    made.descriptor = memfd_create("quorvane-fuzz", MFD_CLOEXEC);
    if (made.descriptor < 0) std::abort();
    made.path = "/proc/self/fd/" + std::to_string(made.descriptor);
    return made;
  }();
  return file;
}

}  // namespace

const std::string& WriteScratchFile(std::string_view bytes) {
  const ScratchFile& file = TheScratchFile();
  if (ftruncate(file.descriptor, 0) != 0) std::abort();
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = pwrite(file.descriptor, bytes.data() + written, bytes.size() - written,
                                 static_cast<off_t>(written));
    if (count <= 0) std::abort();
    written += static_cast<std::size_t>(count);
  }
  return file.path;
}

}  // namespace quorvane::fuzzing
