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

TEST(ParseCommandLine, ActionsFileAndFieldTexts) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"hs", "--pitch", "-1", "p.txt", "--rotations=$A", "--slice-width=", "--summary"});
  ASSERT_EQ(parsed.kind, Kind::kRun) << parsed.problem;
  EXPECT_EQ(parsed.command.action, CalcAction::kHelicalScan);
  EXPECT_EQ(parsed.command.file, "p.txt");
  EXPECT_TRUE(parsed.command.summary);
  const std::vector<std::pair<Field, std::string>> texts = {
      {Field::kEditBP, "-1"}, {Field::kEditnRot, "$A"}, {Field::kEditSW, ""}};
  EXPECT_EQ(parsed.command.field_texts, texts);

  EXPECT_EQ(ParseCommandLine({"draw", "-"}).command.file, "-");
  EXPECT_EQ(ParseCommandLine({"ms", "f", "--help"}).kind, Kind::kHelp);
  EXPECT_EQ(ParseCommandLine({"--version"}).kind, Kind::kVersion);
}

TEST(ParseCommandLine, UsageErrors) {
  const struct {
    std::vector<std::string> arguments;
    const char* problem;
  } cases[] = {
      {{}, "no action given"},
      {{"calms", "f"}, "unknown action 'calms'"},
      {{"ms"}, "no profile file given"},
      {{"ms", "a", "b"}, "more than one profile file given"},
      {{"draw", "f", "--pitch", "2"}, "draw takes no option ('--pitch')"},
      {{"ms", "f", "--pitch"}, "option '--pitch' needs a text"},
      {{"ms", "f", "--beam-pitch", "2"}, "unknown option '--beam-pitch'"},
      {{"ms", "f", "--summary=yes"}, "unknown option '--summary'"},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
    EXPECT_EQ(parsed.kind, Kind::kUsageError);
    EXPECT_EQ(parsed.problem, c.problem);
  }
}

}  // namespace
}  // namespace quorvane::cli
