#include "core/model/presets.h"

#include <gtest/gtest.h>
#include <unicode/basictz.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <memory>
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

PresetRegion regionOf(const Calendar& c, std::optional<double> latitude = std::nullopt) {
    return PresetRegion::of(c, day(c, 2025, 1, 15, 12), latitude);
}

std::vector<std::string> labels(const std::vector<Countdown>& list) {
    std::vector<std::string> out;
    for (const auto& c : list) {
        out.push_back(c.label);
    }
    return out;
}

const CountdownPreset* presetWithId(const std::vector<CountdownPreset>& presets,
                                    std::string_view id) {
    for (const auto& p : presets) {
        if (p.id == id) {
            return &p;
        }
    }
    return nullptr;
}

// The local day of the zone's next change into (or out of) daylight-saving
// time after `from`, as ICU reports it.
std::optional<Instant> nextChangeDay(const Calendar& c, Instant from, bool intoDaylightTime) {
    const std::unique_ptr<icu::TimeZone> zone(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(c.zoneId())));
    const auto& basic = dynamic_cast<const icu::BasicTimeZone&>(*zone);
    icu::TimeZoneTransition change;
    for (UDate at = from.unixSeconds() * 1000.0; basic.getNextTransition(at, false, change);
         at = change.getTime()) {
        const bool before = change.getFrom()->getDSTSavings() != 0;
        const bool after = change.getTo()->getDSTSavings() != 0;
        if (before != after && after == intoDaylightTime) {
            return c.startOfDay(Instant::fromUnix(change.getTime() / 1000.0));
        }
    }
    return std::nullopt;
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
    // The table lists each group's entries together, in menu order.
    EXPECT_EQ(presetGroups(), (std::vector<std::string>{"Spans", "Clocks & Sky", "Holidays (US)"}));
    const auto presets = catalogue(ny, regionOf(ny));
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
    const auto inTokyo = catalogue(tokyo, regionOf(tokyo));
    const auto inNewYork = catalogue(ny, regionOf(ny));
    EXPECT_EQ(inTokyo.back().start, DateRule::fixed(day(tokyo, 2000, 12, 25)));
    EXPECT_EQ(inNewYork.back().start, DateRule::fixed(day(ny, 2000, 12, 25)));
}

TEST(Presets, StarterCountdowns) {
    const Calendar ny = cal("America/New_York");
    const Instant now = day(ny, 2025, 1, 15, 12);
    const auto first = starterCountdowns(ny, regionOf(ny), now);
    const auto second = starterCountdowns(ny, regionOf(ny), now);
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
    const Countdown newYear = makeCountdown(catalogue(ny, regionOf(ny))[9]);
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

struct ZoneCase {
    const char* zone;
    double latitude;
    std::optional<DateRule> forward, back;  // none: no clock-change presets
    std::vector<std::string> starters;      // made on 2025-01-15
};

class PresetsInZone : public ::testing::TestWithParam<ZoneCase> {};

// What a user of the zone is offered: the clock changes are the zone's own,
// and a countdown made from one in 2025 counts to the day the clocks really
// change in every year to 2035; the starters and the season titles follow the
// zone and the hemisphere.
TEST_P(PresetsInZone, ClockChangesStartersAndSeasonTitles) {
    const ZoneCase& z = GetParam();
    const Calendar c = cal(z.zone);
    const PresetRegion region = regionOf(c, z.latitude);
    const auto presets = catalogue(c, region);
    const CountdownPreset* forward = presetWithId(presets, "dst-start");
    const CountdownPreset* back = presetWithId(presets, "dst-end");
    ASSERT_EQ(forward != nullptr, z.forward.has_value());
    ASSERT_EQ(back != nullptr, z.back.has_value());
    EXPECT_EQ(presets.size(), z.forward ? 19u : 17u);
    if (forward != nullptr) {
        EXPECT_EQ(forward->start, *z.forward);
        EXPECT_EQ(back->start, *z.back);
        for (int year = 2025; year <= 2035; ++year) {
            SCOPED_TRACE(year);
            const Instant from = day(c, year, 1, 1, 12);
            EXPECT_EQ(currentOrNextStart(makeCountdown(*forward), from, c),
                      nextChangeDay(c, from, true));
            EXPECT_EQ(currentOrNextStart(makeCountdown(*back), from, c),
                      nextChangeDay(c, from, false));
        }
    }

    const auto starters = starterCountdowns(c, region, day(c, 2025, 1, 15, 12));
    EXPECT_EQ(labels(starters), z.starters);
    const bool south = z.latitude < 0;
    for (const auto& s : starters) {
        if (s.label == "Winter solstice") {
            EXPECT_EQ(s.start, DateRule::season(south ? 1 : 3));
        }
    }
    if (!region.unitedStates) {
        const auto july = starterCountdowns(c, region, day(c, 2025, 7, 1, 12));
        EXPECT_EQ(july.back().label, south ? "Spring equinox" : "Fall equinox");
        EXPECT_EQ(july.back().start, DateRule::season(2));
    }

    // Rules stay astronomical; titles and symbols are the local season's.
    const struct {
        const char* id;
        const char* north;
        const char* south;
        const char* southSymbol;
    } seasons[] = {
        {"summer", "Summer", "Winter", "snowflake"},
        {"winter", "Winter", "Summer", "sun.max"},
        {"spring-equinox", "Spring equinox", "Fall equinox", "wind"},
        {"summer-solstice", "Summer solstice", "Winter solstice", "snowflake"},
        {"fall-equinox", "Fall equinox", "Spring equinox", "leaf"},
        {"winter-solstice", "Winter solstice", "Summer solstice", "sun.max"},
    };
    const auto north = catalogue(c, PresetRegion{});
    for (const auto& s : seasons) {
        const CountdownPreset* p = presetWithId(presets, s.id);
        ASSERT_NE(p, nullptr) << s.id;
        EXPECT_EQ(p->title, south ? s.south : s.north) << s.id;
        EXPECT_EQ(p->start, presetWithId(north, s.id)->start) << s.id;
        if (south) {
            EXPECT_EQ(p->symbol, s.southSymbol) << s.id;
        }
    }
}

const std::vector<std::string> kUnitedStates = {"Fall back", "Winter solstice", "Spring forward",
                                                "Summer Fridays"};
const std::vector<std::string> kNorth = {"Fall back", "Winter solstice", "Spring forward",
                                         "Spring equinox"};
const std::vector<std::string> kSouth = {"Fall back", "Winter solstice", "Spring forward",
                                         "Fall equinox"};
DateRule nth(std::int64_t n, std::int64_t month) {
    return DateRule::nthWeekday(n, 1, month, 0);  // Sundays
}

INSTANTIATE_TEST_SUITE_P(
    Zones, PresetsInZone,
    ::testing::Values(
        ZoneCase{"America/New_York", 40.71, nth(2, 3), nth(1, 11), kUnitedStates},
        ZoneCase{"America/Chicago", 41.88, nth(2, 3), nth(1, 11), kUnitedStates},
        ZoneCase{"Europe/Berlin", 52.52, nth(-1, 3), nth(-1, 10), kNorth},
        ZoneCase{"Europe/London", 51.51, nth(-1, 3), nth(-1, 10), kNorth},
        ZoneCase{"Australia/Sydney", -33.87, nth(1, 10), nth(1, 4), kSouth},
        // Chile changes on the Sunday on or after the 2nd, not one ordinal.
        ZoneCase{"America/Santiago",
                 -33.45,
                 std::nullopt,
                 std::nullopt,
                 {"Winter solstice", "Fall equinox"}},
        ZoneCase{
            "Asia/Tokyo", 35.68, std::nullopt, std::nullopt, {"Winter solstice", "Spring equinox"}},
        ZoneCase{"Asia/Kolkata",
                 22.57,
                 std::nullopt,
                 std::nullopt,
                 {"Winter solstice", "Spring equinox"}},
        ZoneCase{"Pacific/Auckland", -36.85, nth(-1, 9), nth(1, 4), kSouth}),
    [](const auto& info) {
        std::string name = info.param.zone;
        std::erase_if(name, [](char ch) { return ch == '/' || ch == '_'; });
        return name;
    });

}  // namespace
}  // namespace solvane
