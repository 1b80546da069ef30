#include "cli/calc_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/calc_help.h"
#include "cli/profile_file_names.h"

namespace quorvane::cli {
namespace {

struct TextOption {
  const char* name;
  Field field;
  bool for_draw;  // draw measures the table only; it reads no rotations
};

constexpr std::array<TextOption, 4> kTextOptions = {{
    {"--slice-width", Field::kEditSW, true},
    {"--slice-number", Field::kEditSN, true},
    {"--pitch", Field::kEditBP, true},
    {"--rotations", Field::kEditnRot, false},
}};

constexpr std::array<std::pair<std::string_view, CalcAction>, 3> kActions = {{
    {"draw", CalcAction::kDraw},
    {"ms", CalcAction::kMultipleScans},
    {"hs", CalcAction::kHelicalScan},
}};

// What CLI11 fills for one action's subcommand.
struct ActionOptions {
  CalcAction action = CalcAction::kDraw;
  CLI::App* app = nullptr;
  std::vector<std::string> files;
  std::vector<std::string> never_filled;
  std::array<std::vector<std::string>, kTextOptions.size()> texts;
  std::array<CLI::Option*, kTextOptions.size()> text_options{};
  bool summary = false;
  bool readouts = false;
  bool json = false;
  std::string format;
  std::string output;
  std::string output_folder;
};

// Every option's text is kept whole: no splitting, no extra arguments.
CLI::Option* OneText(CLI::Option* option) { return option->expected(1)->allow_extra_args(false); }

// The command line as CLI11 reads it: the actions as subcommands, each with
// its options.
class CommandLineParser {
 public:
  CommandLineParser() : app_("", "quorvane-calc") {
    app_.allow_extras();
    app_.require_subcommand(0, 1);  // a second action name is a file
    app_.formatter_fn([](const CLI::App*, std::string, CLI::AppFormatMode) { return HelpText(); });
    app_.add_flag("--version", version_)->disable_flag_override();
    for (std::size_t i = 0; i < kActions.size(); ++i) AddAction(kActions[i], actions_[i]);
  }

  ActionOptions* Action(std::string_view name) {
    for (std::size_t i = 0; i < kActions.size(); ++i) {
      if (kActions[i].first == name) return &actions_[i];
    }
    return nullptr;
  }

  // Raises CLI::CallForHelp for --help and CLI::ParseError for what CLI11
  // itself refuses.
  void Parse(std::vector<std::string> arguments) {
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them from the back
    app_.parse(arguments);
  }

  std::string Help() const { return app_.help(); }
  bool version() const { return version_; }
  std::vector<std::string> TopRemaining() const { return app_.remaining(); }

  ActionOptions* ParsedAction() {
    const std::vector<CLI::App*> parsed = app_.get_subcommands();
    return parsed.empty() ? nullptr : Action(parsed.front()->get_name());
  }

 private:
  void AddAction(const std::pair<std::string_view, CalcAction>& named, ActionOptions& options) {
    options.action = named.second;
    CLI::App* app = app_.add_subcommand(std::string(named.first));
    options.app = app;
    app->allow_extras();
    app->formatter_fn([action = named.second](const CLI::App*, std::string, CLI::AppFormatMode) {
      return ActionHelpText(action);
    });
    app->add_option("FILE", options.files);
    // CLI11 hands a "--" that follows a file back to the main command, which
    // then reads the rest as options again; a positional that never fills
    // keeps the "--" in the action, where everything after it is a FILE.
    OneText(app->add_option("MORE", options.never_filled));
    for (std::size_t i = 0; i < kTextOptions.size(); ++i) {
      if (named.second == CalcAction::kDraw && !kTextOptions[i].for_draw) continue;
      options.text_options[i] = OneText(app->add_option(kTextOptions[i].name, options.texts[i]))
                                    ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    app->add_flag("--readouts", options.readouts)->disable_flag_override();
    app->add_flag("--json", options.json)->disable_flag_override();
    OneText(app->add_option("-o,--output", options.output))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    if (named.second == CalcAction::kDraw) return;
    app->add_flag("--summary", options.summary)->disable_flag_override();
    OneText(app->add_option("--format", options.format))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    OneText(app->add_option("--output-dir", options.output_folder))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }

  CLI::App app_;
  bool version_ = false;
  std::array<ActionOptions, kActions.size()> actions_;
};

ParsedCommandLine UsageError(std::string problem) {
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::kUsageError;
  parsed.problem = std::move(problem);
  return parsed;
}

bool IsOptionLike(std::string_view argument) { return argument.size() > 1 && argument[0] == '-'; }

// The option an unknown argument names: "--beam-pitch=2" -> "--beam-pitch",
// "-p1.5" -> "-p".
std::string OptionName(std::string_view argument) {
  if (argument.starts_with("--")) return std::string(argument.substr(0, argument.find('=')));
  return std::string(argument.substr(0, 2));
}

// CLI11 reads "--pitch=" as "--pitch" waiting for the next argument, and
// "--summary=no" as a flag set to false. Here the empty text after "=" is
// the text, a flag takes no text, and an option without its text is named.
// Walks the arguments as CLI11 will consume them: every text option takes
// exactly one text, and "--" ends the options.
std::optional<std::string> SeparateEmptyTexts(const CLI::App& action,
                                              const std::vector<std::string>& arguments,
                                              std::vector<std::string>& separated) {
  separated.assign(arguments.begin(), arguments.begin() + 1);
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      separated.insert(separated.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                       arguments.end());
      break;
    }
    const std::string name = argument.substr(0, argument.find('='));
    const bool named = argument.starts_with("--") || argument.size() == 2;
    const CLI::Option* option =
        IsOptionLike(argument) && named ? action.get_option_no_throw(name) : nullptr;
    separated.push_back(argument);
    if (option == nullptr) continue;
    const bool with_text = name.size() < argument.size();
    if (option->get_items_expected_max() == 0) {
      if (with_text) return "option '" + name + "' takes no text";
      continue;
    }
    if (with_text) {
      if (name.size() + 1 == argument.size()) {
        separated.back() = name;
        separated.emplace_back();
      }
      continue;
    }
    if (i + 1 == arguments.size()) return "option '" + name + "' needs a text";
    separated.push_back(arguments[++i]);
  }
  return std::nullopt;
}

std::optional<std::string> UnknownOption(const ActionOptions& options,
                                         const ActionOptions& multiple_scans) {
  for (const std::string& argument : options.app->remaining()) {
    if (argument == "--") continue;  // the end of the options, which CLI11 leaves
    const std::string name = OptionName(argument);
    if (options.action == CalcAction::kDraw &&
        multiple_scans.app->get_option_no_throw(name) != nullptr) {
      return "draw takes no option ('" + name + "')";
    }
    return "unknown option '" + name + "'";
  }
  return std::nullopt;
}

// Whether the action has the option and it was given.
bool Given(const CLI::App& action, const std::string& name) {
  const CLI::Option* option = action.get_option_no_throw(name);
  return option != nullptr && option->count() > 0;
}

CalcCommand CommandOf(const ActionOptions& options) {
  CalcCommand command;
  command.action = options.action;
  command.files = options.files;
  // The texts in the order given, as they would be typed.
  std::array<std::size_t, kTextOptions.size()> taken{};
  for (const CLI::Option* given : options.app->parse_order()) {
    for (std::size_t i = 0; i < kTextOptions.size(); ++i) {
      if (given == options.text_options[i]) {
        command.field_texts.emplace_back(kTextOptions[i].field, options.texts[i][taken[i]++]);
      }
    }
  }
  command.summary = options.summary;
  command.readouts = options.readouts;
  command.json = options.json;
  command.format = options.format == "csv" ? ProfileFormat::kCsv : ProfileFormat::kTsv;
  if (Given(*options.app, "--output")) command.output = options.output;
  if (Given(*options.app, "--output-dir")) command.output_folder = options.output_folder;
  return command;
}

// The combinations that cannot run.
std::optional<std::string> OptionConflict(const ActionOptions& options,
                                          const CalcCommand& command) {
  if (command.files.empty()) return "no profile file given";
  const bool format_given = Given(*options.app, "--format");
  if (format_given && options.format != "tsv" && options.format != "csv") {
    return "--format takes tsv or csv, not '" + options.format + "'";
  }
  if (command.summary && (command.readouts || command.json)) {
    return "--summary cannot be combined with --readouts or --json";
  }
  if (command.output && command.output_folder) return "-o and --output-dir exclude each other";
  const bool profile = command.Output() == CalcOutput::kProfile;
  if (!profile && format_given) return "--format applies to the accumulated profile only";
  if (!profile && command.output_folder) {
    return "--output-dir applies to the accumulated profile only; use -o FILE";
  }
  if (std::count(command.files.begin(), command.files.end(), "-") > 1) {
    return "standard input '-' given more than once";
  }
  if (profile && command.files.size() > 1 && !command.output_folder) {
    return "several files give several profiles: add --output-dir DIR";
  }
  if (command.output_folder) return ProfileFileNameConflict(command);
  return std::nullopt;
}

ParsedCommandLine ParseWith(CommandLineParser& parser, const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  try {
    parser.Parse(arguments);
  } catch (const CLI::CallForHelp&) {
    parsed.kind = ParsedCommandLine::Kind::kHelp;
    parsed.help = parser.Help();
    return parsed;
  } catch (const CLI::ParseError& error) {
    return UsageError(error.what());
  }
  if (parser.version()) {
    parsed.kind = ParsedCommandLine::Kind::kVersion;
    return parsed;
  }
  ActionOptions* options = parser.ParsedAction();
  if (!IsOptionLike(arguments[0]) && parser.Action(arguments[0]) == nullptr) {
    return UsageError("unknown action '" + arguments[0] + "'");
  }
  if (options == nullptr) return UsageError("no action given");
  const std::vector<std::string> before_action = parser.TopRemaining();
  if (!before_action.empty()) {
    return UsageError("option '" + OptionName(before_action.front()) + "' before the action");
  }
  if (auto problem = UnknownOption(*options, *parser.Action("ms"))) return UsageError(*problem);
  parsed.command = CommandOf(*options);
  if (auto problem = OptionConflict(*options, parsed.command)) return UsageError(*problem);
  parsed.kind = ParsedCommandLine::Kind::kRun;
  return parsed;
}

}  // namespace

CalcOutput CalcCommand::Output() const {
  if (json) return CalcOutput::kJson;
  if (readouts) return CalcOutput::kReadouts;
  if (summary || action == CalcAction::kDraw) return CalcOutput::kSummary;
  return CalcOutput::kProfile;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError("no action given");
  CommandLineParser parser;
  std::vector<std::string> separated = arguments;
  if (const ActionOptions* options = parser.Action(arguments[0])) {
    if (auto problem = SeparateEmptyTexts(*options->app, arguments, separated)) {
      return UsageError(*problem);
    }
  }
  return ParseWith(parser, separated);
}

std::string UsageText() {
  return "usage: quorvane-calc {draw|ms|hs} [OPTION]... [--] FILE...\n"
         "       quorvane-calc ACTION --help   lists the options of an action\n";
}

}  // namespace quorvane::cli
