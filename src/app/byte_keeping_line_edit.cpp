#include "app/byte_keeping_line_edit.h"

#include "app/utf8_text.h"

namespace quorvane {

ByteKeepingLineEdit::ByteKeepingLineEdit(QWidget* parent) : QLineEdit(parent) {}

void ByteKeepingLineEdit::SetBytes(std::string_view bytes) {
  written_bytes_.assign(bytes);
  setText(DecodeUtf8(bytes));
  // As shown: a text beyond the field's maximum length shows its start, and
  // the field still gives back all the bytes while that start stays.
  written_text_ = text();
  // A result longer than the field shows its leading digits, not its tail.
  setCursorPosition(0);
}

std::string ByteKeepingLineEdit::Bytes() const {
  if (text() == written_text_) return written_bytes_;
  return EncodeUtf8(text());
}

}  // namespace quorvane
