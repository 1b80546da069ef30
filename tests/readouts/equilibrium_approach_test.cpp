#include "readouts/equilibrium_approach.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <random>

#include "readouts/equilibrium_length.h"
#include "readouts/half_maximum_crossings.h"
#include "readouts/interpolated_profile.h"
#include "readouts/measured_readouts.h"
#include "support/hexfloat.h"

namespace quorvane {
namespace {

using test_support::Hex;

double EquilibriumLengthReadout(const MeasuredProfile& profile) {
  const ReadoutTable table = MeasuredReadouts(profile, "1", "1", "1", NumberFormat{});
  return table.Find("equilibrium_length_98")->value.value_or(NAN);
}

TEST(EquilibriumApproach, TriangleWorkedExample) {
  // c = 2, I = 8; the tails beyond 2 ± L/2 hold 2 (2 - L/2)^2, so h = 0.98
  // at L = 4 - 2 sqrt(0.08).
  const MeasuredProfile profile{{0, 1, 2, 3, 4}, {0, 2, 4, 2, 0}};
  const std::vector<ApproachPoint> curve = EquilibriumApproachCurve(profile, 5);
  const std::vector<double> lengths = {0, 1, 2, 3, 4};
  const std::vector<double> h = {0, 0.4375, 0.75, 0.9375, 1};
  ASSERT_EQ(curve.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(curve[k].length_mm, lengths[k]);
    EXPECT_EQ(curve[k].h, h[k]) << Hex(curve[k].h);
  }
  const ApproachLimits limits = EquilibriumApproachLimits(profile);
  EXPECT_EQ(limits.max_length_mm, 4);
  const long double exact = 4 - 2 * std::sqrt(0.08L);
  ASSERT_TRUE(limits.equilibrium_length_98_mm.has_value());
  // At most 1e-6 above the exact crossing, never below it.
  EXPECT_GE(*limits.equilibrium_length_98_mm, static_cast<double>(exact) - 1e-15);
  EXPECT_LE(*limits.equilibrium_length_98_mm, exact + 1e-6L);
  EXPECT_EQ(EquilibriumLengthReadout(profile), *limits.equilibrium_length_98_mm);
}

TEST(EquilibriumApproach, NegativeLobesFirstCrossingWins) {
  // Symmetric about 0, per side: segments of 10, 5, -3, -3, 2, 2, I = 26.
  // The enclosed integral is 30 - 10 (2 - L/2)^2 for L in [2, 4], reaching
  // 0.98 I = 25.48 at L = 4 - 2 sqrt(0.452); it then falls to 18 at L = 8
  // and rises again to 26 at L = 12. A bisection over [0, 12] that took h as
  // rising would look at L = 6 (h = 24/26) and find the later crossing.
  const MeasuredProfile profile{{-6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6},
                                {0, 4, 0, -6, 0, 10, 10, 10, 0, -6, 0, 4, 0}};
  const ApproachLimits limits = EquilibriumApproachLimits(profile);
  EXPECT_EQ(limits.max_length_mm, 12);
  const long double exact = 4 - 2 * std::sqrt(0.452L);
  ASSERT_TRUE(limits.equilibrium_length_98_mm.has_value()) << limits.note;
  EXPECT_GE(*limits.equilibrium_length_98_mm, static_cast<double>(exact) - 1e-15);
  EXPECT_LE(*limits.equilibrium_length_98_mm, exact + 1e-6L);

  const std::vector<ApproachPoint> curve = EquilibriumApproachCurve(profile, 7);
  ASSERT_EQ(curve.size(), 7u);
  EXPECT_EQ(curve[2].h, static_cast<double>(30.0L / 26));  // L = 4
  EXPECT_EQ(curve[4].h, static_cast<double>(18.0L / 26));  // L = 8
  EXPECT_EQ(curve[6].h, 1);
}

TEST(EquilibriumApproach, UnavailableCases) {
  struct Case {
    const char* name;
    MeasuredProfile profile;
    bool has_max_length;
    const char* note;
  };
  const Case cases[] = {
      // c = 0.75 (edges 0 and 1.5), L_max = 1.5, h(1.5) = 5.5 / 6.
      {.name = "NotReached",
       .profile = {{0, 1, 2, 3, 4}, {4, 4, 0, 0, 0}},
       .has_max_length = true,
       .note = "0.98 of the integral not reached within the measured range"},
      {.name = "IntegralNotPositive",
       .profile = {{0, 1, 2, 3}, {-3, 1, -3, 0}},
       .has_max_length = true,
       .note = "integral not positive"},
      {.name = "NoPositiveValue",
       .profile = {{0, 1, 2}, {0, 0, 0}},
       .has_max_length = false,
       .note = "no positive value"},
      {.name = "NotMonotonic",
       .profile = {{0, 2, 1}, {1, 2, 1}},
       .has_max_length = false,
       .note = "positions not strictly monotonic"},
  };
  for (const Case& c : cases) {
    const ApproachLimits limits = EquilibriumApproachLimits(c.profile);
    EXPECT_EQ(limits.max_length_mm.has_value(), c.has_max_length) << c.name;
    EXPECT_FALSE(limits.equilibrium_length_98_mm.has_value()) << c.name;
    EXPECT_EQ(limits.note, c.note) << c.name;
    const ReadoutTable table = MeasuredReadouts(c.profile, "1", "1", "1", NumberFormat{});
    EXPECT_EQ(table.Find("equilibrium_length_98")->note, c.note) << c.name;
    const bool curve_defined = c.has_max_length && std::string(c.name) == "NotReached";
    EXPECT_EQ(EquilibriumApproachCurve(c.profile, 3).empty(), !curve_defined) << c.name;
  }
}

TEST(EquilibriumApproach, FewerThanTwoPointsGiveNoCurve) {
  const MeasuredProfile profile{{0, 1, 2, 3, 4}, {0, 2, 4, 2, 0}};
  EXPECT_TRUE(EquilibriumApproachCurve(profile, 1).empty());
  EXPECT_TRUE(EquilibriumApproachCurve(profile, 0).empty());
}

TEST(EquilibriumLength, RandomProfilesAgainstAFineScanOfTheEnclosedFraction) {
  // Integer positions and values, with negative lobes now and then. The
  // oracle is h itself on a grid of 5000 lengths over [0, L_max]: h(L_eq)
  // must reach 0.98, and no grid length more than 1e-6 below L_eq may (which
  // a search that took h as rising would break on profiles with dips).
  std::mt19937 random(14);
  std::uniform_int_distribution<int> step(1, 3);
  std::uniform_int_distribution<int> value(-6, 12);
  std::uniform_int_distribution<int> count(3, 15);
  int found = 0;
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<double> z;
    std::vector<double> v;
    const int n = count(random);
    for (int k = 0, position = 0; k < n; ++k, position += step(random)) {
      z.push_back(position);
      v.push_back(value(random));
    }
    const InterpolatedProfile profile = InterpolatedProfile::Ascending(z, v);
    if (*std::max_element(v.begin(), v.end()) <= 0 || profile.Integral() <= 0) continue;
    const Extended centre = FindHalfMaximumCrossings(profile).Centre();
    const Extended integral = profile.Integral();
    const Extended max_length = MaxApproachLength(profile, centre);
    const std::optional<Extended> length = EquilibriumLength(profile, centre, integral, max_length);
    const auto h = [&](Extended l) { return EnclosedFraction(profile, centre, integral, l); };

    std::optional<Extended> first_on_grid;
    for (int k = 0; k <= 5000 && !first_on_grid; ++k) {
      const Extended l = max_length * k / 5000;
      if (h(l) >= kEquilibriumLevel) first_on_grid = l;
    }
    SCOPED_TRACE("trial " + std::to_string(trial) + ", L_max " + Hex(max_length));
    if (!length) {
      EXPECT_FALSE(first_on_grid.has_value()) << "grid reaches at " << Hex(*first_on_grid);
      continue;
    }
    ++found;
    EXPECT_GE(h(*length), kEquilibriumLevel) << Hex(*length);
    ASSERT_TRUE(first_on_grid.has_value()) << Hex(*length);
    EXPECT_LE(*length, *first_on_grid + kEquilibriumLengthTolerance)
        << Hex(*length) << " " << Hex(*first_on_grid);
  }
  EXPECT_GT(found, 50);
}

}  // namespace
}  // namespace quorvane
