// solvane-board's commands and options, as the parser reads them and the
// shell completions and the manual page's test know them.
#pragma once

#include "core/util/option_table.h"

namespace solvane::cli {

// The board itself (no command) first, then every command in the order of
// the usage text.
const ProgramSpec& boardProgram();

}  // namespace solvane::cli
