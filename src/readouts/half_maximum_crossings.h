// The half-maximum crossings of an interpolated profile: where the
// interpolant crosses half the peak on the way up and on the way down.
//
// P = the largest of 0 and all values, h = P / 2, i = the first index with
// v_i >= h, j = the last. Left edge z_0 when i = 0 (note "starts above half
// maximum"), else z_i-1 + (h - v_i-1)(z_i - z_i-1) / (v_i - v_i-1); right
// edge z_n-1 when j = n - 1 (note "ends above half maximum"), else
// z_j + (v_j - h)(z_j+1 - z_j) / (v_j - v_j+1). Formed at extended precision.
//
// Values 1, 3, 4, 3, 1 at 0 to 4: h = 2, edges 0.5 and 3.5, width 3,
// centre 2. Values 2, 4, 2 at 0 to 2: a sample at the half level is the
// edge itself: edges 0 and 2, both without a note.
#pragma once

#include <string>

#include "numbers/extended.h"
#include "readouts/interpolated_profile.h"

namespace quorvane {

inline constexpr char kStartsAboveNote[] = "starts above half maximum";
inline constexpr char kEndsAboveNote[] = "ends above half maximum";
inline constexpr char kNoPositiveValueNote[] = "no positive value";

struct HalfMaximumCrossings {
  Extended left_edge = 0;
  Extended right_edge = 0;
  std::string left_note;   // "" or kStartsAboveNote
  std::string right_note;  // "" or kEndsAboveNote

  Extended Width() const { return Subtract(right_edge, left_edge); }
  Extended Centre() const { return Divide(Add(left_edge, right_edge), 2); }
  // Both notes, left first.
  std::string Notes() const;
};

// Raises Unavailable(kNoPositiveValueNote) when P = 0.
HalfMaximumCrossings FindHalfMaximumCrossings(const InterpolatedProfile& profile);

}  // namespace quorvane
