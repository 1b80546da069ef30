// The program's licence, the full text of the repository's LICENSE file
// (the GNU General Public License version 3), built into the program so the
// About box can show it wherever the program runs.
#pragma once

#include <string_view>

namespace quorvane {

std::string_view LicenceText();

}  // namespace quorvane
