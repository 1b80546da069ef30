// The error an action ends with, for table-driven tests of error order.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "errors/error.h"

namespace quorvane::test_support {

struct CapturedError {
  ErrorKind kind;
  std::string message;
};

// Runs the step; the project error it raised, or nothing when it ended
// normally. Any other exception passes through and fails the test.
std::optional<CapturedError> CaptureError(const std::function<void()>& step);

// The message of the error, "" when the step ended normally.
std::string ErrorMessageOf(const std::function<void()>& step);

}  // namespace quorvane::test_support
