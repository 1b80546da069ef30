#include "profile_io/profile_line.h"

namespace quorvane {

ProfileLine SplitProfileLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return {"", std::string(line)};
  return {std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
}

}  // namespace quorvane
