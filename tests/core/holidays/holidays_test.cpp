// Countries' days off against their official calendars, the rule kinds
// against published dates, the data files' faults, and holidays as presets.
#include "core/holidays/holidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/holidays/holiday_catalog.h"
#include "core/holidays/holiday_presets.h"
#include "core/holidays/holiday_rules.h"
#include "core/holidays/working_days.h"
#include "core/model/countdown_display.h"
#include "core/model/countdown_json.h"
#include "core/model/rules.h"
#include "core/util/translation.h"
#include "core/weather/weather_json.h"

namespace solvane {
namespace {

const std::filesystem::path kData = SOLVANE_HOLIDAY_DATA;

// The public days off of the year as "MM-DD" words ("*" marks a day made up for one on a weekend).
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

// Every shipped file loads, names every day (by its own name or the
// catalogue's) and region in every shipped language, and every year of the
// range has its days off.
TEST(Holidays, EveryCountryFileLoads) {
    const auto codes = holidayCountries(kData);
    EXPECT_GE(codes.size(), 30u);
    installTranslation([](const char*, const char* source, const char*, int) {
        return "[" + std::string(source) + "]";
    });
    for (const std::string& code : codes) {
        const auto country = loadCountry(kData, code);
        ASSERT_TRUE(country) << country.error();
        EXPECT_EQ(country->code, code);
        for (const char* language : {"de", "fr", "es", "it", "pt", "ru", "ja", "zh", "pl", "nl",
                                     "tr", "uk", "ko", "sv", "cs"}) {
            for (const Holiday& h : country->holidays) {
                EXPECT_TRUE(h.names.contains(language) ||
                            holidayTitle(h, language) != h.names.at("en"))
                    << code << " " << h.id << " " << language;
            }
            for (const HolidayRegion& region : country->regions) {
                EXPECT_TRUE(region.names.contains(language)) << code << "-" << region.code;
            }
        }
        for (int year = 1900; year <= 2199; year += 23) {
            const auto days = holidaysOfYear(*country, "", year);
            EXPECT_TRUE(year < 1995 || !days.empty()) << code << " " << year;
            for (const HolidayRegion& region : country->regions) {
                EXPECT_GE(holidaysOfYear(*country, region.code, year).size(), days.size());
            }
        }
    }
    installTranslation(nullptr);
}

TEST(Holidays, FaultyFilesAreRefusedWithAReason) {
    const std::string head = R"({"country": "XX", "name": {"en": "X"}, )";
    const std::pair<std::string, const char*> kCases[] = {
        {"[1, 2", "not a JSON object"},
        {R"({"country": "XYZ"})", "two-letter"},
        {head + R"("holidays": [{"id": "a", "rule": "13-01", "name": {"en": "A"}}]})",
         "does not parse"},
        {head + R"("holidays": [{"id": "a", "rule": "hindu 07-31", "name": {"en": "A"}}]})",
         "does not parse"},
        {head + R"("holidays": [{"id": "a", "rule": "hindu 07-29 24:00", "name": {"en": "A"}}]})",
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
        {head +
             R"("holidays": [{"id": "a", "rule": "01-01", "declared": {"2026": "02-30"}, "name": {"en": "A"}}]})",
         "declared"},
        {head +
             R"("holidays": [{"id": "a", "rule": "01-01", "declared": {"+202": "03-21"}, "name": {"en": "A"}}]})",
         "declared"},
        {head +
             R"("holidays": [{"id": "a", "rule": "01-01", "declared": ["2026-03-21"], "name": {"en": "A"}}]})",
         "declared"},
        {head + R"("workdays": ["2025-01-26 +1"], "holidays": []})", "workdays"},
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

// Easter in Berlin, Passover in Jerusalem (Friday and Saturday off), and a
// weekend Christmas in England, made up on the Monday and Tuesday after.
TEST(Holidays, WorkingDaysSkipTheLocalesWeekendAndTheHolidays) {
    const auto de = loadCountry(kData, "DE");
    const auto il = loadCountry(kData, "IL");
    const auto gb = loadCountry(kData, "GB");
    const auto cn = loadCountry(kData, "CN");
    ASSERT_TRUE(de && il && gb && cn);
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const auto jerusalem = *Calendar::make("Asia/Jerusalem", "he_IL");
    const auto london = *Calendar::make("Europe/London", "en_GB");
    const auto shanghai = *Calendar::make("Asia/Shanghai", "zh_CN");
    const auto ahead = [](const Calendar& c, int y, int m, int d, std::int64_t days,
                          const CountryHolidays* country, const char* region = "") {
        return workingDaysAhead(*c.date(y, m, d), days, c, DaysOff{country, region});
    };
    EXPECT_EQ(ahead(berlin, 2025, 4, 14, 8, &*de), 4);  // Good Friday and Easter Monday off
    EXPECT_EQ(ahead(berlin, 2025, 4, 14, 8, nullptr), 6);
    EXPECT_EQ(ahead(jerusalem, 2025, 4, 10, 12, &*il), 7);  // Passover's first day, a Sunday
    EXPECT_EQ(ahead(jerusalem, 2025, 4, 10, 12, nullptr), 8);
    EXPECT_EQ(ahead(london, 2027, 12, 24, 7, &*gb, "EAW"), 3);
    // Spring Festival 2025: four days off by law, two bridge days by decree,
    // and the Sunday before and the Saturday after worked in exchange.
    EXPECT_EQ(ahead(shanghai, 2025, 1, 24, 15, &*cn), 6);
    EXPECT_EQ(ahead(shanghai, 2025, 1, 24, 15, nullptr), 10);
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
    EXPECT_EQ(named(*fr, "bastille-day", "fi"), "Bastille Day");
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

DayNumber day(int y, int m, int d) {
    return dayNumberOf(CivilDate{y, m, d});
}

// Easter 1900–2199 from the published tables, Western and Orthodox: days
// after March 21 (Gregorian), one letter a year ('A' = 0).
constexpr const char* kEaster =
    "ZRJWNbZK^VG[RCWObSK_OG[L_WO\\SK_PG[L`WH\\TDXPdTL`QH\\TEXP]UL`QI\\MaYI]UFYQIVMaYJ]UFZQ^VNaRJ^"
    "NFZK^VN[RJWObZK_VG[SCWOcSK_PG[L`WO\\TK_PH[L`XH\\TEXPdUL`QI\\TEYP]UM`QI]MaYJ]UFZQIVNaYJ^UFZR^"
    "VNbRJ^OFZK_VN[SJWOcZK_WH\\TEXP]UL`QI\\MaYI]UFYQIVMaYJ]UFZQ^VNaRJ^NFZK^VN[RJWObZK_VG[SCWOcSK_"
    "PG[L`WO\\TK_PH[L`XH\\TEXPdUL`QI\\TEY";
constexpr const char* kOrthodoxEaster =
    "aYf^UiZneVjbRf^ObZn_Vj[Sf^kcZn_Wj[SgWkcTg_Pd[o`XkcTh_Pd\\o`Xl\\ThYldUi`Xe]ThYmdUiaQe]qaYm^UiZR"
    "e]jbYf^ViZnfVjbSf^OcZn_Wj[Sg^kc[n_Wk[SgXkcTh_Pd\\o`XlcTh`Pd\\p`Xl]ThYmdUiaXe]UhYm^UiaRe]qbYm^V"
    "iZRf]jbSf^VcZnfWkcTh_Pd\\o`Xl\\ThYld\\i`Xl]ThYmdUiaQe]qaYm^UiaRe]qbYm^ViZnfVjbSf^VcZn_WjbSg^"
    "rc["
    "n_Wk[SgXkcTh_Wd\\ogXlcTh`";

TEST(HolidayRules, EasterAgainstTables) {
    const std::string western = kEaster, orthodox = kOrthodoxEaster;
    ASSERT_EQ(western.size(), 300u);
    ASSERT_EQ(orthodox.size(), 300u);
    for (int y = 1900; y <= 2199; ++y) {
        const auto i = static_cast<std::size_t>(y - 1900);
        EXPECT_EQ(easterSunday(y), day(y, 3, 21) + (western[i] - 'A')) << y;
        EXPECT_EQ(orthodoxEasterSunday(y), day(y, 3, 21) + (orthodox[i] - 'A')) << y;
    }
    EXPECT_EQ(easterSunday(1899), std::nullopt);
    EXPECT_EQ(orthodoxEasterSunday(2200), std::nullopt);
}

// Spring Festival (1st day of the 1st Chinese month), 2000–2050, as days after January 20.
TEST(HolidayRules, SpringFestival2000To2050) {
    constexpr int kAfterJan20[] = {16, 4,  23, 12, 2,  20, 9,  29, 18, 6,  25, 14, 3,
                                   21, 11, 30, 19, 8,  27, 16, 5,  23, 12, 2,  21, 9,
                                   28, 17, 6,  24, 14, 3,  22, 11, 30, 19, 8,  26, 15,
                                   4,  23, 12, 2,  21, 10, 28, 17, 6,  25, 13, 3};
    for (int y = 2000; y <= 2050; ++y) {
        const auto got = lunarDates(LunarCalendar::chinese, y, 1, 1);
        ASSERT_EQ(got.size(), 1u) << y;
        EXPECT_EQ(got[0], day(y, 1, 20) + kAfterJan20[y - 2000]) << y;
    }
}

struct Dated {
    LunarCalendar calendar;
    int month, day;
    int y, m, d;
};

TEST(HolidayRules, LunarCalendarsAgainstPublishedDates) {
    constexpr Dated kCases[] = {
        {LunarCalendar::chinese, 5, 5, 2024, 6, 10},   // Dragon Boat
        {LunarCalendar::chinese, 8, 15, 2025, 10, 6},  // Mid-Autumn
        // Eid al-Fitr and Eid al-Adha by Umm al-Qura.
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2024, 4, 10},
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2025, 3, 30},
        {LunarCalendar::islamicUmmAlQura, 12, 10, 2024, 6, 16},
        {LunarCalendar::islamicUmmAlQura, 12, 10, 2025, 6, 6},
        // Rosh Hashanah, Passover (15 Nisan).
        {LunarCalendar::hebrew, 1, 1, 2024, 10, 3},
        {LunarCalendar::hebrew, 1, 1, 2025, 9, 23},
        {LunarCalendar::hebrew, 8, 15, 2025, 4, 13},
    };
    for (const Dated& c : kCases) {
        const auto got = lunarDates(c.calendar, c.y, c.month, c.day);
        ASSERT_EQ(got.size(), 1u) << c.y << "-" << c.m;
        EXPECT_EQ(civilDateOf(got[0]), (CivilDate{c.y, c.m, c.d}));
    }
    // An Islamic year inside a Gregorian one: 1 Muharram twice in 2008.
    EXPECT_EQ(lunarDates(LunarCalendar::islamicCivil, 2008, 1, 1).size(), 2u);
    // Adar I only in leap years (5784 was one, 5785 was not).
    EXPECT_EQ(lunarDates(LunarCalendar::hebrew, 2024, 6, 14).size(), 1u);
    EXPECT_TRUE(lunarDates(LunarCalendar::hebrew, 2025, 6, 14).empty());
    EXPECT_TRUE(lunarDates(LunarCalendar::chinese, 2300, 1, 1).empty());
}

TEST(HolidayRules, SunDecidedDays) {
    // Nowruz, Japan's equinox days (JST), Qingming (China's time).
    struct Case {
        int kind;  // 0 Nowruz, 1 March equinox in Japan, 2 September, 3 Qingming
        int y, m, d;
    };
    constexpr Case kCases[] = {
        {0, 2017, 3, 21}, {0, 2020, 3, 20}, {0, 2023, 3, 21}, {0, 2024, 3, 20}, {0, 2025, 3, 21},
        {1, 2023, 3, 21}, {1, 2024, 3, 20}, {1, 2025, 3, 20}, {2, 2023, 9, 23}, {2, 2024, 9, 22},
        {2, 2025, 9, 23}, {3, 2020, 4, 4},  {3, 2023, 4, 5},  {3, 2024, 4, 4},  {3, 2025, 4, 4},
    };
    for (const Case& c : kCases) {
        const auto got = c.kind == 0   ? nowruz(c.y)
                         : c.kind == 1 ? solarTermDay(0, c.y, 540)
                         : c.kind == 2 ? solarTermDay(180, c.y, 540)
                                       : solarTermDay(15, c.y, 480);
        ASSERT_TRUE(got) << c.kind << " " << c.y;
        EXPECT_EQ(civilDateOf(*got), (CivilDate{c.y, c.m, c.d})) << c.kind;
    }
    // 1 Farvardin, 1 Mehr (the 7th month after six of 31 days).
    EXPECT_EQ(persianDates(2025, 7, 1), std::vector{day(2025, 9, 23)});
}

TEST(HolidayRules, HinduTithisAtDawnAndAtDusk) {
    // Deepavali as Singapore and Malaysia publish it (Ashvin's 29th tithi at
    // dawn) beside Diwali in India's government calendar (the 30th at dusk).
    struct Case {
        int y, dawnM, dawnD, duskM, duskD;
    };
    constexpr Case kCases[] = {
        {2010, 11, 5, 11, 5},   {2011, 10, 26, 10, 26}, {2012, 11, 13, 11, 13},
        {2013, 11, 2, 11, 3},   {2014, 10, 22, 10, 23}, {2015, 11, 10, 11, 11},
        {2016, 10, 29, 10, 30}, {2017, 10, 18, 10, 19}, {2018, 11, 6, 11, 7},
        {2019, 10, 27, 10, 27}, {2020, 11, 14, 11, 14}, {2021, 11, 4, 11, 4},
        {2022, 10, 24, 10, 24}, {2023, 11, 12, 11, 12}, {2024, 10, 31, 10, 31},
        {2025, 10, 20, 10, 20}, {2026, 11, 8, 11, 8},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(hinduTithiDays(c.y, 7, 29, 4 * 60 + 30), std::vector{day(c.y, c.dawnM, c.dawnD)});
        EXPECT_EQ(hinduTithiDays(c.y, 7, 30, 18 * 60), std::vector{day(c.y, c.duskM, c.duskD)});
    }
    // Pausha's tithis begin in December: the year keeps only its own days.
    for (const int y : {2024, 2025}) {
        for (const DayNumber d : hinduTithiDays(y, 10, 1, 6 * 60)) {
            EXPECT_EQ(civilDateOf(d).year, y);
        }
    }
    EXPECT_TRUE(hinduTithiDays(2025, 13, 1, 0).empty());
    EXPECT_TRUE(hinduTithiDays(2300, 7, 29, 0).empty());
}

TEST(HolidayPresets, RulesGroupsAndStarters) {
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const auto de = loadCountry(SOLVANE_HOLIDAY_DATA, "DE");
    ASSERT_TRUE(de);
    const Instant march = *berlin.date(2025, 3, 1, 12);
    const auto presets = holidayPresets(*de, "BY", berlin, march);
    ASSERT_GE(presets.size(), 12u);
    EXPECT_EQ(presets[0].group, "Holidays (Deutschland)");
    EXPECT_EQ(presets[0].title, "Neujahr");
    EXPECT_EQ(presets[0].start, DateRule::fixed(*berlin.date(2000, 1, 1)));
    const auto find = [&](std::string_view id) {
        return *std::find_if(presets.begin(), presets.end(),
                             [&](const CountdownPreset& p) { return p.id == id; });
    };
    EXPECT_EQ(find("holiday-de-mothers-day").start, DateRule::nthWeekday(2, 1, 5, 0));
    EXPECT_EQ(find("holiday-de-epiphany").symbol, "flag");
    EXPECT_EQ(find("holiday-de-easter-monday").start,
              DateRule::holiday("DE", "easter-monday", *berlin.date(2025, 4, 21)));
    // A day of some years only is no yearly fixed day.
    const auto city = holidayPresets(*de, "BE", berlin, march);
    EXPECT_TRUE(std::any_of(city.begin(), city.end(), [&](const CountdownPreset& p) {
        return p.start == DateRule::holiday("DE", "liberation-day", *berlin.date(2025, 5, 8));
    }));

    const auto starters = nextPublicHolidayPresets(*de, "", berlin, *berlin.date(2025, 12, 20), 2);
    ASSERT_EQ(starters.size(), 2u);
    EXPECT_EQ(starters[0].title, "1. Weihnachtstag");
    EXPECT_EQ(starters[1].title, "2. Weihnachtstag");
}

TEST(HolidayPresets, HolidayRuleStoredResolvedAndDescribed) {
    ::setenv("SOLVANE_HOLIDAYS", SOLVANE_HOLIDAY_DATA, 1);
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const DateRule easterMonday =
        DateRule::holiday("DE", "easter-monday", *berlin.date(2025, 4, 21));
    const std::string stored = encodeDateRule(easterMonday);
    // Older versions read the one key they know: the fixed day beside it.
    EXPECT_NE(stored.find("\"fixed\""), std::string::npos);
    EXPECT_EQ(decodeDateRule(stored).value(), easterMonday);

    EXPECT_EQ(resolve(easterMonday, 2026, true, berlin), berlin.date(2026, 4, 6));
    EXPECT_EQ(ruleDescription(easterMonday, berlin), "Ostermontag");
    // A country not installed keeps the day the countdown was made with.
    const DateRule unknown = DateRule::holiday("XX", "day", *berlin.date(2020, 7, 14));
    EXPECT_EQ(resolve(unknown, 2026, true, berlin), berlin.date(2026, 7, 14));
    EXPECT_EQ(
        resolve(DateRule::holiday("DE", "reformation-day-2017", Instant{}), 2026, true, berlin),
        std::nullopt);
}

TEST(HolidayPresets, CatalogueAndStartersOutsideTheUnitedStates) {
    ::setenv("SOLVANE_HOLIDAYS", SOLVANE_HOLIDAY_DATA, 1);
    const auto paris = *Calendar::make("Europe/Paris", "fr_FR");
    PresetRegion region = PresetRegion::of(paris, *paris.date(2025, 12, 20, 12), 48.9);
    region.holidayCountry = "FR";
    region.holidaysFrom = *paris.date(2025, 12, 20, 12);
    std::vector<std::string> us, france;
    for (const CountdownPreset& p : catalogue(paris, region)) {
        if (p.id.starts_with("holiday-fr-")) {
            france.push_back(p.id);
        } else if (p.title.ends_with("(United States)")) {
            us.push_back(p.id);
        }
    }
    // The country's own Mother's Day, Christmas and New Year's Day stand in for the United States'.
    EXPECT_EQ(us, (std::vector<std::string>{"memorial-day", "july-4", "labor-day", "halloween",
                                            "thanksgiving"}));
    EXPECT_EQ(france.size(), 15u);  // nationwide
    const auto starters = starterPresets(paris, region, region.holidaysFrom);
    ASSERT_EQ(starters.size(), 6u);
    EXPECT_EQ(starters[4].id, "holiday-fr-christmas-day");
    EXPECT_EQ(starters[5].id, "holiday-fr-new-year");
}

// The chosen place is a setting of its own, written only once chosen, and
// stands for the locale's and zone's country, region included.
TEST(HolidayPresets, ChosenPlaceSettingAndRegion) {
    ::setenv("SOLVANE_HOLIDAYS", SOLVANE_HOLIDAY_DATA, 1);
    AppSettings settings;
    EXPECT_EQ(encodeAppSettings(settings).find("holidayPlace"), std::string::npos);
    settings.holidayPlace = "DE-BY";
    EXPECT_EQ(decodeAppSettings(encodeAppSettings(settings), AppSettings{}).value(), settings);

    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const Instant march = *berlin.date(2025, 3, 1, 12);
    const auto region = PresetRegion::of(berlin, march, 52.5, "de-by");
    EXPECT_EQ(region.holidayCountry, "DE");
    EXPECT_EQ(region.holidayRegion, "BY");
    const auto presets = catalogue(berlin, region);
    EXPECT_TRUE(std::any_of(presets.begin(), presets.end(), [](const CountdownPreset& p) {
        return p.id == "holiday-de-corpus-christi";
    }));
    EXPECT_FALSE(PresetRegion::of(berlin, march, 52.5, "US").holidayCountry);
}

}  // namespace
}  // namespace solvane
