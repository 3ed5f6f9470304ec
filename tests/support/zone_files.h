// Zones for a test's own time-zone folder (TZDIR), made with tzdata's own zic.
#pragma once

#include <filesystem>
#include <string>

namespace solvane::testing {

// Compiles `source` (zic's Zone and Rule lines naming `name`) and renames the
// result over `tzdir`/`name`, as a package manager does. False when zic fails.
bool installZone(const std::filesystem::path& tzdir, const std::string& name,
                 const std::string& source);

}  // namespace solvane::testing
