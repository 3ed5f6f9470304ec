// Our own record of what the user answered when asked for access to a
// service, standing in for the desktop's per-application permission switch.
//
// The answers live in the same record as the calendar answer
// (PermissionRecord), under the key "location".
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
