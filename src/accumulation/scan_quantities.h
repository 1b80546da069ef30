// The quantities an accumulation formed from the table and the parameter
// fields, exactly as it used them. Each accumulation fills them in its
// workspace once every step has succeeded; after an error they are
// meaningless.
//
// CalMS on three points 0, 1, 2 with slice width 1, slice number 1, beam
// pitch 1, 3 rotations: point count 3, spacing 1, beam width 1, rotations 3,
// step (the table increment) 1, total feed 0, accumulated length 6.
#pragma once

#include <cstdint>

namespace quorvane {

struct ScanQuantities {
  std::int32_t point_count = 0;
  double sample_spacing = 0;      // mm: number(row 2) - number(row 1)
  double nominal_beam_width = 0;  // mm: slice width x slice number
  std::int32_t rotations = 0;
  // Samples between copies: the table increment (CalMS) or the feed per
  // rotation F (CalHS).
  std::int64_t step = 0;
  std::int64_t total_feed = 0;  // samples, CalHS only (T); 0 for CalMS
  std::int32_t accumulated_length = 0;
};

}  // namespace quorvane
