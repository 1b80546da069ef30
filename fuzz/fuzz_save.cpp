// The two saves of the window, through the command line's atomic file
// writer (the Qt-free one). Input layout: a byte that picks the decimal
// separator (".", "," or U+066B, by its value mod 3) and the accumulation
// ("CalMS" for an even value / 3, else "CalHS"); the slice width, slice
// number, beam pitch, rotations and row count texts, each ended by a byte 0;
// then the table's cells, each ended by a byte 0: position and dose rate of
// row 1, of row 2, ... The row count text, where it is a decimal number from
// 1 to 1200, sets the row count (rows beyond it keep their texts); otherwise
// the row count is the rows given + 2.
//
// Checks, for the table saved as a profile file:
// - a table the save refuses raises a refusal error with a message, and the
//   file at the target keeps what it held: nothing is written, no temporary
//   file is left;
// - a table it accepts gives a file holding exactly the saved text, and
//   "Load" of that file into a fresh workspace reads the same rows 1 to n
//   (n = row count - 2, at least 0), row count n + 2, and, where the file starts with a
//   header line, the same slice width and slice number.
// For the accumulated profile saved (after the accumulation, where it
// reaches its output): as text, the file holds exactly the profile text; as
// CSV, the file holds exactly the CSV text, its first line is
// "position_mm,dose", and every further line reads back, with ".", to the
// same two doubles as the same line of the profile text in the workspace's
// format.
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "accumulation/accumulated_profile_output.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "accumulation/profile_csv.h"
#include "cli/atomic_file.h"
#include "errors/error.h"
#include "fuzz_accumulation_workspace.h"
#include "fuzz_input_fields.h"
#include "numbers/number_parse.h"
#include "profile_io/load_profile_file.h"
#include "profile_io/save_profile_table.h"
#include "workspace/memory_workspace.h"
#include "workspace/profile_table.h"

namespace {

using quorvane::Field;
using quorvane::MemoryWorkspace;
using quorvane::NumberFormat;
using quorvane::fuzzing::KeptAccumulationWorkspace;
using quorvane::fuzzing::Require;
using quorvane::fuzzing::TakeField;

constexpr char kEarlierContents[] = "what an earlier save wrote\n";
constexpr std::int32_t kLargestRowCount = 1200;

// A folder of this process's own, in memory where /dev/shm exists (saves on
// disk cost a flush per rename), removed with its files at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                          std::string("/quorvane-save-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    for (const std::string& name : Names()) unlink((path_ + "/" + name).c_str());
    rmdir(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    DIR* folder = opendir(path_.c_str());
    if (folder == nullptr) std::abort();
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(folder);
    return names;
  }

 private:
  std::string path_;
};

const ScratchFolder& Folder() {
  static const ScratchFolder folder;
  return folder;
}

std::string FileContents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  Require(file.good());
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

// The row count text as a row count, or nothing.
std::int32_t RowCountOf(std::string_view text, std::int32_t otherwise) {
  std::int32_t count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || end != text.data() + text.size()) return otherwise;
  return count >= 1 && count <= kLargestRowCount ? count : otherwise;
}

void FillTable(MemoryWorkspace& workspace, std::string_view cells, std::string_view row_count) {
  std::int32_t row = 0;
  while (!cells.empty()) {
    ++row;
    workspace.SetCellText(quorvane::kPositionColumn, row, TakeField(cells));
    workspace.SetCellText(quorvane::kDoseRateColumn, row, TakeField(cells));
  }
  workspace.SetRowCount(RowCountOf(row_count, row + 2));
}

// What the window's save does: the text first, then the file.
void SaveTable(const MemoryWorkspace& workspace, const std::string& target) {
  quorvane::cli::WriteFileAtomically(target, quorvane::ProfileTableFileText(workspace));
}

void CheckLoadedBack(const MemoryWorkspace& saved, const std::string& text,
                     const std::string& target) {
  MemoryWorkspace loaded(saved.number_format());
  try {
    quorvane::LoadProfileFile(loaded, target);
  } catch (const quorvane::Error&) {
    // draw's error: the table is loaded all the same, as checked below
  }
  const std::int32_t rows = std::max(saved.RowCount() - 2, 0);
  Require(loaded.CellText(quorvane::kPositionColumn, 0) == "mm");  // the reading ended
  Require(loaded.RowCount() == rows + 2);
  for (std::int32_t row = 1; row <= rows; ++row) {
    for (const int column : {quorvane::kPositionColumn, quorvane::kDoseRateColumn}) {
      Require(loaded.CellText(column, row) == saved.CellText(column, row));
    }
  }
  const auto lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n'));
  Require(lines == rows || lines == rows + 1);
  if (lines == rows + 1) {  // a header line
    Require(loaded.FieldText(Field::kEditSW) == saved.FieldText(Field::kEditSW));
    Require(loaded.FieldText(Field::kEditSN) == saved.FieldText(Field::kEditSN));
  }
}

void CheckTableSave(const MemoryWorkspace& workspace) {
  const std::string target = Folder().File("table.txt");
  quorvane::cli::WriteFileAtomically(target, kEarlierContents);
  try {
    SaveTable(workspace, target);
  } catch (const quorvane::Error& error) {
    Require(error.kind() == quorvane::ErrorKind::kRefusal && !error.message().empty());
    Require(FileContents(target) == kEarlierContents);
    for (const std::string& name : Folder().Names()) Require(name.front() != '.');  // temporary
    return;
  }
  const std::string text = quorvane::ProfileTableFileText(workspace);
  Require(FileContents(target) == text);
  CheckLoadedBack(workspace, text, target);
}

// The line's two numbers, split at `separator`, stored as doubles.
std::pair<double, double> LineNumbers(std::string_view line, char separator,
                                      const NumberFormat& format) {
  const std::size_t at = line.find(separator);
  Require(at != std::string_view::npos);
  try {
    return {quorvane::ParseStoredNumber(line.substr(0, at), format),
            quorvane::ParseStoredNumber(line.substr(at + 1), format)};
  } catch (const quorvane::Error&) {
    std::abort();  // a number that does not read back
  }
}

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckCsvReadsBack(const std::string& profile_text, const std::string& csv,
                       const NumberFormat& format) {
  std::string_view rest(csv);
  const std::string_view header = "position_mm,dose\n";
  Require(rest.substr(0, header.size()) == header);
  rest.remove_prefix(header.size());
  std::string_view text(profile_text);
  while (!text.empty()) {
    const std::size_t text_end = text.find("\r\n");
    const std::size_t csv_end = rest.find('\n');
    Require(text_end != std::string_view::npos && csv_end != std::string_view::npos);
    const auto expected = LineNumbers(text.substr(0, text_end), '\t', format);
    const auto read = LineNumbers(rest.substr(0, csv_end), ',', NumberFormat());
    Require(SameDouble(read.first, expected.first) && SameDouble(read.second, expected.second));
    text.remove_prefix(text_end + 2);
    rest.remove_prefix(csv_end + 1);
  }
  Require(rest.empty());
}

void CheckAccumulatedSave(MemoryWorkspace& workspace, bool helical) {
  quorvane::AccumulationWorkspace& accumulation = KeptAccumulationWorkspace();
  try {
    const std::int32_t length = helical
                                    ? quorvane::AccumulateHelicalScan(workspace, accumulation)
                                    : quorvane::AccumulateMultipleScans(workspace, accumulation);
    quorvane::OutputAccumulatedProfile(workspace, accumulation, length);
  } catch (const quorvane::Error&) {
    return;  // the action ended with its error: nothing to save
  }
  const std::string& profile_text = workspace.clipboard_text();
  const std::string text_target = Folder().File("accumulated.txt");
  quorvane::cli::WriteFileAtomically(text_target, profile_text);
  Require(FileContents(text_target) == profile_text);
  const std::string csv = quorvane::ProfileTextAsCsv(profile_text, workspace.number_format());
  const std::string target = Folder().File("accumulated.csv");
  quorvane::cli::WriteFileAtomically(target, csv);
  Require(FileContents(target) == csv);
  CheckCsvReadsBack(profile_text, csv, workspace.number_format());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kSeparators[] = {".", ",", "\xD9\xAB"};
  MemoryWorkspace workspace(NumberFormat::FromLocaleSetting(kSeparators[data[0] % 3]));
  const bool helical = (data[0] / 3) % 2 == 1;
  std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  quorvane::fuzzing::TakeScanParameters(input, workspace);
  const std::string row_count = TakeField(input);
  FillTable(workspace, input, row_count);
  CheckTableSave(workspace);
  CheckAccumulatedSave(workspace, helical);
  return 0;
}
