// GoogleTest printers for the core's value types, so that a failing
// assertion shows values rather than a dump of their bytes. GoogleTest finds
// a PrintTo by argument-dependent lookup, so each one sits in the namespace of
// its type; the case type of a test table gets its own PrintTo beside it,
// built from PrintText and PrintDoubles. Doubles are written by ExactText
// (support/hexfloat.h), texts with their control and non-UTF-8 bytes escaped.
//   CurvePoint{0.5, 2}          -> (0.5 (0x1p-1), 2)
//   ErrorKind::kOverflow        -> kOverflow
//   Field::kEditSW              -> EditSW
//   PrintText("a\tb\x83", out)  -> "a\tb\x83"
//   PrintDoubles({1, 0.5}, out) -> {1, 0.5 (0x1p-1)}
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "analysis/half_maximum.h"
#include "errors/error.h"
#include "numbers/decimal_digits.h"
#include "numbers/number_format.h"
#include "support/profile_fixture.h"
#include "workspace/curve.h"
#include "workspace/field.h"

namespace quorvane {

void PrintTo(const CurvePoint& point, std::ostream* out);
void PrintTo(ErrorKind kind, std::ostream* out);
void PrintTo(Field field, std::ostream* out);
void PrintTo(const NumberFormat& format, std::ostream* out);
void PrintTo(const DecimalDigits& digits, std::ostream* out);
void PrintTo(const HalfMaximumResult& result, std::ostream* out);

}  // namespace quorvane

namespace quorvane::test_support {

// A text in double quotes, byte for byte: printable ASCII and well-formed
// UTF-8 as they are; \t, \n, \r, \" and \\; any other byte as \xNN. A text
// longer than 64 bytes shows its first 48 and its length:
//   "99999...9"... (5000 bytes)
void PrintText(std::string_view text, std::ostream* out);
// The same as a string, for a message after an assertion.
std::string Quoted(std::string_view text);

void PrintDoubles(std::span<const double> values, std::ostream* out);

// {"0", "1"}: the position and dose rate texts of one table row.
void PrintTo(const ProfileRow& row, std::ostream* out);
void PrintRows(std::span<const ProfileRow> rows, std::ostream* out);

}  // namespace quorvane::test_support
