#include "readouts/equilibrium_length.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvane {
namespace {

// A stretch [from, to] of lengths over which h rises or stays level.
struct RisingPart {
  Extended from;
  Extended to;
};

// 0, L_max and every length at which c +- L/2 meets a sample, ascending.
std::vector<Extended> StretchEnds(const InterpolatedProfile& profile, Extended centre,
                                  Extended max_length) {
  std::vector<Extended> ends = {0, max_length};
  for (const double position : profile.positions()) {
    const Extended length = Multiply(2, Abs(Subtract(position, centre)));
    if (length > 0 && length < max_length) ends.push_back(length);
  }
  std::sort(ends.begin(), ends.end());
  ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
  return ends;
}

// The sum of the interpolant at both ends of the interval of length L: the
// slope of h up to the positive factor 1 / 2I.
Extended Slope(const InterpolatedProfile& profile, Extended centre, Extended length) {
  const Extended half = Divide(length, 2);
  const Extended low = std::max<Extended>(Subtract(centre, half), profile.first());
  const Extended high = std::min<Extended>(Add(centre, half), profile.last());
  return Add(profile.ValueAt(low), profile.ValueAt(high));
}

// The part of [from, to] where the linear slope is not negative, or nothing.
std::optional<RisingPart> RisingPartOf(const InterpolatedProfile& profile, Extended centre,
                                       Extended from, Extended to) {
  const Extended start = Slope(profile, centre, from);
  const Extended end = Slope(profile, centre, to);
  if (start >= 0 && end >= 0) return RisingPart{from, to};
  if (start < 0 && end < 0) return std::nullopt;
  // The slope changes sign inside: at the top of a hump or the bottom of a
  // dip of h.
  const Extended turn =
      Add(from, Divide(Multiply(Subtract(to, from), start), Subtract(start, end)));
  if (start >= 0) return RisingPart{from, std::clamp(turn, from, to)};
  return RisingPart{std::clamp(turn, from, to), to};
}

// h(from) < 0.98 <= h(to) and h rising on [from, to]: halves the stretch
// until it is at most 1e-6 mm long and returns its upper end.
Extended Bisect(const InterpolatedProfile& profile, Extended centre, Extended integral,
                Extended from, Extended to) {
  while (Subtract(to, from) > kEquilibriumLengthTolerance) {
    const Extended middle = Divide(Add(from, to), 2);
    if (middle <= from || middle >= to) break;
    if (EnclosedFraction(profile, centre, integral, middle) >= kEquilibriumLevel) {
      to = middle;
    } else {
      from = middle;
    }
  }
  return to;
}

}  // namespace

Extended MaxApproachLength(const InterpolatedProfile& profile, Extended centre) {
  return Multiply(2, std::min(Subtract(centre, profile.first()), Subtract(profile.last(), centre)));
}

Extended EnclosedFraction(const InterpolatedProfile& profile, Extended centre, Extended integral,
                          Extended length) {
  const Extended half = Divide(length, 2);
  bool clipped = false;
  return Divide(profile.Integral(Subtract(centre, half), Add(centre, half), clipped), integral);
}

std::optional<Extended> EquilibriumLength(const InterpolatedProfile& profile, Extended centre,
                                          Extended integral, Extended max_length) {
  const auto reached = [&](Extended length) {
    return EnclosedFraction(profile, centre, integral, length) >= kEquilibriumLevel;
  };
  if (reached(0)) return Extended{0};
  const std::vector<Extended> ends = StretchEnds(profile, centre, max_length);
  for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
    const std::optional<RisingPart> rising = RisingPartOf(profile, centre, ends[k], ends[k + 1]);
    if (!rising || !reached(rising->to)) continue;
    if (reached(rising->from)) return rising->from;
    return Bisect(profile, centre, integral, rising->from, rising->to);
  }
  return std::nullopt;
}

}  // namespace quorvane
