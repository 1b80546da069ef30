// The decimal separator of the user's locale without Qt, for builds of
// quorvane-calc that have no Qt (the aarch64 build that scripts/test-aarch64
// runs under emulation). It reads the locale as Qt does on Unix: LC_ALL, else
// LC_NUMERIC, else LANG, the first that is set and not empty, and looks the
// name up in a table made from Qt's own locale data
// (tools/locale_separator_table.cpp), so that it gives what
// QLocale::system().decimalPoint() gives (tests/cli/locale_separator_test.cpp
// compares the two for every locale Qt knows).
//   LocaleDecimalSeparator("de_DE.UTF-8") -> ","
//   LocaleDecimalSeparator("de_CH.UTF-8") -> "."
//   LocaleDecimalSeparator("C") -> "."
#pragma once

#include <string_view>

namespace quorvane::cli {

// The separator of a locale name such as "fr_FR.UTF-8", "sr_Latn_RS" or
// "pt": "." for C, POSIX, the empty name and names Qt does not know.
std::string_view LocaleDecimalSeparator(std::string_view locale_name);

// The locale name of the numbers from the environment: LC_ALL, LC_NUMERIC,
// LANG; empty when none is set.
std::string_view NumericLocaleName();

}  // namespace quorvane::cli
