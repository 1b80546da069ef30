// Writes the screenshots of the documentation, driving the real window, its
// file dialogs, menus and error box on a display (docs/make_screenshots.sh
// starts it on a virtual X server):
//   window.png    the window with the example profile axial_4x5mm_header.txt
//                 loaded through File > Load... and its dialog;
//   error_box.png the error box over the window after a load of a file that
//                 does not exist;
//   menu.png      the window with the File menu open;
//   zoomed.png    the window after a rectangle dragged on the chart zoomed in;
//   readouts.png  the readouts panel after CalMS, both columns filled;
// and report.pdf, the File > Report (PDF)... of that state, which the script
// renders into report_page.png.
//
// Usage: quorvane_window_screenshot <source folder> <output folder>
#include <QApplication>
#include <QChart>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/main_window.h"

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
// the dialog's command opens.
void ChooseFile(const QString& path, std::function<void()> next = {}) {
  AnswerModalDialog([path, next](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    std::printf("file dialog \"%s\" starts with %s\n", qPrintable(dialog->windowTitle()),
                qPrintable(dialog->selectedFiles().value(0)));
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

QPixmap GrabScreenArea(const QWidget& window, const QRect& area) {
  return window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

void GrabErrorBoxAndConfirm(const QWidget& window, const QDir& folder, bool& saved) {
  AnswerModalDialog([&window, folder, &saved](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    std::printf("error box \"%s\": %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
    saved = Save(GrabScreenArea(window, window.frameGeometry().united(box->frameGeometry())),
                 folder, "error_box.png");
    box->accept();
  });
}

// Opens the File menu as a click on the menu bar does, grabs the window with
// it, and closes it again.
bool GrabOpenFileMenu(quorvane::MainWindow& window, const QDir& folder) {
  QMenuBar& bar = *window.menuBar();
  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(bar.actions().first()).center());
  QTest::qWait(300);
  QMenu* menu = bar.actions().first()->menu();
  if (!menu->isVisible()) {
    std::fprintf(stderr, "the File menu did not open\n");
    return false;
  }
  const bool saved = Save(GrabScreenArea(window, window.frameGeometry().united(menu->geometry())),
                          folder, "menu.png");
  menu->close();
  QTest::qWait(100);
  return saved;
}

// Drags a rectangle around the tops of both curves, from -25 mm at dose 26
// to 25 mm at dose 20, as a user zooming in to compare them.
void DragZoomRectangle(quorvane::TForm1& form) {
  QWidget* viewport = form.Chart1->viewport();
  QChart& chart = *form.Chart1->chart();
  auto pixel = [&](QPointF value) {
    return form.Chart1->viewportTransform()
        .map(chart.mapToScene(chart.mapToPosition(value, form.Series2)))
        .toPoint();
  };
  const QPoint from = pixel(QPointF(-25, 26));
  const QPoint to = pixel(QPointF(25, 20));
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, (from + to) / 2);
  QTest::mouseMove(viewport, to);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
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

  // Recent profiles in a settings file of this run, not the user's.
  QTemporaryDir settings;
  quorvane::MainWindow window(std::make_unique<QSettings>(
      settings.filePath(QStringLiteral("quorvane.ini")), QSettings::IniFormat));
  quorvane::TForm1& form = window.form();
  quorvane::Form1 = &form;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  ChooseFile(source.absoluteFilePath(QStringLiteral("examples/axial_4x5mm_header.txt")));
  window.load_action()->trigger();
  QTest::qWait(200);
  if (!Save(window.grab(), output, "window.png")) return 1;
  if (!GrabOpenFileMenu(window, output)) return 1;

  form.ButtonCalMS->click();
  QTest::qWait(200);
  if (!Save(window.readouts_panel().grab(), output, "readouts.png")) return 1;
  ChooseFile(output.absoluteFilePath(QStringLiteral("report.pdf")));
  window.report_action()->trigger();

  DragZoomRectangle(form);
  QTest::qWait(200);
  if (!Save(window.grab(), output, "zoomed.png")) return 1;
  form.Chart1->ResetZoom();

  bool saved = false;
  ChooseFile(source.absoluteFilePath(QStringLiteral("examples/no_such_profile.txt")),
             [&] { GrabErrorBoxAndConfirm(window, output, saved); });
  window.load_action()->trigger();
  return saved ? 0 : 1;
}
