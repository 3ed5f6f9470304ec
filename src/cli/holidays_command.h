// solvane-board holidays: a country's (or region's) holidays of one year, as
// text or JSON, names in the user's language where the country's file has it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/board_cli.h"

namespace solvane::cli {

int holidaysCommand(const Arguments& args, const Environment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace solvane::cli
