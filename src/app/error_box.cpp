#include "app/error_box.h"

#include <QMessageBox>

#include "app/program_title.h"
#include "app/utf8_text.h"
#include "errors/error_box_text.h"

namespace quorvane {

ErrorBox::ErrorBox(QWidget* parent) : parent_(parent), presenter_(ShowMessageBox) {}

void ErrorBox::Show(std::string_view message) const {
  presenter_(parent_, ProgramTitle(), DecodeUtf8(ErrorBoxText(message)));
}

void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace quorvane
