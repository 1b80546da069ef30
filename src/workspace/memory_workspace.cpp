#include "workspace/memory_workspace.h"

#include <utility>

#include "errors/error.h"
#include "errors/messages.h"

namespace quorvane {

MemoryWorkspace::MemoryWorkspace(NumberFormat number_format)
    : number_format_(std::move(number_format)) {
  for (const Field field : kAllFields) fields_[field] = std::string(StartText(field));
}

std::string MemoryWorkspace::CellText(int column, std::int32_t row) const {
  return table_.CellText(column, row);
}

void MemoryWorkspace::SetCellText(int column, std::int32_t row, std::string_view text) {
  table_.SetCellText(column, row, text);
}

std::string MemoryWorkspace::FieldText(Field field) const { return fields_.at(field); }

void MemoryWorkspace::SetFieldText(Field field, std::string_view text) {
  fields_[field] = std::string(text);
}

void MemoryWorkspace::RemoveAllPoints(CurveId curve) {
  (curve == CurveId::kSeries1 ? measured_ : accumulated_).RemoveAllPoints();
}

void MemoryWorkspace::AddPoint(CurveId curve, double x, double y) {
  (curve == CurveId::kSeries1 ? measured_ : accumulated_).AddPoint(x, y);
}

void MemoryWorkspace::SetClipboardText(std::string text) {
  if (clipboard_held_) throw InputOutputError(std::string(messages::kClipboardOpen));
  clipboard_text_ = std::move(text);
  ++clipboard_writes_;
}

const Curve& MemoryWorkspace::CurveOf(CurveId curve) const {
  return curve == CurveId::kSeries1 ? measured_ : accumulated_;
}

}  // namespace quorvane
