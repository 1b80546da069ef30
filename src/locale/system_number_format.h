// The number format of the user's locale, for the front ends: the window and
// the command-line calculator both take it from here, so they read and write
// the same digits. Qt Core only; the core itself never looks at the locale.
#pragma once

#include "numbers/number_format.h"

namespace quorvane {

// The first character of QLocale::system()'s decimal point, which follows
// LC_ALL, LC_NUMERIC and LANG: "." for C and English, "," for German.
NumberFormat SystemNumberFormat();

}  // namespace quorvane
