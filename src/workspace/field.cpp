#include "workspace/field.h"

namespace quorvane {

std::string_view FieldName(Field field) {
  switch (field) {
    case Field::kEdit1:
      return "Edit1";
    case Field::kEditSW:
      return "EditSW";
    case Field::kEditSN:
      return "EditSN";
    case Field::kEditBP:
      return "EditBP";
    case Field::kEditnRot:
      return "EditnRot";
    case Field::kEditMax:
      return "EditMax";
    case Field::kEditFWHM:
      return "EditFWHM";
  }
  return "";
}

std::string_view StartText(Field field) {
  switch (field) {
    case Field::kEditBP:
      return "1.0";
    case Field::kEditnRot:
      return "10";
    default:
      return "";
  }
}

std::string StartText(Field field, const NumberFormat& format) {
  if (field != Field::kEditBP) return std::string(StartText(field));
  std::string text = "1";
  text += format.decimal_separator();
  text += "0";
  return text;
}

}  // namespace quorvane
