#include "window_fixture.h"

#include <QTest>

namespace quorvane::test_support {

WindowFixture::WindowFixture(const QString& settings_file)
    : settings_file_(settings_file.isEmpty() ? folder_.filePath(QStringLiteral("quorvane.ini"))
                                             : settings_file),
      window_(std::make_unique<MainWindow>(
          std::make_unique<QSettings>(settings_file_, QSettings::IniFormat))),
      form_fixture_(std::make_unique<FormFixture>(window_->form())) {
  window_->save_dialog().set_chooser([this](QWidget*, const SaveRequest& request) {
    save_requests_.push_back(request);
    std::optional<QString> answer;
    if (!save_answers_.empty()) {
      answer = save_answers_.front();
      save_answers_.pop_front();
    }
    return answer;
  });
}

void WindowFixture::AnswerSaveDialogWith(std::optional<QString> answer) {
  save_answers_.push_back(std::move(answer));
}

bool WindowFixture::ShowAndActivate() {
  window_->show();
  return QTest::qWaitForWindowActive(window_.get());
}

}  // namespace quorvane::test_support
