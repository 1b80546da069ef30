#include "readouts/measured_basis.h"

#include <algorithm>
#include <span>

#include "readouts/equilibrium_length.h"

namespace quorvane {

MeasuredBasis MakeMeasuredBasis(const MeasuredProfile& measured) {
  const std::size_t count = std::min(measured.positions.size(), measured.dose_rates.size());
  Maybe<InterpolatedProfile> profile = Attempt([&] {
    return InterpolatedProfile::Ascending(std::span(measured.positions).first(count),
                                          std::span(measured.dose_rates).first(count));
  });
  Maybe<HalfMaximumCrossings> crossings =
      Attempt([&] { return FindHalfMaximumCrossings(profile.Get()); });
  Maybe<Extended> integral = Attempt([&] { return profile.Get().Integral(); });
  Maybe<Extended> max_length =
      Attempt([&] { return MaxApproachLength(profile.Get(), crossings.Get().Centre()); });
  Maybe<Extended> equilibrium_length = Attempt([&] {
    const Extended centre = crossings.Get().Centre();
    Require(integral.Get() > 0, kIntegralNotPositiveNote);
    const std::optional<Extended> length =
        EquilibriumLength(profile.Get(), centre, integral.Get(), max_length.Get());
    Require(length.has_value(), kEquilibriumNotReachedNote);
    return *length;
  });
  return {std::move(profile), std::move(crossings), std::move(integral), std::move(max_length),
          std::move(equilibrium_length)};
}

}  // namespace quorvane
