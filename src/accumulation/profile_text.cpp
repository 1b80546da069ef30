#include "accumulation/profile_text.h"

#include "numbers/number_text.h"

namespace quorvane {

std::string FormatProfileText(std::span<const double> positions, std::span<const double> doses) {
  std::string text;
  text.reserve(doses.size() * 24);
  for (std::size_t j = 0; j < doses.size(); ++j) {
    AppendNumberText(positions[j], text);
    text += '\t';
    AppendNumberText(doses[j], text);
    text += "\r\n";
  }
  return text;
}

}  // namespace quorvane
