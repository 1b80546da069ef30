// The profile text of a whole accumulated profile, against the snprintf
// number text, its first stage against std::to_chars, and "Load" (with its "draw") of a 1025-line
// profile file.
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "accumulation/profile_text.h"
#include "bench_inputs.h"
#include "numbers/eighteen_digits.h"
#include "printf_number_text.h"
#include "profile_io/load_profile_file.h"
#include "reference_timing.h"

namespace quorvane::bench {
namespace {

// Two numbers per line.
std::int64_t NumbersPerText(const ProfileSamples& samples) {
  return 2 * static_cast<std::int64_t>(samples.doses.size());
}

void BM_FormatProfileText(benchmark::State& state) {
  const ProfileSamples samples = HelicalProfileSamples();
  // Taken at the first call and kept for the calls Google Benchmark makes
  // while it settles on an iteration count.
  static const double reference_seconds = FastestRunSeconds([&] {
    benchmark::DoNotOptimize(
        PrintfFormatProfileText(samples.positions, samples.doses, NumberFormat()));
  });
  const double seconds = TimeEachIteration(state, [&] {
    benchmark::DoNotOptimize(FormatProfileText(samples.positions, samples.doses, NumberFormat()));
  });
  ReportSpeedup(state, reference_seconds, seconds);
  ReportPeakBytes(state, [&] {
    benchmark::DoNotOptimize(FormatProfileText(samples.positions, samples.doses, NumberFormat()));
  });
  state.SetItemsProcessed(state.iterations() * NumbersPerText(samples));
}
BENCHMARK(BM_FormatProfileText)
    ->Name("FormatProfileText_50001_samples")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The first step of every number text alone: 18 significant digits of each
// position and dose, by EighteenDigits against std::to_chars with 17 digits
// after the point (the exact path, which it falls back on).
std::vector<double> AllNumbers(const ProfileSamples& samples) {
  std::vector<double> numbers = samples.positions;
  numbers.insert(numbers.end(), samples.doses.begin(), samples.doses.end());
  return numbers;
}

void BM_EighteenDigits(benchmark::State& state) {
  const std::vector<double> numbers = AllNumbers(HelicalProfileSamples());
  std::array<char, 40> buffer{};
  static const double reference_seconds = FastestRunSeconds([&] {
    for (const double value : numbers) {
      benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                             std::chars_format::scientific, 17));
    }
  });
  const double seconds = TimeEachIteration(state, [&] {
    for (const double value : numbers) benchmark::DoNotOptimize(EighteenDigits(value));
  });
  ReportSpeedup(state, reference_seconds, seconds);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_EighteenDigits)
    ->Name("EighteenDigits_100002_numbers/fast")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A profile file in the temporary folder for the life of one benchmark call.
class TemporaryProfileFile {
 public:
  TemporaryProfileFile()
      : path_(std::filesystem::temp_directory_path() /
              ("quorvane_bench_profile_" + std::to_string(getpid()) + ".txt")) {
    std::ofstream(path_, std::ios::binary) << ProfileFileText();
  }
  TemporaryProfileFile(const TemporaryProfileFile&) = delete;
  TemporaryProfileFile& operator=(const TemporaryProfileFile&) = delete;
  ~TemporaryProfileFile() { std::filesystem::remove(path_); }

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void BM_LoadAndDraw(benchmark::State& state) {
  const TemporaryProfileFile file;
  const std::string path = file.path();
  MemoryWorkspace workspace;
  for (auto _ : state) {
    LoadProfileFile(workspace, path);
    benchmark::ClobberMemory();
  }
  ReportPeakBytes(state, [&] { LoadProfileFile(workspace, path); });
}
BENCHMARK(BM_LoadAndDraw)->Name("LoadAndDraw_1025_lines")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane::bench
