#include "accumulation/profile_csv.h"

namespace quorvane {
namespace {

constexpr std::string_view kCsvHeader = "position_mm,dose\n";

// One number text with "." for the format's separator; number texts hold
// digits, "-", "E" and at most one separator.
void AppendWithPoint(std::string_view number, std::string_view separator, std::string& out) {
  const std::size_t at = number.find(separator);
  if (at == std::string_view::npos) {
    out.append(number);
    return;
  }
  out.append(number.substr(0, at));
  out += '.';
  out.append(number.substr(at + separator.size()));
}

}  // namespace

std::string ProfileTextAsCsv(std::string_view profile_text, const NumberFormat& format) {
  std::string csv(kCsvHeader);
  csv.reserve(kCsvHeader.size() + profile_text.size());
  std::string_view rest = profile_text;
  while (!rest.empty()) {
    const std::size_t line_end = rest.find("\r\n");
    const std::string_view line = rest.substr(0, line_end);
    rest = line_end == std::string_view::npos ? std::string_view() : rest.substr(line_end + 2);
    const std::size_t tab = line.find('\t');
    AppendWithPoint(line.substr(0, tab), format.decimal_separator(), csv);
    csv += ',';
    AppendWithPoint(line.substr(tab + 1), format.decimal_separator(), csv);
    csv += '\n';
  }
  return csv;
}

}  // namespace quorvane
