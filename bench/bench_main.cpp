// quorvane_bench: checks that the references agree with the core, then runs
// the benchmarks named on the command line (all by default).
#include <benchmark/benchmark.h>

#include "startup_checks.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quorvane::bench::CheckReferencesAgreeOrAbort();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
