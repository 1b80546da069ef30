#include "cli/calc_files.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/atomic_file.h"
#include "cli/calc_run.h"
#include "cli/profile_file_names.h"
#include "cli/standard_input_copy.h"

namespace quorvane::cli {
namespace {

constexpr int kErrorStatus = 1;

// One write call for a whole block where the system allows it, so that the
// lines of parallel runs appending to one file (or one pipe, up to 4 KiB)
// do not mix.
bool WriteAll(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// "-" loads a copy of standard input.
CalcResult RunOn(const CalcCommand& command, const std::string& file,
                 const NumberFormat& number_format) {
  if (file != "-") return RunCalcFile(command, file, file, number_format);
  const StandardInputCopy input;
  return RunCalcFile(command, file, input.path(), number_format);
}

class FileRun {
 public:
  FileRun(const CalcCommand& command, const NumberFormat& number_format)
      : command_(command), number_format_(number_format), several_(command.files.size() > 1) {}

  int status() const { return status_; }

  // Runs one file; its output, or nothing after a failure (reported).
  std::optional<std::string> Run(const std::string& file) {
    CalcResult result = RunOn(command_, file, number_format_);
    if (result.ok) return std::move(result.output);
    Fail(file, result.error, false);
    return std::nullopt;
  }

  // Reports a failure: the message alone for one file ("quorvane-calc: "
  // first when the program, not the action, failed), after "path: " for
  // several.
  void Fail(const std::string& file, const std::string& message, bool program_failure) {
    status_ = kErrorStatus;
    const std::string prefix = several_ ? file + ": " : program_failure ? "quorvane-calc: " : "";
    WriteAll(STDERR_FILENO, prefix + message + "\n");
  }

  // What one file adds to the output: with several files a summary or
  // readouts block is headed by the file's path.
  std::string Block(const std::string& file, std::string output) const {
    const CalcOutput kind = command_.Output();
    const bool headed = kind == CalcOutput::kSummary || kind == CalcOutput::kReadouts;
    return several_ && headed ? "file\t" + file + "\n" + output : output;
  }

  void FailProgram(const std::string& message) {
    status_ = kErrorStatus;
    WriteAll(STDERR_FILENO, "quorvane-calc: " + message + "\n");
  }

 private:
  const CalcCommand& command_;
  const NumberFormat& number_format_;
  const bool several_;
  int status_ = 0;
};

int RunIntoFolder(const CalcCommand& command, const NumberFormat& number_format) {
  FileRun run(command, number_format);
  const std::string& folder = *command.output_folder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    run.FailProgram("cannot create folder '" + folder + "': " + error.message());
    return run.status();
  }
  for (const std::string& file : command.files) {
    const std::optional<std::string> output = run.Run(file);
    if (!output) continue;
    try {
      WriteFileAtomically(ProfileFilePath(folder, file, command.action, command.format), *output);
    } catch (const std::runtime_error& failure) {
      run.Fail(file, failure.what(), true);
    }
  }
  return run.status();
}

// To standard output as each file finishes, or to -o's file when all have
// run and one at least succeeded.
int RunIntoStream(const CalcCommand& command, const NumberFormat& number_format) {
  FileRun run(command, number_format);
  std::string collected;
  bool any_output = false;
  for (const std::string& file : command.files) {
    std::optional<std::string> output = run.Run(file);
    if (!output) continue;
    any_output = true;
    const std::string block = run.Block(file, std::move(*output));
    if (command.output) {
      collected += block;
    } else if (!WriteAll(STDOUT_FILENO, block)) {
      run.FailProgram("cannot write standard output");
      return run.status();
    }
  }
  if (command.output && any_output) {
    try {
      WriteFileAtomically(*command.output, collected);
    } catch (const std::runtime_error& failure) {
      run.FailProgram(failure.what());
    }
  }
  return run.status();
}

}  // namespace

int RunCalcFiles(const CalcCommand& command, const NumberFormat& number_format) {
  return command.output_folder ? RunIntoFolder(command, number_format)
                               : RunIntoStream(command, number_format);
}

}  // namespace quorvane::cli
