// quorvane-calc: the actions of the window from a script, through the same
// core, for many profiles at a time and for checking results without a
// display.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "cli/calc_files.h"
#include "cli/locale_separator.h"
#include "numbers/number_format.h"
#if QUORVANE_CLI_WITH_QT
#include "locale/system_number_format.h"
#endif

namespace {

// The same number format as the window: the locale's, "." for C.
quorvane::NumberFormat LocaleNumberFormat() {
#if QUORVANE_CLI_WITH_QT
  return quorvane::SystemNumberFormat();
#else
  return quorvane::NumberFormat::FromLocaleSetting(
      quorvane::cli::LocaleDecimalSeparator(quorvane::cli::NumericLocaleName()));
#endif
}

constexpr int kErrorStatus = 1;
constexpr int kUsageStatus = 2;

bool WriteAll(std::FILE* stream, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
         std::fflush(stream) == 0;
}

int Run(const std::vector<std::string>& arguments) {
  using quorvane::cli::ParsedCommandLine;
  const ParsedCommandLine parsed = quorvane::cli::ParseCommandLine(arguments);
  switch (parsed.kind) {
    case ParsedCommandLine::Kind::kHelp:
      return WriteAll(stdout, parsed.help) ? 0 : kErrorStatus;
    case ParsedCommandLine::Kind::kVersion:
      return WriteAll(stdout, "quorvane-calc " QUORVANE_VERSION "\n") ? 0 : kErrorStatus;
    case ParsedCommandLine::Kind::kUsageError:
      WriteAll(stderr, "quorvane-calc: " + parsed.problem + "\n" + quorvane::cli::UsageText());
      return kUsageStatus;
    case ParsedCommandLine::Kind::kRun:
      break;
  }
  return quorvane::cli::RunCalcFiles(parsed.command, LocaleNumberFormat());
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    WriteAll(stderr, std::string("quorvane-calc: ") + error.what() + "\n");
    return kErrorStatus;
  }
}
