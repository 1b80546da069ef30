#include "accumulation/profile_csv.h"

#include "numbers/number_format.h"
#include "numbers/number_text.h"

namespace quorvane {

std::string FormatProfileCsv(std::span<const double> positions, std::span<const double> doses) {
  const NumberFormat decimal_point;  // "." whatever the locale
  std::string text = "position_mm,dose\n";
  for (std::size_t j = 0; j < doses.size(); ++j) {
    AppendNumberText(positions[j], decimal_point, text);
    text += ',';
    AppendNumberText(doses[j], decimal_point, text);
    text += '\n';
  }
  return text;
}

}  // namespace quorvane
