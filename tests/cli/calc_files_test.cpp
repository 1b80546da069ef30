// quorvane-calc with the options that fit shell habits, run as a script
// would: unknown options, "--", output files written whole or not at all,
// CSV, and several profiles in one call.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "accumulation/profile_csv.h"
#include "accumulation/scan_actions.h"
#include "cli/process.h"
#include "profile_io/load_profile_file.h"
#include "support/temp_folder.h"
#include "workspace/memory_workspace.h"

namespace quorvane {
namespace {

using test_support::ProcessResult;
using test_support::TempFolder;

ProcessResult Calc(const std::vector<std::string>& arguments, const std::string& locale = "C",
                   const std::string& working_folder = "") {
  return test_support::RunProcess(QUORVANE_CALC_PATH, arguments, "", {{"LC_ALL", locale}},
                                  working_folder);
}

std::string Example(const char* name) {
  return (test_support::SourceFolder() / "examples" / name).string();
}

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Header 1 x 1 mm; CalMS over 3 rotations at pitch 1 gives 1, 3, 4, 3, 1.
constexpr char kThreePoints[] = "1\t1\n0\t1\n1\t2\n2\t1\n";
constexpr char kUsage[] =
    "usage: quorvane-calc {draw|ms|hs} [OPTION]... [--] FILE...\n"
    "       quorvane-calc ACTION --help   lists the options of an action\n";

TEST(QuorvaneCalcOptions, UnknownShortAndLongOptionsAreNamed) {
  const std::string file = Example("axial_4x5mm_header.txt");
  const struct {
    std::vector<std::string> arguments;
    const char* problem;
  } cases[] = {
      {{"ms", file, "-p", "1.5"}, "unknown option '-p'"},
      {{"hs", "-q", file}, "unknown option '-q'"},
      {{"ms", file, "--beam-pitch", "1.5"}, "unknown option '--beam-pitch'"},
      {{"draw", file, "--rotations=3"}, "draw takes no option ('--rotations')"},
  };
  for (const auto& c : cases) {
    const ProcessResult r = Calc(c.arguments);
    EXPECT_EQ(r.status, 2) << c.problem;
    EXPECT_EQ(r.err, "quorvane-calc: " + std::string(c.problem) + "\n" + kUsage);
    EXPECT_EQ(r.out, "");
  }
}

TEST(QuorvaneCalcOptions, DoubleDashBeforeAFileNamedLikeAnOption) {
  const TempFolder folder;
  folder.Write("-x", kThreePoints);
  const std::vector<std::string> options = {"ms", "--pitch", "1", "--rotations", "3", "--summary"};
  std::vector<std::string> ended = options;
  ended.insert(ended.end(), {"--", "-x"});
  const ProcessResult r = Calc(ended, "C", folder.path().string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "PeakValue\t4\nFWHM(mm)\t2\n");
  std::vector<std::string> not_ended = options;
  not_ended.push_back("-x");
  const ProcessResult refused = Calc(not_ended, "C", folder.path().string());
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "quorvane-calc: unknown option '-x'\n" + std::string(kUsage));
}

TEST(QuorvaneCalcOptions, OutputFileHoldsWhatStandardOutputWould) {
  const TempFolder folder;
  const std::string file = Example("axial_4x5mm_header.txt");
  const ProcessResult printed = Calc({"ms", file});
  const std::string target = folder.PathOf("profile.tsv");
  folder.Write("profile.tsv", "an older result");
  const ProcessResult written = Calc({"ms", file, "-o", target});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(Contents(target), printed.out);
  EXPECT_EQ(Names(folder.path()), std::set<std::string>{"profile.tsv"});  // no temporary left
  const ProcessResult summary = Calc({"draw", file, "--output=" + folder.PathOf("s.txt")});
  EXPECT_EQ(Contents(folder.PathOf("s.txt")), "PeakValue\t24.6\nFWHM(mm)\t20\n");
}

// A failure leaves the target as it was and no partial or temporary file:
// an action's error (its message exactly as without -o), and writes that
// fail (tests run as root, so a target that is a folder and a target below
// a regular file stand for a folder that cannot be written).
TEST(QuorvaneCalcOptions, OutputFileUntouchedAfterAFailure) {
  const TempFolder folder;
  const std::string file = Example("axial_4x5mm_header.txt");
  const std::string existing = folder.Write("result.tsv", "kept");
  const ProcessResult action_error = Calc({"ms", file, "--rotations", "0", "-o", existing});
  EXPECT_EQ(action_error.status, 1);
  EXPECT_EQ(action_error.err, "回転数 (0) は 1 以上でなければなりません.\n");
  EXPECT_EQ(Contents(existing), "kept");

  std::filesystem::create_directory(folder.path() / "taken");
  folder.Write("taken/inside.txt", "inside");
  const std::string taken = folder.PathOf("taken");
  const ProcessResult folder_target = Calc({"ms", file, "-o", taken});
  EXPECT_EQ(folder_target.status, 1);
  EXPECT_EQ(folder_target.err, "quorvane-calc: cannot write '" + taken + "': Is a directory\n");
  EXPECT_EQ(folder_target.out, "");
  EXPECT_EQ(Names(taken), std::set<std::string>{"inside.txt"});

  const std::string below_file = existing + "/profile.tsv";
  const ProcessResult no_folder = Calc({"ms", file, "-o", below_file});
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_EQ(no_folder.err, "quorvane-calc: cannot write '" + below_file + "': Not a directory\n");
  EXPECT_EQ(Contents(existing), "kept");
  EXPECT_EQ(Names(folder.path()), (std::set<std::string>{"result.tsv", "taken"}));
}

// The window saves the CSV of the profile text its CalMS put on the
// clipboard (ProfileTextAsCsv); the program writes the same bytes.
TEST(QuorvaneCalcOptions, CsvIsTheWindowsCsv) {
  const std::string file = Example("axial_4x5mm_header.txt");
  MemoryWorkspace window;
  LoadProfileFile(window, file);
  RunMultipleScanAction(window);
  const ProcessResult r = Calc({"ms", file, "--format", "csv"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, ProfileTextAsCsv(window.clipboard_text(), window.number_format()));
  EXPECT_TRUE(r.out.starts_with("position_mm,dose\n-120,0.0307\n-119.75,0.032\n")) << r.out;
}

// A comma locale reads the profile and the options with commas and writes
// the profile text with them; the CSV stays the same.
TEST(QuorvaneCalcOptions, CsvIsTheSameInEveryLocale) {
  const TempFolder folder;
  const std::string point = folder.Write("point.txt", "0.5\t4\n0\t1\n0.5\t2\n1\t1\n");
  const std::string comma = folder.Write("comma.txt", "0,5\t4\n0\t1\n0,5\t2\n1\t1\n");
  const ProcessResult c =
      Calc({"ms", point, "--rotations", "2", "--pitch", "0.25", "--format=csv"});
  EXPECT_EQ(c.status, 0) << c.err;
  EXPECT_EQ(c.out, "position_mm,dose\n-0.75,1\n-0.25,3\n0.25,3\n0.75,1\n");
  const ProcessResult german =
      Calc({"ms", comma, "--rotations", "2", "--pitch", "0,25", "--format", "csv"}, "de_DE.UTF-8");
  EXPECT_EQ(german.status, 0) << german.err;
  EXPECT_EQ(german.out, c.out);
}

// CSV lines follow the clipboard's lines, also where the positions descend
// and the plotted curve runs the other way.
TEST(QuorvaneCalcOptions, CsvKeepsTheOrderOfTheProfileText) {
  const TempFolder folder;
  const struct {
    const char* profile;
    const char* pitch;
  } cases[] = {{kThreePoints, "1"}, {"1\t1\n2\t1\n1\t2\n0\t1\n", "-1"}};
  for (const auto& c : cases) {
    const std::string file = folder.Write("p.txt", c.profile);
    const std::vector<std::string> arguments = {"ms", file, "--rotations", "3", "--pitch", c.pitch};
    const ProcessResult tsv = Calc(arguments);
    std::vector<std::string> csv_arguments = arguments;
    csv_arguments.insert(csv_arguments.end(), {"--format", "csv"});
    const ProcessResult csv = Calc(csv_arguments);
    ASSERT_EQ(tsv.status, 0) << tsv.err;
    std::string expected = "position_mm,dose\n";
    for (const char character : tsv.out) {
      if (character != '\r') expected += character == '\t' ? ',' : character;
    }
    EXPECT_EQ(csv.out, expected) << c.profile;
  }
}

// Each block is exactly the file's own run, headed by its path.
TEST(QuorvaneCalcFiles, ThreeFilesWithABadOneInTheMiddle) {
  const TempFolder folder;
  const std::string good = folder.Write("good.txt", kThreePoints);
  const std::string bad = folder.Write("bad.txt", "1\t1\n0\t1\n1\tx\n2\t1\n");
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::vector<std::string> options = {"--summary", "--rotations", "3", "--pitch", "1"};
  auto run = [&](std::vector<std::string> files) {
    files.insert(files.begin(), "ms");
    files.insert(files.end(), options.begin(), options.end());
    return Calc(files);
  };
  const ProcessResult r = run({good, bad, axial});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "file\t" + good + "\nPeakValue\t4\nFWHM(mm)\t2\nfile\t" + axial + "\n" +
                       run({axial}).out);
  EXPECT_EQ(r.err, bad + ": 'x' は浮動小数点数ではありません.\n");
  const ProcessResult all_good = Calc({"draw", good, axial});
  EXPECT_EQ(all_good.status, 0);
  EXPECT_EQ(all_good.out, "file\t" + good + "\n" + Calc({"draw", good}).out + "file\t" + axial +
                              "\nPeakValue\t24.6\nFWHM(mm)\t20\n");
}

TEST(QuorvaneCalcFiles, OutputFolderHoldsOneProfileFilePerInput) {
  const TempFolder folder;
  const std::string three = folder.Write("three.txt", kThreePoints);
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::string missing = folder.PathOf("missing.dat");
  const std::string out = folder.PathOf("out/profiles");  // made as needed
  const struct {
    std::vector<std::string> options;
    std::string suffix;
  } cases[] = {
      {{"ms"}, ".ms.tsv"},
      {{"ms", "--format", "csv"}, ".ms.csv"},
      {{"hs", "--format=tsv"}, ".hs.tsv"},
      {{"hs", "--format", "csv"}, ".hs.csv"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(), {three, missing, axial, "--output-dir", out});
    const ProcessResult r = Calc(arguments);
    EXPECT_EQ(r.status, 1) << c.suffix;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, missing + ": ファイルが見つかりません.\n");
    for (const std::string& file : {three, axial}) {
      std::vector<std::string> alone = c.options;
      alone.push_back(file);
      const std::string stem = std::filesystem::path(file).stem().string();
      EXPECT_EQ(Contents(std::filesystem::path(out) / (stem + c.suffix)), Calc(alone).out)
          << stem << c.suffix;
    }
  }
  EXPECT_EQ(Names(out),
            (std::set<std::string>{"three.ms.tsv", "three.ms.csv", "three.hs.tsv", "three.hs.csv",
                                   "axial_4x5mm_header.ms.tsv", "axial_4x5mm_header.ms.csv",
                                   "axial_4x5mm_header.hs.tsv", "axial_4x5mm_header.hs.csv"}));
}

TEST(QuorvaneCalcFiles, SeveralSummariesIntoOneOutputFile) {
  const TempFolder folder;
  const std::string three = folder.Write("three.txt", kThreePoints);
  const std::string axial = Example("axial_4x5mm_header.txt");
  const std::string target = folder.PathOf("summaries.tsv");
  const ProcessResult r = Calc({"draw", three, axial, "-o", target});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Contents(target), Calc({"draw", three, axial}).out);
}

}  // namespace
}  // namespace quorvane
