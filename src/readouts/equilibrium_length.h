// The approach to equilibrium on an interpolated profile with centre c and
// integral I > 0: h(L) = ∫_{c-L/2}^{c+L/2} / I for L in [0, L_max], L_max =
// 2 min(c - first, last - c), and the equilibrium length, the smallest L with
// h(L) >= 0.98.
//
// Between two consecutive lengths at which c +- L/2 meets a sample, h is a
// quadratic in L whose slope, (f(c - L/2) + f(c + L/2)) / 2I, is linear in L.
// The search walks these stretches from L = 0; within each it takes the part
// where h rises (all of it for a profile without negative values) and, if h
// reaches 0.98 there, bisects that part down to 1e-6 mm. So the first L at
// which h reaches 0.98 is found also where negative values make h fall for a
// while; the result lies at most 1e-6 mm above the exact crossing.
//
// Doses 0, 2, 4, 2, 0 at 0 to 4 mm, c = 2, I = 8: L_max = 4, h(2) = 0.75,
// L_eq = 4 - 2 sqrt(0.08) = 3.434315 to within 1e-6.
#pragma once

#include <optional>

#include "numbers/extended.h"
#include "readouts/interpolated_profile.h"

namespace quorvane {

inline const Extended kEquilibriumLevel = 0.98L;
inline const Extended kEquilibriumLengthTolerance = 1e-6L;  // mm
inline constexpr char kEquilibriumNotReachedNote[] =
    "0.98 of the integral not reached within the measured range";

Extended MaxApproachLength(const InterpolatedProfile& profile, Extended centre);

// h(L) for L in [0, L_max].
Extended EnclosedFraction(const InterpolatedProfile& profile, Extended centre, Extended integral,
                          Extended length);

// The smallest L in [0, max_length] with h(L) >= 0.98, or nothing.
std::optional<Extended> EquilibriumLength(const InterpolatedProfile& profile, Extended centre,
                                          Extended integral, Extended max_length);

}  // namespace quorvane
