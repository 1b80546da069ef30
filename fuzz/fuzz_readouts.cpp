// The readouts of whatever the actions accept. Input layout as fuzz_pipeline:
// the slice width, slice number, beam pitch and rotations texts, each ended
// by a byte 0, then the profile file. After a load that ends normally, the
// measured readouts, the h(L) curve (201 points, as the window draws it) and
// its limits; after each of "CalMS" and "CalHS" that reaches its output
// (whether or not the load's draw succeeded), the accumulated readouts. Checks:
// - forming any readout never raises;
// - every readout value is finite (an unavailable one has none);
// - the curve's limit L_eq is the readout equilibrium_length_98, and lies
//   within [0, L_max];
// - for a profile without negative dose rates: efficiency_100 lies in
//   [0, 1], geometric_efficiency_percent in [0, 100], and h(L) is finite, in
//   [0, 1] and non-decreasing in L.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accumulation/scan_actions.h"
#include "analysis/measured_profile.h"
#include "errors/error.h"
#include "fuzz_accumulation_workspace.h"
#include "fuzz_input_fields.h"
#include "fuzz_input_file.h"
#include "profile_io/load_profile_file.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/equilibrium_approach.h"
#include "readouts/measured_readouts.h"
#include "readouts/readout.h"
#include "workspace/memory_workspace.h"

namespace {

using quorvane::Field;
using quorvane::MeasuredProfile;
using quorvane::MemoryWorkspace;
using quorvane::ReadoutTable;
using quorvane::fuzzing::KeptAccumulationWorkspace;
using quorvane::fuzzing::Require;
using quorvane::fuzzing::TakeField;

constexpr int kCurvePoints = 201;

// Runs a readout calculation; anything it raises ends the run.
template <typename Calculation>
auto NeverRaising(Calculation&& calculate) {
  try {
    return calculate();
  } catch (...) {
    std::abort();
  }
}

void CheckFinite(const ReadoutTable& table) {
  for (const quorvane::Readout& row : table.rows) Require(!row.value || std::isfinite(*row.value));
}

// A present value lies in [low, high].
void CheckWithin(const ReadoutTable& table, std::string_view key, double low, double high) {
  const quorvane::Readout* row = table.Find(key);
  Require(row != nullptr);
  if (row->value) Require(*row->value >= low && *row->value <= high);
}

bool HasNoNegativeDoseRate(const MeasuredProfile& profile) {
  for (const double dose_rate : profile.dose_rates) {
    if (dose_rate < 0) return false;
  }
  return true;
}

void CheckApproachCurve(const MeasuredProfile& profile) {
  const std::vector<quorvane::ApproachPoint> curve =
      NeverRaising([&] { return quorvane::EquilibriumApproachCurve(profile, kCurvePoints); });
  Require(curve.empty() || curve.size() == kCurvePoints);
  for (std::size_t k = 0; k < curve.size(); ++k) {
    Require(std::isfinite(curve[k].length_mm) && std::isfinite(curve[k].h));
    Require(curve[k].h >= 0 && curve[k].h <= 1);
    if (k > 0) Require(curve[k].h >= curve[k - 1].h);
  }
}

void CheckApproachLimits(const MeasuredProfile& profile, const ReadoutTable& readouts) {
  const quorvane::ApproachLimits limits =
      NeverRaising([&] { return quorvane::EquilibriumApproachLimits(profile); });
  const std::optional<double> readout = readouts.Find("equilibrium_length_98")->value;
  Require(limits.equilibrium_length_98_mm == readout);
  if (!readout) return;
  Require(limits.max_length_mm.has_value());
  Require(*readout >= 0 && *readout <= *limits.max_length_mm);
}

void CheckMeasuredReadouts(const MemoryWorkspace& workspace, const MeasuredProfile& profile) {
  const ReadoutTable readouts = NeverRaising([&] {
    return quorvane::MeasuredReadouts(
        profile, workspace.FieldText(Field::kEditSW), workspace.FieldText(Field::kEditSN),
        workspace.FieldText(Field::kEditBP), workspace.number_format());
  });
  CheckFinite(readouts);
  CheckApproachLimits(profile, readouts);
  if (!HasNoNegativeDoseRate(profile)) return;
  CheckWithin(readouts, "efficiency_100", 0, 1);
  CheckWithin(readouts, "geometric_efficiency_percent", 0, 100);
  CheckApproachCurve(profile);
}

void CheckAccumulatedReadouts(MemoryWorkspace& workspace, bool helical) {
  std::optional<quorvane::AccumulationRecord> record;
  try {
    record = helical ? quorvane::RunHelicalScanActionIn(workspace, KeptAccumulationWorkspace())
                     : quorvane::RunMultipleScanActionIn(workspace, KeptAccumulationWorkspace());
  } catch (const quorvane::Error&) {
    return;  // the action ended with its error: no readouts
  }
  CheckFinite(NeverRaising([&] { return quorvane::AccumulatedReadouts(*record); }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  MemoryWorkspace workspace;
  quorvane::fuzzing::TakeScanParameters(input, workspace);
  const std::string& path = quorvane::fuzzing::WriteScratchFile(input);
  std::optional<MeasuredProfile> profile;
  try {
    profile = quorvane::LoadProfileFile(workspace, path);
  } catch (const quorvane::Error&) {
    // Not drawn: no measured readouts, but the accumulations read the table.
  }
  if (profile) CheckMeasuredReadouts(workspace, *profile);
  CheckAccumulatedReadouts(workspace, false);
  CheckAccumulatedReadouts(workspace, true);
  return 0;
}
