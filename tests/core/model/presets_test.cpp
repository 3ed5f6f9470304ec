#include "core/model/presets.h"

#include <gtest/gtest.h>

#include <set>

#include "core/model/countdown_display.h"
#include "core/model/rules.h"

namespace solvane {
namespace {

Calendar cal(const char* zone) {
    auto c = Calendar::make(zone, "en_US");
    EXPECT_TRUE(c.has_value()) << zone;
    return *c;
}

Instant day(const Calendar& c, int y, int m, int d, int hour = 0) {
    return *c.date(y, m, d, hour);
}

// Each preset by what a user sees: its menu entry and the day its start
// names in 2025 (and, for spans, the day its end names).
TEST(Presets, CatalogueEntriesAndTheirDays) {
    const Calendar ny = cal("America/New_York");
    struct Expected {
        const char* id;
        const char* group;
        const char* title;
        const char* symbol;
        int startMonth, startDay;
        int endMonth, endDay;  // 0 when there is no end
        DuringMode during;
    };
    const auto p = DuringMode::progress;
    const Expected expected[] = {
        {"summer-fridays", "Spans", "Summer Fridays", "beach.umbrella", 5, 23, 9, 1,
         DuringMode::hide},
        {"summer", "Spans", "Summer", "sun.max", 6, 20, 9, 22, p},
        {"winter", "Spans", "Winter", "snowflake", 12, 21, 3, 20, p},
        {"dst-start", "Clocks & Sky", "Spring forward", "sun.horizon", 3, 9, 0, 0, p},
        {"dst-end", "Clocks & Sky", "Fall back", "clock.arrow.circlepath", 11, 2, 0, 0, p},
        {"spring-equinox", "Clocks & Sky", "Spring equinox", "leaf", 3, 20, 0, 0, p},
        {"summer-solstice", "Clocks & Sky", "Summer solstice", "sun.max", 6, 20, 0, 0, p},
        {"fall-equinox", "Clocks & Sky", "Fall equinox", "wind", 9, 22, 0, 0, p},
        {"winter-solstice", "Clocks & Sky", "Winter solstice", "snowflake", 12, 21, 0, 0, p},
        {"new-year", "Holidays (US)", "New Year's Day", "sparkles", 1, 1, 0, 0, p},
        {"valentines", "Holidays (US)", "Valentine's Day", "heart", 2, 14, 0, 0, p},
        {"mothers-day", "Holidays (US)", "Mother's Day", "gift", 5, 11, 0, 0, p},
        {"memorial-day", "Holidays (US)", "Memorial Day", "flag", 5, 26, 0, 0, p},
        {"fathers-day", "Holidays (US)", "Father's Day", "gift", 6, 15, 0, 0, p},
        {"july-4", "Holidays (US)", "Independence Day", "sparkles", 7, 4, 0, 0, p},
        {"labor-day", "Holidays (US)", "Labor Day", "beach.umbrella", 9, 1, 0, 0, p},
        {"halloween", "Holidays (US)", "Halloween", "moon.stars", 10, 31, 0, 0, p},
        {"thanksgiving", "Holidays (US)", "Thanksgiving", "fork.knife", 11, 27, 0, 0, p},
        {"christmas", "Holidays (US)", "Christmas", "gift", 12, 25, 0, 0, p},
    };
    const auto& presets = catalogue(ny);
    ASSERT_EQ(presets.size(), std::size(expected));
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const auto& got = presets[i];
        const auto& want = expected[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.group, want.group);
        EXPECT_EQ(got.title, want.title);
        EXPECT_EQ(got.symbol, want.symbol);
        EXPECT_EQ(got.during, want.during);
        EXPECT_EQ(resolve(got.start, 2025, true, ny),
                  day(ny, 2025, want.startMonth, want.startDay));
        if (want.endMonth == 0) {
            EXPECT_EQ(got.end, std::nullopt);
        } else {
            ASSERT_TRUE(got.end.has_value());
            const int endYear = want.endMonth < want.startMonth ? 2026 : 2025;
            EXPECT_EQ(resolve(*got.end, endYear, true, ny),
                      day(ny, endYear, want.endMonth, want.endDay));
        }
    }
}

TEST(Presets, FixedDatesAreLocalMidnightsOf2000PerZone) {
    const Calendar tokyo = cal("Asia/Tokyo");
    const Calendar ny = cal("America/New_York");
    const auto& inTokyo = catalogue(tokyo);
    const auto& inNewYork = catalogue(ny);
    EXPECT_EQ(&catalogue(tokyo), &inTokyo);  // built once per zone
    EXPECT_EQ(inTokyo.back().start, DateRule::fixed(day(tokyo, 2000, 12, 25)));
    EXPECT_EQ(inNewYork.back().start, DateRule::fixed(day(ny, 2000, 12, 25)));
}

TEST(Presets, GroupsInMenuOrderWithContiguousEntries) {
    const std::vector<std::string> groups = presetGroups();
    EXPECT_EQ(groups, (std::vector<std::string>{"Spans", "Clocks & Sky", "Holidays (US)"}));
    std::vector<std::string> seen;
    for (const auto& preset : catalogue(cal("America/New_York"))) {
        if (seen.empty() || seen.back() != preset.group) {
            seen.push_back(preset.group);
        }
    }
    EXPECT_EQ(seen, groups);
}

TEST(Presets, StarterCountdowns) {
    const Calendar ny = cal("America/New_York");
    const auto first = starterCountdowns(ny);
    const auto second = starterCountdowns(ny);
    ASSERT_EQ(first.size(), 4u);
    const char* labels[] = {"Fall back", "Winter solstice", "Spring forward", "Summer Fridays"};
    std::set<Uuid> ids;
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].label, labels[i]);
        EXPECT_TRUE(first[i].recurs);
        EXPECT_EQ(first[i].unit, CountUnit::days);
        EXPECT_EQ(first[i].end.has_value(), i == 3);
        EXPECT_EQ(first[i].during, i == 3 ? DuringMode::hide : DuringMode::progress);
        EXPECT_FALSE(first[i].customImage || first[i].eventID || first[i].feedCalendarID);
        ids.insert(first[i].id);
        ids.insert(second[i].id);
        Countdown sameId = second[i];
        sameId.id = first[i].id;
        EXPECT_EQ(sameId, first[i]);
    }
    EXPECT_EQ(ids.size(), 8u);
}

TEST(Presets, NewYearCountsDownToZero) {
    const Calendar ny = cal("America/New_York");
    const Countdown newYear = makeCountdown(catalogue(ny)[9]);
    ASSERT_EQ(newYear.label, "New Year's Day");
    const auto eve = display(newYear, day(ny, 2025, 12, 31, 23), ny);
    ASSERT_TRUE(eve);
    EXPECT_EQ(eve->value, 1);
    EXPECT_EQ(eve->unit, "day");
    const auto onDay = display(newYear, day(ny, 2026, 1, 1, 0), ny);
    ASSERT_TRUE(onDay);
    EXPECT_EQ(onDay->value, 0);
    EXPECT_EQ(onDay->unit, "days");
}

}  // namespace
}  // namespace solvane
