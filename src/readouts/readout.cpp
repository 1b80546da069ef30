#include "readouts/readout.h"

namespace quorvane {

const Readout* ReadoutTable::Find(std::string_view key) const {
  for (const Readout& row : rows) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

std::vector<std::string> ReadoutTable::Notes() const {
  std::vector<std::string> notes;
  for (const Readout& row : rows) {
    if (!row.note.empty()) notes.push_back(row.key + ": " + row.note);
  }
  return notes;
}

}  // namespace quorvane
