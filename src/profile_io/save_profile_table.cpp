#include "profile_io/save_profile_table.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "errors/error.h"
#include "numbers/integer_text.h"
#include "profile_io/header_line.h"
#include "profile_io/load_profile_file.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

constexpr char kCtrlZ = 26;

std::string RowName(std::int32_t row) { return "Row " + IntegerText(std::int64_t{row}); }

[[noreturn]] void Refuse(std::string_view line, std::string_view reason) {
  throw RefusalError(std::string(line) + ": " + std::string(reason));
}

// A text that would not come back as one cell of one line.
void CheckCellBytes(std::string_view line, std::string_view what, std::string_view text) {
  if (text.find('\t') != std::string_view::npos) {
    Refuse(line, std::string(what) + " holds a tab, which separates the two columns of a line");
  }
  if (text.find('\n') != std::string_view::npos) {
    Refuse(line, std::string(what) + " holds a line feed, which ends a line");
  }
  if (text.find('\r') != std::string_view::npos) {
    Refuse(line, std::string(what) + " holds a carriage return, which the loader drops");
  }
}

void CheckLine(std::string_view line, std::string_view first_name, std::string_view first,
               std::string_view second_name, std::string_view second) {
  CheckCellBytes(line, first_name, first);
  CheckCellBytes(line, second_name, second);
  if (!first.empty() && first.front() == kCtrlZ) {
    Refuse(line, "the line starts with byte 26 (Ctrl-Z), which ends a profile file");
  }
}

// The loader's header test, with a text that is no number (its error) as
// "not a header line".
bool PassesHeaderTest(std::string_view text, const NumberFormat& format, bool& is_number) {
  try {
    const bool header = IsHeaderLine(text, format);
    is_number = true;
    return header;
  } catch (const Error&) {
    is_number = false;
    return false;
  }
}

// Without a header line, the loader tests the first line's dose rate as a
// slice number: it must be a number and no whole power of two.
void CheckFirstDoseRate(std::string_view dose_rate, const NumberFormat& format) {
  bool is_number = false;
  if (PassesHeaderTest(dose_rate, format, is_number)) {
    Refuse(RowName(1),
           "the dose rate is a whole power of two, so the loader would read the line as the "
           "slice width and slice number, and the slice number field is no whole power of two "
           "for a header line before it");
  }
  if (!is_number) {
    Refuse(RowName(1),
           "the dose rate does not convert to a number, and without a header line the loader "
           "converts the first line's dose rate");
  }
}

void AppendLine(std::string& text, std::string_view first, std::string_view second) {
  text.append(first);
  text += '\t';
  text.append(second);
  text += '\n';
}

}  // namespace

std::string ProfileTableFileText(const Workspace& workspace) {
  const std::int32_t point_count = std::max(PointCount(workspace), 0);
  if (point_count > kMaxDataLines) {
    Refuse(RowName(kMaxDataLines + 1), "a profile file holds at most 1025 data rows");
  }

  std::string text;
  const std::string slice_width = workspace.FieldText(Field::kEditSW);
  const std::string slice_number = workspace.FieldText(Field::kEditSN);
  bool is_number = false;
  const bool header = PassesHeaderTest(slice_number, workspace.number_format(), is_number);
  if (header) {
    CheckLine("The header line", "the slice width", slice_width, "the slice number", slice_number);
    AppendLine(text, slice_width, slice_number);
  } else if (point_count == 0) {
    Refuse("The table",
           "it has no data rows and the slice number is no whole power of two for a header "
           "line, and the loader refuses an empty file");
  }

  for (std::int32_t row = 1; row <= point_count; ++row) {
    const std::string position = workspace.CellText(kPositionColumn, row);
    const std::string dose_rate = workspace.CellText(kDoseRateColumn, row);
    CheckLine(RowName(row), "the position", position, "the dose rate", dose_rate);
    if (row == 1 && !header) CheckFirstDoseRate(dose_rate, workspace.number_format());
    AppendLine(text, position, dose_rate);
  }
  return text;
}

}  // namespace quorvane
