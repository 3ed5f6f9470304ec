#include "platform/location/location_permission.h"

#include "platform/calendar/permission_record.h"

namespace solvane::platform {

std::filesystem::path standardPermissionsFile() {
    return PermissionRecord::standard().file();
}

std::optional<PermissionAnswer> readPermission(const std::filesystem::path& file,
                                               std::string_view key) {
    const auto answer = PermissionRecord(file).answer(key);
    if (answer == kPermissionGranted) {
        return PermissionAnswer::granted;
    }
    if (answer == kPermissionDenied) {
        return PermissionAnswer::denied;
    }
    return std::nullopt;
}

bool writePermission(const std::filesystem::path& file, std::string_view key,
                     PermissionAnswer answer) {
    return PermissionRecord(file).record(
        key, answer == PermissionAnswer::granted ? kPermissionGranted : kPermissionDenied);
}

}  // namespace solvane::platform
