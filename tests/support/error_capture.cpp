#include "support/error_capture.h"

namespace quorvane::test_support {

std::optional<CapturedError> CaptureError(const std::function<void()>& step) {
  try {
    step();
  } catch (const Error& error) {
    return CapturedError{error.kind(), error.message()};
  }
  return std::nullopt;
}

std::string ErrorMessageOf(const std::function<void()>& step) {
  const std::optional<CapturedError> error = CaptureError(step);
  return error ? error->message : "";
}

}  // namespace quorvane::test_support
