// What a careless user types into a field or a table cell: plausible numbers
// in the window's decimal separator, but also huge, tiny, negative and
// hexadecimal ones, NaN and infinities, garbage, letters of other scripts,
// control characters, long runs of digits and nothing at all.
//
//   std::mt19937_64 random(7);
//   CarelessText(random, ".");  // e.g. "0.625", "$7FFFFFFF", "1e4933", "日本"
#pragma once

#include <QString>
#include <random>

namespace quorvane::test_support {

QString CarelessText(std::mt19937_64& random, const QString& decimal_separator);

}  // namespace quorvane::test_support
