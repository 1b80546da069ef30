#include "profile_io/load_profile_file.h"

#include <optional>
#include <string>
#include <vector>

#include "analysis/draw_measured_profile.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "numbers/integer_text.h"
#include "profile_io/header_line.h"
#include "profile_io/profile_line.h"
#include "profile_io/text_file_reader.h"
#include "workspace/profile_table.h"

namespace quorvane {
namespace {

// Reads the first line and applies the header test. A header line fills the
// slice fields and reading goes on after it; otherwise the file is reopened
// so that the first line is read again as data line 1.
void TakeHeaderLine(Workspace& workspace, const std::string& path,
                    std::optional<TextFileReader>& reader, LoadObserver* observer) {
  const ProfileLine first = SplitProfileLine(reader->ReadLine());
  if (IsHeaderLine(first.second, workspace.number_format())) {
    workspace.SetFieldText(Field::kEditSW, first.first);
    workspace.SetFieldText(Field::kEditSN, first.second);
    return;
  }
  reader->Close();
  reader.reset();
  if (observer != nullptr) observer->BeforeReopen();
  reader.emplace(path);
}

// All data lines, refused at the 1026th so that a huge file costs neither
// time nor memory.
std::vector<ProfileLine> ReadDataLines(TextFileReader& reader) {
  std::vector<ProfileLine> lines;
  while (!reader.AtEnd()) {
    if (lines.size() == kMaxDataLines) {
      throw RefusalError(messages::TooManyDataLines());
    }
    lines.push_back(SplitProfileLine(reader.ReadLine()));
  }
  return lines;
}

void WriteDataRows(Workspace& workspace, const std::vector<ProfileLine>& lines) {
  std::int32_t row = 1;
  for (const ProfileLine& line : lines) {
    workspace.SetCellText(kRowNumberColumn, row, IntegerText(std::int64_t{row}));
    workspace.SetCellText(kPositionColumn, row, line.first);
    workspace.SetCellText(kDoseRateColumn, row, line.second);
    ++row;
  }
}

}  // namespace

std::optional<MeasuredProfile> LoadProfileFile(Workspace& workspace, std::string_view path,
                                               LoadObserver* observer) {
  if (path.empty()) return std::nullopt;
  const std::string file_path(path);
  workspace.SetFieldText(Field::kEdit1, file_path);

  std::optional<TextFileReader> reader;
  reader.emplace(file_path);
  TakeHeaderLine(workspace, file_path, reader, observer);
  const std::vector<ProfileLine> lines = ReadDataLines(*reader);
  WriteDataRows(workspace, lines);
  reader->Close();

  workspace.SetCellText(kPositionColumn, 0, "mm");
  workspace.SetCellText(kDoseRateColumn, 0, "mGy/s");
  workspace.SetRowCount(static_cast<std::int32_t>(lines.size()) + 2);
  return DrawMeasuredProfile(workspace);
}

}  // namespace quorvane
