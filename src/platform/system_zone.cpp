#include "platform/system_zone.h"

#include "core/time/zone_rules.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>

namespace solvane::platform {

namespace fs = std::filesystem;

fs::path localtimePath() {
    if (const char* path = std::getenv("SOLVANE_LOCALTIME_PATH");
        path != nullptr && *path != '\0') {
        return path;
    }
    return kSystemLocaltimePath;
}

bool zonePinnedByEnvironment() {
    return std::getenv("TZ") != nullptr;
}

std::optional<std::string> zoneNamedByLink(const fs::path& path) {
    auto zone = zoneNameOfLink(path);
    if (!zone || !Calendar::make(*zone, "en_US")) {
        return std::nullopt;
    }
    return zone;
}

std::string systemZoneId() {
    if (!zonePinnedByEnvironment()) {
        if (auto zone = zoneNamedByLink(localtimePath())) {
            return *zone;
        }
    }
    return Calendar::current().zoneId();
}

std::function<Calendar()> followedSystemCalendar() {
    struct Followed {
        std::mutex mutex;
        std::optional<Calendar> calendar;
        bool pinned = zonePinnedByEnvironment();
        fs::path path = localtimePath();
    };
    auto followed = std::make_shared<Followed>();
    return [followed] {
        std::lock_guard lock(followed->mutex);
        // Calendar::make below checks the zone, and only when it is new or
        // its file has been replaced (a tzdata upgrade).
        const auto zone = followed->pinned ? std::nullopt : zoneNameOfLink(followed->path);
        if (!followed->calendar) {
            const std::string locale = Calendar::currentLocaleName();
            followed->calendar = zone ? Calendar::make(*zone, locale) : std::nullopt;
            if (!followed->calendar) {
                followed->calendar = Calendar::current();
            }
        } else if (zone && *zone != followed->calendar->zoneId()) {
            if (auto moved = Calendar::make(*zone, followed->calendar->locale())) {
                followed->calendar = std::move(moved);
            }
        } else {
            followed->calendar = followed->calendar->refreshed();
        }
        return *followed->calendar;
    };
}

}  // namespace solvane::platform
