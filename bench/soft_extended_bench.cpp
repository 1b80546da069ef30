// "CalHS" at its worst case with the software extended format, timed in the
// same run as the x87 core: the accumulation alone and the whole action.
// Counters: x87_ms, the fastest of five runs of the same work on the x87
// core; times_x87, the mean time here over x87_ms (so it errs on the high
// side). Before timing, the software core's clipboard text must equal the
// x87 core's byte for byte.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "accumulation/accumulation_workspace.h"
#include "accumulation/helical_scan.h"
#include "accumulation/scan_actions.h"
#include "accumulation/superposition.h"
#include "bench_inputs.h"
#include "reference_timing.h"
#include "soft_extended_actions.h"

namespace quorvane::bench {
namespace {

void ReportAgainstX87(benchmark::State& state, double x87_seconds, double seconds) {
  state.counters["x87_ms"] = x87_seconds * 1e3;
  state.counters["times_x87"] = seconds / x87_seconds;
}

bool SameTextAsX87(benchmark::State& state) {
  MemoryWorkspace workspace = ScanWorkspace(kHelicalWorstCase);
  RunHelicalScanAction(workspace);
  if (soft_extended_bench::HelicalActionText() == workspace.clipboard_text()) return true;
  state.SkipWithError("the software extended core gives another profile text");
  return false;
}

void BM_HelicalAccumulationSoftExtended(benchmark::State& state) {
  static const double x87_seconds = [] {
    const MemoryWorkspace workspace = ScanWorkspace(kHelicalWorstCase);
    const auto accumulation = std::make_unique<AccumulationWorkspace>();
    return FastestRunSeconds([&] { AccumulateHelicalScan(workspace, *accumulation, Superpose); });
  }();
  const auto run = soft_extended_bench::HelicalAccumulation();
  ReportAgainstX87(state, x87_seconds, TimeEachIteration(state, run));
}
BENCHMARK(BM_HelicalAccumulationSoftExtended)
    ->Name("CalHS_T48976/accumulation/soft_extended")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_HelicalActionSoftExtended(benchmark::State& state) {
  static const double x87_seconds = [] {
    MemoryWorkspace workspace = ScanWorkspace(kHelicalWorstCase);
    RunHelicalScanAction(workspace);
    return FastestRunSeconds([&] { RunHelicalScanAction(workspace); });
  }();
  if (!SameTextAsX87(state)) return;
  const auto run = soft_extended_bench::HelicalAction();
  ReportAgainstX87(state, x87_seconds, TimeEachIteration(state, run));
}
BENCHMARK(BM_HelicalActionSoftExtended)
    ->Name("CalHS_T48976/action/soft_extended")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane::bench
