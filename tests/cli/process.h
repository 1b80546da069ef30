// Runs a program with arguments, environment changes and standard input,
// in the current folder or another, and collects its exit status, standard
// output and standard error.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quorvane::test_support {

struct ProcessResult {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = "",
                         const std::vector<std::pair<std::string, std::string>>& environment = {},
                         const std::string& working_folder = "");

}  // namespace quorvane::test_support
