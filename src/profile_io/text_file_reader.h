// Reads a profile file line by line, by the line rules of the format:
// - LF ends a line, and a CR directly before it belongs to the line end;
// - any other CR does not end the line and is dropped from its text, so a
//   file of CR-only line ends reads as one line;
// - the last line may lack a line end; a line end at the very end of the file
//   starts no further line;
// - a Ctrl-Z (byte 26) at the start of a line ends the file;
// - lines may be of any length.
// Every failure of the operating system raises the input/output error of
// FileErrorMessage. The file is closed on every path.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quorvane {

class TextFileReader {
 public:
  explicit TextFileReader(std::string path);  // opens for reading
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // True at the end of the file, or before a Ctrl-Z at the start of a line.
  bool AtEnd();
  // The next line's text without its line end; the empty text at the end.
  std::string ReadLine();
  // Closes the file, raising the error of a failed close.
  void Close();

 private:
  bool FillBuffer();  // false at the end of the file

  std::string path_;
  int descriptor_ = -1;
  std::array<char, 65536> buffer_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool at_file_end_ = false;
};

}  // namespace quorvane
