#include "bench_inputs.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "analysis/half_maximum.h"
#include "numbers/extended.h"
#include "workspace/profile_table.h"

namespace quorvane::bench {
namespace {

constexpr double kSpacingMm = 0.1;
constexpr double kFlatTopMGyPerS = 20.0;
constexpr double kHalfBeamWidthMm = 16.0;
constexpr double kPenumbraMm = 1.5;
constexpr double kTailMGyPerS = 0.6;
constexpr double kTailLengthMm = 12.0;

// The primary beam (a flat top between error-function edges) over the
// scatter tail, which decays away from the centre.
double DoseRateAt(double position_mm) {
  const double beam = 0.5 * (std::erf((position_mm + kHalfBeamWidthMm) / kPenumbraMm) -
                             std::erf((position_mm - kHalfBeamWidthMm) / kPenumbraMm));
  const double tail = std::exp(-std::abs(position_mm) / kTailLengthMm);
  return kFlatTopMGyPerS * beam + kTailMGyPerS * tail;
}

std::string Formatted(const char* format, double value) {
  std::array<char, 32> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), format, value);
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

void SetFields(MemoryWorkspace& workspace, const ScanFields& fields) {
  workspace.SetFieldText(Field::kEditSW, fields.slice_width);
  workspace.SetFieldText(Field::kEditSN, fields.slice_number);
  workspace.SetFieldText(Field::kEditBP, fields.beam_pitch);
  workspace.SetFieldText(Field::kEditnRot, fields.rotations);
}

}  // namespace

std::vector<ProfileRow> SingleRotationProfile() {
  std::vector<ProfileRow> rows;
  const double first_position = -0.5 * kSpacingMm * (kProfilePoints - 1);
  for (std::int32_t i = 0; i < kProfilePoints; ++i) {
    const double position = first_position + kSpacingMm * i;
    rows.push_back({Formatted("%.2f", position), Formatted("%.4f", DoseRateAt(position))});
  }
  return rows;
}

MemoryWorkspace ScanWorkspace(const ScanFields& fields) {
  MemoryWorkspace workspace;
  const std::vector<ProfileRow> rows = SingleRotationProfile();
  for (std::int32_t row = 1; row <= kProfilePoints; ++row) {
    const ProfileRow& values = rows[static_cast<std::size_t>(row - 1)];
    workspace.SetCellText(kRowNumberColumn, row, std::to_string(row));
    workspace.SetCellText(kPositionColumn, row, values.position);
    workspace.SetCellText(kDoseRateColumn, row, values.dose_rate);
  }
  workspace.SetRowCount(kProfilePoints + 2);
  SetFields(workspace, fields);
  return workspace;
}

std::string ProfileFileText() {
  std::string text = "0.5\t64\n";
  for (const ProfileRow& row : SingleRotationProfile()) {
    text += row.position + '\t' + row.dose_rate + '\n';
  }
  return text;
}

ProfileSamples HelicalProfileSamples() {
  const MemoryWorkspace workspace = ScanWorkspace(kHelicalWorstCase);
  AccumulationWorkspace accumulation;
  const auto length = static_cast<std::size_t>(AccumulateHelicalScan(workspace, accumulation));
  const HalfMaximumResult measurement = MeasureHalfMaximum(
      std::span(accumulation.position).first(length), std::span(accumulation.dose).first(length));
  for (double& position : accumulation.position) {
    position = StoreDouble(Subtract(position, measurement.Centre));
  }
  return {accumulation.position, accumulation.dose};
}

}  // namespace quorvane::bench
