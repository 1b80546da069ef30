// The approach to equilibrium of the measured profile: h(L) = the fraction of
// the profile's integral I that lies within L / 2 of the interpolated
// half-maximum centre c, ∫_{c-L/2}^{c+L/2} / I. It is the central dose of a
// scan of length L over the equilibrium dose (D_L(0) / D_eq), and it is
// defined for L from 0 to L_max = 2 min(c - range_start, range_end - c), the
// longest interval centred on c that the measurement covers.
//
// The equilibrium length L_eq (equilibrium_length_98) is the smallest L in
// [0, L_max] with h(L) >= 0.98, found to within 1e-6 mm: the value given
// lies at most 1e-6 mm above the exact crossing of the interpolant. For a
// profile with negative values h need not grow with L; L_eq is then still the
// first L at which h reaches 0.98, found on the stretch where h rises to it.
//
// Doses 0, 2, 4, 2, 0 at 0 to 4 mm: c = 2, I = 8, L_max = 4, h(2) = 0.75,
// h(4) = 1, L_eq = 4 - 2 sqrt(0.08) = 3.434315 (the two tails beyond
// c +- L/2 hold 2 (2 - L/2)^2 of the 8).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/measured_profile.h"

namespace quorvane {

struct ApproachPoint {
  double length_mm = 0;  // L
  double h = 0;          // h(L)
};

struct ApproachLimits {
  std::optional<double> max_length_mm;             // L_max
  std::optional<double> equilibrium_length_98_mm;  // L_eq
  // Why either is missing ("" when both are there), as the readout
  // equilibrium_length_98 notes it.
  std::string note;
};

// h at point_count lengths evenly spaced from 0 to L_max, both included;
// empty where h is unavailable (no centre, I <= 0, positions not strictly
// monotonic) or point_count < 2.
std::vector<ApproachPoint> EquilibriumApproachCurve(const MeasuredProfile& profile,
                                                    int point_count);

// L_max and L_eq for marking the curve; L_eq is the same double as the
// readout equilibrium_length_98.
ApproachLimits EquilibriumApproachLimits(const MeasuredProfile& profile);

}  // namespace quorvane
