#include "cli/readout_output.h"

#include <nlohmann/json.hpp>

#include "cli/json_text.h"
#include "numbers/number_text.h"

namespace quorvane::cli {
namespace {

using Json = nlohmann::ordered_json;  // keys in table order

struct Section {
  const char* name;
  const ReadoutTable* table;
};

std::vector<Section> Sections(const ReadoutTables& tables) {
  std::vector<Section> sections = {{"measured", &tables.measured}};
  if (tables.accumulated) sections.push_back({"accumulated", &*tables.accumulated});
  return sections;
}

// "measured.ctdi100: interval clipped to the measured range", ...
std::vector<std::string> Notes(const ReadoutTables& tables) {
  std::vector<std::string> notes;
  for (const Section& section : Sections(tables)) {
    for (const std::string& note : section.table->Notes()) {
      notes.push_back(std::string(section.name) + "." + note);
    }
  }
  return notes;
}

std::string ValueText(const Readout& row, const NumberFormat& format) {
  if (!row.text.empty()) return row.text;
  return row.value ? NumberText(*row.value, format) : "";
}

Json ValueJson(const Readout& row) {
  if (!row.text.empty()) return row.text;
  return row.value ? Json(*row.value) : Json(nullptr);
}

}  // namespace

std::string ReadoutLines(const ReadoutTables& tables, const NumberFormat& format) {
  std::string lines;
  for (const Section& section : Sections(tables)) {
    for (const Readout& row : section.table->rows) {
      lines += std::string(section.name) + "." + row.key + "\t" + ValueText(row, format) + "\n";
    }
  }
  for (const std::string& note : Notes(tables)) lines += "note\t" + note + "\n";
  return lines;
}

std::string ReadoutJson(const std::string& file, const ReadoutTables& tables) {
  Json object = Json::object();
  object["file"] = file;
  for (const Section& section : Sections(tables)) {
    Json values = Json::object();
    for (const Readout& row : section.table->rows) values[row.key] = ValueJson(row);
    object[section.name] = std::move(values);
  }
  object["notes"] = Notes(tables);
  return JsonText(object) + "\n";
}

}  // namespace quorvane::cli
