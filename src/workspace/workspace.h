// The state every action reads and writes: the profile table, the text
// fields, the two curves that actions draw and the clipboard. An action sees
// only this interface, so it runs the same in the window, in the command-line
// calculator and in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/number_format.h"
#include "workspace/curve.h"
#include "workspace/field.h"

namespace quorvane {

class Workspace {
 public:
  virtual ~Workspace() = default;

  // The profile table, as ProfileTable describes it.
  virtual std::int32_t RowCount() const = 0;
  virtual void SetRowCount(std::int32_t row_count) = 0;
  virtual std::string CellText(int column, std::int32_t row) const = 0;
  virtual void SetCellText(int column, std::int32_t row, std::string_view text) = 0;

  // Field texts are byte strings: UTF-8 where they come from the keyboard,
  // file bytes unchanged where the loader wrote them.
  virtual std::string FieldText(Field field) const = 0;
  virtual void SetFieldText(Field field, std::string_view text) = 0;

  virtual void RemoveAllPoints(CurveId curve) = 0;
  virtual void AddPoint(CurveId curve, double x, double y) = 0;

  // Replaces the clipboard's contents with the text (taken by value: a long
  // accumulated profile is moved, not copied). Where the clipboard
  // cannot be opened, raises the input/output error messages::kClipboardOpen and
  // leaves the old contents.
  virtual void SetClipboardText(std::string text) = 0;

  // How this workspace reads and writes numbers: every field, cell and
  // number text of an action goes through it.
  virtual const NumberFormat& number_format() const = 0;
};

}  // namespace quorvane
