// The board command: today's board for the stored (or given) place, as text,
// JSON or a status-bar line.
#pragma once

#include <iosfwd>

#include "cli/arguments.h"
#include "cli/board_cli.h"

namespace solvane::cli {

int boardCommand(const Arguments& args, const Environment& env, std::ostream& out,
                 std::ostream& err);

}  // namespace solvane::cli
