#include "readouts/readout_calculation.h"

namespace quorvane {

void Require(bool condition, std::string_view note) {
  if (!condition) throw Unavailable(std::string(note));
}

void AppendNote(std::string& notes, std::string_view note) {
  if (note.empty() || notes.find(note) != std::string::npos) return;
  if (!notes.empty()) notes += "; ";
  notes += note;
}

std::string NoteForError(const Error& error) {
  switch (error.kind()) {
    case ErrorKind::kOverflow:
      return "beyond the double range";
    case ErrorKind::kDivisionByZero:
      return "division by zero";
    case ErrorKind::kInvalidOperation:
      return "invalid operation";
    case ErrorKind::kConversion:
      return "not a number";
    case ErrorKind::kInputOutput:
    case ErrorKind::kRefusal:
    case ErrorKind::kInternal:
      break;
  }
  return "cannot be calculated";
}

}  // namespace quorvane
