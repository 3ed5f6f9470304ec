// The options of the solvane program, read by its Qt command-line parser.
// Qt's own options (-platform, -style, …) come on top.
#pragma once

#include "core/util/option_table.h"

namespace solvane::app {

const ProgramSpec& appProgram();

}  // namespace solvane::app
