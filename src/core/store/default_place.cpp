#include "core/store/default_place.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace solvane {

namespace {

// "+5230+01322" or "+404251-0740023": ISO 6709 degrees and minutes, with
// seconds when the text is longer; nothing for anything else.
std::optional<double> sexagesimal(std::string_view text, int degreeDigits) {
    if (text.size() < static_cast<std::size_t>(1 + degreeDigits + 2) ||
        (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const std::size_t digits = text.size() - 1;
    if (digits != static_cast<std::size_t>(degreeDigits + 2) &&
        digits != static_cast<std::size_t>(degreeDigits + 4)) {
        return std::nullopt;
    }
    double parts[3] = {0, 0, 0};
    std::size_t at = 1;
    const int widths[3] = {degreeDigits, 2, 2};
    for (int i = 0; i < 3 && at < text.size(); ++i) {
        for (int k = 0; k < widths[i]; ++k, ++at) {
            const char c = text[at];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            parts[i] = parts[i] * 10 + (c - '0');
        }
    }
    const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    return text[0] == '-' ? -degrees : degrees;
}

struct Coordinates {
    double latitude;
    double longitude;
};

// Zone name → its city's coordinates, from one table file; comments and
// lines that do not read are skipped.
void readTable(const std::filesystem::path& file, std::map<std::string, Coordinates>& out) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto tab1 = line.find('\t');
        const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            continue;
        }
        const std::string_view place(line.data() + tab1 + 1, tab2 - tab1 - 1);
        const auto tab3 = line.find('\t', tab2 + 1);
        const std::string zone =
            line.substr(tab2 + 1, tab3 == std::string::npos ? std::string::npos : tab3 - tab2 - 1);
        // The longitude starts at the second sign.
        const auto split = place.find_first_of("+-", 1);
        if (split == std::string_view::npos) {
            continue;
        }
        const auto latitude = sexagesimal(place.substr(0, split), 2);
        const auto longitude = sexagesimal(place.substr(split), 3);
        if (latitude && longitude && !zone.empty()) {
            out.emplace(zone, Coordinates{*latitude, *longitude});  // the first line wins
        }
    }
}

// The tables of one folder, read once per process.
const std::map<std::string, Coordinates>& tables(const std::filesystem::path& zoneInfo) {
    static std::mutex mutex;
    static std::map<std::filesystem::path, std::unique_ptr<std::map<std::string, Coordinates>>>
        read;
    std::lock_guard lock(mutex);
    auto& table = read[zoneInfo];
    if (!table) {
        table = std::make_unique<std::map<std::string, Coordinates>>();
        // zone1970.tab first; zone.tab still places zones that have become
        // links since (Europe/Stockholm, Asia/Calcutta's old name).
        readTable(zoneInfo / "zone1970.tab", *table);
        readTable(zoneInfo / "zone.tab", *table);
    }
    return *table;
}

std::string utf8(const icu::UnicodeString& s) {
    std::string out;
    s.toUTF8String(out);
    return out;
}

// "America/Argentina/Rio_Gallegos" → "Rio Gallegos".
icu::UnicodeString cityOfZoneName(const std::string& zone) {
    std::string city = zone.substr(zone.rfind('/') + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    return icu::UnicodeString::fromUTF8(city);
}

// The zone and every name linked to it, the zone's own first.
std::vector<icu::UnicodeString> equivalents(const icu::UnicodeString& zone) {
    std::vector<icu::UnicodeString> out{zone};
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString canonical;
    icu::TimeZone::getCanonicalID(zone, canonical, status);
    if (U_SUCCESS(status) && canonical != zone) {
        out.push_back(canonical);
    }
    const int32_t count = icu::TimeZone::countEquivalentIDs(zone);
    for (int32_t i = 0; i < count; ++i) {
        out.push_back(icu::TimeZone::getEquivalentID(zone, i));
    }
    return out;
}

}  // namespace

namespace {

struct City {
    std::string zone;  // as the table names it
    SavedLocation location;
};

std::optional<City> findCity(std::string_view zoneId, std::string_view locale,
                             const std::filesystem::path& zoneInfo) {
    try {
        const auto& table = tables(zoneInfo);
        const icu::UnicodeString zone = icu::UnicodeString::fromUTF8(
            icu::StringPiece(zoneId.data(), static_cast<int32_t>(zoneId.size())));
        UErrorCode status = U_ZERO_ERROR;
        const std::unique_ptr<icu::TimeZoneNames> names(
            icu::TimeZoneNames::createInstance(icu::Locale(std::string(locale).c_str()), status));
        for (const icu::UnicodeString& candidate : equivalents(zone)) {
            const auto found = table.find(utf8(candidate));
            if (found == table.end()) {
                continue;
            }
            icu::UnicodeString city;
            if (U_SUCCESS(status)) {
                names->getExemplarLocationName(candidate, city);
                if (city.isEmpty()) {
                    names->getExemplarLocationName(zone, city);
                }
            }
            if (city.isEmpty()) {
                // A zone newer than ICU's tables ("America/Ciudad_Juarez"):
                // its name spells the city.
                city = cityOfZoneName(found->first);
            }
            if (city.isEmpty()) {
                return std::nullopt;
            }
            return City{found->first,
                        SavedLocation{found->second.latitude, found->second.longitude, utf8(city)}};
        }
    } catch (...) {
        // Out of memory reading a table: the built-in place stands in.
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> nearestZone(double latitude, double longitude,
                                       const std::filesystem::path& zoneInfo) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) {
        return std::nullopt;
    }
    constexpr double kRadians = 3.14159265358979323846 / 180;
    std::optional<std::string> best;
    double bestDistance = 0;
    try {
        for (const auto& [zone, at] : tables(zoneInfo)) {
            // The haversine's inner term orders places by distance as the
            // distance itself does.
            const double dLat = (at.latitude - latitude) * kRadians;
            const double dLon = (at.longitude - longitude) * kRadians;
            const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                             std::cos(latitude * kRadians) * std::cos(at.latitude * kRadians) *
                                 std::sin(dLon / 2) * std::sin(dLon / 2);
            if (!best || h < bestDistance) {
                best = zone;
                bestDistance = h;
            }
        }
    } catch (...) {
        return std::nullopt;  // out of memory reading a table
    }
    return best;
}

std::optional<SavedLocation> zoneCity(std::string_view zoneId, std::string_view locale,
                                      const std::filesystem::path& zoneInfo) {
    auto city = findCity(zoneId, locale, zoneInfo);
    return city ? std::optional(std::move(city->location)) : std::nullopt;
}

BoardPlace defaultPlace(const Calendar& calendar, const std::filesystem::path& zoneInfo) {
    auto city = findCity(calendar.zoneId(), calendar.locale(), zoneInfo);
    if (!city) {
        return {defaultLocation(), PlaceSource::fallback};
    }
    if (city->zone == "America/New_York") {
        // New York's own board keeps the exact place it always had.
        const SavedLocation newYork = defaultLocation();
        city->location.latitude = newYork.latitude;
        city->location.longitude = newYork.longitude;
    }
    return {std::move(city->location), PlaceSource::zone};
}

}  // namespace solvane
