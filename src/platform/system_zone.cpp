#include "platform/system_zone.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

// Longer chains than this are loops or mistakes, not a zone.
constexpr int kMostLinks = 8;

// Zone files also live in "posix/" and "right/" copies of the database; the
// zone is the same.
std::string zoneFromTarget(std::string name) {
    for (std::string_view prefix : {"posix/", "right/"}) {
        if (name.starts_with(prefix)) {
            name.erase(0, prefix.size());
        }
    }
    return name;
}

std::optional<fs::path> nextLink(const fs::path& at) {
    std::error_code error;
    if (!fs::is_symlink(at, error)) {
        return std::nullopt;
    }
    fs::path target = fs::read_symlink(at, error);
    if (error) {
        return std::nullopt;
    }
    if (target.is_relative()) {
        target = at.parent_path() / target;
    }
    return target.lexically_normal();
}

// The zone name a localtime link's chain spells, not yet checked against
// the zone database.
std::optional<std::string> zoneTextOfLink(const fs::path& path) {
    constexpr std::string_view kFolder = "zoneinfo/";
    fs::path at = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const auto target = nextLink(at);
        if (!target) {
            return std::nullopt;
        }
        const std::string text = target->generic_string();
        if (const auto found = text.rfind(kFolder); found != std::string::npos) {
            std::string zone = zoneFromTarget(text.substr(found + kFolder.size()));
            if (zone.empty()) {
                return std::nullopt;
            }
            return zone;
        }
        at = *target;
    }
    return std::nullopt;
}

}  // namespace

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
    auto zone = zoneTextOfLink(path);
    if (!zone || !Calendar::make(*zone, "en_US")) {
        return std::nullopt;
    }
    return zone;
}

std::vector<fs::path> linkChain(const fs::path& path) {
    std::vector<fs::path> chain{path};
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const auto target = nextLink(chain.back());
        if (!target) {
            break;
        }
        chain.push_back(*target);
    }
    return chain;
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
        // Calendar::make below checks the zone, and only when it is new.
        const auto zone = followed->pinned ? std::nullopt : zoneTextOfLink(followed->path);
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
        }
        return *followed->calendar;
    };
}

}  // namespace solvane::platform
