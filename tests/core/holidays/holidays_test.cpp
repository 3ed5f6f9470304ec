// Countries' days off against their official calendars, the observed-day
// rules, and the data files' faults.
#include "core/holidays/holidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/holidays/holiday_catalog.h"
#include "core/holidays/working_days.h"
#include "core/util/translation.h"

namespace solvane {
namespace {

const std::filesystem::path kData = SOLVANE_HOLIDAY_DATA;

// The public days off of the year as "MM-DD" words ("*" marks a day made up
// for one on a weekend).
std::string daysOff(const CountryHolidays& country, std::string_view region, int year) {
    std::string out;
    for (const HolidayDay& d : holidaysOfYear(country, region, year)) {
        if (d.type != HolidayType::publicHoliday) {
            continue;
        }
        const CivilDate c = civilDateOf(d.day);
        char text[16];
        std::snprintf(text, sizeof text, "%s%02d-%02d%s", out.empty() ? "" : " ", c.month, c.day,
                      d.substitute ? "*" : "");
        out += text;
    }
    return out;
}

TEST(Holidays, CountriesAgainstOfficialCalendars) {
    std::ifstream official(std::string(SOLVANE_TEST_DATA_DIR) + "/holidays/official.txt");
    ASSERT_TRUE(official.is_open());
    int checked = 0;
    for (std::string line; std::getline(official, line);) {
        std::istringstream words(line);
        std::string placeText, days, day;
        int year = 0;
        if (line.empty() || line.front() == '#' || !(words >> placeText >> year)) {
            continue;
        }
        while (words >> day && day.front() != '#') {
            days += (days.empty() ? "" : " ") + day;
        }
        const auto place = parseCountryAndRegion(placeText);
        ASSERT_TRUE(place) << line;
        const auto country = loadCountry(kData, place->country);
        ASSERT_TRUE(country) << country.error();
        if (!place->region.empty()) {
            ASSERT_NE(country->region(place->region), nullptr) << line;
        }
        EXPECT_EQ(daysOff(*country, place->region, year), days) << placeText << " " << year;
        ++checked;
    }
    EXPECT_GE(checked, 150);
}

// Every shipped file loads, and every year of the range has its days off.
TEST(Holidays, EveryCountryFileLoads) {
    const auto codes = holidayCountries(kData);
    EXPECT_GE(codes.size(), 30u);
    for (const std::string& code : codes) {
        const auto country = loadCountry(kData, code);
        ASSERT_TRUE(country) << country.error();
        EXPECT_EQ(country->code, code);
        for (int year = 1900; year <= 2199; year += 23) {
            const auto days = holidaysOfYear(*country, "", year);
            EXPECT_TRUE(year < 1995 || !days.empty()) << code << " " << year;
            for (const HolidayRegion& region : country->regions) {
                EXPECT_GE(holidaysOfYear(*country, region.code, year).size(), days.size());
            }
        }
    }
}

TEST(Holidays, FaultyFilesAreRefusedWithAReason) {
    const std::string head = R"({"country": "XX", "name": {"en": "X"}, )";
    const std::pair<std::string, const char*> kCases[] = {
        {"[1, 2", "not a JSON object"},
        {R"({"country": "XYZ"})", "two-letter"},
        {head + R"("holidays": [{"id": "a", "rule": "13-01", "name": {"en": "A"}}]})",
         "does not parse"},
        {head + R"("holidays": [{"id": "a", "rule": "3 mon of 05 next", "name": {"en": "A"}}]})",
         "does not parse"},
        {head + R"("holidays": [{"id": "a", "rule": "01-01", "name": {"de": "A"}}]})", "English"},
        {head +
             R"("holidays": [{"id": "a", "rule": "01-01", "regions": ["Q"], "name": {"en": "A"}}]})",
         "unknown region"},
        {head + R"("holidays": [{"id": "a", "rule": "01-01", "name": {"en": "A"}},
                               {"id": "a", "rule": "01-02", "name": {"en": "B"}}]})",
         "twice"},
        {head +
             R"("holidays": [{"id": "a", "rule": "01-01", "observed": "never", "name": {"en": "A"}}]})",
         "observed"},
        {std::string(kMaxHolidayFileBytes + 1, ' '), "larger"},
    };
    for (const auto& [json, reason] : kCases) {
        const auto parsed = parseCountryHolidays(json);
        ASSERT_FALSE(parsed) << json;
        EXPECT_NE(parsed.error().find(reason), std::string::npos) << parsed.error();
    }
    EXPECT_FALSE(loadCountry(kData, "ZZ"));
    EXPECT_FALSE(parseCountryAndRegion("DEU"));
    EXPECT_EQ(parseCountryAndRegion("gb-sct")->region, "SCT");
}

// Across Easter in Berlin (Saturday and Sunday off), across Passover in
// Jerusalem (Friday and Saturday off), and across Christmas on a weekend in
// England, whose days off are made up on the Monday and Tuesday after.
TEST(Holidays, WorkingDaysSkipTheLocalesWeekendAndTheHolidays) {
    const auto de = loadCountry(kData, "DE");
    const auto il = loadCountry(kData, "IL");
    const auto gb = loadCountry(kData, "GB");
    ASSERT_TRUE(de && il && gb);
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const auto jerusalem = *Calendar::make("Asia/Jerusalem", "he_IL");
    const auto london = *Calendar::make("Europe/London", "en_GB");
    const auto ahead = [](const Calendar& c, int y, int m, int d, std::int64_t days,
                          const CountryHolidays* country, const char* region = "") {
        return workingDaysAhead(*c.date(y, m, d), days, c, DaysOff{country, region});
    };
    EXPECT_EQ(ahead(berlin, 2025, 4, 14, 8, &*de), 4);  // Good Friday and Easter Monday off
    EXPECT_EQ(ahead(berlin, 2025, 4, 14, 8, nullptr), 6);
    EXPECT_EQ(ahead(jerusalem, 2025, 4, 10, 12, &*il), 7);  // Passover's first day, a Sunday
    EXPECT_EQ(ahead(jerusalem, 2025, 4, 10, 12, nullptr), 8);
    EXPECT_EQ(ahead(london, 2027, 12, 24, 7, &*gb, "EAW"), 3);
    EXPECT_EQ(ahead(berlin, 2025, 4, 22, -8, &*de), 0);
    // Past the last year holidays are known for, only the weekend is off.
    EXPECT_EQ(ahead(berlin, 2199, 12, 31, 7 * 52, &*de), 5 * 52);
    // The user's chosen place wins; an unknown region keeps the country's days.
    ::setenv("SOLVANE_HOLIDAYS", SOLVANE_HOLIDAY_DATA, 1);
    EXPECT_EQ(DaysOff::forPlace("gb-sct", berlin).region, "SCT");
    EXPECT_EQ(DaysOff::forPlace("DE-XX", london).region, "");
}

// A country's own name first, then the catalogue's for a day many countries
// keep, then the country's English name.
TEST(Holidays, NamesInTheUsersLanguage) {
    const auto fr = loadCountry(kData, "FR");
    const auto de = loadCountry(kData, "DE");
    ASSERT_TRUE(fr && de);
    const auto named = [](const CountryHolidays& country, std::string_view id,
                          std::string_view language) {
        for (const Holiday& h : country.holidays) {
            if (h.id == id) {
                return holidayTitle(h, language);
            }
        }
        return std::string("absent");
    };
    installTranslation([](const char*, const char* source, const char*, int) {
        return std::string(source) == "Christmas Day" ? std::string("Weihnachten")
                                                      : std::string(source);
    });
    EXPECT_EQ(named(*fr, "christmas-day", "de"), "Weihnachten");
    EXPECT_EQ(named(*de, "christmas-day", "de"), "1. Weihnachtstag");
    EXPECT_EQ(named(*fr, "bastille-day", "de"), "Bastille Day");
    EXPECT_EQ(named(*fr, "christmas-day", "fr"), "Noël");
    installTranslation(nullptr);  // no catalogue: the country's English name
    EXPECT_EQ(named(*fr, "christmas-day", "sv"), "Christmas Day");
    // Countries by the locale data where their files do not name them.
    EXPECT_EQ(countryTitle(*de, "fr"), "Allemagne");
    EXPECT_EQ(countryTitle(*fr, "ja"), "フランス");
}

TEST(Holidays, DefaultCountryFromLocaleThenZone) {
    EXPECT_EQ(localeTerritory("de_AT.UTF-8"), "AT");
    EXPECT_EQ(localeTerritory("zh_Hant_TW"), "TW");
    EXPECT_EQ(localeTerritory("C"), std::nullopt);
    EXPECT_EQ(defaultHolidayCountry("C.UTF-8", "Europe/Zurich", systemZoneTable()), "CH");
    EXPECT_EQ(defaultHolidayCountry("pt_BR", "Europe/Zurich", systemZoneTable()), "BR");
    EXPECT_EQ(zoneCountry("Nowhere/Else", systemZoneTable()), std::nullopt);
    EXPECT_EQ(zoneCountry("Europe/Zurich", "/nonexistent/zone1970.tab"), std::nullopt);
    // Without a locale the calendar reads as en_US; the place still follows
    // the zone, not the United States.
    ::setenv("LANG", "C.UTF-8", 1);
    ::unsetenv("LC_TIME");
    const auto zurich = *Calendar::make("Europe/Zurich", "C.UTF-8");
    EXPECT_EQ(holidayPlace("", zurich)->country, "CH");
    EXPECT_EQ(holidayPlace("de-by", zurich)->region, "BY");
}

}  // namespace
}  // namespace solvane
