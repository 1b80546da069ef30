// Standard input copied to a temporary file, so that "-" loads exactly as a
// file does (the loader reads a file without a header line twice). The file
// is removed when the copy goes.
#pragma once

#include <string>

namespace quorvane::cli {

class StandardInputCopy {
 public:
  StandardInputCopy();  // raises std::runtime_error when the copy fails
  ~StandardInputCopy();
  StandardInputCopy(const StandardInputCopy&) = delete;
  StandardInputCopy& operator=(const StandardInputCopy&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace quorvane::cli
