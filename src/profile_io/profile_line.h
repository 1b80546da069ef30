// A line of a profile file split at its first tab: the position text (header
// line: slice width) before it, the dose rate text (header line: slice
// number) after it, further tabs included. A line without a tab has an empty
// first part and the whole line as its second part.
//   SplitProfileLine("1.0\t2.0\tx") -> {"1.0", "2.0\tx"}
//   SplitProfileLine("8")           -> {"", "8"}
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct ProfileLine {
  std::string first;
  std::string second;
};

ProfileLine SplitProfileLine(std::string_view line);

}  // namespace quorvane
