#include "cli/locale_separator.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string>

namespace quorvane::cli {
namespace {

struct LocaleSeparator {
  std::string_view name;
  std::string_view separator;
};

// Languages whose default locale writes another separator than ".".
constexpr LocaleSeparator kLanguages[] = {
    {"af", ","},        {"agq", ","},        {"ar", "\xD9\xAB"},  {"ast", ","},
    {"az", ","},        {"bas", ","},        {"be", ","},         {"bg", ","},
    {"br", ","},        {"bs", ","},         {"ca", ","},         {"ckb", "\xD9\xAB"},
    {"cs", ","},        {"da", ","},         {"de", ","},         {"dsb", ","},
    {"dua", ","},       {"dyo", ","},        {"el", ","},         {"eo", ","},
    {"es", ","},        {"et", ","},         {"eu", ","},         {"ewo", ","},
    {"fa", "\xD9\xAB"}, {"ff", ","},         {"fi", ","},         {"fo", ","},
    {"fr", ","},        {"fur", ","},        {"fy", ","},         {"gl", ","},
    {"hr", ","},        {"hsb", ","},        {"hu", ","},         {"hy", ","},
    {"ia", ","},        {"id", ","},         {"is", ","},         {"it", ","},
    {"jgo", ","},       {"jv", ","},         {"ka", ","},         {"kab", ","},
    {"kea", ","},       {"kgp", ","},        {"kk", ","},         {"kkj", ","},
    {"kl", ","},        {"km", ","},         {"ks", "\xD9\xAB"},  {"ksf", ","},
    {"ksh", ","},       {"ku", ","},         {"ky", ","},         {"lb", ","},
    {"ln", ","},        {"lo", ","},         {"lrc", "\xD9\xAB"}, {"lt", ","},
    {"lu", ","},        {"lv", ","},         {"mgh", ","},        {"mk", ","},
    {"mua", ","},       {"mzn", "\xD9\xAB"}, {"nb", ","},         {"nds", ","},
    {"nl", ","},        {"nmg", ","},        {"nn", ","},         {"nnh", ","},
    {"os", ","},        {"pl", ","},         {"ps", "\xD9\xAB"},  {"pt", ","},
    {"rn", ","},        {"ro", ","},         {"ru", ","},         {"rw", ","},
    {"sah", ","},       {"sc", ","},         {"sd", "\xD9\xAB"},  {"se", ","},
    {"seh", ","},       {"sg", ","},         {"shi", ","},        {"sk", ","},
    {"sl", ","},        {"smn", ","},        {"sq", ","},         {"sr", ","},
    {"su", ","},        {"sv", ","},         {"tg", ","},         {"tk", ","},
    {"tr", ","},        {"tt", ","},         {"tzm", ","},        {"uk", ","},
    {"uz", ","},        {"vi", ","},         {"wae", ","},        {"wo", ","},
    {"yav", ","},       {"yrl", ","},        {"zgh", ","},
};

// Language and territory pairs whose separator differs from the language's.
constexpr LocaleSeparator kTerritories[] = {
    {"ar_AE", "."},        {"ar_DZ", ","}, {"ar_EH", "."}, {"ar_LY", ","},  {"ar_MA", ","},
    {"ar_TN", ","},        {"az_IR", "."}, {"de_CH", "."}, {"de_LI", "."},  {"en_AT", ","},
    {"en_BE", ","},        {"en_DE", ","}, {"en_DK", ","}, {"en_FI", ","},  {"en_NL", ","},
    {"en_SE", ","},        {"en_SI", ","}, {"en_ZA", ","}, {"es_419", "."}, {"es_BR", "."},
    {"es_BZ", "."},        {"es_CU", "."}, {"es_DO", "."}, {"es_GT", "."},  {"es_HN", "."},
    {"es_MX", "."},        {"es_NI", "."}, {"es_PA", "."}, {"es_PE", "."},  {"es_PR", "."},
    {"es_SV", "."},        {"es_US", "."}, {"it_CH", "."}, {"ms_BN", ","},  {"ms_ID", ","},
    {"pa_PK", "\xD9\xAB"}, {"qu_BO", ","}, {"sd_IN", "."}, {"sw_CD", ","},  {"ur_IN", "\xD9\xAB"},
    {"uz_AF", "\xD9\xAB"},
};

std::string_view Find(std::span<const LocaleSeparator> table, std::string_view name) {
  const auto found = std::find_if(table.begin(), table.end(),
                                  [&](const LocaleSeparator& row) { return row.name == name; });
  return found == table.end() ? std::string_view() : found->separator;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The language and the territory of "ll[_Script][_TT][.codeset][@modifier]"
// ("-" also separates the parts); a four-letter part is the script.
struct LocaleParts {
  std::string_view language;
  std::string_view territory;
};

LocaleParts SplitLocaleName(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  LocaleParts parts;
  std::size_t at = 0;
  bool first = true;
  while (at <= name.size()) {
    const std::size_t end = std::min(name.find_first_of("_-", at), name.size());
    const std::string_view part = name.substr(at, end - at);
    if (first) {
      parts.language = part;
      first = false;
    } else if (part.size() == 2 || (part.size() == 3 && IsDigit(part[0]))) {
      parts.territory = part;
      break;
    }
    at = end + 1;
  }
  return parts;
}

bool IsLanguageCode(std::string_view code) {
  return (code.size() == 2 || code.size() == 3) &&
         std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

std::string_view LocaleDecimalSeparator(std::string_view locale_name) {
  const LocaleParts parts = SplitLocaleName(locale_name);
  if (!IsLanguageCode(parts.language)) return ".";
  if (!parts.territory.empty()) {
    std::string name(parts.language);
    name += '_';
    name += parts.territory;
    const std::string_view exception = Find(kTerritories, name);
    if (!exception.empty()) return exception;
  }
  const std::string_view separator = Find(kLanguages, parts.language);
  return separator.empty() ? std::string_view(".") : separator;
}

std::string_view NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace quorvane::cli
