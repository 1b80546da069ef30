#include "readouts/equilibrium_approach.h"

#include "readouts/equilibrium_length.h"
#include "readouts/measured_basis.h"

namespace quorvane {

std::vector<ApproachPoint> EquilibriumApproachCurve(const MeasuredProfile& profile,
                                                    int point_count) {
  if (point_count < 2) return {};
  const MeasuredBasis basis = MakeMeasuredBasis(profile);
  const Maybe<std::vector<ApproachPoint>> curve = Attempt([&] {
    Require(basis.integral.Get() > 0, kIntegralNotPositiveNote);
    const Extended centre = basis.crossings.Get().Centre();
    const Extended max_length = basis.max_approach_length.Get();
    std::vector<ApproachPoint> points;
    points.reserve(static_cast<std::size_t>(point_count));
    for (int k = 0; k < point_count; ++k) {
      // The last point at L_max itself, whatever the rounding of k / (n - 1).
      const Extended length =
          k == point_count - 1 ? max_length : Divide(Multiply(max_length, k), point_count - 1);
      const Extended h =
          EnclosedFraction(basis.profile.Get(), centre, basis.integral.Get(), length);
      points.push_back({StoreDouble(length), StoreDouble(h)});
    }
    return points;
  });
  return curve.has_value() ? curve.Get() : std::vector<ApproachPoint>{};
}

ApproachLimits EquilibriumApproachLimits(const MeasuredProfile& profile) {
  const MeasuredBasis basis = MakeMeasuredBasis(profile);
  ApproachLimits limits;
  const Maybe<double> max_length =
      Attempt([&] { return StoreDouble(basis.max_approach_length.Get()); });
  const Maybe<double> equilibrium_length =
      Attempt([&] { return StoreDouble(basis.equilibrium_length.Get()); });
  if (max_length.has_value()) limits.max_length_mm = max_length.Get();
  if (equilibrium_length.has_value()) limits.equilibrium_length_98_mm = equilibrium_length.Get();
  AppendNote(limits.note, max_length.note());
  AppendNote(limits.note, equilibrium_length.note());
  return limits;
}

}  // namespace quorvane
