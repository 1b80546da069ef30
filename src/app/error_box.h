// The error box: every error that ends an action is shown in a modal
// critical message box with one OK button, captioned with the program title;
// its text is the message with the full stop rule of ErrorBoxText.
//
// The showing itself is a function, so tests can catch the box instead of
// waiting for someone to press OK.
#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <utility>

class QWidget;

namespace quorvane {

class ErrorBox {
 public:
  using Presenter =
      std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

  explicit ErrorBox(QWidget* parent);

  // Shows ErrorBoxText(message) and returns once the user has confirmed.
  void Show(std::string_view message) const;

  void set_presenter(Presenter presenter) { presenter_ = std::move(presenter); }

 private:
  QWidget* parent_;
  Presenter presenter_;
};

// A QMessageBox with the critical icon and one OK button.
void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text);

}  // namespace quorvane
