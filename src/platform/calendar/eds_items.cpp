#include "platform/calendar/eds_items.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>

#include "core/time/calendar.h"

namespace solvane::platform {

namespace {

// 9999-12-31T23:59:59Z: the last second EDS's time parser reads.
constexpr std::int64_t kLastUnixSecond = 253'402'300'799;
// IcsFile tries a vendor-prefixed TZID from each '/' on this often.
constexpr int kMaxZoneSuffixes = 8;
constexpr std::size_t kMaxZoneNameBytes = 256;
constexpr std::size_t kMaxRememberedZones = 512;

std::string isoTime(std::int64_t unixSeconds) {
    const std::time_t t =
        static_cast<std::time_t>(std::clamp<std::int64_t>(unixSeconds, 0, kLastUnixSecond));
    std::tm parts{};
    gmtime_r(&t, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

std::string hexByte(long value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const long v = std::clamp(value, 0L, 255L);
    return {kHex[v >> 4], kHex[v & 0xF]};
}

std::optional<std::string> hexColor(std::string_view hex) {
    if (hex.empty() || !std::all_of(hex.begin(), hex.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        })) {
        return std::nullopt;
    }
    // #RGBA and #RRGGBBAA carry an alpha that a calendar colour drops.
    if (hex.size() == 4 || hex.size() == 8) {
        hex = hex.substr(0, hex.size() / 4 * 3);
    }
    if (hex.size() % 3 != 0 || hex.size() > 12) {
        return std::nullopt;
    }
    const std::size_t digits = hex.size() / 3;
    const long top = (1L << (4 * digits)) - 1;
    std::string out = "#";
    for (std::size_t i = 0; i < 3; ++i) {
        const long channel =
            std::strtol(std::string(hex.substr(i * digits, digits)).c_str(), nullptr, 16);
        out += hexByte((channel * 255 + top / 2) / top);
    }
    return out;
}

// "rgb(98,160,234)", "rgba(98,160,234,0.5)", and percentages, as GDK
// writes them.
std::optional<std::string> functionalColor(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::size_t open = 0;
    if (lower.starts_with("rgba(")) {
        open = 5;
    } else if (lower.starts_with("rgb(")) {
        open = 4;
    } else {
        return std::nullopt;
    }
    if (!lower.ends_with(')')) {
        return std::nullopt;
    }
    const std::string inside = lower.substr(open, lower.size() - open - 1);
    const char* p = inside.c_str();
    std::string out = "#";
    for (int i = 0; i < 3; ++i) {
        char* end = nullptr;
        double value = std::strtod(p, &end);
        if (end == p || !std::isfinite(value)) {
            return std::nullopt;
        }
        p = end;
        while (*p == ' ') {
            ++p;
        }
        if (*p == '%') {
            value = value * 255.0 / 100.0;
            ++p;
        }
        out += hexByte(std::lround(std::clamp(value, 0.0, 255.0)));
        while (*p == ' ') {
            ++p;
        }
        if (i < 2 && *p++ != ',') {
            return std::nullopt;
        }
    }
    return out;
}

bool knownByName(const std::string& name) {
    if (Calendar::make(name, "en_US")) {
        return true;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString iana;
    icu::TimeZone::getIDForWindowsID(icu::UnicodeString::fromUTF8(name), nullptr, iana, status);
    return U_SUCCESS(status) && !iana.isEmpty();
}

}  // namespace

std::string edsQuery(std::int64_t fromUnix, std::int64_t toUnix) {
    return "(or (has-recurrences?) (occur-in-time-range? (make-time \"" + isoTime(fromUnix) +
           "\") (make-time \"" + isoTime(toUnix) + "\")))";
}

std::optional<std::string> edsColor(std::string_view text) {
    const std::string_view c = trimmed(text);
    if (c.starts_with('#')) {
        return hexColor(c.substr(1));
    }
    return functionalColor(c);
}

bool edsZoneKnown(std::string_view tzid) {
    if (tzid.empty() || tzid.size() > kMaxZoneNameBytes) {
        return false;
    }
    static std::mutex mutex;
    static std::map<std::string, bool, std::less<>> remembered;
    {
        std::lock_guard lock(mutex);
        if (const auto it = remembered.find(tzid); it != remembered.end()) {
            return it->second;
        }
    }
    const std::string name(tzid);
    bool known = knownByName(name);
    if (!known && name.starts_with('/')) {
        std::size_t slash = 0;
        for (int tries = 0; !known && tries < kMaxZoneSuffixes; ++tries) {
            slash = name.find('/', slash + 1);
            if (slash == std::string::npos) {
                break;
            }
            known = knownByName(name.substr(slash + 1));
        }
    }
    std::lock_guard lock(mutex);
    if (remembered.size() < kMaxRememberedZones) {
        remembered.emplace(name, known);
    }
    return known;
}

std::vector<std::string> edsZoneIds(const std::vector<icalcomponent*>& components) {
    std::set<std::string> ids;
    for (icalcomponent* component : components) {
        for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
            icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
            const char* id = tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
            if (id != nullptr && *id != '\0') {
                ids.emplace(id);
            }
        }
    }
    return {ids.begin(), ids.end()};
}

std::vector<IcsFile> edsFiles(
    const std::vector<icalcomponent*>& components,
    const std::function<std::optional<std::string>(const std::string&)>& zoneText) {
    std::vector<std::vector<icalcomponent*>> groups;
    std::unordered_map<std::string_view, std::size_t> byUid;
    for (icalcomponent* component : components) {
        if (component == nullptr || icalcomponent_isa(component) != ICAL_VEVENT_COMPONENT) {
            continue;
        }
        const char* uid = icalcomponent_get_uid(component);
        if (uid == nullptr || *uid == '\0') {
            groups.push_back({component});
            continue;
        }
        const auto [it, added] = byUid.emplace(uid, groups.size());
        if (added) {
            groups.emplace_back();
        }
        groups[it->second].push_back(component);
    }

    std::vector<IcsFile> files;
    files.reserve(groups.size());
    std::string text;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane//EDS//EN\r\n";
        for (const std::string& tzid : edsZoneIds(groups[g])) {
            if (!edsZoneKnown(tzid)) {
                if (const auto vtimezone = zoneText(tzid)) {
                    text += *vtimezone;
                }
            }
        }
        for (icalcomponent* component : groups[g]) {
            if (char* item = icalcomponent_as_ical_string_r(component)) {
                text += item;
                icalmemory_free_buffer(item);
            }
        }
        text += "END:VCALENDAR\r\n";
        files.push_back(IcsFile::parse(text, "eds-item-" + std::to_string(g)));
    }
    return files;
}

}  // namespace solvane::platform
