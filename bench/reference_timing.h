// How a benchmark sets its ratio to the reference, measured in the same
// process on the same clock.
//
// Both are timed on the CPU clock of the process: on a shared machine other
// work takes turns on the cores, which stretches wall-clock times by however
// long the benchmark waits, but hardly its CPU time. The fast version runs
// in the Google Benchmark loop, each iteration timed and handed over as
// manual time (register it with UseManualTime()), so that the reported time
// is the mean of exactly these timings. The reference runs five times, once
// per process, before the first measurement; the fastest of its runs is
// kept. The ratio speedup_vs_reference = fastest reference run / mean fast
// iteration, and so errs on the low side.
#pragma once

#include <functional>

#include <benchmark/benchmark.h>

namespace quorvane::bench {

// CPU seconds the process has used so far.
double ProcessCpuSeconds();

// Seconds of the fastest of `runs` calls.
double FastestRunSeconds(const std::function<void()>& run, int runs = 5);

// The benchmark loop with each iteration timed; returns the mean seconds per
// iteration.
template <typename Run>
double TimeEachIteration(benchmark::State& state, Run&& run) {
  double total_seconds = 0;
  for (auto _ : state) {
    const double start = ProcessCpuSeconds();
    run();
    const double elapsed = ProcessCpuSeconds() - start;
    state.SetIterationTime(elapsed);
    total_seconds += elapsed;
  }
  return total_seconds / static_cast<double>(state.iterations());
}

// Sets speedup_vs_reference and reference_ms.
void ReportSpeedup(benchmark::State& state, double reference_seconds, double fast_seconds);

// Sets peak_bytes: the heap bytes one call needs at its peak.
void ReportPeakBytes(benchmark::State& state, const std::function<void()>& run);

}  // namespace quorvane::bench
