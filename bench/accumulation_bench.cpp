// "CalHS" and "CalMS" at the worst cases the dose array admits: the
// accumulation alone and the whole action without the window (accumulation,
// measurement, centring, curve and profile text), each against the same
// steps with the plain loop and the snprintf number text where that runs in
// reasonable time.
#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include "accumulation/accumulation_record.h"
#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/multiple_scan.h"
#include "accumulation/scan_actions.h"
#include "accumulation/superposition.h"
#include "bench_inputs.h"
#include "reference_actions.h"
#include "reference_timing.h"

namespace quorvane::bench {
namespace {

using Accumulation = std::int32_t (*)(const Workspace&, AccumulationWorkspace&,
                                      SuperpositionKernel);
// The core's actions return their record, which the timing discards; the
// references return nothing.
using Action = AccumulationRecord (*)(Workspace&);
using ReferenceAction = void (*)(Workspace&);

// One accumulation after another into the same accumulation workspace,
// which each clears first. Returns the mean seconds of one.
double TimeAccumulation(benchmark::State& state, const ScanFields& fields, Accumulation accumulate,
                        SuperpositionKernel superpose = Superpose) {
  const MemoryWorkspace workspace = ScanWorkspace(fields);
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  return TimeEachIteration(state, [&] {
    benchmark::DoNotOptimize(accumulate(workspace, *accumulation, superpose));
    benchmark::ClobberMemory();
  });
}

// The same accumulation with the plain loop as its kernel.
double ReferenceAccumulationSeconds(const ScanFields& fields, Accumulation accumulate) {
  const MemoryWorkspace workspace = ScanWorkspace(fields);
  const auto accumulation = std::make_unique<AccumulationWorkspace>();
  return FastestRunSeconds([&] { accumulate(workspace, *accumulation, SuperposeReference); });
}

// Action after action on one workspace, as repeated presses of the button:
// the curve and the clipboard already hold the previous result. Reports the
// peak heap bytes of one action and the length of its profile text.
double TimeAction(benchmark::State& state, const ScanFields& fields, Action action) {
  MemoryWorkspace workspace = ScanWorkspace(fields);
  action(workspace);
  const double seconds = TimeEachIteration(state, [&] {
    action(workspace);
    benchmark::ClobberMemory();
  });
  ReportPeakBytes(state, [&] { action(workspace); });
  state.counters["profile_text_bytes"] = static_cast<double>(workspace.clipboard_text().size());
  return seconds;
}

double ReferenceActionSeconds(const ScanFields& fields, ReferenceAction reference) {
  MemoryWorkspace workspace = ScanWorkspace(fields);
  reference(workspace);
  return FastestRunSeconds([&] { reference(workspace); });
}

// The reference timings are taken at the first call of each benchmark and
// kept for the calls Google Benchmark makes while it settles on an
// iteration count.

void BM_HelicalAccumulation(benchmark::State& state) {
  static const double reference_seconds =
      ReferenceAccumulationSeconds(kHelicalWorstCase, AccumulateHelicalScan);
  const double seconds = TimeAccumulation(state, kHelicalWorstCase, AccumulateHelicalScan);
  ReportSpeedup(state, reference_seconds, seconds);
}
BENCHMARK(BM_HelicalAccumulation)
    ->Name("CalHS_T48976/accumulation")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_HelicalAction(benchmark::State& state) {
  static const double reference_seconds =
      ReferenceActionSeconds(kHelicalWorstCase, ReferenceHelicalScanAction);
  const double seconds = TimeAction(state, kHelicalWorstCase, RunHelicalScanAction);
  ReportSpeedup(state, reference_seconds, seconds);
}
BENCHMARK(BM_HelicalAction)
    ->Name("CalHS_T48976/action")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MultipleScanIncrement1Accumulation(benchmark::State& state) {
  static const double reference_seconds =
      ReferenceAccumulationSeconds(kMultipleScanIncrement1, AccumulateMultipleScans);
  const double seconds = TimeAccumulation(state, kMultipleScanIncrement1, AccumulateMultipleScans);
  ReportSpeedup(state, reference_seconds, seconds);
}
BENCHMARK(BM_MultipleScanIncrement1Accumulation)
    ->Name("CalMS_increment1_rot48976/accumulation")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MultipleScanIncrement1Action(benchmark::State& state) {
  static const double reference_seconds =
      ReferenceActionSeconds(kMultipleScanIncrement1, ReferenceMultipleScanAction);
  const double seconds = TimeAction(state, kMultipleScanIncrement1, RunMultipleScanAction);
  ReportSpeedup(state, reference_seconds, seconds);
}
BENCHMARK(BM_MultipleScanIncrement1Action)
    ->Name("CalMS_increment1_rot48976/action")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Increment 0 over 2 147 483 647 rotations: the plain loop would take hours,
// so these run without a ratio.

void BM_MultipleScanIncrement0Accumulation(benchmark::State& state) {
  TimeAccumulation(state, kMultipleScanIncrement0, AccumulateMultipleScans);
}
BENCHMARK(BM_MultipleScanIncrement0Accumulation)
    ->Name("CalMS_increment0_rot2147483647/accumulation")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MultipleScanIncrement0Action(benchmark::State& state) {
  TimeAction(state, kMultipleScanIncrement0, RunMultipleScanAction);
}
BENCHMARK(BM_MultipleScanIncrement0Action)
    ->Name("CalMS_increment0_rot2147483647/action")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The plain loop at increment 0 for scale, at 100 000 rotations; its time
// grows in proportion to the rotations.
void BM_MultipleScanIncrement0Reference(benchmark::State& state) {
  const double seconds = TimeAccumulation(state, kMultipleScanIncrement0Reference,
                                          AccumulateMultipleScans, SuperposeReference);
  state.counters["ns_per_rotation"] =
      seconds * 1e9 / static_cast<double>(kIncrement0ReferenceRotations);
}
BENCHMARK(BM_MultipleScanIncrement0Reference)
    ->Name("CalMS_increment0_rot100000/reference_accumulation")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane::bench
