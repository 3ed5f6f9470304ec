// Zones made for a test's own time-zone database folder (TZDIR) with zic,
// the compiler the tzdata package is built with.
#pragma once

#include <filesystem>
#include <string>

namespace solvane::testing {

// Compiles `source` (zic's input: Zone and Rule lines naming `name`) and puts
// the file at `tzdir`/`name` the way a package manager does: written beside
// the folder, then renamed over the old file. False when zic fails.
bool installZone(const std::filesystem::path& tzdir, const std::string& name,
                 const std::string& source);

}  // namespace solvane::testing
