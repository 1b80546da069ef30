// The rows of the readouts panel: every key of the measured and of the
// accumulated readouts once, in one fixed order (the measured table's order,
// then the keys only an accumulation has), each with its name in plain
// words. A key both tables have (peak, fwhm, integral ...) is one row with
// two values. The row order does not move when a column is empty, so a
// value stays where the eye found it.
//   ReadoutRowName("ctdi100") -> "CTDI100"
#pragma once

#include <QString>
#include <span>
#include <string_view>

namespace quorvane {

struct ReadoutRow {
  std::string_view key;
  const char* name;  // plain words, UTF-8
};

std::span<const ReadoutRow> ReadoutRows();

// The plain name of a key; the key itself for one the panel does not know.
QString ReadoutRowName(std::string_view key);

}  // namespace quorvane
