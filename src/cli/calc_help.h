// The texts of quorvane-calc --help: one for the program, listing every
// action and option, and one per action with the options it takes.
#pragma once

#include <string>

#include "cli/calc_command.h"

namespace quorvane::cli {

std::string HelpText();

// "quorvane-calc ms --help": the action's synopsis and options.
std::string ActionHelpText(CalcAction action);

}  // namespace quorvane::cli
