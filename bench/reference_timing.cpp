#include "reference_timing.h"

#include <algorithm>
#include <ctime>
#include <limits>

#include "allocation_counter.h"

namespace quorvane::bench {

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double FastestRunSeconds(const std::function<void()>& run, int runs) {
  double fastest = std::numeric_limits<double>::infinity();
  for (int i = 0; i < runs; ++i) {
    const double start = ProcessCpuSeconds();
    run();
    fastest = std::min(fastest, ProcessCpuSeconds() - start);
  }
  return fastest;
}

void ReportSpeedup(benchmark::State& state, double reference_seconds, double fast_seconds) {
  state.counters["speedup_vs_reference"] = reference_seconds / fast_seconds;
  state.counters["reference_ms"] = reference_seconds * 1e3;
}

void ReportPeakBytes(benchmark::State& state, const std::function<void()>& run) {
  const PeakAllocationScope scope;
  run();
  state.counters["peak_bytes"] = static_cast<double>(scope.PeakBytes());
}

}  // namespace quorvane::bench
