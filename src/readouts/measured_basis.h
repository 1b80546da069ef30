// What every readout of the measured profile builds on, formed once: the
// ascending interpolated profile, its half-maximum crossings, its integral
// and the approach lengths L_max and L_eq. A missing one carries the note of
// why, which every readout built on it repeats.
//
// Doses 0, 2, 4, 2, 0 at 4, 3, 2, 1, 0 mm (descending): profile ascending
// 0 to 4, crossings 1 and 3, integral 8, L_max 4, L_eq 3.434315.
#pragma once

#include "analysis/measured_profile.h"
#include "numbers/extended.h"
#include "readouts/half_maximum_crossings.h"
#include "readouts/interpolated_profile.h"
#include "readouts/readout_calculation.h"

namespace quorvane {

inline constexpr char kIntegralNotPositiveNote[] = "integral not positive";

struct MeasuredBasis {
  Maybe<InterpolatedProfile> profile;
  Maybe<HalfMaximumCrossings> crossings;
  Maybe<Extended> integral;
  Maybe<Extended> max_approach_length;  // L_max
  Maybe<Extended> equilibrium_length;   // L_eq, noted where I <= 0 or not reached
};

MeasuredBasis MakeMeasuredBasis(const MeasuredProfile& profile);

}  // namespace quorvane
