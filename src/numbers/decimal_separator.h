// The decimal separator that number(t) accepts and that number text writes:
// one process-wide setting, "." until a front end sets it from the user's
// locale. It is one character, which may take several UTF-8 bytes. The core
// never reads the locale itself.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Takes the first character of a locale's separator setting; an empty setting
// gives ".". SetDecimalSeparator(",") -> ","; SetDecimalSeparator("") -> ".";
// SetDecimalSeparator("\u066B...") -> the two bytes of U+066B.
void SetDecimalSeparator(std::string_view locale_setting);

const std::string& DecimalSeparator();

// The first UTF-8 character of a text (a lone byte where the text is not
// valid UTF-8 there); empty for the empty text.
std::string_view FirstCharacter(std::string_view text);

}  // namespace quorvane
