// OpenDialog1: asks for the profile file to load. All files, the default
// title, and it starts with the file name chosen the time before. A name that
// does not exist is accepted, so that the loader reports it.
//
// The asking itself is a function, so tests can answer in place of the user.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace quorvane {

class OpenDialog {
 public:
  // Shows a dialog starting with `start_name` and returns the chosen path,
  // or nothing when the user cancels.
  using Chooser = std::function<std::optional<QString>(QWidget* parent, const QString& start_name)>;

  explicit OpenDialog(QWidget* parent);

  // The chosen path as the file system spells it, or nothing when the dialog
  // was cancelled or gave an empty name; a cancel keeps the last name.
  std::optional<std::string> Execute();
  // What Execute gives when the dialog answers `chosen`: for a path chosen
  // elsewhere (the command line, a drop), which the dialog then starts with.
  std::optional<std::string> Accept(const std::optional<QString>& chosen);

  const QString& file_name() const { return file_name_; }
  void set_chooser(Chooser chooser) { chooser_ = std::move(chooser); }

 private:
  QWidget* parent_;
  Chooser chooser_;
  QString file_name_;
};

// The platform's file-open dialog as OpenDialog1 needs it.
std::optional<QString> ChooseWithFileDialog(QWidget* parent, const QString& start_name);

}  // namespace quorvane
