#include "core/time/zone_rules.h"

#include <sys/stat.h>
#include <unicode/simpletz.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <system_error>

#include "core/time/tzif_zone.h"
#include "core/time/zone_rules_internal.h"
#include "core/util/display_text.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// Longer chains than this are loops or mistakes, not a zone.
constexpr int kMostLinks = 8;
// The longest name the database holds is under 40 bytes.
constexpr std::size_t kLongestZoneName = 255;
// Names come from files (calendar TZIDs), so the cache is bounded; the
// database holds about 600 zones.
constexpr std::size_t kMostCachedZones = 1024;

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '+' || c == '.';
}

ZoneFileIdentity identify(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true,
            static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino),
            static_cast<long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec),
            static_cast<long long>(info.st_mtim.tv_nsec)};
}

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool startsLikeTzif(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 4> magic{};
    return in.read(magic.data(), magic.size()) && std::string_view(magic.data(), 4) == "TZif";
}

std::unique_ptr<icu::TimeZone> icuZone(std::string_view id) {
    const auto name = icu::UnicodeString::fromUTF8(
        icu::StringPiece(id.data(), static_cast<std::int32_t>(id.size())));
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(name));
    if (!zone || *zone == icu::TimeZone::getUnknown()) {
        return nullptr;
    }
    return zone;
}

void warn(const std::string& line) {
    // Paths come from TZDIR: nothing in them may steer the terminal.
    std::fprintf(stderr, "solvane: %s\n", oneLine(line).c_str());
}

struct CachedZone {
    ZoneFileIdentity identity;
    std::unique_ptr<icu::TimeZone> prototype;
};

std::mutex& cacheMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, CachedZone, std::less<>>& cache() {
    static std::map<std::string, CachedZone, std::less<>> zones;
    return zones;
}

// The zone in the file at `path`, or what stands in for it when the file
// cannot be read, said once per file on stderr.
std::unique_ptr<icu::TimeZone> readZone(std::string_view id, const std::string& path) {
    const std::string name(id);
    if (auto zone = readTzifZone(name, path)) {
        return zone;
    }
    auto fallback = icuZone(id);
    if (!fallback && !startsLikeTzif(path)) {
        return nullptr;  // a table or a note of the database, not a zone
    }
    warn("cannot read the time-zone file " + path + "; using " +
         (fallback ? "ICU's built-in rules" : "UTC") + " for " + name);
    if (!fallback) {
        fallback = std::make_unique<icu::SimpleTimeZone>(
            0, icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), name.size())));
    }
    return fallback;
}

std::string nameInTarget(const std::string& target, const std::string& directory) {
    std::string name;
    if (!directory.empty() && target.starts_with(directory + "/")) {
        name = target.substr(directory.size() + 1);
    } else {
        constexpr std::string_view kFolder = "zoneinfo/";
        const auto found = target.rfind(kFolder);
        if (found == std::string::npos) {
            return {};
        }
        name = target.substr(found + kFolder.size());
    }
    // The "posix/" and "right/" copies of the database hold the same zones.
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

std::string directoryText() {
    return zoneInfoDirectory().lexically_normal().generic_string();
}

}  // namespace

fs::path zoneInfoDirectory() {
    if (const char* dir = std::getenv("TZDIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return fs::path(kSystemZoneInfo);
}

bool isZoneName(std::string_view id) {
    if (id.empty() || id.size() > kLongestZoneName || id.front() == '/' || id.back() == '/') {
        return false;
    }
    std::size_t start = 0;
    while (start <= id.size()) {
        const std::size_t end = std::min(id.find('/', start), id.size());
        const std::string_view part = id.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." ||
            !std::all_of(part.begin(), part.end(), isNameCharacter)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::optional<std::string> zoneNameOfLink(const fs::path& link) {
    const std::string directory = directoryText();
    fs::path at = link;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const auto target = nextLink(at);
        if (!target) {
            return std::nullopt;
        }
        std::string name = nameInTarget(target->generic_string(), directory);
        if (!name.empty()) {
            return name;
        }
        at = *target;
    }
    return std::nullopt;
}

std::vector<fs::path> linkChain(const fs::path& link) {
    std::vector<fs::path> chain{link};
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const auto target = nextLink(chain.back());
        if (!target) {
            break;
        }
        chain.push_back(*target);
    }
    return chain;
}

std::optional<std::string> environmentZoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        std::string_view value(tz);
        if (value.starts_with(':')) {
            value.remove_prefix(1);
        }
        if (value.empty()) {
            return "UTC";  // an empty TZ is UTC for the C library too
        }
        std::string name(value);
        if (value.front() == '/') {
            name =
                nameInTarget(fs::path(name).lexically_normal().generic_string(), directoryText());
        }
        if (isZoneName(name) && isRegularFile((zoneInfoDirectory() / name).string())) {
            return name;
        }
        return std::nullopt;
    }
    return zoneNameOfLink("/etc/localtime");
}

std::optional<LoadedZone> loadZone(std::string_view id) {
    if (!isZoneName(id)) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path directory = fs::absolute(zoneInfoDirectory(), error);
    if (error) {
        return std::nullopt;
    }
    const std::string path = (directory / fs::path(id)).string();
    const ZoneFileIdentity identity = identify(path);
    if (!identity.exists) {
        if (fs::is_directory(directory, error)) {
            return std::nullopt;  // the database does not have this zone
        }
        auto zone = icuZone(id);
        if (!zone) {
            return std::nullopt;
        }
        static std::once_flag warned;
        std::call_once(warned, [&] {
            warn("no time-zone database at " + directory.string() +
                 "; zone rules come from ICU's built-in table, which may be out of date");
        });
        return LoadedZone{std::move(zone), {path, identity}};
    }
    if (!isRegularFile(path)) {
        return std::nullopt;  // a folder of zones, such as "America"
    }

    std::lock_guard lock(cacheMutex());
    auto& zones = cache();
    if (const auto it = zones.find(path); it != zones.end() && it->second.identity == identity) {
        return LoadedZone{std::unique_ptr<icu::TimeZone>(it->second.prototype->clone()),
                          {path, identity}};
    }
    auto zone = readZone(id, path);
    if (!zone) {
        return std::nullopt;
    }
    if (zones.size() < kMostCachedZones || zones.contains(path)) {
        zones[path] = CachedZone{identity, std::unique_ptr<icu::TimeZone>(zone->clone())};
    }
    return LoadedZone{std::move(zone), {path, identity}};
}

bool stampCurrent(const ZoneStamp& stamp) {
    return stamp.path.empty() || identify(stamp.path) == stamp.identity;
}

}  // namespace solvane
