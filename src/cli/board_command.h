// The board command: today's board for the stored (or given) place, as text,
// JSON or a status-bar line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/board_cli.h"

namespace solvane::cli {

int boardCommand(const std::vector<std::string>& args, const Environment& env, std::ostream& out,
                 std::ostream& err);

}  // namespace solvane::cli
