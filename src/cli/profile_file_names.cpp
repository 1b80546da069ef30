#include "cli/profile_file_names.h"

#include <filesystem>
#include <map>

namespace quorvane::cli {
namespace {

const char* ActionName(CalcAction action) {
  return action == CalcAction::kHelicalScan ? "hs" : "ms";
}

const char* FormatName(ProfileFormat format) {
  return format == ProfileFormat::kCsv ? "csv" : "tsv";
}

}  // namespace

std::string ProfileFilePath(const std::string& folder, const std::string& file, CalcAction action,
                            ProfileFormat format) {
  const std::string stem = std::filesystem::path(file).stem().string();
  return (std::filesystem::path(folder) /
          (stem + "." + ActionName(action) + "." + FormatName(format)))
      .string();
}

std::optional<std::string> ProfileFileNameConflict(const CalcCommand& command) {
  const std::string& folder = *command.output_folder;
  std::map<std::string, const std::string*> written_by;
  for (const std::string& file : command.files) {
    if (file == "-") return "standard input '-' has no name for --output-dir";
    if (std::filesystem::path(file).stem().empty()) {
      return "'" + file + "' has no file name for --output-dir";
    }
    const std::string path = ProfileFilePath(folder, file, command.action, command.format);
    const auto [entry, fresh] = written_by.emplace(path, &file);
    if (!fresh) {
      return "'" + *entry->second + "' and '" + file + "' would both be written to '" + path + "'";
    }
  }
  return std::nullopt;
}

}  // namespace quorvane::cli
