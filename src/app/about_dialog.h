// Help > About Quorvane: the program's version, the version of Qt it runs
// on, and its licence, the GNU General Public License version 3 or later,
// whose full text (the repository's LICENSE file, built into the program)
// it shows below.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace quorvane {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QString summary() const;
  QString licence_text() const;

 private:
  QLabel* summary_;
  QPlainTextEdit* licence_;
};

}  // namespace quorvane
