// quorvane-calc --readouts and --json, run as a script would: every value
// the program prints is the core's readout, in number text for the lines
// and as the same double in JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "accumulation/scan_actions.h"
#include "analysis/measured_profile.h"
#include "cli/process.h"
#include "numbers/number_format.h"
#include "numbers/number_text.h"
#include "profile_io/load_profile_file.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/measured_readouts.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using Json = nlohmann::ordered_json;
using test_support::ProcessResult;
using test_support::TempFolder;

ProcessResult Calc(const std::vector<std::string>& arguments, const std::string& locale = "C") {
  return test_support::RunProcess(QUORVANE_CALC_PATH, arguments, "", {{"LC_ALL", locale}});
}

std::string Example(const char* name) {
  return (test_support::SourceFolder() / "examples" / name).string();
}

enum class Action { kDraw, kMultipleScans, kHelicalScan };

// The core's tables for a file, as a fresh window gives them after Load,
// the typed texts and the action.
struct CoreReadouts {
  ReadoutTable measured;
  std::optional<ReadoutTable> accumulated;
};

CoreReadouts CoreTables(const std::string& file, Action action,
                        const std::vector<std::pair<Field, std::string>>& texts = {},
                        const NumberFormat& format = NumberFormat()) {
  MemoryWorkspace window(format);
  MeasuredProfile measured = LoadProfileFile(window, file).value();
  for (const auto& [field, text] : texts) window.SetFieldText(field, text);
  CoreReadouts core;
  if (action == Action::kMultipleScans)
    core.accumulated = AccumulatedReadouts(RunMultipleScanAction(window));
  if (action == Action::kHelicalScan)
    core.accumulated = AccumulatedReadouts(RunHelicalScanAction(window));
  core.measured =
      MeasuredReadouts(measured, window.FieldText(Field::kEditSW), window.FieldText(Field::kEditSN),
                       window.FieldText(Field::kEditBP), format);
  return core;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines the core's tables should give: "section.key<TAB>number text".
std::vector<std::string> ExpectedLines(const CoreReadouts& core, const NumberFormat& format) {
  std::vector<std::string> lines;
  std::vector<std::string> notes;
  auto add = [&](const char* section, const ReadoutTable& table) {
    for (const Readout& row : table.rows) {
      const std::string value = !row.text.empty() ? row.text
                                : row.value       ? NumberText(*row.value, format)
                                                  : "";
      lines.push_back(std::string(section) + "." + row.key + "\t" + value);
    }
    for (const std::string& note : table.Notes())
      notes.push_back("note\t" + std::string(section) + "." + note);
  };
  add("measured", core.measured);
  if (core.accumulated) add("accumulated", *core.accumulated);
  lines.insert(lines.end(), notes.begin(), notes.end());
  return lines;
}

// A JSON section holds the table's keys in order, each number the same
// double as the core's readout, null where there is none.
void ExpectSection(const Json& section, const ReadoutTable& table, const std::string& name) {
  ASSERT_TRUE(section.is_object()) << name;
  ASSERT_EQ(section.size(), table.rows.size()) << name;
  auto member = section.begin();
  for (const Readout& row : table.rows) {
    EXPECT_EQ(member.key(), row.key) << name;
    if (!row.text.empty()) {
      EXPECT_EQ(member.value(), row.text) << name << "." << row.key;
    } else if (row.value) {
      ASSERT_TRUE(member.value().is_number()) << name << "." << row.key;
      EXPECT_EQ(member.value().get<double>(), *row.value) << name << "." << row.key;
    } else {
      EXPECT_TRUE(member.value().is_null()) << name << "." << row.key;
    }
    ++member;
  }
}

std::vector<std::string> AllNotes(const CoreReadouts& core) {
  std::vector<std::string> notes;
  for (const std::string& note : core.measured.Notes()) notes.push_back("measured." + note);
  if (core.accumulated) {
    for (const std::string& note : core.accumulated->Notes())
      notes.push_back("accumulated." + note);
  }
  return notes;
}

void ExpectJson(const std::string& line, const std::string& file, const CoreReadouts& core) {
  const Json object = Json::parse(line);
  std::vector<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.push_back(key);
  const std::vector<std::string> expected_keys =
      core.accumulated ? std::vector<std::string>{"file", "measured", "accumulated", "notes"}
                       : std::vector<std::string>{"file", "measured", "notes"};
  EXPECT_EQ(keys, expected_keys);
  EXPECT_EQ(object["file"], file);
  ExpectSection(object["measured"], core.measured, "measured");
  if (core.accumulated) ExpectSection(object["accumulated"], *core.accumulated, "accumulated");
  EXPECT_EQ(object["notes"].get<std::vector<std::string>>(), AllNotes(core));
}

TEST(QuorvaneCalcReadouts, LinesAreTheCoresReadoutsInNumberText) {
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::string helical = Example("helical_16x0.625mm_noheader.txt");
  const struct {
    std::vector<std::string> arguments;
    Action action;
    std::vector<std::pair<Field, std::string>> texts;
  } cases[] = {
      {{"draw", axial, "--readouts"}, Action::kDraw, {}},
      {{"draw", helical, "--readouts"}, Action::kDraw, {}},  // no width: empty values, notes
      {{"ms", axial, "--readouts", "--pitch", "1.5"},
       Action::kMultipleScans,
       {{Field::kEditBP, "1.5"}}},
      {{"hs", helical, "--slice-width", "0.625", "--slice-number", "16", "--pitch", "1.5",
        "--readouts"},
       Action::kHelicalScan,
       {{Field::kEditSW, "0.625"}, {Field::kEditSN, "16"}, {Field::kEditBP, "1.5"}}},
  };
  for (const auto& c : cases) {
    const ProcessResult r = Calc(c.arguments);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              ExpectedLines(CoreTables(c.arguments[1], c.action, c.texts), NumberFormat()))
        << c.arguments[0] << " " << c.arguments[1];
  }
  // A few values by hand: the example's header gives 4 x 5 mm.
  const std::vector<std::string> lines = Lines(Calc({"draw", axial, "--readouts"}).out);
  EXPECT_EQ(lines[0], "measured.peak\t24.6");
  EXPECT_EQ(lines[1], "measured.fwhm\t20");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "measured.nominal_beam_width\t20"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "measured.pitch\t1"), lines.end());
}

TEST(QuorvaneCalcReadouts, JsonNumbersAreTheCoresDoubles) {
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::string helical = Example("helical_16x0.625mm_noheader.txt");
  const ProcessResult draw = Calc({"draw", axial, "--json"});
  ASSERT_EQ(draw.status, 0) << draw.err;
  ExpectJson(draw.out, axial, CoreTables(axial, Action::kDraw));
  const ProcessResult ms = Calc({"ms", axial, "--readouts", "--json", "--rotations", "12"});
  ASSERT_EQ(ms.status, 0) << ms.err;
  ExpectJson(ms.out, axial, CoreTables(axial, Action::kMultipleScans, {{Field::kEditnRot, "12"}}));
  const ProcessResult hs =
      Calc({"hs", helical, "--json", "--slice-width=0.625", "--slice-number=16", "--pitch=1.5"});
  ASSERT_EQ(hs.status, 0) << hs.err;
  ExpectJson(
      hs.out, helical,
      CoreTables(helical, Action::kHelicalScan,
                 {{Field::kEditSW, "0.625"}, {Field::kEditSN, "16"}, {Field::kEditBP, "1.5"}}));
  EXPECT_EQ(std::count(hs.out.begin(), hs.out.end(), '\n'), 1);
  EXPECT_TRUE(hs.out.ends_with("\n"));
}

// The typed texts, not the header's, give W and p; a comma locale writes
// the lines with commas and leaves JSON alone.
TEST(QuorvaneCalcReadouts, TypedTextsAndTheLocale) {
  const TempFolder folder;
  const std::string comma = folder.Write("comma.txt", "0,5\t4\n0\t1\n0,5\t2\n1\t1\n");
  const std::vector<std::pair<Field, std::string>> texts = {{Field::kEditSW, "1,5"},
                                                            {Field::kEditBP, "0,75"}};
  const NumberFormat comma_format = NumberFormat::FromLocaleSetting(",");
  const ProcessResult lines =
      Calc({"draw", comma, "--slice-width", "1,5", "--pitch", "0,75", "--readouts"}, "de_DE.UTF-8");
  ASSERT_EQ(lines.status, 0) << lines.err;
  EXPECT_EQ(Lines(lines.out),
            ExpectedLines(CoreTables(comma, Action::kDraw, texts, comma_format), comma_format));
  const std::vector<std::string> out = Lines(lines.out);
  EXPECT_NE(std::find(out.begin(), out.end(), "measured.nominal_beam_width\t6"), out.end());
  EXPECT_NE(std::find(out.begin(), out.end(), "measured.pitch\t0,75"), out.end());
  const ProcessResult json =
      Calc({"draw", comma, "--slice-width", "1,5", "--pitch", "0,75", "--json"}, "de_DE.UTF-8");
  const Json object = Json::parse(json.out);
  EXPECT_EQ(object["measured"]["pitch"].get<double>(), 0.75);
  EXPECT_NE(json.out.find("\"pitch\":0.75"), std::string::npos) << json.out;
}

// One JSON line per good file, each with its path; readouts blocks headed by
// the file's line; the bad file named on standard error.
TEST(QuorvaneCalcReadouts, SeveralFilesAsJsonLinesAndBlocks) {
  const TempFolder folder;
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::string wide = Example("wide_64x0.5mm_crlf.txt");
  const std::string bad = folder.Write("bad.txt", "1\t1\n0\tx\n");
  const ProcessResult json = Calc({"ms", axial, bad, wide, "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.err, bad + ": 'x' は浮動小数点数ではありません.\n");
  const std::vector<std::string> lines = Lines(json.out);
  ASSERT_EQ(lines.size(), 2u);
  ExpectJson(lines[0], axial, CoreTables(axial, Action::kMultipleScans));
  ExpectJson(lines[1], wide, CoreTables(wide, Action::kMultipleScans));

  const ProcessResult blocks = Calc({"draw", axial, wide, "--readouts"});
  EXPECT_EQ(blocks.status, 0) << blocks.err;
  EXPECT_EQ(blocks.out, "file\t" + axial + "\n" + Calc({"draw", axial, "--readouts"}).out +
                            "file\t" + wide + "\n" + Calc({"draw", wide, "--readouts"}).out);
}

// --help names every key the tables hold, each on a line of its own with
// its unit, and no other.
TEST(QuorvaneCalcReadouts, HelpListsEveryKeyWithItsUnit) {
  const std::string axial = Example("axial_4x5mm_header.txt");
  std::map<std::string, std::string> units;  // "section.key" -> unit
  const CoreReadouts ms = CoreTables(axial, Action::kMultipleScans);
  const CoreReadouts hs = CoreTables(axial, Action::kHelicalScan);
  for (const Readout& row : ms.measured.rows) units["measured." + row.key] = row.unit;
  for (const ReadoutTable* table : {&*ms.accumulated, &*hs.accumulated}) {
    for (const Readout& row : table->rows) units["accumulated." + row.key] = row.unit;
  }
  std::map<std::string, std::string> listed;
  for (const std::string& line : Lines(Calc({"--help"}).out)) {
    std::istringstream words(line);
    std::string key;
    std::string unit;
    words >> key;
    if (!key.starts_with("measured.") && !key.starts_with("accumulated.")) continue;
    if (units.count(key) && units[key].empty()) {
      listed[key] = "";
      continue;
    }
    words >> unit;
    listed[key] = unit;
  }
  EXPECT_EQ(listed, units);
}

}  // namespace
}  // namespace quorvane
