#include "app/save_dialog.h"

#include <QFileDialog>

namespace quorvane {

QStringList ProfileFileFilters() {
  return {QStringLiteral("Profiles (*.txt *.tsv *.csv *.dat)"), QStringLiteral("All files (*)")};
}

SaveDialog::SaveDialog(QWidget* parent) : parent_(parent), chooser_(ChooseWithSaveDialog) {}

std::optional<QString> SaveDialog::Execute(const SaveRequest& request) {
  std::optional<QString> chosen = chooser_(parent_, request);
  if (!chosen.has_value() || chosen->isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> ChooseWithSaveDialog(QWidget* parent, const SaveRequest& request) {
  QFileDialog dialog(parent, request.caption);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.default_suffix);
  if (!request.start_name.isEmpty()) dialog.selectFile(request.start_name);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

}  // namespace quorvane
