// How numbers are written and read in one workspace: the decimal separator
// that number(t) accepts and that number text writes. It is one character,
// which may take several UTF-8 bytes. The core never reads the locale: a
// front end builds the format from the user's settings and hands it to the
// workspace, so two workspaces with different separators can coexist.
//   NumberFormat{}                              -> separator "."
//   NumberFormat::FromLocaleSetting(",")        -> separator ","
//   NumberFormat::FromLocaleSetting("")         -> separator "."
//   NumberFormat::FromLocaleSetting("\u066B..") -> the two bytes of U+066B
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

class NumberFormat {
 public:
  NumberFormat() = default;

  // Takes the first character of a locale's separator setting; an empty
  // setting gives ".".
  static NumberFormat FromLocaleSetting(std::string_view locale_setting);

  // One UTF-8 character: at most 4 bytes, which the number text's buffer
  // relies on.
  std::string_view decimal_separator() const { return decimal_separator_; }

  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;

 private:
  explicit NumberFormat(std::string_view separator) : decimal_separator_(separator) {}

  std::string decimal_separator_ = ".";
};

// The first UTF-8 character of a text (a lone byte where the text is not
// valid UTF-8 there); empty for the empty text.
std::string_view FirstCharacter(std::string_view text);

}  // namespace quorvane
