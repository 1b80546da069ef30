// The workspace held in memory, with the window's starting texts: what the
// command-line calculator and the tests run the actions on.
#pragma once

#include <map>
#include <string>

#include "workspace/curve.h"
#include "workspace/profile_table.h"
#include "workspace/workspace.h"

namespace quorvane {

class MemoryWorkspace : public Workspace {
 public:
  explicit MemoryWorkspace(NumberFormat number_format = NumberFormat());

  std::int32_t RowCount() const override { return table_.RowCount(); }
  void SetRowCount(std::int32_t row_count) override { table_.SetRowCount(row_count); }
  std::string CellText(int column, std::int32_t row) const override;
  void SetCellText(int column, std::int32_t row, std::string_view text) override;

  std::string FieldText(Field field) const override;
  void SetFieldText(Field field, std::string_view text) override;

  void RemoveAllPoints(CurveId curve) override;
  void AddPoint(CurveId curve, double x, double y) override;

  void SetClipboardText(std::string text) override;
  const NumberFormat& number_format() const override { return number_format_; }

  const Curve& CurveOf(CurveId curve) const;
  const std::string& clipboard_text() const { return clipboard_text_; }
  int clipboard_writes() const { return clipboard_writes_; }
  // Makes the clipboard behave as one that another program holds open.
  void set_clipboard_held(bool held) { clipboard_held_ = held; }

 private:
  NumberFormat number_format_;
  ProfileTable table_;
  std::map<Field, std::string> fields_;
  Curve measured_;
  Curve accumulated_;
  std::string clipboard_text_;
  int clipboard_writes_ = 0;
  bool clipboard_held_ = false;
};

}  // namespace quorvane
