#include "accumulation/scan_actions.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

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

// Takes over the arrays of a workspace whose output has run. The output
// centred the leading run of positions in place; they are formed again as
// the accumulation formed them, so the record holds them before centring.
AccumulationRecord TakeRecord(const char* action, AccumulationWorkspace& accumulation,
                              const HalfMaximumResult& measurement) {
  const ScanQuantities& used = accumulation.quantities;
  FillPositions(accumulation, used.accumulated_length, used.sample_spacing);
  const bool helical = std::string_view(action) == "CalHS";

  AccumulationRecord record;
  record.action = action;
  record.positions = std::move(accumulation.position);
  record.positions.resize(static_cast<std::size_t>(used.accumulated_length));
  record.doses = std::move(accumulation.dose);
  record.doses.resize(static_cast<std::size_t>(used.accumulated_length));
  record.measurement = measurement;
  record.sample_spacing = used.sample_spacing;
  record.nominal_beam_width = used.nominal_beam_width;
  record.rotations = used.rotations;
  record.table_increment = helical ? 0 : used.step;
  record.feed_per_rotation = helical ? used.step : 0;
  record.total_feed = used.total_feed;
  record.profile_values = std::move(accumulation.profile_value);
  record.profile_values.resize(static_cast<std::size_t>(used.point_count));
  return record;
}

AccumulationRecord RunScanAction(Workspace& workspace, Accumulation accumulate,
                                 const char* action) {
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  const std::int32_t length = accumulate(workspace, *accumulation, Superpose);
  const HalfMaximumResult measurement = OutputAccumulatedProfile(workspace, *accumulation, length);
  return TakeRecord(action, *accumulation, measurement);
}

}  // namespace

AccumulationRecord RunMultipleScanAction(Workspace& workspace) {
  return RunScanAction(workspace, AccumulateMultipleScans, "CalMS");
}

AccumulationRecord RunHelicalScanAction(Workspace& workspace) {
  return RunScanAction(workspace, AccumulateHelicalScan, "CalHS");
}

}  // namespace quorvane
