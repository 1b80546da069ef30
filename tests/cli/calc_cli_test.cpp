// quorvane-calc as a script would run it: the built program on example
// files and small fixtures, its output compared byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/process.h"
#include "support/temp_folder.h"

namespace quorvane {
namespace {

using test_support::ProcessResult;
using test_support::TempFolder;

ProcessResult Calc(const std::vector<std::string>& arguments, const std::string& input = "",
                   const std::vector<std::pair<std::string, std::string>>& environment = {
                       {"LC_ALL", "C"}}) {
  return test_support::RunProcess(QUORVANE_CALC_PATH, arguments, input, environment);
}

std::string Example(const char* name) {
  return (test_support::SourceFolder() / "examples" / name).string();
}

// The worked examples as files: a header line gives the slice width and the
// slice number (a first line "0<TAB>1" would be one too: 1 is a power of two).
constexpr char kThreePoints[] = "1\t1\n0\t1\n1\t2\n2\t1\n";
constexpr char kFivePoints[] = "1\t2\n0\t1\n1\t2\n2\t4\n3\t2\n4\t1\n";

TEST(QuorvaneCalc, MultipleScanWorkedExample) {
  const TempFolder folder;
  const ProcessResult r =
      Calc({"ms", folder.Write("three.txt", kThreePoints), "--pitch", "1", "--rotations", "3"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "-2\t1\r\n-1\t3\r\n0\t4\r\n1\t3\r\n2\t1\r\n");
  EXPECT_EQ(r.err, "");
}

TEST(QuorvaneCalc, HelicalWorkedExamples) {
  const TempFolder folder;
  const std::string file = folder.Write("five.txt", kFivePoints);
  const ProcessResult pitch_one = Calc({"hs", file, "--rotations", "2", "--pitch", "1"});
  EXPECT_EQ(pitch_one.status, 0) << pitch_one.err;
  EXPECT_EQ(pitch_one.out,
            "-3.5\t0.5\r\n-2.5\t1.5\r\n-1.5\t3.5\r\n-0.5\t4.5\r\n0.5\t4.5\r\n1.5\t3.5\r\n"
            "2.5\t1.5\r\n3.5\t0.5\r\n");
  const ProcessResult summary = Calc({"hs", file, "--rotations", "2", "--summary"});
  EXPECT_EQ(summary.out, "PeakValue\t4.5\nFWHM(mm)\t3\n");
  // Pitch 1.5: each copy weighted 1/3; edges at the samples of 7/3.
  const ProcessResult pitch_one_half = Calc({"hs", file, "--rotations", "2", "--pitch", "1.5"});
  EXPECT_EQ(pitch_one_half.out,
            "-4.5\t0.333333333333333\r\n-3.5\t1\r\n-2.5\t2.33333333333333\r\n-1.5\t3\r\n"
            "-0.5\t3.33333333333333\r\n0.5\t3.33333333333333\r\n1.5\t3\r\n"
            "2.5\t2.33333333333333\r\n3.5\t1\r\n4.5\t0.333333333333333\r\n");
}

TEST(QuorvaneCalc, DrawAndSummariesOfTheExamples) {
  const struct {
    std::vector<std::string> arguments;
    const char* out;
  } cases[] = {
      {{"draw", Example("axial_4x5mm_header.txt")}, "PeakValue\t24.6\nFWHM(mm)\t20\n"},
      {{"draw", Example("wide_64x0.5mm_crlf.txt")}, "PeakValue\t31\nFWHM(mm)\t32\n"},
      {{"ms", Example("axial_4x5mm_header.txt"), "--summary"},
       "PeakValue\t25.5224\nFWHM(mm)\t200\n"},
      {{"ms", Example("axial_4x5mm_header.txt"), "--rotations", "1", "--summary"},
       "PeakValue\t24.6\nFWHM(mm)\t20\n"},
  };
  for (const auto& c : cases) {
    const ProcessResult r = Calc(c.arguments);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.arguments[0] << " " << c.arguments[1];
  }
}

TEST(QuorvaneCalc, OptionsOverrideTheHeaderLine) {
  const TempFolder folder;
  const std::string file = folder.Write("three.txt", kThreePoints);
  // Slice width 2 makes the increment 2: copies at 0, 2 and 4 give doses
  // 1, 2, 2, 2, 2, 2, 1, with edges at samples 0 and 6.
  const ProcessResult r = Calc({"ms", file, "--slice-width", "2", "--rotations", "3", "--summary"});
  EXPECT_EQ(r.out, "PeakValue\t2\nFWHM(mm)\t6\n");
}

TEST(QuorvaneCalc, EachErrorKindOnStandardErrorWithStatusOne) {
  const TempFolder folder;
  const std::string three = folder.Write("three.txt", kThreePoints);
  const std::string equal = folder.Write("equal.txt", "1\t1\n3\t1\n3\t2\n");
  const struct {
    std::vector<std::string> arguments;
    const char* err;
  } cases[] = {
      {{"ms", Example("helical_16x0.625mm_noheader.txt")}, "'' は浮動小数点数ではありません.\n"},
      {{"ms", equal}, "0 による浮動小数点数除算.\n"},
      {{"ms", equal, "--slice-width", "0"}, "不正な浮動小数点数演算命令.\n"},
      {{"ms", three, "--pitch", "1e400"}, "不正な浮動小数点数演算命令.\n"},
      {{"ms", three, "--slice-width", "1e200", "--slice-number", "1e200"},
       "浮動小数点数のオーバーフロー.\n"},
      {{"ms", three, "--rotations", "2.5"}, "'2.5' は整数ではありません.\n"},
      {{"ms", three, "--rotations", ""}, "'' は整数ではありません.\n"},
      {{"ms", three, "--rotations", "0"}, "回転数 (0) は 1 以上でなければなりません.\n"},
      {{"draw", folder.PathOf("missing.txt")}, "ファイルが見つかりません.\n"},
      {{"draw", folder.path().string()}, "I/O エラー (21)\n"},
  };
  for (const auto& c : cases) {
    const ProcessResult r = Calc(c.arguments);
    EXPECT_EQ(r.status, 1) << c.arguments[1];
    EXPECT_EQ(r.err, c.err) << c.arguments[1];
    EXPECT_EQ(r.out, "") << c.arguments[1];
  }
}

TEST(QuorvaneCalc, UsageErrorsExitWithStatusTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, {"calms", "f"}, {"draw", "f", "--summary"}, {"ms"}}) {
    const ProcessResult r = Calc(arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage: quorvane-calc"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  const ProcessResult help = Calc({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--rotations TEXT"), std::string::npos);
  EXPECT_EQ(Calc({"--version"}).out, "quorvane-calc 0.1.0\n");
}

TEST(QuorvaneCalc, StandardInputLoadsLikeAFile) {
  const ProcessResult from_input =
      Calc({"hs", "-", "--rotations", "2", "--pitch", "1", "--summary"}, kFivePoints);
  EXPECT_EQ(from_input.status, 0) << from_input.err;
  EXPECT_EQ(from_input.out, "PeakValue\t4.5\nFWHM(mm)\t3\n");
  // Without a header line the loader reads the file twice: a pipe must too.
  const ProcessResult no_header = Calc({"draw", "-"}, "0\t3\n1\t5\n2\t3\n");
  EXPECT_EQ(no_header.out, "PeakValue\t5\nFWHM(mm)\t2\n");
}

TEST(QuorvaneCalc, DecimalSeparatorComesFromTheLocale) {
  const TempFolder folder;
  const std::string comma = folder.Write("comma.txt", "0,5\t4\n0\t1\n0,5\t2\n1\t1\n");
  const ProcessResult german =
      Calc({"ms", comma, "--rotations", "2", "--pitch", "0,25"}, "", {{"LC_ALL", "de_DE.UTF-8"}});
  EXPECT_EQ(german.status, 0) << german.err;
  // Width 2 mm, spacing 0.5 mm, pitch 0.25: increment 1; doses 1, 3, 3, 1
  // centred on 0.75 mm.
  EXPECT_EQ(german.out, "-0,75\t1\r\n-0,25\t3\r\n0,25\t3\r\n0,75\t1\r\n");
  const ProcessResult numeric_only =
      Calc({"ms", comma, "--rotations", "2", "--pitch", "0,25"}, "",
           {{"LC_ALL", ""}, {"LC_NUMERIC", "fr_FR.UTF-8"}, {"LANG", "C"}});
  EXPECT_EQ(numeric_only.out, german.out) << numeric_only.err;
  const ProcessResult c_locale = Calc({"draw", comma});
  EXPECT_EQ(c_locale.err, "'0,5' は浮動小数点数ではありません.\n");
}

}  // namespace
}  // namespace quorvane
