// The inputs of the benchmarks: a smooth single-rotation profile of 1025
// points at 0.1 mm, as a probe would measure it, and the scan parameters of
// the worst cases the arrays admit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/memory_workspace.h"

namespace quorvane::bench {

inline constexpr std::int32_t kProfilePoints = 1025;

// The parameter fields of one scan, as typed in the window.
struct ScanFields {
  std::string_view slice_width;
  std::string_view slice_number;
  std::string_view beam_pitch;
  std::string_view rotations;
  // The accumulated length these fields give with the profile.
  std::int32_t accumulated_length;
};

// Helical, 64 x 0.5 mm at pitch 0.95657 over 160 rotations: feed per
// rotation 306 samples, total feed T = 48 976, accumulated length T + 1025 =
// 50 001, the whole dose array.
inline constexpr ScanFields kHelicalWorstCase{"0.5", "64", "0.95657", "160", 50001};

// Axial series with a table increment of 1 sample (1 x 0.5 mm at pitch
// 0.2) over 48 976 rotations: 48 976 x 1 + 1025 = 50 001.
inline constexpr ScanFields kMultipleScanIncrement1{"0.5", "1", "0.2", "48976", 50001};

// Axial series at pitch 0, every rotation on the same samples, over the
// largest rotation count the field takes.
inline constexpr ScanFields kMultipleScanIncrement0{"0.5", "64", "0", "2147483647", 1025};

// The same series over 100 000 rotations, where the plain loop still runs
// in reasonable time.
inline constexpr std::int64_t kIncrement0ReferenceRotations = 100000;
inline constexpr ScanFields kMultipleScanIncrement0Reference{"0.5", "64", "0", "100000", 1025};

// A 64 x 0.5 mm single-rotation profile, positions -51.2 to 51.2 mm at
// 0.1 mm: a flat top of 20 mGy/s, penumbra of about 1.5 mm and low scatter
// tails, every dose rate positive. Row i of the table is element i - 1.
struct ProfileRow {
  std::string position;
  std::string dose_rate;
};
std::vector<ProfileRow> SingleRotationProfile();

// A fresh memory workspace holding the profile in its table and the fields.
MemoryWorkspace ScanWorkspace(const ScanFields& fields);

// The profile as a file: the header line "0.5 TAB 64", then one line per
// point, LF endings.
std::string ProfileFileText();

// The accumulated profile of the helical worst case, all 50 001 samples, its
// positions centred as the output centres them: realistic numbers for the
// profile text.
struct ProfileSamples {
  std::vector<double> positions;
  std::vector<double> doses;
};
ProfileSamples HelicalProfileSamples();

}  // namespace quorvane::bench
