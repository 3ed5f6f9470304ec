// Countries' days off against their official calendars, the observed-day
// rules, and the data files' faults.
#include "core/holidays/holidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/holidays/holiday_catalog.h"

namespace solvane {
namespace {

const std::filesystem::path kData = SOLVANE_HOLIDAY_DATA;

// The public days off of the year as "MM-DD" words ("*" marks a day made up
// for one on a weekend).
std::string daysOff(const CountryHolidays& country, std::string_view region, int year) {
    std::string out;
    for (const HolidayDay& d : holidaysOfYear(country, region, year)) {
        if (d.holiday->type != HolidayType::publicHoliday) {
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

}  // namespace
}  // namespace solvane
