#include "cli/calc_command.h"

#include <array>
#include <string_view>

namespace quorvane::cli {
namespace {

struct FieldOption {
  std::string_view name;
  Field field;
};

constexpr std::array<FieldOption, 4> kFieldOptions = {{
    {"--slice-width", Field::kEditSW},
    {"--slice-number", Field::kEditSN},
    {"--pitch", Field::kEditBP},
    {"--rotations", Field::kEditnRot},
}};

std::optional<CalcAction> ActionNamed(std::string_view name) {
  if (name == "draw") return CalcAction::kDraw;
  if (name == "ms") return CalcAction::kMultipleScans;
  if (name == "hs") return CalcAction::kHelicalScan;
  return std::nullopt;
}

ParsedCommandLine UsageError(std::string problem) {
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::kUsageError;
  parsed.problem = std::move(problem);
  return parsed;
}

const FieldOption* FieldOptionNamed(std::string_view name) {
  for (const FieldOption& option : kFieldOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      parsed.kind = ParsedCommandLine::Kind::kHelp;
      return parsed;
    }
    if (argument == "--version") {
      parsed.kind = ParsedCommandLine::Kind::kVersion;
      return parsed;
    }
  }
  if (arguments.empty()) return UsageError("no action given");
  const std::optional<CalcAction> action = ActionNamed(arguments[0]);
  if (!action) return UsageError("unknown action '" + arguments[0] + "'");
  parsed.command.action = *action;

  bool have_file = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool is_option = argument.size() > 2 && argument.starts_with("--");
    if (!is_option) {
      if (have_file) return UsageError("more than one profile file given");
      parsed.command.file = argument;
      have_file = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (parsed.command.action == CalcAction::kDraw) {
      return UsageError("draw takes no option ('" + name + "')");
    }
    if (name == "--summary" && equals == std::string::npos) {
      parsed.command.summary = true;
      continue;
    }
    const FieldOption* option = FieldOptionNamed(name);
    if (option == nullptr) return UsageError("unknown option '" + name + "'");
    std::string text;
    if (equals != std::string::npos) {
      text = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      text = arguments[++i];
    } else {
      return UsageError("option '" + name + "' needs a text");
    }
    parsed.command.field_texts.emplace_back(option->field, std::move(text));
  }
  if (!have_file) return UsageError("no profile file given");
  parsed.kind = ParsedCommandLine::Kind::kRun;
  return parsed;
}

std::string UsageLine() {
  return "usage: quorvane-calc {draw|ms|hs} FILE [--slice-width TEXT] [--slice-number TEXT] "
         "[--pitch TEXT] [--rotations TEXT] [--summary]";
}

std::string HelpText() {
  return UsageLine() +
         "\n"
         "\n"
         "Loads a single-rotation dose profile (position in mm, TAB, dose rate in mGy/s, one\n"
         "sample per line, optionally headed by a slice width, TAB, slice number line) as the\n"
         "window's \"Load\" does, then runs one action as a fresh window would.\n"
         "\n"
         "actions:\n"
         "  draw   measure the profile; print its peak and FWHM\n"
         "  ms     \"CalMS\": accumulate a series of axial scans; print the accumulated profile\n"
         "  hs     \"CalHS\": accumulate a helical scan; print the accumulated profile\n"
         "\n"
         "FILE     the profile file; - reads standard input\n"
         "\n"
         "options (ms and hs; each text is typed into its field after the load, so it\n"
         "overrides a header line):\n"
         "  --slice-width TEXT   slice width in mm (default: from the header line, else empty)\n"
         "  --slice-number TEXT  slice number (default: from the header line, else empty)\n"
         "  --pitch TEXT         beam pitch (default 1.0)\n"
         "  --rotations TEXT     number of rotations, an integer (default 10)\n"
         "  --summary            print the peak and FWHM of the accumulated profile instead\n"
         "                       of the profile itself\n"
         "  --help               print this text\n"
         "  --version            print the version\n"
         "\n"
         "The accumulated profile is printed as the clipboard receives it: centred position,\n"
         "TAB, dose, CR LF per sample. Peak and FWHM are printed as \"PeakValue\", TAB, value and\n"
         "\"FWHM(mm)\", TAB, value lines. Numbers use the decimal separator of the locale\n"
         "(LC_ALL, LC_NUMERIC, LANG). An error prints its message on standard error and exits\n"
         "with status 1; a usage error exits with status 2.\n";
}

}  // namespace quorvane::cli
