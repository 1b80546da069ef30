#include "form_fixture.h"

#include <QDir>
#include <QtGlobal>

namespace quorvane::test_support {

QString ExamplePath(const QString& name) {
  QString source = qEnvironmentVariable("QUORVANE_SOURCE_DIR");
  if (source.isEmpty()) source = QStringLiteral(QUORVANE_SOURCE_DIR_FALLBACK);
  const QDir examples(QDir(source).filePath(QStringLiteral("examples")));
  return name.isEmpty() ? examples.path() : examples.filePath(name);
}

FormFixture::FormFixture() : owned_form_(std::make_unique<TForm1>()), form_(owned_form_.get()) {
  HookDialogAndErrorBox();
}

FormFixture::FormFixture(TForm1& form) : form_(&form) { HookDialogAndErrorBox(); }

void FormFixture::HookDialogAndErrorBox() {
  form_->OpenDialog1->set_chooser([this](QWidget*, const QString& start_name) {
    dialog_start_names_.push_back(start_name);
    std::optional<QString> answer;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    return answer;
  });
  form_->error_box().set_presenter([this](QWidget*, const QString& caption, const QString& text) {
    shown_errors_.push_back({caption, text});
  });
}

void FormFixture::AnswerDialogWith(std::optional<QString> answer) {
  answers_.push_back(std::move(answer));
}

void FormFixture::Load(const QString& path) {
  AnswerDialogWith(path);
  form_->ButtonLoad->click();
}

}  // namespace quorvane::test_support
