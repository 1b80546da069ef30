#include "errors/error.h"

#include <utility>

#include "errors/messages.h"

namespace quorvane {

Error::Error(ErrorKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

Error InvalidOperationError() {
  return Error(ErrorKind::kInvalidOperation, std::string(messages::kInvalidOperation));
}

Error DivisionByZeroError() {
  return Error(ErrorKind::kDivisionByZero, std::string(messages::kDivisionByZero));
}

Error OverflowError() { return Error(ErrorKind::kOverflow, std::string(messages::kOverflow)); }

Error NumberConversionError(std::string_view text) {
  return Error(ErrorKind::kConversion, messages::NotANumber(text));
}

Error IntegerConversionError(std::string_view text) {
  return Error(ErrorKind::kConversion, messages::NotAnInteger(text));
}

Error InputOutputError(std::string message) {
  return Error(ErrorKind::kInputOutput, std::move(message));
}

Error RefusalError(std::string message) { return Error(ErrorKind::kRefusal, std::move(message)); }

}  // namespace quorvane
