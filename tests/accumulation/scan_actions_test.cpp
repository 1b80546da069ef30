#include "accumulation/scan_actions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "accumulation/accumulation_record.h"
#include "accumulation/accumulation_workspace.h"
#include "errors/error.h"
#include "support/exact_doubles.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ExactDoubles;
using test_support::FillProfile;
using test_support::Rows;
using test_support::SetScanFields;

struct KeptWorkspaceCase {
  const char* name;
  bool helical;
  std::vector<double> positions;
  std::vector<double> doses;
  const char* slice_width;
  const char* slice_number;
  const char* beam_pitch;
  const char* rotations;
};

void PrintTo(const KeptWorkspaceCase& c, std::ostream* out) { *out << c.name; }

struct ActionOutcome {
  AccumulationRecord record;
  std::string clipboard;
};

ActionOutcome RunAction(const KeptWorkspaceCase& c, AccumulationWorkspace* kept) {
  MemoryWorkspace workspace;
  FillProfile(workspace, Rows(c.positions, c.doses));
  SetScanFields(workspace, c.slice_width, c.slice_number, c.beam_pitch, c.rotations);
  ActionOutcome outcome;
  if (kept == nullptr) {
    outcome.record = c.helical ? RunHelicalScanAction(workspace) : RunMultipleScanAction(workspace);
  } else {
    outcome.record = c.helical ? RunHelicalScanActionIn(workspace, *kept)
                               : RunMultipleScanActionIn(workspace, *kept);
  }
  outcome.clipboard = workspace.clipboard_text();
  return outcome;
}

// Leaves a long accumulated profile of large doses, then the arrays of a
// helical scan that stopped after reading its profile values, in the kept
// workspace.
void Dirty(AccumulationWorkspace& kept) {
  std::vector<double> positions;
  std::vector<double> doses;
  for (int i = 0; i < 600; ++i) {
    positions.push_back(i);
    doses.push_back(1000 + i);
  }
  RunAction({"long", false, positions, doses, "7", "3", "1.25", "40"}, &kept);
  MemoryWorkspace failing;
  FillProfile(failing, Rows({0, 1, 2}, {5, 6, 7}));
  SetScanFields(failing, "1", "1", "1", "x");  // rotations no number
  EXPECT_THROW(RunHelicalScanActionIn(failing, kept), Error);
}

class KeptWorkspace : public testing::TestWithParam<KeptWorkspaceCase> {};

TEST_P(KeptWorkspace, GivesTheRecordAndTextOfAFreshOne) {
  AccumulationWorkspace kept;
  Dirty(kept);
  const ActionOutcome fresh = RunAction(GetParam(), nullptr);
  const ActionOutcome reused = RunAction(GetParam(), &kept);

  EXPECT_EQ(reused.clipboard, fresh.clipboard);
  const AccumulationRecord& a = reused.record;
  const AccumulationRecord& b = fresh.record;
  EXPECT_EQ(a.action, b.action);
  EXPECT_EQ(ExactDoubles{a.positions}, ExactDoubles{b.positions});
  EXPECT_EQ(ExactDoubles{a.doses}, ExactDoubles{b.doses});
  EXPECT_EQ(ExactDoubles{a.profile_values}, ExactDoubles{b.profile_values});
  EXPECT_EQ((ExactDoubles{{a.measurement.Peak, a.measurement.LeftEdge, a.measurement.RightEdge,
                           a.measurement.FWHM, a.measurement.Centre}}),
            (ExactDoubles{{b.measurement.Peak, b.measurement.LeftEdge, b.measurement.RightEdge,
                           b.measurement.FWHM, b.measurement.Centre}}));
  EXPECT_EQ(a.measurement.HasWidth, b.measurement.HasWidth);
  EXPECT_EQ((ExactDoubles{{a.sample_spacing, a.nominal_beam_width}}),
            (ExactDoubles{{b.sample_spacing, b.nominal_beam_width}}));
  EXPECT_EQ(a.rotations, b.rotations);
  EXPECT_EQ(a.table_increment, b.table_increment);
  EXPECT_EQ(a.feed_per_rotation, b.feed_per_rotation);
  EXPECT_EQ(a.total_feed, b.total_feed);
}

INSTANTIATE_TEST_SUITE_P(
    ScanActions, KeptWorkspace,
    testing::Values(
        KeptWorkspaceCase{"multiple_scans", false, {0, 1, 2}, {1, 2, 1}, "1", "1", "1", "3"},
        KeptWorkspaceCase{"increment_zero", false, {0, 0.5, 1}, {3, 5, 3}, "1", "1", "0", "4"},
        KeptWorkspaceCase{"helical", true, {0, 1, 2, 3, 4}, {1, 2, 4, 2, 1}, "1", "2", "1.5", "2"},
        KeptWorkspaceCase{
            "negative_doses", true, {-2, -1, 0, 1}, {-1, 4, 2, -3}, "0.5", "4", "0.75", "3"}),
    [](const testing::TestParamInfo<KeptWorkspaceCase>& param) { return param.param.name; });

}  // namespace
}  // namespace quorvane
