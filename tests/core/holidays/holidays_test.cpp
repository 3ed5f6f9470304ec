// Countries' days off against their official calendars, the observed-day
// rules, and the data files' faults.
#include "core/holidays/holidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

struct CountryYear {
    const char* place;
    int year;
    const char* days;
};

constexpr CountryYear kOfficial[] = {
    {"DE", 2024, "01-01 03-29 04-01 05-01 05-09 05-20 10-03 12-25 12-26"},
    {"DE-BY", 2025, "01-01 01-06 04-18 04-21 05-01 05-29 06-09 06-19 10-03 11-01 12-25 12-26"},
    {"DE-BE", 2025, "01-01 03-08 04-18 04-21 05-01 05-08 05-29 06-09 10-03 12-25 12-26"},
    {"DE-SN", 2026, "01-01 04-03 04-06 05-01 05-14 05-25 10-03 10-31 11-18 12-25 12-26"},
    {"GB-EAW", 2022, "01-01 01-03* 04-15 04-18 05-02 06-02 06-03 08-29 09-19 12-25 12-26 12-27*"},
    {"GB-SCT", 2021, "01-01 01-02 01-04* 04-02 05-03 05-31 08-02 11-30 12-25 12-26 12-27* 12-28*"},
    {"US", 2021,
     "01-01 01-18 02-15 05-31 06-18* 06-19 07-04 07-05* 09-06 10-11 11-11 11-25 12-24* 12-25 "
     "12-31*"},
    {"US-MA", 2025, "01-01 01-20 02-17 04-21 05-26 06-19 07-04 09-01 10-13 11-11 11-27 12-25"},
    {"US-NY", 2025,
     "01-01 01-20 02-12 02-17 05-26 06-19 07-04 09-01 10-13 11-04 11-11 11-27 12-25"},
    {"US-UT", 2022,
     "01-01 01-17 02-21 05-30 06-19 06-20* 07-04 07-24 07-25* 09-05 10-10 11-11 11-24 12-25 "
     "12-26*"},
    {"CH-LU", 2025, "01-01 04-18 04-21 05-29 06-09 06-19 08-01 08-15 11-01 12-08 12-25 12-26"},
    {"CH-VS", 2025, "01-01 03-19 05-29 06-19 08-01 08-15 11-01 12-08 12-25"},
    {"CH-NE", 2023, "01-01 01-02 03-01 04-07 04-10 05-01 05-18 05-29 08-01 12-25"},
    {"CH-GL", 2026, "01-01 04-03 04-06 04-09 05-14 05-25 08-01 11-01 12-25 12-26"},
    {"FR", 2025, "01-01 04-21 05-01 05-08 05-29 06-09 07-14 08-15 11-01 11-11 12-25"},
    {"IT", 2025, "01-01 01-06 04-21 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
    {"ES", 2025, "01-01 01-06 04-18 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"BR", 2025, "01-01 04-18 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"},
    {"RU", 2025,
     "01-01 01-02 01-03 01-04 01-05 01-06 01-07 01-08 02-23 02-24* 03-08 03-10* 05-01 05-09 "
     "06-12 11-04"},
    {"JP", 2025,
     "01-01 01-13 02-11 02-23 02-24* 03-20 04-29 05-03 05-04 05-05 05-06* 07-21 08-11 09-15 "
     "09-23 10-13 11-03 11-23 11-24*"},
    {"JP", 2026,
     "01-01 01-12 02-11 02-23 03-20 04-29 05-03 05-04 05-05 05-06* 07-20 08-11 09-21 09-22 "
     "09-23 10-12 11-03 11-23"},
    {"AU-NSW", 2025, "01-01 01-26 01-27* 04-18 04-19 04-20 04-21 04-25 06-09 10-06 12-25 12-26"},
    {"NZ", 2025, "01-01 01-02 02-06 04-18 04-21 04-25 06-02 06-20 10-27 12-25 12-26"},
    {"CA-ON", 2025, "01-01 02-17 04-18 05-19 07-01 09-01 10-13 12-25 12-26"},
    {"ZA", 2025, "01-01 03-21 04-18 04-21 04-27 04-28* 05-01 06-16 08-09 09-24 12-16 12-25 12-26"},
    {"KR", 2024,
     "01-01 02-09 02-10 02-11 02-12* 03-01 04-10 05-05 05-06* 05-15 06-06 08-15 09-16 09-17 "
     "09-18 10-01 10-03 10-09 12-25"},
    {"IL", 2025, "04-13 04-19 05-01 06-02 09-23 09-24 10-02 10-07 10-14"},
    {"SA", 2025, "02-22 03-30 03-31 04-01 06-05 06-06 06-07 06-08 09-23"},
    {"MX", 2025, "01-01 02-03 03-17 05-01 09-16 11-17 12-25"},
    {"CO", 2025,
     "01-01 01-06 03-24 04-17 04-18 05-01 06-02 06-23 06-30 06-30 07-20 08-07 08-18 10-13 "
     "11-03 11-17 12-08 12-25"},
    {"AR", 2025,
     "01-01 03-03 03-04 03-24 04-02 04-18 05-01 05-25 06-16 06-20 07-09 08-17 10-12 11-24 "
     "12-08 12-25"},
    {"CL", 2025,
     "01-01 04-18 04-19 05-01 05-21 06-20 06-29 07-16 08-15 09-18 09-19 10-12 10-31 11-01 "
     "12-08 12-25"},
    {"CN", 2025, "01-01 01-28 01-29 01-30 01-31 04-04 05-01 05-02 05-31 10-01 10-02 10-03 10-06"},
};

TEST(Holidays, CountriesAgainstOfficialCalendars) {
    for (const CountryYear& c : kOfficial) {
        const auto place = parseCountryAndRegion(c.place);
        ASSERT_TRUE(place) << c.place;
        const auto country = loadCountry(kData, place->country);
        ASSERT_TRUE(country) << country.error();
        if (!place->region.empty()) {
            ASSERT_NE(country->region(place->region), nullptr) << c.place;
        }
        EXPECT_EQ(daysOff(*country, place->region, c.year), c.days) << c.place << " " << c.year;
    }
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
}

TEST(Holidays, DefaultCountryFromLocaleThenZone) {
    EXPECT_EQ(localeTerritory("de_AT.UTF-8"), "AT");
    EXPECT_EQ(localeTerritory("zh_Hant_TW"), "TW");
    EXPECT_EQ(localeTerritory("C"), std::nullopt);
    EXPECT_EQ(defaultHolidayCountry("C.UTF-8", "Europe/Zurich", systemZoneTable()), "CH");
    EXPECT_EQ(defaultHolidayCountry("pt_BR", "Europe/Zurich", systemZoneTable()), "BR");
    EXPECT_EQ(zoneCountry("Nowhere/Else", systemZoneTable()), std::nullopt);
    EXPECT_EQ(zoneCountry("Europe/Zurich", "/nonexistent/zone1970.tab"), std::nullopt);
}

}  // namespace
}  // namespace solvane
