// Writes the screenshots of the window for the documentation: window.png, the
// window with the example profile axial_4x5mm_header.txt loaded, and
// error_box.png, the error box over the window after a load of a file that
// does not exist. It drives the real file dialog and the real error box, so
// run it on a display: docs/make_screenshots.sh starts it on a virtual X
// server.
//
// Usage: quorvane_window_screenshot <source folder> <output folder>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/t_form1.h"

namespace {

// Runs `answer` on the modal dialog once it is open.
void AnswerModalDialog(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(300, [answer] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      answer(dialog);
    } else {
      std::fprintf(stderr, "no modal dialog to answer\n");
      QApplication::exit(1);
    }
  });
}

// Answers the file dialog with `path`, then runs `next` (if any) for what
// the load opens.
void ChooseFile(const QString& path, std::function<void()> next = {}) {
  AnswerModalDialog([path, next](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    const QStringList start = dialog->selectedFiles();
    std::printf("file dialog \"%s\" starts with %s\n", qPrintable(dialog->windowTitle()),
                qPrintable(start.value(0)));
    // Typed into the name field and confirmed, as a user would.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    if (next) next();
  });
}

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!picture.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("wrote %s (%d x %d)\n", qPrintable(path), picture.width(), picture.height());
  return true;
}

void GrabErrorBoxAndConfirm(const quorvane::TForm1& form, const QDir& folder, bool& saved) {
  AnswerModalDialog([&form, folder, &saved](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    std::printf("error box \"%s\": %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
    const QRect area = form.frameGeometry().united(box->frameGeometry());
    saved = Save(form.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()),
                 folder, "error_box.png");
    box->accept();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <source folder> <output folder>\n", argv[0]);
    return 2;
  }
  const QDir source(QString::fromLocal8Bit(argv[1]));
  const QDir output(QString::fromLocal8Bit(argv[2]));

  quorvane::TForm1 form;
  quorvane::Form1 = &form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;

  ChooseFile(source.absoluteFilePath(QStringLiteral("examples/axial_4x5mm_header.txt")));
  form.ButtonLoad->click();
  QTest::qWait(200);
  if (!Save(form.grab(), output, "window.png")) return 1;

  bool saved = false;
  ChooseFile(source.absoluteFilePath(QStringLiteral("examples/no_such_profile.txt")),
             [&] { GrabErrorBoxAndConfirm(form, output, saved); });
  form.ButtonLoad->click();
  return saved ? 0 : 1;
}
