// The command line's JSON output (quorvane-calc --json) read back with the
// library that wrote it. Input layout: a byte whose value mod 3 picks the
// action ("draw", "CalMS", "CalHS") and whose value / 3 mod 3 the decimal
// separator (".", "," or U+066B); the file name the JSON gives, then the
// slice width, slice number, beam pitch and rotations texts, each ended by a
// byte 0; then the profile file. As quorvane-calc does: "Load", the action,
// the measured readouts and, after an accumulation, the accumulated ones.
// Checks:
// - the JSON is one line ending in LF and parses (nlohmann::ordered_json);
// - it holds "file" (the name itself where it is UTF-8), "measured",
//   "accumulated" exactly after an accumulation, and "notes", in this order;
// - each section holds every readout's key in table order; the action row
//   its text, an unavailable value null, and every other value a number that
//   reads back to the readout's double (equal as doubles: "-0" reads as 0);
// - "notes" lists "section.key: note" for every row with a note;
// - besides, the first 8 bytes of the file, as a double, written the same
//   way read back to that double when finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "accumulation/scan_actions.h"
#include "analysis/draw_measured_profile.h"
#include "cli/json_text.h"
#include "cli/readout_output.h"
#include "errors/error.h"
#include "fuzz_accumulation_workspace.h"
#include "fuzz_input_fields.h"
#include "fuzz_input_file.h"
#include "profile_io/load_profile_file.h"
#include "readouts/accumulated_readouts.h"
#include "readouts/measured_readouts.h"
#include "workspace/memory_workspace.h"

namespace {

using Json = nlohmann::ordered_json;
using quorvane::Field;
using quorvane::MemoryWorkspace;
using quorvane::ReadoutTable;
using quorvane::cli::ReadoutTables;
using quorvane::fuzzing::KeptAccumulationWorkspace;
using quorvane::fuzzing::Require;
using quorvane::fuzzing::TakeField;

enum class Action { kDraw, kMultipleScans, kHelicalScan };

// The readouts as quorvane-calc forms them, or nothing where the load or the
// action ends with its error.
std::optional<ReadoutTables> RunAndReadOut(MemoryWorkspace& workspace, const std::string& path,
                                           Action action) {
  try {
    quorvane::MeasuredProfile measured =
        quorvane::LoadProfileFile(workspace, path).value_or(quorvane::MeasuredProfile{});
    std::optional<quorvane::AccumulationRecord> accumulated;
    switch (action) {
      case Action::kDraw:
        measured = quorvane::DrawMeasuredProfile(workspace);
        break;
      case Action::kMultipleScans:
        accumulated = quorvane::RunMultipleScanActionIn(workspace, KeptAccumulationWorkspace());
        break;
      case Action::kHelicalScan:
        accumulated = quorvane::RunHelicalScanActionIn(workspace, KeptAccumulationWorkspace());
        break;
    }
    ReadoutTables tables;
    tables.measured = quorvane::MeasuredReadouts(
        measured, workspace.FieldText(Field::kEditSW), workspace.FieldText(Field::kEditSN),
        workspace.FieldText(Field::kEditBP), workspace.number_format());
    if (accumulated) tables.accumulated = quorvane::AccumulatedReadouts(*accumulated);
    return tables;
  } catch (const quorvane::Error&) {
    return std::nullopt;
  }
}

bool IsUtf8(const std::string& text) {
  try {
    Json(text).dump();  // the strict handler raises on bytes that are not UTF-8
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

void CheckSection(const Json& section, const ReadoutTable& table) {
  Require(section.is_object() && section.size() == table.rows.size());
  auto member = section.items().begin();
  for (const quorvane::Readout& row : table.rows) {
    Require(member.key() == row.key);
    const Json& value = member.value();
    if (!row.text.empty()) {
      Require(value.is_string() && value.get<std::string>() == row.text);
    } else if (!row.value) {
      Require(value.is_null());
    } else {
      Require(value.is_number() && value.get<double>() == *row.value);
    }
    ++member;
  }
}

std::vector<std::string> ExpectedNotes(const ReadoutTables& tables) {
  std::vector<std::string> notes;
  for (const std::string& note : tables.measured.Notes()) notes.push_back("measured." + note);
  if (tables.accumulated) {
    for (const std::string& note : tables.accumulated->Notes()) {
      notes.push_back("accumulated." + note);
    }
  }
  return notes;
}

void CheckReadoutJson(const std::string& file, const ReadoutTables& tables) {
  const std::string text = quorvane::cli::ReadoutJson(file, tables);
  Require(!text.empty() && text.find('\n') == text.size() - 1);
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::exception&) {
    std::abort();
  }
  Require(json.is_object() && json.size() == (tables.accumulated ? 4u : 3u));
  auto member = json.items().begin();
  Require(member.key() == "file" && member.value().is_string());
  if (IsUtf8(file)) Require(member.value().get<std::string>() == file);
  Require((++member).key() == "measured");
  CheckSection(member.value(), tables.measured);
  if (tables.accumulated) {
    Require((++member).key() == "accumulated");
    CheckSection(member.value(), *tables.accumulated);
  }
  Require((++member).key() == "notes");
  Require(member.value() == Json(ExpectedNotes(tables)));
}

void CheckNumberReadsBack(std::string_view bytes) {
  if (bytes.size() < sizeof(double)) return;
  double number = 0;
  std::memcpy(&number, bytes.data(), sizeof number);
  if (!std::isfinite(number)) return;
  Json object = Json::object();
  object["value"] = number;
  const Json read = Json::parse(quorvane::cli::JsonText(object));
  Require(read["value"].is_number() && read["value"].get<double>() == number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kSeparators[] = {".", ",", "\xD9\xAB"};
  const auto action = static_cast<Action>(data[0] % 3);
  MemoryWorkspace workspace(
      quorvane::NumberFormat::FromLocaleSetting(kSeparators[data[0] / 3 % 3]));
  std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string file = TakeField(input);
  quorvane::fuzzing::TakeScanParameters(input, workspace);
  CheckNumberReadsBack(input);
  const std::string& path = quorvane::fuzzing::WriteScratchFile(input);
  if (const std::optional<ReadoutTables> tables = RunAndReadOut(workspace, path, action)) {
    CheckReadoutJson(file, *tables);
  }
  return 0;
}
