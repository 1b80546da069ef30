// quorvane-calc: the actions of the window from a script, through the same
// core, for many profiles at a time and for checking results without a
// display.
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/calc_run.h"
#include "cli/standard_input_copy.h"
#include "locale/system_number_format.h"

namespace {

constexpr int kErrorStatus = 1;
constexpr int kUsageStatus = 2;

bool WriteAll(std::FILE* stream, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
         std::fflush(stream) == 0;
}

int Run(const std::vector<std::string>& arguments) {
  using quorvane::cli::ParsedCommandLine;
  const ParsedCommandLine parsed = quorvane::cli::ParseCommandLine(arguments);
  switch (parsed.kind) {
    case ParsedCommandLine::Kind::kHelp:
      return WriteAll(stdout, quorvane::cli::HelpText()) ? 0 : kErrorStatus;
    case ParsedCommandLine::Kind::kVersion:
      return WriteAll(stdout, "quorvane-calc " QUORVANE_VERSION "\n") ? 0 : kErrorStatus;
    case ParsedCommandLine::Kind::kUsageError:
      WriteAll(stderr,
               "quorvane-calc: " + parsed.problem + "\n" + quorvane::cli::UsageLine() + "\n");
      return kUsageStatus;
    case ParsedCommandLine::Kind::kRun:
      break;
  }

  std::optional<quorvane::cli::StandardInputCopy> input;
  std::string load_path = parsed.command.file;
  if (load_path == "-") {
    input.emplace();
    load_path = input->path();
  }
  const quorvane::cli::CalcResult result =
      quorvane::cli::RunCalcCommand(parsed.command, load_path, quorvane::SystemNumberFormat());
  if (!result.ok) {
    WriteAll(stderr, result.error + "\n");
    return kErrorStatus;
  }
  if (!WriteAll(stdout, result.output)) {
    WriteAll(stderr, "quorvane-calc: cannot write standard output\n");
    return kErrorStatus;
  }
  return 0;
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
