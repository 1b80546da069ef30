// quorvane: the window of the CT dose profile tool. It takes no arguments and
// reads no settings; closing the window ends the program.
#include <QApplication>

#include "app/t_form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quorvane::TForm1 form;
  quorvane::Form1 = &form;
  form.show();
  const int exit_code = QApplication::exec();
  quorvane::Form1 = nullptr;
  return exit_code;
}
