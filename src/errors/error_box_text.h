// The text of the error box, and of the command-line calculator's message
// line: the message, then a full stop unless the message is empty or its
// last byte sorts at or before ".". ErrorBoxText("I/O エラー (21)") keeps the
// ")" last; a message ending in a Japanese character gets ".".
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

std::string ErrorBoxText(std::string_view message);

}  // namespace quorvane
