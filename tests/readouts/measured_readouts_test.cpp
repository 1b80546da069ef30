#include "readouts/measured_readouts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "expected_readouts.h"
#include "numbers/number_format.h"
#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane {
namespace {

using test_support::ExpectedReadout;
using test_support::ExpectReadouts;
using test_support::Hex;
using test_support::KeysOf;

constexpr char kClipped[] = "interval clipped to the measured range";
constexpr char kNotMonotonic[] = "positions not strictly monotonic";
constexpr std::optional<double> kUnavailable = std::nullopt;

struct MeasuredCase {
  const char* name;
  std::vector<double> positions;
  std::vector<double> values;
  const char* slice_width;
  const char* slice_number;
  const char* beam_pitch;
  std::vector<ExpectedReadout> expected;
};

void PrintTo(const MeasuredCase& c, std::ostream* os) {
  *os << c.name << " {positions ";
  test_support::PrintDoubles(c.positions, os);
  *os << ", values ";
  test_support::PrintDoubles(c.values, os);
  *os << ", slice_width ";
  test_support::PrintText(c.slice_width, os);
  *os << ", slice_number ";
  test_support::PrintText(c.slice_number, os);
  *os << ", beam_pitch ";
  test_support::PrintText(c.beam_pitch, os);
  *os << ", expected {";
  for (std::size_t i = 0; i < c.expected.size(); ++i) {
    *os << (i == 0 ? "" : ", ");
    test_support::PrintTo(c.expected[i], os);
  }
  *os << "}}";
}

ReadoutTable ReadoutsOf(const MeasuredCase& c) {
  return MeasuredReadouts({c.positions, c.values}, c.slice_width, c.slice_number, c.beam_pitch,
                          NumberFormat{});
}

// Every value below is worked out by hand on the interpolant; all are exact
// in binary unless written as an extended-precision quotient.
const MeasuredCase kCases[] = {
    {.name = "HalfLevelSamplesAreTheEdges",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "2",
     .beam_pitch = "1",
     .expected = {{"peak", 4, ""},
                  {"fwhm", 2, ""},
                  {"fwhm_interpolated", 2, ""},
                  {"centre_interpolated", 2, ""},
                  {"left_edge_interpolated", 1, ""},
                  {"right_edge_interpolated", 3, ""},
                  {"range_start", 0, ""},
                  {"range_end", 4, ""},
                  {"integral", 8, ""},
                  {"nominal_beam_width", 2, ""},
                  {"ctdi100", 4, kClipped},
                  {"ctdi_measured_range", 4, ""},
                  {"efficiency_100", 1, kClipped},
                  {"geometric_efficiency_percent", 75, ""},  // ∫ from 1 to 3 = 6 of 8
                  {"geometric_efficiency_fwhm_percent", 100, ""},
                  {"pitch", 1, ""},
                  {"equilibrium_dose", 4, ""}}},
    {.name = "EdgesInterpolatedBetweenSamples",
     .positions = {0, 1, 2, 3, 4},
     .values = {1, 3, 4, 3, 1},
     .slice_width = "5",
     .slice_number = "4",
     .beam_pitch = "1",
     .expected = {{"fwhm", 2, ""},  // on the samples alone
                  {"fwhm_interpolated", 3, ""},
                  {"left_edge_interpolated", 0.5, ""},
                  {"right_edge_interpolated", 3.5, ""},
                  {"integral", 11, ""},
                  {"geometric_efficiency_percent", 100, kClipped},  // W = 20 covers the profile
                  {"geometric_efficiency_fwhm_percent", static_cast<double>(2000.0L / 3), ""}}},
    {.name = "EdgesAtTheEnds",
     .positions = {0, 1, 2},
     .values = {5, 6, 5},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"fwhm_interpolated", 2, "starts above half maximum; ends above half maximum"},
                  {"centre_interpolated", 1, "starts above half maximum; ends above half maximum"},
                  {"left_edge_interpolated", 0, "starts above half maximum"},
                  {"right_edge_interpolated", 2, "ends above half maximum"},
                  {"integral", 11, ""}}},
    {.name = "DescendingPositionsAreReversed",
     .positions = {4, 3, 2, 1, 0},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "2",
     .beam_pitch = "1",
     .expected = {{"fwhm", -2, ""},  // table order, as EditFWHM shows it
                  {"fwhm_interpolated", 2, ""},
                  {"centre_interpolated", 2, ""},
                  {"left_edge_interpolated", 1, ""},
                  {"range_start", 0, ""},
                  {"range_end", 4, ""},
                  {"integral", 8, ""},
                  {"geometric_efficiency_percent", 75, ""}}},
    {.name = "NegativeValues",
     .positions = {0, 1, 2},
     .values = {-1, 7, -1},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"peak", 7, ""},
                  {"fwhm", 0, ""},
                  {"left_edge_interpolated", 0.5625, ""},  // 0 + (3.5 + 1) / 8
                  {"right_edge_interpolated", 1.4375, ""},
                  {"fwhm_interpolated", 0.875, ""},
                  {"integral", 6, ""},
                  // ∫ from 0.5 to 1.5 = 5 of 6.
                  {"geometric_efficiency_percent", static_cast<double>(500.0L / 6), ""}}},
    {.name = "AllNegativeValues",
     .positions = {0, 1, 2},
     .values = {-1, -2, -1},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"peak", 0, ""},
                  {"fwhm", kUnavailable, "no sample at or above half maximum"},
                  {"fwhm_interpolated", kUnavailable, "no positive value"},
                  {"range_start", 0, ""},
                  {"integral", -3, ""},
                  {"ctdi100", kUnavailable, "no positive value"},
                  {"ctdi_measured_range", -3, ""},
                  {"efficiency_100", kUnavailable, "integral not positive"},
                  {"equilibrium_length_98", kUnavailable, "no positive value"}}},
    {.name = "PositionsNotMonotonic",
     .positions = {0, 1, 1, 2},
     .values = {1, 2, 2, 1},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"peak", 2, ""},
                  {"fwhm", 2, ""},
                  {"fwhm_interpolated", kUnavailable, kNotMonotonic},
                  {"range_start", kUnavailable, kNotMonotonic},
                  {"integral", kUnavailable, kNotMonotonic},
                  {"nominal_beam_width", 1, ""},
                  {"ctdi100", kUnavailable, kNotMonotonic},
                  {"ctdi_measured_range", kUnavailable, kNotMonotonic},
                  {"pitch", 1, ""},
                  {"equilibrium_length_98", kUnavailable, kNotMonotonic}}},
    {.name = "SingleSample",
     .positions = {3},
     .values = {5},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"peak", 5, ""},
                  {"fwhm", 0, ""},
                  {"fwhm_interpolated", kUnavailable, "fewer than two samples"},
                  {"integral", kUnavailable, "fewer than two samples"}}},
    {.name = "NoSamples",
     .positions = {},
     .values = {},
     .slice_width = "1",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"peak", 0, ""},
                  {"fwhm", kUnavailable, "no sample at or above half maximum"},
                  {"integral", kUnavailable, "fewer than two samples"}}},
    {.name = "IntervalsInsideTheProfile",
     .positions = {-60, -50, -40, -30, -20, -10, 0, 10, 20, 30, 40, 50, 60},
     .values = {0, 1, 1, 1, 1, 2, 4, 2, 1, 1, 1, 1, 0},
     .slice_width = "10",
     .slice_number = "1",
     .beam_pitch = "2",
     .expected = {{"left_edge_interpolated", -10, ""},
                  {"right_edge_interpolated", 10, ""},
                  {"integral", 160, ""},
                  {"ctdi100", 15, ""},  // ∫ from -50 to 50 = 150
                  {"ctdi_measured_range", 16, ""},
                  {"efficiency_100", 0.9375, ""},
                  {"geometric_efficiency_percent", 21.875, ""},  // ∫ from -5 to 5 = 35
                  {"geometric_efficiency_fwhm_percent", 50, ""},
                  {"pitch", 2, ""},
                  {"equilibrium_dose", 8, ""}}},
    {.name = "GeometricIntervalClipped",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "10",
     .slice_number = "1",
     .beam_pitch = "1",
     .expected = {{"geometric_efficiency_percent", 100, kClipped},
                  {"geometric_efficiency_fwhm_percent", 500, ""}}},
    {.name = "SliceWidthNotANumber",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "abc",
     .slice_number = "2",
     .beam_pitch = "1",
     .expected = {{"nominal_beam_width", kUnavailable, "slice width is not a number"},
                  {"ctdi100", kUnavailable, "slice width is not a number"},
                  {"ctdi_measured_range", kUnavailable, "slice width is not a number"},
                  {"efficiency_100", 1, kClipped},
                  {"geometric_efficiency_percent", kUnavailable, "slice width is not a number"},
                  {"geometric_efficiency_fwhm_percent", kUnavailable,
                   "slice width is not a number"},
                  {"pitch", 1, ""},
                  {"equilibrium_dose", kUnavailable, "slice width is not a number"}}},
    {.name = "SliceNumberEmpty",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "",
     .beam_pitch = "1",
     .expected = {{"nominal_beam_width", kUnavailable, "slice number is not a number"}}},
    {.name = "SliceNumberZero",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "0",
     .beam_pitch = "1",
     .expected = {{"nominal_beam_width", 0, ""},
                  {"ctdi100", kUnavailable, "nominal beam width not positive"},
                  {"geometric_efficiency_percent", kUnavailable, "nominal beam width not positive"},
                  {"geometric_efficiency_fwhm_percent", 0, ""},
                  {"equilibrium_dose", kUnavailable, "nominal beam width not positive"}}},
    {.name = "PitchNotANumber",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "2",
     .beam_pitch = "",
     .expected = {{"pitch", kUnavailable, "beam pitch is not a number"},
                  {"equilibrium_dose", kUnavailable, "beam pitch is not a number"},
                  {"ctdi100", 4, kClipped}}},
    {.name = "PitchZero",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1",
     .slice_number = "2",
     .beam_pitch = "0",
     .expected = {{"pitch", 0, ""}, {"equilibrium_dose", kUnavailable, "beam pitch not positive"}}},
    {.name = "WidthBeyondTheDoubleRange",
     .positions = {0, 1, 2, 3, 4},
     .values = {0, 2, 4, 2, 0},
     .slice_width = "1e200",
     .slice_number = "1e200",
     .beam_pitch = "1",
     .expected = {{"nominal_beam_width", kUnavailable, "beyond the double range"},
                  {"ctdi100", kUnavailable, "beyond the double range"}}},
};

class MeasuredReadoutsTable : public ::testing::TestWithParam<MeasuredCase> {};

TEST_P(MeasuredReadoutsTable, RowsAsWorkedOut) {
  ExpectReadouts(ReadoutsOf(GetParam()), GetParam().expected, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(HandChecked, MeasuredReadoutsTable, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MeasuredCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(MeasuredReadouts, KeysUnitsAndOrder) {
  const ReadoutTable table = ReadoutsOf(kCases[0]);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"peak", "value"},
      {"fwhm", "mm"},
      {"fwhm_interpolated", "mm"},
      {"centre_interpolated", "mm"},
      {"left_edge_interpolated", "mm"},
      {"right_edge_interpolated", "mm"},
      {"range_start", "mm"},
      {"range_end", "mm"},
      {"integral", "value·mm"},
      {"nominal_beam_width", "mm"},
      {"ctdi100", "value"},
      {"ctdi_measured_range", "value"},
      {"efficiency_100", "1"},
      {"geometric_efficiency_percent", "%"},
      {"geometric_efficiency_fwhm_percent", "%"},
      {"pitch", "1"},
      {"equilibrium_dose", "value"},
      {"equilibrium_length_98", "mm"}};
  ASSERT_EQ(table.rows.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(table.rows[k].key, expected[k].first);
    EXPECT_EQ(table.rows[k].unit, expected[k].second) << expected[k].first;
    EXPECT_TRUE(table.rows[k].text.empty());
  }
  EXPECT_EQ(table.Notes(), (std::vector<std::string>{"ctdi100: " + std::string(kClipped),
                                                     "efficiency_100: " + std::string(kClipped)}));
  EXPECT_EQ(table.Find("no_such_key"), nullptr);
}

TEST(MeasuredReadouts, FieldTextsReadInTheWorkspacesFormat) {
  // With the separator ",", "2,5" x "4" = 10 and "0,5" = 0.5; "2.5" is no
  // number there.
  const MeasuredProfile profile{{0, 1, 2, 3, 4}, {0, 2, 4, 2, 0}};
  const NumberFormat comma = NumberFormat::FromLocaleSetting(",");
  ExpectReadouts(
      MeasuredReadouts(profile, "2,5", "4", "0,5", comma),
      {{"nominal_beam_width", 10, ""}, {"pitch", 0.5, ""}, {"equilibrium_dose", 1.6, ""}}, "comma");
  ExpectReadouts(MeasuredReadouts(profile, "2.5", "4", "0.5", comma),
                 {{"nominal_beam_width", kUnavailable, "slice width is not a number"},
                  {"pitch", kUnavailable, "beam pitch is not a number"}},
                 "point under comma");
}

TEST(MeasuredReadouts, RandomIntegerProfilesAgainstExactSumsAndReversed) {
  // Integer samples: the trapezoid sum is a multiple of 1/2, exact at every
  // step, so the integral must equal the integer oracle. The same samples in
  // descending order must give the same rows, bit for bit, but for the
  // table-order fwhm.
  std::mt19937 random(1402);
  std::uniform_int_distribution<int> step(1, 4);
  std::uniform_int_distribution<int> value(-3, 40);
  for (int trial = 0; trial < 200; ++trial) {
    MeasuredProfile ascending;
    std::int64_t twice_integral = 0;
    int position = -30;
    for (int k = 0; k < 40; ++k) {
      const int next_position = position + step(random);
      const int next_value = value(random);
      if (k > 0) {
        twice_integral += std::int64_t{next_position - position} *
                          (static_cast<std::int64_t>(ascending.dose_rates.back()) + next_value);
      }
      ascending.positions.push_back(next_position);
      ascending.dose_rates.push_back(next_value);
      position = next_position;
    }
    MeasuredProfile descending{{ascending.positions.rbegin(), ascending.positions.rend()},
                               {ascending.dose_rates.rbegin(), ascending.dose_rates.rend()}};
    const ReadoutTable up = MeasuredReadouts(ascending, "5", "4", "0.75", NumberFormat{});
    const ReadoutTable down = MeasuredReadouts(descending, "5", "4", "0.75", NumberFormat{});
    SCOPED_TRACE("trial " + std::to_string(trial));
    const double oracle = static_cast<double>(twice_integral) / 2;
    EXPECT_EQ(Hex(up.Find("integral")->value.value_or(NAN)), Hex(oracle));
    EXPECT_EQ(up.Find("range_start")->value, ascending.positions.front());
    ASSERT_EQ(up.rows.size(), down.rows.size());
    for (std::size_t k = 0; k < up.rows.size(); ++k) {
      if (up.rows[k].key == "fwhm") continue;
      EXPECT_EQ(up.rows[k].value, down.rows[k].value) << up.rows[k].key;
      EXPECT_EQ(up.rows[k].note, down.rows[k].note) << up.rows[k].key;
    }
  }
}

}  // namespace
}  // namespace quorvane
