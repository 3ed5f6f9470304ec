// Our own record of what the user answered when asked for access to a
// service, standing in for the desktop's per-application permission switch.
//
// $XDG_CONFIG_HOME/solvane/permissions.json holds one JSON object with one key
// per service ({"calendars":"granted","location":"denied"}). Each writer reads
// the object, changes only its own key and puts the whole file back through a
// private temporary file renamed over it, so a reader never sees half a file
// and the other services' answers survive. The folder is 0700, the file 0600.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace solvane::platform {

inline constexpr std::string_view kLocationPermissionKey = "location";

enum class PermissionAnswer { granted, denied };

// $XDG_CONFIG_HOME/solvane/permissions.json (~/.config when unset); empty
// when there is no home folder to keep it in.
std::filesystem::path standardPermissionsFile();

// The recorded answer for `key`; nullopt when the user was never asked, or
// the record cannot be read or holds anything but "granted" or "denied".
std::optional<PermissionAnswer> readPermission(const std::filesystem::path& file,
                                               std::string_view key);

// Records `answer` under `key`, keeping every other key as it was. A record
// that is not a JSON object has nothing worth keeping and is replaced.
// Returns whether the answer is now on disk.
bool writePermission(const std::filesystem::path& file, std::string_view key,
                     PermissionAnswer answer);

}  // namespace solvane::platform
