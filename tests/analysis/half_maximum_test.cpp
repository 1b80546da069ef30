#include "analysis/half_maximum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

struct MeasureCase {
  const char* name;
  std::vector<double> positions;
  std::vector<double> values;
  double peak;
  double left_edge;
  double right_edge;
  double fwhm;
  double centre;
};

void PrintTo(const MeasureCase& c, std::ostream* out) {
  using test_support::ExactText;
  *out << c.name << " {positions ";
  test_support::PrintDoubles(c.positions, out);
  *out << ", values ";
  test_support::PrintDoubles(c.values, out);
  *out << ", peak " << ExactText(c.peak) << ", left_edge " << ExactText(c.left_edge)
       << ", right_edge " << ExactText(c.right_edge) << ", fwhm " << ExactText(c.fwhm)
       << ", centre " << ExactText(c.centre) << "}";
}

class MeasureHalfMaximumTable : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasureHalfMaximumTable, PeakEdgesWidthAndCentre) {
  const MeasureCase& c = GetParam();
  const HalfMaximumResult r = MeasureHalfMaximum(c.positions, c.values);
  SCOPED_TRACE(::testing::PrintToString(r));
  EXPECT_EQ(r.Peak, c.peak);
  ASSERT_TRUE(r.HasWidth);
  EXPECT_EQ(r.LeftEdge, c.left_edge);
  EXPECT_EQ(r.RightEdge, c.right_edge);
  EXPECT_EQ(r.FWHM, c.fwhm);
  EXPECT_EQ(r.Centre, c.centre);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MeasureHalfMaximumTable,
    ::testing::Values(MeasureCase{.name = "HalfLevelCountsAsInside",
                                  .positions = {-2, -1, 0, 1, 2},
                                  .values = {1, 2, 4, 2, 1},
                                  .peak = 4,
                                  .left_edge = -1,
                                  .right_edge = 1,
                                  .fwhm = 2,
                                  .centre = 0},
                      MeasureCase{.name = "NoInterpolation",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {1, 3, 4, 3, 1},
                                  .peak = 4,
                                  .left_edge = 1,
                                  .right_edge = 3,
                                  .fwhm = 2,
                                  .centre = 2},
                      MeasureCase{.name = "EdgesAtTheEnds",
                                  .positions = {0, 1, 2},
                                  .values = {5, 6, 5},
                                  .peak = 6,
                                  .left_edge = 0,
                                  .right_edge = 2,
                                  .fwhm = 2,
                                  .centre = 1},
                      MeasureCase{.name = "SingleSample",
                                  .positions = {7},
                                  .values = {5},
                                  .peak = 5,
                                  .left_edge = 7,
                                  .right_edge = 7,
                                  .fwhm = 0,
                                  .centre = 7},
                      MeasureCase{.name = "SingleZeroSample",
                                  .positions = {3},
                                  .values = {0},
                                  .peak = 0,
                                  .left_edge = 3,
                                  .right_edge = 3,
                                  .fwhm = 0,
                                  .centre = 3},
                      MeasureCase{.name = "AllZeroSpansTheProfile",
                                  .positions = {0, 1, 2, 3},
                                  .values = {0, 0, 0, 0},
                                  .peak = 0,
                                  .left_edge = 0,
                                  .right_edge = 3,
                                  .fwhm = 3,
                                  .centre = 1.5},
                      MeasureCase{.name = "DipInsideTheWidth",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {10, 0, 0, 0, 10},
                                  .peak = 10,
                                  .left_edge = 0,
                                  .right_edge = 4,
                                  .fwhm = 4,
                                  .centre = 2},
                      MeasureCase{.name = "SmallSecondLobeIgnored",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {0, 10, 0, 2, 0},
                                  .peak = 10,
                                  .left_edge = 1,
                                  .right_edge = 1,
                                  .fwhm = 0,
                                  .centre = 1},
                      MeasureCase{.name = "SecondLobeWidens",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {0, 10, 0, 6, 0},
                                  .peak = 10,
                                  .left_edge = 1,
                                  .right_edge = 3,
                                  .fwhm = 2,
                                  .centre = 2},
                      MeasureCase{.name = "NegativeNeighbours",
                                  .positions = {0, 1, 2},
                                  .values = {-1, 4, -1},
                                  .peak = 4,
                                  .left_edge = 1,
                                  .right_edge = 1,
                                  .fwhm = 0,
                                  .centre = 1},
                      MeasureCase{.name = "ZeroPeakAmongNegatives",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {-3, 0, -2, 0, -1},
                                  .peak = 0,
                                  .left_edge = 1,
                                  .right_edge = 3,
                                  .fwhm = 2,
                                  .centre = 2},
                      MeasureCase{.name = "NegativeZerosReachZero",
                                  .positions = {0, 1, 2},
                                  .values = {-1, -0.0, -1},
                                  .peak = 0,
                                  .left_edge = 1,
                                  .right_edge = 1,
                                  .fwhm = 0,
                                  .centre = 1},
                      MeasureCase{.name = "DescendingPositions",
                                  .positions = {4, 3, 2, 1, 0},
                                  .values = {0, 5, 10, 5, 0},
                                  .peak = 10,
                                  .left_edge = 3,
                                  .right_edge = 1,
                                  .fwhm = -2,
                                  .centre = 2},
                      MeasureCase{.name = "EqualMaxima",
                                  .positions = {0, 1, 2, 3, 4},
                                  .values = {1, 8, 3, 8, 1},
                                  .peak = 8,
                                  .left_edge = 1,
                                  .right_edge = 3,
                                  .fwhm = 2,
                                  .centre = 2},
                      MeasureCase{.name = "CentreBetweenSamples",
                                  .positions = {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5},
                                  .values = {0, 0, 0, 3, 4, 4, 4, 4, 3, 0},
                                  .peak = 4,
                                  .left_edge = 1.5,
                                  .right_edge = 4,
                                  .fwhm = 2.5,
                                  .centre = 2.75}),
    [](const ::testing::TestParamInfo<MeasureCase>& param_info) { return param_info.param.name; });

TEST(MeasureHalfMaximum, NoWidthWithoutSamplesOrWithAllValuesNegative) {
  const std::vector<double> none;
  const HalfMaximumResult empty = MeasureHalfMaximum(none, none);
  EXPECT_EQ(empty.Peak, 0);
  EXPECT_FALSE(empty.HasWidth);

  const std::vector<double> positions = {0, 1, 2};
  const std::vector<double> negative = {-1, -5, -0.5};
  const HalfMaximumResult r = MeasureHalfMaximum(positions, negative);
  EXPECT_EQ(r.Peak, 0);
  EXPECT_FALSE(std::signbit(r.Peak)) << "the peak is positive zero";
  EXPECT_FALSE(r.HasWidth);
}

TEST(MeasureHalfMaximum, ReadsOnlyTheGivenSamples) {
  // The samples beyond the count would widen the profile if they were read.
  const std::vector<double> positions = {0, 1, 2, 3, 4, 5};
  const std::vector<double> values = {1, 4, 1, 9, 9, 9};
  const HalfMaximumResult r =
      MeasureHalfMaximum(std::span(positions).first(3), std::span(values).first(3));
  EXPECT_EQ(r.Peak, 4);
  EXPECT_EQ(r.FWHM, 0);
}

TEST(MeasureHalfMaximum, WidthRoundedOnceFromExtendedPrecision) {
  // RightEdge - LeftEdge = 1 + 2^-53 + 2^-105 exactly. Rounded to double
  // directly it goes up to 1 + 2^-52; formed at extended precision it is
  // 1 + 2^-53, which the store rounds to even: 1.
  const double left = -(0x1p-53 + 0x1p-105);
  const std::vector<double> positions = {left, 1};
  const std::vector<double> values = {1, 1};
  const HalfMaximumResult r = MeasureHalfMaximum(positions, values);
  EXPECT_EQ(r.FWHM, 1.0) << test_support::Hex(r.FWHM);
  EXPECT_EQ(1.0 - left, 1.0 + 0x1p-52) << "the plain double difference differs";
}

TEST(MeasureHalfMaximum, CentreOfHugeEdgesDoesNotOverflow) {
  const std::vector<double> positions = {1.5e308, 1.7e308};
  const std::vector<double> values = {1, 1};
  const HalfMaximumResult r = MeasureHalfMaximum(positions, values);
  EXPECT_EQ(r.Centre, static_cast<double>((Extended(1.5e308L) + Extended(1.7e308L)) / 2))
      << test_support::Hex(r.Centre);
}

}  // namespace
}  // namespace quorvane
