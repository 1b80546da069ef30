// The program title: the base name of the program's file, without its folder
// and its extension. The program sets no title of its own, so it follows the
// name under which the program is installed.
#pragma once

#include <QString>

namespace quorvane {

// Needs the application object.
QString ProgramTitle();

}  // namespace quorvane
