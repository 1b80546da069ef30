#include "readouts/half_maximum_crossings.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "readouts/readout_calculation.h"

namespace quorvane {

std::string HalfMaximumCrossings::Notes() const {
  std::string notes;
  AppendNote(notes, left_note);
  AppendNote(notes, right_note);
  return notes;
}

HalfMaximumCrossings FindHalfMaximumCrossings(const InterpolatedProfile& profile) {
  const std::vector<double>& z = profile.positions();
  const std::vector<double>& v = profile.values();
  const double peak = std::max(0.0, *std::max_element(v.begin(), v.end()));
  Require(peak > 0, kNoPositiveValueNote);
  const Extended half = Divide(peak, 2);
  const auto reaches = [&](double value) { return value >= half; };
  const auto i = static_cast<std::size_t>(std::find_if(v.begin(), v.end(), reaches) - v.begin());
  const auto j = static_cast<std::size_t>(
      v.size() - 1 -
      static_cast<std::size_t>(std::find_if(v.rbegin(), v.rend(), reaches) - v.rbegin()));

  HalfMaximumCrossings crossings;
  if (i == 0) {
    crossings.left_edge = z.front();
    crossings.left_note = kStartsAboveNote;
  } else {
    crossings.left_edge =
        Add(z[i - 1], Divide(Multiply(Subtract(half, v[i - 1]), Subtract(z[i], z[i - 1])),
                             Subtract(v[i], v[i - 1])));
  }
  if (j == v.size() - 1) {
    crossings.right_edge = z.back();
    crossings.right_note = kEndsAboveNote;
  } else {
    crossings.right_edge = Add(
        z[j],
        Divide(Multiply(Subtract(v[j], half), Subtract(z[j + 1], z[j])), Subtract(v[j], v[j + 1])));
  }
  return crossings;
}

}  // namespace quorvane
