// One row of a readout table: a named dosimetric quantity, its value stored
// as a double or nothing where it cannot be formed, its unit, and a short
// English note saying why the value is unavailable or what to keep in mind
// about it (an integration interval clipped to the measured range, an edge
// taken at the end of the profile). Computing a readout never raises: every
// fault becomes a note.
//
//   {key "ctdi100", value 24.1, unit "value", note ""}
//   {key "ctdi100", value -, unit "value", note "nominal beam width unavailable"}
//   {key "action", value -, unit "", note "", text "CalMS"}
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct Readout {
  std::string key;
  std::optional<double> value;
  // One of "value", "mm", "value·mm", "1", "%", "samples"; empty for a row
  // without a number (action). "value" is the unit of the profile's dose
  // rates, whatever the instrument gave.
  std::string unit;
  // Empty, or notes joined by "; ".
  std::string note;
  // The text of a row that is no number: only "action", which holds "CalMS"
  // or "CalHS" here and never a value.
  std::string text;
};

struct ReadoutTable {
  // In the order the readouts are defined in (measured_readouts.h,
  // accumulated_readouts.h).
  std::vector<Readout> rows;

  // The row with this key, or null.
  const Readout* Find(std::string_view key) const;

  // "key: note" for every row with a note, in row order:
  // {"ctdi100: interval clipped to the measured range", ...}.
  std::vector<std::string> Notes() const;
};

}  // namespace quorvane
