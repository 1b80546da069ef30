// A main window for tests: its file dialog answers from a list instead of
// waiting for a user, and its error box records what it would have shown.
#pragma once

#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app/t_form1.h"

namespace quorvane::test_support {

struct ShownError {
  QString caption;
  QString text;
};

// A file of the repository's examples/ folder, or the folder itself.
QString ExamplePath(const QString& name = QString());

class FormFixture {
 public:
  // A main window of its own.
  FormFixture();
  // The main window inside a program window, which owns it.
  explicit FormFixture(TForm1& form);

  TForm1& form() { return *form_; }

  // The next dialog returns `answer`; nothing stands for a cancel.
  void AnswerDialogWith(std::optional<QString> answer);
  // Answers the dialog with `path` and clicks "Load".
  void Load(const QString& path);

  const std::vector<QString>& dialog_start_names() const { return dialog_start_names_; }
  const std::vector<ShownError>& shown_errors() const { return shown_errors_; }

 private:
  void HookDialogAndErrorBox();

  std::unique_ptr<TForm1> owned_form_;
  TForm1* form_;
  std::deque<std::optional<QString>> answers_;
  std::vector<QString> dialog_start_names_;
  std::vector<ShownError> shown_errors_;
};

}  // namespace quorvane::test_support
