#include "profile_io/text_file_reader.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include <utility>

#include "profile_io/file_error.h"

namespace quorvane {
namespace {

constexpr char kCtrlZ = 26;

}  // namespace

TextFileReader::TextFileReader(std::string path) : path_(std::move(path)) {
  if (path_.find('\0') != std::string::npos) throw FileError(ENOTDIR, path_);
  descriptor_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0) throw FileError(errno, path_);
}

TextFileReader::~TextFileReader() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool TextFileReader::FillBuffer() {
  if (begin_ < end_) return true;
  if (at_file_end_) return false;
  ssize_t count = 0;
  do {
    count = ::read(descriptor_, buffer_.data(), buffer_.size());
  } while (count < 0 && errno == EINTR);
  if (count < 0) throw FileError(errno, path_);
  begin_ = 0;
  end_ = static_cast<std::size_t>(count);
  if (count == 0) at_file_end_ = true;
  return count > 0;
}

bool TextFileReader::AtEnd() { return !FillBuffer() || buffer_[begin_] == kCtrlZ; }

std::string TextFileReader::ReadLine() {
  std::string line;
  if (AtEnd()) return line;
  while (FillBuffer()) {
    const char c = buffer_[begin_++];
    if (c == '\n') break;
    if (c != '\r') line += c;
  }
  return line;
}

void TextFileReader::Close() {
  const int descriptor = std::exchange(descriptor_, -1);
  if (descriptor >= 0 && ::close(descriptor) != 0) throw FileError(errno, path_);
}

}  // namespace quorvane
