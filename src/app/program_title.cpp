#include "app/program_title.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvane {

QString ProgramTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace quorvane
