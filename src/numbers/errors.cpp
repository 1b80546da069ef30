#include "numbers/errors.h"

#include <utility>

namespace quorvane {

Error::Error(ErrorKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

Error InvalidOperationError() {
  return Error(ErrorKind::kInvalidOperation, std::string(kInvalidOperationMessage));
}

Error DivisionByZeroError() {
  return Error(ErrorKind::kDivisionByZero, std::string(kDivisionByZeroMessage));
}

Error OverflowError() { return Error(ErrorKind::kOverflow, std::string(kOverflowMessage)); }

Error NumberConversionError(std::string_view text) {
  return Error(ErrorKind::kConversion, FillMessage("'%s' は浮動小数点数ではありません", text));
}

Error IntegerConversionError(std::string_view text) {
  return Error(ErrorKind::kConversion, FillMessage("'%s' は整数ではありません", text));
}

Error InputOutputError(std::string message) {
  return Error(ErrorKind::kInputOutput, std::move(message));
}

Error RefusalError(std::string message) { return Error(ErrorKind::kRefusal, std::move(message)); }

std::string FillMessage(std::string_view pattern, std::string_view value) {
  std::string message(pattern);
  std::size_t at = message.find("%s");
  if (at == std::string::npos) at = message.find("%d");
  if (at != std::string::npos) message.replace(at, 2, value);
  return message;
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace quorvane
