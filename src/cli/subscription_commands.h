// solvane-board's subscription commands: following a calendar published at
// an address, and no longer following it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/board_cli.h"

namespace solvane::cli {

// subscribe URL [--name NAME]
int subscribeCommand(const Arguments& args, const Environment& env, std::ostream& out,
                     std::ostream& err);
// unsubscribe ID
int unsubscribeCommand(const Arguments& args, const Environment& env, std::ostream& out,
                       std::ostream& err);

}  // namespace solvane::cli
