// The program's window for tests: Form1 inside it hooked as FormFixture
// hooks it, the save dialog answering from a list and recording what it was
// asked, and the recent profiles kept in a settings file of the test's own.
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "form_fixture.h"

namespace quorvane::test_support {

class WindowFixture {
 public:
  // `settings_file` empty: a fresh settings file of this fixture.
  explicit WindowFixture(const QString& settings_file = QString());

  MainWindow& window() { return *window_; }
  TForm1& form() { return window_->form(); }
  FormFixture& form_fixture() { return *form_fixture_; }
  const std::vector<ShownError>& shown_errors() const { return form_fixture_->shown_errors(); }
  QString settings_file() const { return settings_file_; }

  // The next save dialog returns `answer`; nothing stands for a cancel.
  void AnswerSaveDialogWith(std::optional<QString> answer);
  const std::vector<SaveRequest>& save_requests() const { return save_requests_; }

  // Shows the window and waits until it is active.
  bool ShowAndActivate();

 private:
  QTemporaryDir folder_;
  QString settings_file_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<FormFixture> form_fixture_;
  std::deque<std::optional<QString>> save_answers_;
  std::vector<SaveRequest> save_requests_;
};

}  // namespace quorvane::test_support
