#include "cli/calc_help.h"

#include "cli/readout_keys.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace quorvane::cli {
namespace {

enum Takers { kAllActions, kScansOnly, kProgramOnly };

struct OptionLine {
  std::string_view synopsis;
  std::string_view text;  // continued lines after "\n"
  Takers takers;
};

constexpr OptionLine kOptionLines[] = {
    {"--slice-width TEXT", "slice width in mm (default: from the header line, else\nempty)",
     kAllActions},
    {"--slice-number TEXT", "slice number (default: from the header line, else empty)",
     kAllActions},
    {"--pitch TEXT", "beam pitch (default 1.0)", kAllActions},
    {"--readouts",
     "print the dosimetric readouts instead: section.key TAB\nvalue lines, then note TAB text "
     "lines (see below)",
     kAllActions},
    {"--json", "print the readouts as one JSON object per FILE and line", kAllActions},
    {"-o, --output FILE",
     "write what would go to standard output to FILE instead;\nFILE is replaced whole, or left "
     "as it was after an error",
     kAllActions},
    {"-h, --help", "print this text", kAllActions},
    {"--version", "print the version", kProgramOnly},
    {"--rotations TEXT", "number of rotations, an integer (default 10)", kScansOnly},
    {"--summary", "print the peak and FWHM of the accumulated profile\ninstead of the profile",
     kScansOnly},
    {"--format tsv|csv",
     "write the accumulated profile as the clipboard text (tsv,\nthe default) or as CSV "
     "(position_mm,dose header, \".\"\ndecimal point, LF)",
     kScansOnly},
    {"--output-dir DIR",
     "write each FILE's accumulated profile to DIR/STEM.ms.tsv\n(.hs.tsv, .ms.csv, .hs.csv), "
     "one file per FILE",
     kScansOnly},
};

constexpr std::size_t kTextColumn = 23;

std::string FormatOptionLine(const OptionLine& line) {
  std::string text = "  " + std::string(line.synopsis);
  text.append(kTextColumn > text.size() + 1 ? kTextColumn - text.size() : 1, ' ');
  for (const char c : line.text) {
    text += c;
    if (c == '\n') text.append(kTextColumn, ' ');
  }
  return text + "\n";
}

std::string OptionLines(std::initializer_list<Takers> takers) {
  std::string text;
  for (const OptionLine& line : kOptionLines) {
    if (std::find(takers.begin(), takers.end(), line.takers) != takers.end()) {
      text += FormatOptionLine(line);
    }
  }
  return text;
}

constexpr std::string_view kLoading =
    "Loads each single-rotation dose profile FILE (position in mm, TAB, dose rate in\n"
    "mGy/s, one sample per line, optionally headed by a slice width, TAB, slice number\n"
    "line) as the window's \"Load\" does, types the option texts into their fields (so\n"
    "an option overrides a header line), then runs the action as a fresh window would.\n"
    "Several FILEs run one after another, each on its own, with the same options.\n";

constexpr std::string_view kFiles =
    "FILE     a profile file; - reads standard input; after -- every argument is a FILE\n";

constexpr std::string_view kOutputs =
    "The accumulated profile is printed as the clipboard receives it: centred position,\n"
    "TAB, dose, CR LF per sample. Peak and FWHM are printed as \"PeakValue\", TAB, value and\n"
    "\"FWHM(mm)\", TAB, value lines. Numbers use the decimal separator of the locale\n"
    "(LC_ALL, LC_NUMERIC, LANG), except in CSV and JSON, which use \".\".\n"
    "\n"
    "With several FILEs, each FILE's peak and FWHM or readouts follow a line\n"
    "\"file\", TAB, path; JSON objects carry the path as \"file\"; the accumulated\n"
    "profiles need --output-dir. An error prints its message on standard error (after\n"
    "\"path: \" when there are several FILEs) and the other FILEs go on.\n"
    "\n"
    "Exit status: 0 when every FILE succeeded, 1 when any failed (or an output could\n"
    "not be written), 2 for a usage error.\n";

constexpr std::string_view kReadouts =
    "Readouts: --readouts prints \"section.key\", TAB, value lines (empty where\n"
    "unavailable), then \"note\", TAB, \"section.key: note\" lines; --json prints\n"
    "{\"file\": ..., \"measured\": {...}, \"accumulated\": {...}, \"notes\": [...]}, numbers as\n"
    "the shortest text that reads back as the same double, null where unavailable.\n"
    "Integrals are of the straight lines between samples, over an interval clipped to\n"
    "the measured range; c = centre_interpolated, W = slice width x slice number,\n"
    "p = beam pitch, step = table increment (ms) or feed per rotation (hs).\n\n";

std::string_view ActionName(CalcAction action) {
  switch (action) {
    case CalcAction::kDraw:
      return "draw";
    case CalcAction::kMultipleScans:
      return "ms";
    case CalcAction::kHelicalScan:
      return "hs";
  }
  return "";
}

std::string_view ActionPurpose(CalcAction action) {
  switch (action) {
    case CalcAction::kDraw:
      return "measure the profile; print its peak and FWHM";
    case CalcAction::kMultipleScans:
      return "\"CalMS\": accumulate a series of axial scans; print the accumulated profile";
    case CalcAction::kHelicalScan:
      return "\"CalHS\": accumulate a helical scan; print the accumulated profile";
  }
  return "";
}

}  // namespace

std::string HelpText() {
  std::string text = "usage: quorvane-calc {draw|ms|hs} [OPTION]... [--] FILE...\n\n" +
                     std::string(kLoading) +
                     "\nactions (quorvane-calc ACTION --help lists the options of one):\n";
  for (const CalcAction action :
       {CalcAction::kDraw, CalcAction::kMultipleScans, CalcAction::kHelicalScan}) {
    text += "  " + std::string(ActionName(action)) +
            std::string(7 - ActionName(action).size(), ' ') + std::string(ActionPurpose(action)) +
            "\n";
  }
  text += "\n" + std::string(kFiles) + "\noptions:\n" + OptionLines({kAllActions, kProgramOnly}) +
          "\noptions of ms and hs:\n" + OptionLines({kScansOnly}) + "\n" + std::string(kOutputs) +
          "\n" + std::string(kReadouts) + ReadoutKeysText(true);
  return text;
}

std::string ActionHelpText(CalcAction action) {
  const std::string name(ActionName(action));
  return "usage: quorvane-calc " + name + " [OPTION]... [--] FILE...\n\n" + name + ": " +
         std::string(ActionPurpose(action)) + "\n\n" + std::string(kLoading) + "\n" +
         std::string(kFiles) + "\noptions:\n" +
         (action == CalcAction::kDraw ? OptionLines({kAllActions})
                                      : OptionLines({kAllActions, kScansOnly})) +
         "\n" + std::string(kOutputs) + "\n" + std::string(kReadouts) +
         ReadoutKeysText(action != CalcAction::kDraw);
}

}  // namespace quorvane::cli
