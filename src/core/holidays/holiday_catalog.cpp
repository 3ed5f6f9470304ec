#include "core/holidays/holiday_catalog.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>

namespace solvane {

namespace fs = std::filesystem;

namespace {

bool isAlpha(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace

std::optional<fs::path> holidayFolder() {
    std::vector<fs::path> candidates;
    if (const char* explicitFolder = std::getenv("SOLVANE_HOLIDAYS");
        explicitFolder != nullptr && *explicitFolder != '\0') {
        candidates.emplace_back(explicitFolder);
    }
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && program.is_absolute()) {
        candidates.push_back(program.parent_path() / ".." / "share" / "solvane" / "holidays");
    }
    for (const auto& candidate : candidates) {
        if (fs::is_directory(candidate, ec)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::vector<std::string> holidayCountries(const fs::path& folder) {
    std::vector<std::string> codes;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string stem = p.stem().string();
        if (p.extension() == ".json" && stem.size() == 2 && isAlpha(stem) && stem == upper(stem)) {
            codes.push_back(stem);
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::optional<CountryAndRegion> parseCountryAndRegion(std::string_view text) {
    const auto dash = text.find('-');
    const std::string_view country = text.substr(0, dash);
    const std::string_view region = dash == std::string_view::npos ? "" : text.substr(dash + 1);
    const bool regionOk = dash == std::string_view::npos ||
                          (!region.empty() && region.size() <= 3 &&
                           std::all_of(region.begin(), region.end(), [](char c) {
                               return std::isalnum(static_cast<unsigned char>(c)) != 0;
                           }));
    if (country.size() != 2 || !isAlpha(country) || !regionOk) {
        return std::nullopt;
    }
    return CountryAndRegion{upper(country), upper(region)};
}

Result<CountryHolidays, std::string> loadCountry(const fs::path& folder, std::string_view code) {
    // The code names a file only once it is two letters; the folder is not
    // listed, since callers ask for each country the listing gave them.
    const std::string wanted = upper(code);
    std::error_code ec;
    if (wanted.size() != 2 || !isAlpha(wanted) ||
        !fs::is_regular_file(folder / (wanted + ".json"), ec)) {
        return Failure{std::string("no holidays are known for the country \"") + std::string(code) +
                       "\""};
    }
    return loadCountryHolidays(folder / (wanted + ".json"));
}

std::optional<std::string> localeTerritory(std::string_view locale) {
    // language[_TERRITORY][.codeset][@modifier]
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto underscore = locale.find_first_of("_-");
    if (underscore == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view territory = locale.substr(underscore + 1);
    // A script comes first in "zh_Hant_TW".
    if (const auto next = territory.find('_'); next != std::string_view::npos) {
        territory = territory.substr(next + 1);
    }
    if (territory.size() != 2 || !isAlpha(territory)) {
        return std::nullopt;
    }
    return upper(territory);
}

std::optional<std::string> zoneCountry(std::string_view zoneId, const fs::path& zoneTable) {
    std::ifstream in(zoneTable);
    std::string line;
    // The table is a few hundred short lines; a bound keeps a wrong file cheap.
    for (int n = 0; n < 10000 && std::getline(in, line); ++n) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto tab1 = line.find('\t');
        const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            continue;
        }
        const auto tab3 = line.find('\t', tab2 + 1);
        const std::string_view zone = std::string_view(line).substr(
            tab2 + 1, tab3 == std::string::npos ? std::string::npos : tab3 - tab2 - 1);
        if (zone == zoneId) {
            const std::string_view codes = std::string_view(line).substr(0, tab1);
            const std::string_view first = codes.substr(0, codes.find(','));
            if (first.size() == 2 && isAlpha(first)) {
                return upper(first);
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::string> defaultHolidayCountry(std::string_view locale, std::string_view zoneId,
                                                 const fs::path& zoneTable) {
    if (auto territory = localeTerritory(locale)) {
        return territory;
    }
    return zoneCountry(zoneId, zoneTable);
}

std::optional<CountryAndRegion> holidayPlace(std::string_view chosen, const Calendar& calendar) {
    if (auto place = parseCountryAndRegion(chosen)) {
        return place;
    }
    // The locale as the environment names it: the calendar reads C and POSIX
    // as en_US, which would make everyone without a locale American.
    if (auto territory = localeTerritory(currentLocaleVariable())) {
        return CountryAndRegion{std::move(*territory), {}};
    }
    // Every board asks; the zone table is read once per zone, not each time.
    static std::mutex mutex;
    static std::map<std::string, std::optional<std::string>, std::less<>> countryOfZone;
    std::lock_guard lock(mutex);
    auto it = countryOfZone.find(calendar.zoneId());
    if (it == countryOfZone.end()) {
        it = countryOfZone
                 .emplace(calendar.zoneId(), zoneCountry(calendar.zoneId(), systemZoneTable()))
                 .first;
    }
    if (it->second) {
        return CountryAndRegion{*it->second, {}};
    }
    return std::nullopt;
}

const CountryHolidays* installedCountry(std::string_view code) {
    static std::mutex mutex;
    // Entries are never erased, so what they point to stays put.
    static std::map<std::string, std::unique_ptr<CountryHolidays>, std::less<>> loaded;
    std::lock_guard lock(mutex);
    if (const auto it = loaded.find(code); it != loaded.end()) {
        return it->second.get();
    }
    std::unique_ptr<CountryHolidays> country;
    if (const auto folder = holidayFolder()) {
        if (auto read = loadCountry(*folder, code)) {
            country = std::make_unique<CountryHolidays>(std::move(*read));
        }
    }
    return loaded.emplace(std::string(code), std::move(country)).first->second.get();
}

std::optional<CivilDate> installedHolidayDate(std::string_view country, std::string_view id,
                                              std::int64_t year) {
    const CountryHolidays* holidays = installedCountry(country);
    if (holidays == nullptr) {
        return std::nullopt;
    }
    for (const Holiday& h : holidays->holidays) {
        if (h.id == id) {
            const auto days = holidayDays(*holidays, h, year);
            return days.empty() ? std::nullopt : std::optional(civilDateOf(days.front()));
        }
    }
    return std::nullopt;
}

std::string currentLocaleVariable() {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

fs::path systemZoneTable() {
    if (const char* dir = std::getenv("TZDIR"); dir != nullptr && *dir != '\0') {
        return fs::path(dir) / "zone1970.tab";
    }
    return "/usr/share/zoneinfo/zone1970.tab";
}

}  // namespace solvane
