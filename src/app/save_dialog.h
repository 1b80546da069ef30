// The dialog that asks where to save: a caption, the file types it offers
// (the first one selected) and the suffix it adds to a name typed without
// one. It starts in the folder of the profile last loaded or saved.
//
// The asking itself is a function, so tests can answer in place of the user.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace quorvane {

struct SaveRequest {
  QString caption;
  QStringList filters;  // "Profiles (*.txt *.tsv *.csv *.dat)", ...
  QString default_suffix;
  QString start_name;
};

// The filters of every dialog for a profile file.
QStringList ProfileFileFilters();

class SaveDialog {
 public:
  // Returns the chosen path, or nothing when the user cancels.
  using Chooser =
      std::function<std::optional<QString>(QWidget* parent, const SaveRequest& request)>;

  explicit SaveDialog(QWidget* parent);

  // The chosen path; nothing for a cancel or an empty name.
  std::optional<QString> Execute(const SaveRequest& request);

  void set_chooser(Chooser chooser) { chooser_ = std::move(chooser); }

 private:
  QWidget* parent_;
  Chooser chooser_;
};

// The platform's file-save dialog, asking before it overwrites a file.
std::optional<QString> ChooseWithSaveDialog(QWidget* parent, const SaveRequest& request);

}  // namespace quorvane
