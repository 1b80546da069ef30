#include "app/byte_keeping_line_edit.h"

#include <limits>

#include "app/utf8_text.h"

namespace quorvane {

// No length limit: a header line's slice width of any length is kept whole,
// as the loader read it (QLineEdit would cut it at 32767 characters).
ByteKeepingLineEdit::ByteKeepingLineEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
}

void ByteKeepingLineEdit::SetBytes(std::string_view bytes) {
  written_bytes_.assign(bytes);
  written_text_ = DecodeUtf8(bytes);
  setText(written_text_);
  // A result longer than the field shows its leading digits, not its tail.
  setCursorPosition(0);
}

std::string ByteKeepingLineEdit::Bytes() const {
  if (text() == written_text_) return written_bytes_;
  return EncodeUtf8(text());
}

}  // namespace quorvane
