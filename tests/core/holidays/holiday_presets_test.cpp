// A country's holidays as presets and stored rules: the older rule kinds
// where they say the same, the holiday rule (readable by older versions
// through its fixed day) otherwise.
#include "core/holidays/holiday_presets.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/holidays/holiday_catalog.h"
#include "core/model/countdown_display.h"
#include "core/model/countdown_json.h"
#include "core/model/rules.h"
#include "core/weather/weather_json.h"

namespace solvane {
namespace {

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
    // The country's own Mother's Day, Christmas and New Year's Day stand in
    // for the United States'.
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
