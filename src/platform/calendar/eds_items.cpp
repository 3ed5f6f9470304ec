#include "platform/calendar/eds_items.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>

#include "core/time/calendar.h"

namespace solvane::platform {

namespace {

// IcsFile tries a vendor-prefixed TZID from each '/' on this often.
constexpr int kMaxZoneSuffixes = 8;
constexpr std::size_t kMaxZoneNameBytes = 256;
constexpr std::size_t kMaxRememberedZones = 512;

std::string isoTime(std::int64_t unixSeconds) {
    const std::time_t t =
        static_cast<std::time_t>(std::clamp<std::int64_t>(unixSeconds, 0, kEdsLastUnixSecond));
    std::tm parts{};
    gmtime_r(&t, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
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
