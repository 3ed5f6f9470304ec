// Zones made for a test's own time-zone database folder (TZDIR) with zic,
// the compiler the tzdata package is built with.
#pragma once

#include <filesystem>
#include <string>

namespace solvane::testing {

// Compiles `source` (zic's Zone and Rule lines naming `name`) and renames the
// result over `tzdir`/`name`, as a package manager does. False when zic fails.
bool installZone(const std::filesystem::path& tzdir, const std::string& name,
                 const std::string& source);

}  // namespace solvane::testing
