// A private copy of a calendar root from tests/data/calendars, access granted in a
// permission record of its own, in New York on Tuesday 2030-03-12 at 15:00.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/test_helpers.h"
#include "core/time/instant.h"
#include "platform/calendar/calendar_database.h"
#include "platform/calendar/permission_record.h"
#include "support/temp_dir.h"

namespace solvane::testing {

// A New York wall time.
inline Instant ny(int y, int m, int d, int hour = 0) {
    return *newYork().date(y, m, d, hour);
}

inline const Instant kToday = ny(2030, 3, 12, 15);

inline std::filesystem::path calendarData() {
    return std::filesystem::path(SOLVANE_TEST_DATA_DIR) / "calendars";
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

struct CalendarSetup {
    explicit CalendarSetup(const std::string& fixture = "personal")
        : root(dir.path() / fixture),
          permissions(dir.path() / "config" / "solvane" / "permissions.json") {
        std::filesystem::copy(calendarData() / fixture, root,
                              std::filesystem::copy_options::recursive);
        permissions.record(platform::kCalendarsPermissionKey, platform::kPermissionGranted);
        database = std::make_unique<platform::CalendarDatabase>(
            std::vector<std::filesystem::path>{root}, permissions);
    }

    TempDir dir;
    std::filesystem::path root;
    platform::PermissionRecord permissions;
    std::unique_ptr<platform::CalendarDatabase> database;
};

}  // namespace solvane::testing
