#include "readouts/accumulated_readouts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "accumulation/scan_actions.h"
#include "expected_readouts.h"
#include "support/exact_doubles.h"
#include "support/profile_fixture.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ExactDoubles;
using test_support::ExpectedReadout;
using test_support::ExpectReadouts;
using test_support::FillProfile;
using test_support::KeysOf;
using test_support::Rows;
using test_support::SetScanFields;

constexpr std::optional<double> kUnavailable = std::nullopt;

// The worked examples of the accumulations, run through the actions
// themselves.
AccumulationRecord MultipleScans(const std::vector<double>& positions,
                                 const std::vector<double>& doses, const char* slice_width,
                                 const char* beam_pitch, const char* rotations) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows(positions, doses));
  SetScanFields(workspace, slice_width, "1", beam_pitch, rotations);
  return RunMultipleScanAction(workspace);
}

AccumulationRecord HelicalScan(const char* beam_pitch) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2, 3, 4}, {1, 2, 4, 2, 1}));
  SetScanFields(workspace, "1", "2", beam_pitch, "2");
  return RunHelicalScanAction(workspace);
}

TEST(AccumulatedReadouts, MultipleScanWorkedExample) {
  // Doses 1, 3, 4, 3, 1, 0 at x = -2 to 3 (centre 2).
  const ReadoutTable table =
      AccumulatedReadouts(MultipleScans({0, 1, 2}, {1, 2, 1}, "1", "1", "3"));
  EXPECT_EQ(table.Find("action")->text, "CalMS");
  EXPECT_FALSE(table.Find("action")->value.has_value());
  ExpectReadouts(table,
                 {{"peak", 4, ""},
                  {"fwhm", 2, ""},
                  {"fwhm_interpolated", 3, ""},  // edges -1.5 and 1.5
                  {"central_dose", 4, ""},
                  {"central_average_interval", 1, ""},
                  // (1/1) ∫ from -0.5 to 0.5: 2 x 0.5 x (3.5 + 4) / 2.
                  {"central_average", 3.75, ""},
                  {"integral", 11.5, ""},
                  {"sample_spacing", 1, ""},
                  {"nominal_beam_width", 1, ""},
                  {"rotations", 3, ""},
                  {"accumulated_length", 6, ""},
                  {"table_increment", 1, ""},
                  {"scan_length", 3, ""},
                  {"effective_pitch", 1, ""},
                  {"equilibrium_dose", 4, ""},
                  {"central_to_equilibrium", 1, ""}},
                 "CalMS");
  EXPECT_EQ(KeysOf(table),
            (std::vector<std::string>{
                "action", "peak", "fwhm", "fwhm_interpolated", "central_dose",
                "central_average_interval", "central_average", "integral", "sample_spacing",
                "nominal_beam_width", "rotations", "accumulated_length", "table_increment",
                "scan_length", "effective_pitch", "equilibrium_dose", "central_to_equilibrium"}));
  EXPECT_TRUE(table.Notes().empty());
}

TEST(AccumulatedReadouts, HelicalWorkedExamplePitchOne) {
  // F = 2, T = 4: doses 0.5, 1.5, 3.5, 4.5, 4.5, 3.5, 1.5, 0.5, 0 at
  // x = -3.5 to 4.5 (centre 3.5); x = 0 lies midway between the two 4.5.
  const ReadoutTable table = AccumulatedReadouts(HelicalScan("1"));
  EXPECT_EQ(table.Find("action")->text, "CalHS");
  ExpectReadouts(table,
                 {{"peak", 4.5, ""},
                  {"fwhm", 3, ""},
                  {"fwhm_interpolated", 4.25, ""},  // edges -2.125 and 2.125
                  {"central_dose", 4.5, ""},
                  {"central_average_interval", 2, ""},
                  {"central_average", 4.375, ""},  // ∫ from -1 to 1 = 8.75
                  {"integral", 19.75, ""},
                  {"sample_spacing", 1, ""},
                  {"nominal_beam_width", 2, ""},
                  {"rotations", 2, ""},
                  {"accumulated_length", 9, ""},
                  {"feed_per_rotation", 2, ""},
                  {"total_feed", 4, ""},
                  {"scan_length", 4, ""},
                  {"effective_pitch", 1, ""},
                  {"equilibrium_dose", 5, ""},  // 10 / 2
                  {"central_to_equilibrium", static_cast<double>(4.5L / 5), ""}},
                 "CalHS");
  EXPECT_EQ(table.Find("table_increment"), nullptr);
  EXPECT_EQ(table.rows.size(), 18u);
}

TEST(AccumulatedReadouts, HelicalPitchOneAndAHalf) {
  // F = trunc(2 x 1.5) = 3, T = trunc(2 x 2 x 1.5) = 6, L = 11; every copy
  // weighted 1/3.
  ExpectReadouts(AccumulatedReadouts(HelicalScan("1.5")),
                 {{"feed_per_rotation", 3, ""},
                  {"total_feed", 6, ""},
                  {"accumulated_length", 11, ""},
                  {"scan_length", 6, ""},
                  {"effective_pitch", 1.5, ""},
                  {"equilibrium_dose", static_cast<double>(10.0L / 3), ""}},
                 "pitch 1.5");
}

TEST(AccumulatedReadouts, SnappedIncrementShowsTheEffectivePitch) {
  // Width 1.5 at spacing 1 and pitch 1: increment round(1.5) = 2, so the
  // series runs at an effective pitch of 2 / 1.5.
  ExpectReadouts(AccumulatedReadouts(MultipleScans({0, 1, 2}, {1, 2, 1}, "1.5", "1", "3")),
                 {{"table_increment", 2, ""},
                  {"effective_pitch", static_cast<double>(2.0L / 1.5L), ""},
                  {"scan_length", 6, ""},
                  {"central_average_interval", 2, ""},
                  {"equilibrium_dose", 2, ""}},
                 "snapped");
}

TEST(AccumulatedReadouts, IncrementZeroHasNoAverageAndNoPlateau) {
  // Pitch 0: every rotation on the same samples, doses 3, 6, 3, 0.
  ExpectReadouts(AccumulatedReadouts(MultipleScans({0, 1, 2}, {1, 2, 1}, "1", "0", "3")),
                 {{"peak", 6, ""},
                  {"central_dose", 6, ""},
                  {"table_increment", 0, ""},
                  {"central_average_interval", 0, ""},
                  {"central_average", kUnavailable, "central average interval 0"},
                  {"scan_length", 0, ""},
                  {"effective_pitch", 0, ""},
                  {"equilibrium_dose", kUnavailable, "table increment 0"},
                  {"central_to_equilibrium", kUnavailable, "table increment 0"}},
                 "increment 0");
}

TEST(AccumulatedReadouts, DescendingPositionsReadAscending) {
  // Positions 0, -1, -2 and a width of -1: spacing -1, increment
  // round(-1 / -1) = 1; the accumulated positions run 0 to -5 and EditFWHM
  // shows -2, while the interpolated width reads them ascending.
  ExpectReadouts(AccumulatedReadouts(MultipleScans({0, -1, -2}, {1, 2, 1}, "-1", "1", "3")),
                 {{"fwhm", -2, ""},
                  {"fwhm_interpolated", 3, ""},
                  {"central_dose", 4, ""},
                  {"central_average", 3.75, ""},
                  {"integral", 11.5, ""},
                  {"sample_spacing", -1, ""},
                  {"nominal_beam_width", -1, ""},
                  {"scan_length", 3, ""},
                  {"effective_pitch", 1, ""}},
                 "descending");
}

TEST(AccumulatedReadouts, EdgesCentralDoseAndAverageAtTheEnds) {
  // A record handed over directly: doses that start and end above half
  // maximum, x = 0 outside the samples, and an average interval beyond them.
  AccumulationRecord record;
  record.action = "CalMS";
  record.positions = {0, 1, 2};
  record.doses = {4, 4, 4};
  record.measurement = {
      .Peak = 4, .HasWidth = true, .LeftEdge = 0, .RightEdge = 2, .FWHM = 2, .Centre = -1};
  record.sample_spacing = 1;
  record.nominal_beam_width = 10;
  record.rotations = 1;
  record.table_increment = 10;
  record.profile_values = {4, 4, 4};
  ExpectReadouts(
      AccumulatedReadouts(record),
      {{"fwhm_interpolated", 2, "starts above half maximum; ends above half maximum"},
       {"central_dose", kUnavailable, "x = 0 outside the accumulated samples"},
       {"central_average", 0.8, "interval clipped to the measured range"},
       {"integral", 8, ""},
       {"equilibrium_dose", 1.2, ""},
       {"central_to_equilibrium", kUnavailable, "x = 0 outside the accumulated samples"}},
      "ends");
}

TEST(AccumulationRecord, HoldsTheSamplesBeforeCentringAndWhatTheActionUsed) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows({0, 1, 2}, {1, 2, 1}));
  SetScanFields(workspace, "1", "1", "1", "3");
  const AccumulationRecord record = RunMultipleScanAction(workspace);
  EXPECT_EQ(record.action, "CalMS");
  EXPECT_EQ(ExactDoubles{record.positions}, (ExactDoubles{{0, 1, 2, 3, 4, 5}}));
  EXPECT_EQ(ExactDoubles{record.doses}, (ExactDoubles{{1, 3, 4, 3, 1, 0}}));
  EXPECT_EQ(record.measurement.Peak, 4);
  EXPECT_EQ(record.measurement.FWHM, 2);
  EXPECT_EQ(record.Centre(), 2);
  EXPECT_EQ(record.sample_spacing, 1);
  EXPECT_EQ(record.nominal_beam_width, 1);
  EXPECT_EQ(record.rotations, 3);
  EXPECT_EQ(record.table_increment, 1);
  EXPECT_EQ(record.feed_per_rotation, 0);
  EXPECT_EQ(record.total_feed, 0);
  EXPECT_EQ(record.Step(), 1);
  EXPECT_EQ(ExactDoubles{record.profile_values}, (ExactDoubles{{1, 2, 1}}));
  // The outputs stay what they were.
  EXPECT_EQ(workspace.clipboard_text(), "-2\t1\r\n-1\t3\r\n0\t4\r\n1\t3\r\n2\t1\r\n");
  EXPECT_EQ(workspace.FieldText(Field::kEditMax), "4");
  EXPECT_EQ(workspace.FieldText(Field::kEditFWHM), "2");

  const AccumulationRecord helical = HelicalScan("1");
  EXPECT_EQ(helical.action, "CalHS");
  EXPECT_EQ(helical.feed_per_rotation, 2);
  EXPECT_EQ(helical.total_feed, 4);
  EXPECT_EQ(helical.table_increment, 0);
  EXPECT_EQ(helical.positions.size(), 9u);
  EXPECT_EQ(helical.Centre(), 3.5);
}

}  // namespace
}  // namespace quorvane
