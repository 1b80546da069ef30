#include "profile_io/save_profile_table.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "errors/capacities.h"
#include "errors/error.h"
#include "errors/messages.h"
#include "numbers/integer_text.h"
#include "profile_io/header_line.h"
#include "workspace/profile_table.h"
#include "workspace/profile_values.h"

namespace quorvane {
namespace {

constexpr char kCtrlZ = 26;

std::string RowName(std::int32_t row) { return messages::TableRow(IntegerText(std::int64_t{row})); }

[[noreturn]] void Refuse(std::string_view line, std::string_view reason) {
  throw RefusalError(messages::TableRefusal(line, reason));
}

// A text that would not come back as one cell of one line.
void CheckCellBytes(std::string_view line, std::string_view cell, std::string_view text) {
  if (text.find('\t') != std::string_view::npos) Refuse(line, messages::CellHoldsTab(cell));
  if (text.find('\n') != std::string_view::npos) Refuse(line, messages::CellHoldsLineFeed(cell));
  if (text.find('\r') != std::string_view::npos) {
    Refuse(line, messages::CellHoldsCarriageReturn(cell));
  }
}

void CheckLine(std::string_view line, std::string_view first_cell, std::string_view first,
               std::string_view second_cell, std::string_view second) {
  CheckCellBytes(line, first_cell, first);
  CheckCellBytes(line, second_cell, second);
  if (!first.empty() && first.front() == kCtrlZ) Refuse(line, messages::kLineStartsWithCtrlZ);
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
    Refuse(RowName(1), messages::kFirstDoseRateReadAsHeader);
  }
  if (!is_number) Refuse(RowName(1), messages::kFirstDoseRateNoNumber);
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
  if (point_count > kMaxDataLines)
    Refuse(RowName(kMaxDataLines + 1), messages::TooManyRowsForAFile());

  std::string text;
  const std::string slice_width = workspace.FieldText(Field::kEditSW);
  const std::string slice_number = workspace.FieldText(Field::kEditSN);
  bool is_number = false;
  const bool header = PassesHeaderTest(slice_number, workspace.number_format(), is_number);
  if (header) {
    CheckLine(messages::kTableHeaderLine, "the slice width", slice_width, "the slice number",
              slice_number);
    AppendLine(text, slice_width, slice_number);
  } else if (point_count == 0) {
    Refuse(messages::kTableAsAWhole, messages::kEmptyTableWithoutHeader);
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
