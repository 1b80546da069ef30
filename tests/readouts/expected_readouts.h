// Checks a readout table against the rows a test expects: for each listed
// key, its value (exactly, compared bit for bit and printed as hexfloat) or
// its absence, and its note.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "readouts/readout.h"

namespace quorvane::test_support {

struct ExpectedReadout {
  std::string key;
  std::optional<double> value;  // nothing: the readout is unavailable
  std::string note;             // the whole note, "" for none
};

// {"peak", 4, ""} -> {key "peak", value 4, note ""}; an unavailable value
// prints as "unavailable".
void PrintTo(const ExpectedReadout& row, std::ostream* out);

// Adds a failure for every listed row that is missing or differs; rows not
// listed are not looked at. `context` names the case in the messages.
void ExpectReadouts(const ReadoutTable& table, const std::vector<ExpectedReadout>& expected,
                    const std::string& context);

// The keys in row order.
std::vector<std::string> KeysOf(const ReadoutTable& table);

}  // namespace quorvane::test_support
