// The errors that end an action. Each carries its kind and the exact message
// that the error box shows; the front ends catch them once, where they show
// them, and nothing in the core reports an error any other way. The message
// texts themselves are in errors/messages.h.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quorvane {

enum class ErrorKind {
  kConversion,        // a text that is no number or integer
  kDivisionByZero,    // a non-zero value divided by 0
  kInvalidOperation,  // 0 / 0, or an integer conversion out of range
  kOverflow,          // a result beyond the range of its destination
  kInputOutput,       // the profile file or the clipboard
  kRefusal,           // an input outside what the actions can hold
  kInternal,          // a broken invariant: a fault of this program
};

class Error : public std::exception {
 public:
  Error(ErrorKind kind, std::string message);

  ErrorKind kind() const { return kind_; }
  const std::string& message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ErrorKind kind_;
  std::string message_;
};

Error InvalidOperationError();
Error DivisionByZeroError();
Error OverflowError();

// "'%s' は浮動小数点数ではありません" with the text, unchanged, for %s.
Error NumberConversionError(std::string_view text);
// "'%s' は整数ではありません" with the text, unchanged, for %s.
Error IntegerConversionError(std::string_view text);

Error InputOutputError(std::string message);
Error RefusalError(std::string message);

}  // namespace quorvane
