// The parts of a fuzz input that several targets share: texts ended by a
// byte 0, the four scan parameters taken from them, and the check that ends
// the run when an invariant breaks.
//   input "5\0" "4\0" "rest": TakeField -> "5", TakeField -> "4", the input
//   then "rest"; TakeField on "rest" -> "rest", the input then empty.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "workspace/field.h"
#include "workspace/workspace.h"

namespace quorvane::fuzzing {

// Stops the run (libFuzzer keeps the input) when an invariant breaks.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

// Takes the text up to the next byte 0 (or the rest) off the input.
inline std::string TakeField(std::string_view& input) {
  const std::size_t end = input.find('\0');
  const std::string text(input.substr(0, end));
  input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  return text;
}

// Sets slice width, slice number, beam pitch and rotations from the next four
// texts of the input, in that order.
inline void TakeScanParameters(std::string_view& input, Workspace& workspace) {
  for (const Field field : {Field::kEditSW, Field::kEditSN, Field::kEditBP, Field::kEditnRot}) {
    workspace.SetFieldText(field, TakeField(input));
  }
}

}  // namespace quorvane::fuzzing
