#include "cli/json_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "errors/invariant.h"

namespace quorvane::cli {
namespace {

using Json = nlohmann::ordered_json;

std::size_t SignificantDigits(std::string_view text) {
  text = text.substr(0, text.find('e'));
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 1;
  return digits.find_last_not_of('0') + 1 - first;
}

// The shortest round trip in the shorter of fixed and scientific notation
// (std::to_chars), but scientific where the fixed text of a large integer
// would show more digits than the round trip needs: 2.108221419156766e+20,
// not 210822141915676606464.
void AppendShortest(double value, std::string& out) {
  char plain[32];
  char scientific[32];
  const char* plain_end = std::to_chars(plain, plain + sizeof plain, value).ptr;
  const char* scientific_end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                             std::chars_format::scientific)
                                   .ptr;
  const std::string_view plain_text(plain, plain_end);
  const std::string_view scientific_text(scientific, scientific_end);
  out += SignificantDigits(plain_text) > SignificantDigits(scientific_text) ? scientific_text
                                                                            : plain_text;
}

// A string or a key, quoted and escaped as nlohmann writes it.
void AppendString(const std::string& text, std::string& out) {
  out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void Append(const Json& value, std::string& out) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& [key, member] : value.items()) {
      if (!first) out += ',';
      first = false;
      AppendString(key, out);
      out += ':';
      Append(member, out);
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (i > 0) out += ',';
      Append(value[i], out);
    }
    out += ']';
  } else if (value.is_number_float()) {
    const double number = value.get<double>();
    QUORVANE_CHECK(std::isfinite(number));  // readouts are stored doubles
    AppendShortest(number, out);
  } else if (value.is_string()) {
    AppendString(value.get<std::string>(), out);
  } else {
    out += value.dump();  // null, true, false, integers
  }
}

}  // namespace

std::string JsonText(const nlohmann::ordered_json& value) {
  std::string text;
  Append(value, text);
  return text;
}

}  // namespace quorvane::cli
