// quorvane [FILE]: the window of the CT dose profile tool. FILE, when given,
// is loaded at start as "Load" loads a chosen file; --help and --version
// print and end. The recent profiles are the only settings it keeps;
// closing the window ends the program.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
  quorvane::SetUpApplicationIdentity();
  quorvane::AnswerHelpOrVersion(argc, argv);
  QApplication application(argc, argv);
  QCommandLineParser parser;
  quorvane::DescribeCommandLine(parser);
  parser.process(application);
  if (parser.positionalArguments().size() > 1) {
    std::fprintf(stderr, "quorvane: one FILE at most; see quorvane --help\n");
    return 2;
  }

  quorvane::MainWindow window;
  quorvane::Form1 = &window.form();
  window.show();
  // Once the window is up, so that an error box has a window to stand on.
  QTimer::singleShot(0, &window,
                     [&window, &parser] { quorvane::LoadFileToOpen(window.form(), parser); });
  const int exit_code = QApplication::exec();
  quorvane::Form1 = nullptr;
  return exit_code;
}
