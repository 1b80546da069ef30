#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/printers.h"

namespace quorvane::cli {

// Printers for the command line's enumerations, in their namespace, where
// GoogleTest finds them.
void PrintTo(CalcAction action, std::ostream* out) {
  switch (action) {
    case CalcAction::kDraw:
      *out << "kDraw";
      return;
    case CalcAction::kMultipleScans:
      *out << "kMultipleScans";
      return;
    case CalcAction::kHelicalScan:
      *out << "kHelicalScan";
      return;
  }
  *out << "CalcAction(" << static_cast<int>(action) << ")";
}

void PrintTo(ParsedCommandLine::Kind kind, std::ostream* out) {
  switch (kind) {
    case ParsedCommandLine::Kind::kRun:
      *out << "kRun";
      return;
    case ParsedCommandLine::Kind::kHelp:
      *out << "kHelp";
      return;
    case ParsedCommandLine::Kind::kVersion:
      *out << "kVersion";
      return;
    case ParsedCommandLine::Kind::kUsageError:
      *out << "kUsageError";
      return;
  }
  *out << "Kind(" << static_cast<int>(kind) << ")";
}

namespace {

using Kind = ParsedCommandLine::Kind;
using FieldTexts = std::vector<std::pair<Field, std::string>>;

TEST(ParseCommandLine, ActionsFilesAndFieldTexts) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"hs", "--pitch", "-1", "p.txt", "--rotations=$A", "--slice-width=", "--summary"});
  ASSERT_EQ(parsed.kind, Kind::kRun) << parsed.problem;
  EXPECT_EQ(parsed.command.action, CalcAction::kHelicalScan);
  EXPECT_EQ(parsed.command.files, std::vector<std::string>{"p.txt"});
  EXPECT_TRUE(parsed.command.summary);
  const FieldTexts texts = {{Field::kEditBP, "-1"}, {Field::kEditnRot, "$A"}, {Field::kEditSW, ""}};
  EXPECT_EQ(parsed.command.field_texts, texts);

  EXPECT_EQ(ParseCommandLine({"draw", "-"}).command.files, std::vector<std::string>{"-"});
  EXPECT_EQ(ParseCommandLine({"ms", "f", "--help"}).kind, Kind::kHelp);
  EXPECT_EQ(ParseCommandLine({"--version"}).kind, Kind::kVersion);
}

// Each text is taken whole, whatever it looks like, and an option given
// twice is typed twice, the later text staying in the field.
TEST(ParseCommandLine, TextsAreTakenAsGivenInTheirOrder) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"ms", "--pitch", "--summary", "a", "--slice-number", "", "b", "--pitch=", "--slice-width",
       "--", "--slice-number=x=y", "--output-dir", "o"});
  ASSERT_EQ(parsed.kind, Kind::kRun) << parsed.problem;
  const FieldTexts texts = {{Field::kEditBP, "--summary"},
                            {Field::kEditSN, ""},
                            {Field::kEditBP, ""},
                            {Field::kEditSW, "--"},
                            {Field::kEditSN, "x=y"}};
  EXPECT_EQ(parsed.command.field_texts, texts);
  EXPECT_EQ(parsed.command.files, (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(parsed.command.summary);
  EXPECT_EQ(parsed.command.output_folder, "o");
}

TEST(ParseCommandLine, DoubleDashEndsTheOptions) {
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> files;
  } cases[] = {
      {{"draw", "--", "-x"}, {"-x"}},
      {{"draw", "a", "--", "--pitch", "--", "-h"}, {"a", "--pitch", "--", "-h"}},
      {{"draw", "--pitch", "2", "--", "--json"}, {"--json"}},
      {{"draw", "ms", "hs"}, {"ms", "hs"}},  // an action's name after the action is a file
      {{"draw", "-1", "-"}, {"-1", "-"}},    // "-1" is no option; "-" is standard input
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
    ASSERT_EQ(parsed.kind, Kind::kRun) << parsed.problem;
    EXPECT_EQ(parsed.command.files, c.files) << c.arguments[1];
    EXPECT_FALSE(parsed.command.json);
  }
}

TEST(ParseCommandLine, OutputsAndTheirOptions) {
  const ParsedCommandLine csv =
      ParseCommandLine({"ms", "a", "b", "--format", "csv", "--output-dir", "out"});
  ASSERT_EQ(csv.kind, Kind::kRun) << csv.problem;
  EXPECT_EQ(csv.command.Output(), CalcOutput::kProfile);
  EXPECT_EQ(csv.command.format, ProfileFormat::kCsv);
  const ParsedCommandLine json = ParseCommandLine({"draw", "a", "b", "--json", "-o", "r.jsonl"});
  ASSERT_EQ(json.kind, Kind::kRun) << json.problem;
  EXPECT_EQ(json.command.Output(), CalcOutput::kJson);
  EXPECT_EQ(json.command.output, "r.jsonl");
  EXPECT_EQ(ParseCommandLine({"draw", "a"}).command.Output(), CalcOutput::kSummary);
  EXPECT_EQ(ParseCommandLine({"hs", "a", "--readouts"}).command.Output(), CalcOutput::kReadouts);
  EXPECT_EQ(ParseCommandLine({"hs", "a", "-oout.txt"}).command.output, "out.txt");
}

TEST(ParseCommandLine, HelpForTheProgramAndForEachAction) {
  const ParsedCommandLine program = ParseCommandLine({"--help"});
  ASSERT_EQ(program.kind, Kind::kHelp);
  EXPECT_TRUE(program.help.starts_with("usage: quorvane-calc {draw|ms|hs}")) << program.help;
  const ParsedCommandLine draw = ParseCommandLine({"draw", "-h"});
  ASSERT_EQ(draw.kind, Kind::kHelp);
  EXPECT_TRUE(draw.help.starts_with("usage: quorvane-calc draw ")) << draw.help;
  EXPECT_EQ(draw.help.find("--rotations"), std::string::npos);
  const ParsedCommandLine hs = ParseCommandLine({"hs", "a", "--help"});
  ASSERT_EQ(hs.kind, Kind::kHelp);
  EXPECT_TRUE(hs.help.starts_with("usage: quorvane-calc hs ")) << hs.help;
  EXPECT_NE(hs.help.find("--rotations TEXT"), std::string::npos);
}

TEST(ParseCommandLine, UsageErrors) {
  const struct {
    std::vector<std::string> arguments;
    const char* problem;
  } cases[] = {
      {{}, "no action given"},
      {{"--json"}, "no action given"},
      {{"calms", "f"}, "unknown action 'calms'"},
      {{"--pitch", "2", "ms", "f"}, "option '--pitch' before the action"},
      {{"ms"}, "no profile file given"},
      {{"ms", "--"}, "no profile file given"},
      {{"ms", "f", "-p", "1.5"}, "unknown option '-p'"},
      {{"ms", "f", "-xyz"}, "unknown option '-x'"},
      {{"ms", "f", "--beam-pitch=2"}, "unknown option '--beam-pitch'"},
      {{"ms", "f", "--version"}, "unknown option '--version'"},
      {{"draw", "f", "--summary"}, "draw takes no option ('--summary')"},
      {{"draw", "f", "--rotations=2"}, "draw takes no option ('--rotations')"},
      {{"ms", "f", "--pitch"}, "option '--pitch' needs a text"},
      {{"ms", "f", "-o"}, "option '-o' needs a text"},
      {{"ms", "f", "--summary=yes"}, "option '--summary' takes no text"},
      {{"ms", "f", "--format", "xls"}, "--format takes tsv or csv, not 'xls'"},
      {{"ms", "f", "--summary", "--json"},
       "--summary cannot be combined with --readouts or --json"},
      {{"ms", "f", "-o", "a", "--output-dir", "b"}, "-o and --output-dir exclude each other"},
      {{"ms", "f", "--readouts", "--format", "tsv"},
       "--format applies to the accumulated profile only"},
      {{"hs", "f", "--summary", "--output-dir", "d"},
       "--output-dir applies to the accumulated profile only; use -o FILE"},
      {{"draw", "-", "x", "-"}, "standard input '-' given more than once"},
      {{"ms", "a", "b"}, "several files give several profiles: add --output-dir DIR"},
      {{"ms", "a", "b", "-o", "both.tsv"},
       "several files give several profiles: add --output-dir DIR"},
      {{"ms", "-", "--output-dir", "d"}, "standard input '-' has no name for --output-dir"},
      {{"ms", "x/p.txt", "y/p.dat", "--output-dir", "d"},
       "'x/p.txt' and 'y/p.dat' would both be written to 'd/p.ms.tsv'"},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
    EXPECT_EQ(parsed.kind, Kind::kUsageError) << c.problem;
    EXPECT_EQ(parsed.problem, c.problem);
  }
}

}  // namespace
}  // namespace quorvane::cli
