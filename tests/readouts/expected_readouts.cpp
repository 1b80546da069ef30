#include "expected_readouts.h"

#include <gtest/gtest.h>

#include "support/hexfloat.h"
#include "support/printers.h"

namespace quorvane::test_support {

void PrintTo(const ExpectedReadout& row, std::ostream* out) {
  *out << "{key ";
  PrintText(row.key, out);
  *out << ", value " << (row.value ? ExactText(*row.value) : "unavailable") << ", note ";
  PrintText(row.note, out);
  *out << "}";
}

void ExpectReadouts(const ReadoutTable& table, const std::vector<ExpectedReadout>& expected,
                    const std::string& context) {
  for (const ExpectedReadout& want : expected) {
    const Readout* row = table.Find(want.key);
    if (row == nullptr) {
      ADD_FAILURE() << context << ": no row " << want.key;
      continue;
    }
    if (want.value && row->value) {
      EXPECT_EQ(Hex(*row->value), Hex(*want.value))
          << context << ": " << want.key << " = " << *row->value << ", expected " << *want.value;
    } else {
      EXPECT_EQ(row->value.has_value(), want.value.has_value())
          << context << ": " << want.key << (want.value ? " unavailable" : " has a value")
          << " (note \"" << row->note << "\")";
    }
    EXPECT_EQ(row->note, want.note) << context << ": note of " << want.key;
  }
}

std::vector<std::string> KeysOf(const ReadoutTable& table) {
  std::vector<std::string> keys;
  for (const Readout& row : table.rows) keys.push_back(row.key);
  return keys;
}

}  // namespace quorvane::test_support
