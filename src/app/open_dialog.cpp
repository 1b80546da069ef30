#include "app/open_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace quorvane {

OpenDialog::OpenDialog(QWidget* parent) : parent_(parent), chooser_(ChooseWithFileDialog) {}

std::optional<std::string> OpenDialog::Execute() { return Accept(chooser_(parent_, file_name_)); }

std::optional<std::string> OpenDialog::Accept(const std::optional<QString>& chosen) {
  if (!chosen.has_value() || chosen->isEmpty()) return std::nullopt;
  file_name_ = *chosen;
  const QByteArray path = QFile::encodeName(file_name_);
  return std::string(path.constData(), static_cast<std::size_t>(path.size()));
}

std::optional<QString> ChooseWithFileDialog(QWidget* parent, const QString& start_name) {
  // No caption: the dialog keeps its default title.
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!start_name.isEmpty()) dialog.selectFile(start_name);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

}  // namespace quorvane
