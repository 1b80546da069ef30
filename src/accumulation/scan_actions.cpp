#include "accumulation/scan_actions.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "accumulation/accumulated_profile_output.h"
#include "accumulation/accumulation_steps.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "accumulation/superposition.h"

namespace quorvane {
namespace {

using Accumulation = std::int32_t (*)(const Workspace&, AccumulationWorkspace&,
                                      SuperpositionKernel);

// The record of a workspace whose output has run, without its arrays. The
// output centred the leading run of positions in place; they are formed
// again as the accumulation formed them, so the record holds them before
// centring.
AccumulationRecord RecordWithoutArrays(const char* action, AccumulationWorkspace& accumulation,
                                       const HalfMaximumResult& measurement) {
  const ScanQuantities& used = accumulation.quantities;
  FillPositions(accumulation, used.accumulated_length, used.sample_spacing);
  const bool helical = std::string_view(action) == "CalHS";

  AccumulationRecord record;
  record.action = action;
  record.measurement = measurement;
  record.sample_spacing = used.sample_spacing;
  record.nominal_beam_width = used.nominal_beam_width;
  record.rotations = used.rotations;
  record.table_increment = helical ? 0 : used.step;
  record.feed_per_rotation = helical ? used.step : 0;
  record.total_feed = used.total_feed;
  return record;
}

// Takes over the arrays of a workspace whose output has run.
AccumulationRecord TakeRecord(const char* action, AccumulationWorkspace& accumulation,
                              const HalfMaximumResult& measurement) {
  AccumulationRecord record = RecordWithoutArrays(action, accumulation, measurement);
  const ScanQuantities& used = accumulation.quantities;
  record.positions = std::move(accumulation.position);
  record.positions.resize(static_cast<std::size_t>(used.accumulated_length));
  record.doses = std::move(accumulation.dose);
  record.doses.resize(static_cast<std::size_t>(used.accumulated_length));
  record.profile_values = std::move(accumulation.profile_value);
  record.profile_values.resize(static_cast<std::size_t>(used.point_count));
  return record;
}

// Copies the arrays of a workspace whose output has run; the workspace keeps
// them.
AccumulationRecord CopyRecord(const char* action, AccumulationWorkspace& accumulation,
                              const HalfMaximumResult& measurement) {
  AccumulationRecord record = RecordWithoutArrays(action, accumulation, measurement);
  const ScanQuantities& used = accumulation.quantities;
  const auto first = [](const std::vector<double>& values, std::int32_t count) {
    return std::vector<double>(values.begin(), values.begin() + count);
  };
  record.positions = first(accumulation.position, used.accumulated_length);
  record.doses = first(accumulation.dose, used.accumulated_length);
  record.profile_values = first(accumulation.profile_value, used.point_count);
  return record;
}

AccumulationRecord RunScanAction(Workspace& workspace, Accumulation accumulate,
                                 const char* action) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = accumulate(workspace, *accumulation, Superpose);
  const HalfMaximumResult measurement = OutputAccumulatedProfile(workspace, *accumulation, length);
  return TakeRecord(action, *accumulation, measurement);
}

AccumulationRecord RunScanActionIn(Workspace& workspace, AccumulationWorkspace& accumulation,
                                   Accumulation accumulate, const char* action) {
  const std::int32_t length = accumulate(workspace, accumulation, Superpose);
  const HalfMaximumResult measurement = OutputAccumulatedProfile(workspace, accumulation, length);
  return CopyRecord(action, accumulation, measurement);
}

}  // namespace

AccumulationRecord RunMultipleScanAction(Workspace& workspace) {
  return RunScanAction(workspace, AccumulateMultipleScans, "CalMS");
}

AccumulationRecord RunHelicalScanAction(Workspace& workspace) {
  return RunScanAction(workspace, AccumulateHelicalScan, "CalHS");
}

AccumulationRecord RunMultipleScanActionIn(Workspace& workspace,
                                           AccumulationWorkspace& accumulation) {
  return RunScanActionIn(workspace, accumulation, AccumulateMultipleScans, "CalMS");
}

AccumulationRecord RunHelicalScanActionIn(Workspace& workspace,
                                          AccumulationWorkspace& accumulation) {
  return RunScanActionIn(workspace, accumulation, AccumulateHelicalScan, "CalHS");
}

}  // namespace quorvane
