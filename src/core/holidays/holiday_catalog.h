// Where the countries' holiday files are, which countries there are, and
// which one is the user's.
//
// The files ship in share/solvane/holidays beside the programs' bin/ folder,
// in the build tree as when installed; SOLVANE_HOLIDAYS names another folder.
//
//   auto folder = holidayFolder();
//   auto country = loadCountry(*folder, "DE");
//   defaultHolidayCountry("de_AT", "Europe/Vienna", zoneTable)   // "AT"
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/holidays/holidays.h"
#include "core/time/calendar.h"
#include "core/util/result.h"

namespace solvane {

// The first of $SOLVANE_HOLIDAYS and ../share/solvane/holidays (from the
// running program) that is a folder.
std::optional<std::filesystem::path> holidayFolder();

// The codes of the country files in the folder, sorted.
std::vector<std::string> holidayCountries(const std::filesystem::path& folder);

// "DE" or "DE-BY" (case does not matter) split into an upper-case country
// code and region code; nullopt when it is not of that form.
struct CountryAndRegion {
    std::string country;
    std::string region;
};
std::optional<CountryAndRegion> parseCountryAndRegion(std::string_view text);

// The country's file from the folder; an error names an unknown country.
Result<CountryHolidays, std::string> loadCountry(const std::filesystem::path& folder,
                                                 std::string_view code);

// The territory of an ICU or POSIX locale name ("de_AT.UTF-8" → "AT").
std::optional<std::string> localeTerritory(std::string_view locale);

// The country of a zone in a zone1970.tab-form table: the first code of its
// line ("Europe/Zurich" → "CH").
std::optional<std::string> zoneCountry(std::string_view zoneId,
                                       const std::filesystem::path& zoneTable);

// The locale's territory, else the zone's country.
std::optional<std::string> defaultHolidayCountry(std::string_view locale, std::string_view zoneId,
                                                 const std::filesystem::path& zoneTable);

// The place whose holidays the user keeps: the one `chosen` names ("DE-BY",
// the Holidays setting), else the territory of the locale LC_ALL, LC_TIME or
// LANG names, else the calendar zone's country (without a region); nullopt
// when none can be told.
std::optional<CountryAndRegion> holidayPlace(std::string_view chosen, const Calendar& calendar);

// The installed country (from holidayFolder()), read once per process and
// kept; nullptr when it is not installed or its file is faulty.
const CountryHolidays* installedCountry(std::string_view code);

// The civil day of the holiday `id` of an installed country in `year` (the
// first, for an Islamic day that comes twice); nullopt when there is none.
std::optional<CivilDate> installedHolidayDate(std::string_view country, std::string_view id,
                                              std::int64_t year);

// The first of LC_ALL, LC_TIME and LANG that is set, as given.
std::string currentLocaleVariable();

// The system's zone1970.tab.
std::filesystem::path systemZoneTable();

}  // namespace solvane
