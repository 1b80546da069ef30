// Parameter texts and tables no scan protocol would produce, through both
// accumulations: each ends with the right message or a correct result, and
// a refused or failed action leaves the table, the fields, both curves and
// the clipboard as they were.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accumulation/scan_actions.h"
#include "support/error_capture.h"
#include "support/printers.h"
#include "support/profile_fixture.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

struct HostileParameters {
  const char* name;
  std::vector<test_support::ProfileRow> rows;
  std::string slice_width;
  std::string beam_pitch;
  std::string rotations;
  std::string multiple_scan_message;  // "" for a normal end
  std::string helical_message;
};

void PrintTo(const HostileParameters& c, std::ostream* out) {
  using test_support::PrintText;
  *out << c.name << " {rows ";
  test_support::PrintRows(c.rows, out);
  *out << ", slice_width ";
  PrintText(c.slice_width, out);
  *out << ", beam_pitch ";
  PrintText(c.beam_pitch, out);
  *out << ", rotations ";
  PrintText(c.rotations, out);
  *out << ", multiple_scan_message ";
  PrintText(c.multiple_scan_message, out);
  *out << ", helical_message ";
  PrintText(c.helical_message, out);
  *out << "}";
}

const std::vector<test_support::ProfileRow> kProfile = {{"0", "1"}, {"1", "2"}, {"2", "1"}};

class HostileParameterTable : public ::testing::TestWithParam<HostileParameters> {};

void ExpectOutcome(const HostileParameters& c, bool helical, const std::string& expected) {
  MemoryWorkspace workspace;
  test_support::FillProfile(workspace, c.rows);
  test_support::SetScanFields(workspace, c.slice_width.c_str(), "2", c.beam_pitch.c_str(),
                              c.rotations.c_str());
  workspace.AddPoint(CurveId::kSeries1, 0, 1);
  workspace.AddPoint(CurveId::kSeries2, 0, 2);
  workspace.SetClipboardText("before");
  const std::string message = test_support::ErrorMessageOf(
      [&] { helical ? RunHelicalScanAction(workspace) : RunMultipleScanAction(workspace); });
  EXPECT_EQ(message, expected) << (helical ? "CalHS" : "CalMS");
  EXPECT_EQ(workspace.CurveOf(CurveId::kSeries1).points().size(), 1u);
  EXPECT_EQ(workspace.FieldText(Field::kEditSW), c.slice_width);
  EXPECT_EQ(workspace.CellText(2, 2), c.rows[1].dose_rate);
  if (!expected.empty()) {
    EXPECT_EQ(workspace.clipboard_text(), "before");
    EXPECT_EQ(workspace.CurveOf(CurveId::kSeries2).points().size(), 1u);
    EXPECT_EQ(workspace.FieldText(Field::kEditMax), "");
  } else {
    EXPECT_NE(workspace.clipboard_text(), "before");
  }
}

TEST_P(HostileParameterTable, BothAccumulations) {
  ExpectOutcome(GetParam(), false, GetParam().multiple_scan_message);
  ExpectOutcome(GetParam(), true, GetParam().helical_message);
}

const std::string kOverflow = "浮動小数点数のオーバーフロー";
const std::string kInvalid = "不正な浮動小数点数演算命令";

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileParameterTable,
    ::testing::Values(
        HostileParameters{.name = "ThousandsOfDigits",
                          .rows = kProfile,
                          .slice_width = "1" + std::string(3000, '0'),
                          .beam_pitch = "1",
                          .rotations = "3",
                          .multiple_scan_message = kOverflow,
                          .helical_message = kOverflow},
        HostileParameters{
            .name = "BeyondTheExtendedRange",
            .rows = kProfile,
            .slice_width = std::string(5000, '9'),
            .beam_pitch = "1",
            .rotations = "3",
            .multiple_scan_message = "'" + std::string(5000, '9') +
                                     "' は浮動小数点数ではありません",
            .helical_message = "'" + std::string(5000, '9') + "' は浮動小数点数ではありません"},
        HostileParameters{.name = "ExponentOfThousandsOfDigits",
                          .rows = kProfile,
                          .slice_width = "0.5e+" + std::string(3000, '0') + "0",
                          .beam_pitch = "1",
                          .rotations = "3",
                          .multiple_scan_message = "",
                          .helical_message = ""},
        HostileParameters{
            .name = "VanishingSliceWidth",
            .rows = kProfile,
            .slice_width = "1e-99999",
            .beam_pitch = "1",
            .rotations = "3",
            .multiple_scan_message = "",
            .helical_message = "総送り量 (0 サンプル) が 1 サンプルに満たないため積算できません"},
        HostileParameters{
            .name = "NegativeZeroPitch",
            .rows = kProfile,
            .slice_width = "1",
            .beam_pitch = "-0",
            .rotations = "3",
            .multiple_scan_message = "",
            .helical_message = "総送り量 (0 サンプル) が 1 サンプルに満たないため積算できません"},
        HostileParameters{
            .name = "MostNegativeRotations",
            .rows = kProfile,
            .slice_width = "1",
            .beam_pitch = "1",
            .rotations = "-2147483648",
            .multiple_scan_message = "回転数 (-2147483648) は 1 以上でなければなりません",
            .helical_message =
                "総送り量 (-4294967296 サンプル) が 1 サンプルに満たないため積算できません"},
        HostileParameters{
            .name = "AllOnesRotations",
            .rows = kProfile,
            .slice_width = "1",
            .beam_pitch = "1",
            .rotations = "$FFFFFFFF",
            .multiple_scan_message = "回転数 (-1) は 1 以上でなければなりません",
            .helical_message = "総送り量 (-2 サンプル) が 1 サンプルに満たないため積算できません"},
        HostileParameters{.name = "SubnormalSpacing",
                          .rows = {{"0", "1"}, {"4.9e-324", "2"}},
                          .slice_width = "1",
                          .beam_pitch = "1",
                          .rotations = "3",
                          .multiple_scan_message = kInvalid,
                          .helical_message = kInvalid},
        HostileParameters{.name = "IncrementBeyond64Bits",
                          .rows = kProfile,
                          .slice_width = "1",
                          .beam_pitch = "1e19",
                          .rotations = "3",
                          .multiple_scan_message = kInvalid,
                          .helical_message = kInvalid},
        HostileParameters{.name = "DoseBeyondTheDoubleRange",
                          .rows = {{"0", "1"}, {"1", "1e309"}},
                          .slice_width = "1",
                          .beam_pitch = "1",
                          .rotations = "3",
                          .multiple_scan_message = kOverflow,
                          .helical_message = kOverflow},
        HostileParameters{.name = "DosesSummingBeyondTheDoubleRange",
                          .rows = {{"0", "1e308"}, {"1", "1e308"}},
                          .slice_width = "0.5",
                          .beam_pitch = "1",
                          .rotations = "3",
                          .multiple_scan_message = kOverflow,
                          .helical_message = kOverflow},
        HostileParameters{.name = "PositionsBeyondTheDoubleRange",
                          .rows = {{"0", "1"}, {"1e308", "2"}},
                          .slice_width = "5e307",
                          .beam_pitch = "1",
                          .rotations = "1",
                          .multiple_scan_message = kOverflow,
                          .helical_message = kOverflow}),
    [](const ::testing::TestParamInfo<HostileParameters>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace
}  // namespace quorvane
