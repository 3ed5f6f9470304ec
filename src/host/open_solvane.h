// Brings the Solvane window to the user: the running window comes forward,
// or the program starts (the copy beside this one, else the one on PATH).
#pragma once

namespace solvane::host {

void openSolvane();

}  // namespace solvane::host
