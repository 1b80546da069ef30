#include "support/profile_fixture.h"

#include <charconv>
#include <stdexcept>

#include "workspace/profile_table.h"

namespace quorvane::test_support {
namespace {

std::string Shortest(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

void FillProfile(Workspace& workspace, const std::vector<ProfileRow>& rows) {
  std::int32_t row = 1;
  for (const ProfileRow& r : rows) {
    workspace.SetCellText(kRowNumberColumn, row, std::to_string(row));
    workspace.SetCellText(kPositionColumn, row, r.position);
    workspace.SetCellText(kDoseRateColumn, row, r.dose_rate);
    ++row;
  }
  workspace.SetCellText(kPositionColumn, 0, "mm");
  workspace.SetCellText(kDoseRateColumn, 0, "mGy/s");
  workspace.SetRowCount(row + 1);
}

std::vector<ProfileRow> Rows(const std::vector<double>& positions,
                             const std::vector<double>& dose_rates) {
  if (positions.size() != dose_rates.size()) throw std::invalid_argument("unequal columns");
  std::vector<ProfileRow> rows;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    rows.push_back({Shortest(positions[i]), Shortest(dose_rates[i])});
  }
  return rows;
}

void SetScanFields(Workspace& workspace, const char* slice_width, const char* slice_number,
                   const char* beam_pitch, const char* rotations) {
  if (slice_width != nullptr) workspace.SetFieldText(Field::kEditSW, slice_width);
  if (slice_number != nullptr) workspace.SetFieldText(Field::kEditSN, slice_number);
  if (beam_pitch != nullptr) workspace.SetFieldText(Field::kEditBP, beam_pitch);
  if (rotations != nullptr) workspace.SetFieldText(Field::kEditnRot, rotations);
}

void PrepareScan(Workspace& workspace, const std::vector<ProfileRow>& rows, const char* slice_width,
                 const char* slice_number, const char* beam_pitch, const char* rotations) {
  if (!rows.empty()) FillProfile(workspace, rows);
  SetScanFields(workspace, slice_width, slice_number, beam_pitch, rotations);
  workspace.SetClipboardText("before");
  workspace.AddPoint(CurveId::kSeries2, 1, 1);
}

}  // namespace quorvane::test_support
