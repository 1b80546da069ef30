// A single-line field that gives back the bytes it was given. The loader
// copies the slice width and slice number from the profile file unchanged,
// and those bytes need not be UTF-8; the field shows them decoded, and as long
// as the user leaves its text alone it returns the file's bytes, so an action
// converts exactly what the file said.
#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace quorvane {

class ByteKeepingLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit ByteKeepingLineEdit(QWidget* parent = nullptr);

  // Shows the bytes decoded as UTF-8, invalid bytes as replacement characters.
  void SetBytes(std::string_view bytes);

  // The bytes last set while the shown text is still theirs; otherwise the
  // shown text as UTF-8.
  std::string Bytes() const;

 private:
  std::string written_bytes_;
  QString written_text_;
};

}  // namespace quorvane
