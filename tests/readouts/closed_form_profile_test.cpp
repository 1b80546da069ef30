// A profile whose integrals have closed forms: a flat top with a linear
// penumbra (the primary beam) plus exponential scatter tails,
//   f(z) = A                      |z| <= a
//        = A (b - |z|) / (b - a)  a < |z| < b      + S e^(-|z| / λ),
//        = 0                      |z| >= b
// sampled every 0.25 mm from -128 to 128 mm (1025 samples, the table's
// capacity). The kinks at ±a, ±b and 0 fall on samples, so the trapezoid
// rule is exact on the primary part, and its error on the tails is at most
// Δ²/12 ∫|f''| = Δ²/12 · 2 S/λ (1 - e^(-x/λ)) over [-x, x].
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "readouts/equilibrium_approach.h"
#include "readouts/measured_readouts.h"
#include "support/hexfloat.h"

namespace quorvane {
namespace {

using test_support::Hex;

struct ClosedFormProfile {
  long double A = 20;       // primary plateau
  long double a = 9;        // plateau half-width, mm
  long double b = 11;       // penumbra ends, mm
  long double S = 2;        // scatter at z = 0
  long double lambda = 30;  // scatter length, mm

  long double Value(long double z) const {
    const long double distance = std::fabs(z);
    long double primary = 0;
    if (distance <= a) {
      primary = A;
    } else if (distance < b) {
      primary = A * (b - distance) / (b - a);
    }
    return primary + S * std::exp(-distance / lambda);
  }

  // ∫ over [-x, x].
  long double Within(long double x) const {
    long double primary = A * (a + b);
    if (x <= a) {
      primary = 2 * A * x;
    } else if (x < b) {
      primary = 2 * A * a + A * ((b - a) * (b - a) - (b - x) * (b - x)) / (b - a);
    }
    return primary + 2 * S * lambda * (1 - std::exp(-x / lambda));
  }

  // The trapezoid rule's error bound over [-x, x] at spacing Δ.
  long double ErrorBound(long double x, long double spacing) const {
    return spacing * spacing / 12 * 2 * S / lambda * (1 - std::exp(-x / lambda));
  }
};

constexpr long double kSpacing = 0.25L;
constexpr long double kRange = 128;
constexpr long double kWidth = 20;  // 4 x 5 mm

MeasuredProfile Sampled(const ClosedFormProfile& f) {
  MeasuredProfile profile;
  for (int k = 0; k <= 1024; ++k) {
    const double z = static_cast<double>(-kRange + kSpacing * k);
    profile.positions.push_back(z);
    profile.dose_rates.push_back(static_cast<double>(f.Value(z)));
  }
  return profile;
}

// The exact L with ∫ over [-L/2, L/2] = 0.98 ∫ over [-128, 128], by
// bisection on the closed form.
long double ExactEquilibriumLength(const ClosedFormProfile& f) {
  const long double target = 0.98L * f.Within(kRange);
  long double low = 0;
  long double high = 2 * kRange;
  for (int step = 0; step < 200; ++step) {
    const long double middle = (low + high) / 2;
    (f.Within(middle / 2) >= target ? high : low) = middle;
  }
  return high;
}

// |actual - expected| <= tolerance, compared at extended precision.
void ExpectWithin(const char* key, double actual, long double expected, long double tolerance) {
  EXPECT_LE(std::fabs(actual - expected), tolerance)
      << key << " = " << Hex(actual) << ", closed form " << Hex(expected) << ", tolerance "
      << static_cast<double>(tolerance);
}

class ClosedFormProfileTest : public ::testing::Test {
 protected:
  double Value(const char* key) const {
    const Readout* row = table_.Find(key);
    EXPECT_NE(row, nullptr) << key;
    EXPECT_TRUE(row != nullptr && row->value.has_value()) << key;
    return row != nullptr ? row->value.value_or(NAN) : NAN;
  }

  ClosedFormProfile f_;
  MeasuredProfile profile_ = Sampled(f_);
  ReadoutTable table_ = MeasuredReadouts(profile_, "5", "4", "1", NumberFormat{});
};

TEST_F(ClosedFormProfileTest, CentreAndRange) {
  // Symmetric samples: the crossings mirror each other up to rounding.
  EXPECT_NEAR(Value("centre_interpolated"), 0, 1e-12);
  EXPECT_EQ(Value("range_start"), -128);
  EXPECT_EQ(Value("range_end"), 128);
  EXPECT_TRUE(table_.Notes().empty()) << table_.Notes().front();
}

TEST_F(ClosedFormProfileTest, IntegralsAgainstTheClosedForms) {
  const long double total = f_.Within(kRange);
  const long double total_error = f_.ErrorBound(kRange, kSpacing);
  const long double within_100 = f_.Within(50);
  const long double error_100 = f_.ErrorBound(50, kSpacing);
  const long double within_width = f_.Within(kWidth / 2);
  const long double error_width = f_.ErrorBound(kWidth / 2, kSpacing);

  ExpectWithin("integral", Value("integral"), total, total_error);
  ExpectWithin("ctdi100", Value("ctdi100"), within_100 / kWidth, error_100 / kWidth);
  ExpectWithin("ctdi_measured_range", Value("ctdi_measured_range"), total / kWidth,
               total_error / kWidth);
  // A quotient's relative error is at most the sum of both relative errors.
  const long double efficiency = within_100 / total;
  ExpectWithin("efficiency_100", Value("efficiency_100"), efficiency,
               efficiency * (error_100 / within_100 + total_error / total));
  const long double geometric = 100 * within_width / total;
  ExpectWithin("geometric_efficiency_percent", Value("geometric_efficiency_percent"), geometric,
               geometric * (error_width / within_width + total_error / total));
  ExpectWithin("equilibrium_dose", Value("equilibrium_dose"), total / kWidth, total_error / kWidth);
  // The bounds are tight enough to mean something: about 1e-6 relative.
  EXPECT_LT(total_error / total, 2e-6L);
}

TEST_F(ClosedFormProfileTest, EquilibriumLengthAgainstTheClosedForm) {
  const long double exact = ExactEquilibriumLength(f_);
  // The integral errors move the crossing by at most their sum over the
  // slope of the enclosed integral there, f(L/2); the bisection adds 1e-6.
  const long double error =
      f_.ErrorBound(exact / 2, kSpacing) + 0.98L * f_.ErrorBound(kRange, kSpacing);
  const long double tolerance = error / f_.Value(exact / 2) + 1e-6L;
  ExpectWithin("equilibrium_length_98", Value("equilibrium_length_98"), exact, tolerance);
  EXPECT_LT(tolerance, 0.01L);

  const ApproachLimits limits = EquilibriumApproachLimits(profile_);
  EXPECT_EQ(limits.equilibrium_length_98_mm, Value("equilibrium_length_98"));
  ASSERT_TRUE(limits.max_length_mm.has_value());
  EXPECT_NEAR(*limits.max_length_mm, 2 * kRange, 1e-12);
  EXPECT_EQ(limits.note, "");
}

TEST_F(ClosedFormProfileTest, ApproachCurveAgainstTheClosedForm) {
  const std::vector<ApproachPoint> curve = EquilibriumApproachCurve(profile_, 65);
  ASSERT_EQ(curve.size(), 65u);
  EXPECT_EQ(curve.front().length_mm, 0);
  EXPECT_EQ(curve.front().h, 0);
  EXPECT_EQ(curve.back().length_mm, EquilibriumApproachLimits(profile_).max_length_mm);
  const long double total = f_.Within(kRange);
  for (const ApproachPoint& point : curve) {
    const long double half = point.length_mm / 2;
    const long double h = f_.Within(half) / total;
    const long double tolerance =
        h * (f_.ErrorBound(half, kSpacing) / std::max(f_.Within(half), 1e-300L) +
             f_.ErrorBound(kRange, kSpacing) / total) +
        1e-12L;
    ExpectWithin("h", point.h, h, tolerance);
  }
}

}  // namespace
}  // namespace quorvane
