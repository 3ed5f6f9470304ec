#include "core/model/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "core/test_helpers.h"
#include "core/time/c_library_zone.h"

namespace solvane {
namespace {

using namespace testing;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

Countdown withRules(DateRule start, std::optional<DateRule> end = std::nullopt,
                    bool recurs = false) {
    Countdown c;
    c.label = "Countdown";
    c.start = start;
    c.end = end;
    c.recurs = recurs;
    return c;
}

// Where clocks jump from 00:00 to 01:00, a day counted from the jump day
// still starts at its own midnight.
TEST(Rules, DaysAfterAMidnightClockChangeStartAtMidnight) {
    struct Case {
        const char* zone;
        DateRule::NthWeekday rule;
        int year;
        const char* expected;
    };
    const Case cases[] = {
        {"America/Santiago", {2, 1, 9, 1}, 2024, "2024-09-09"},    // jump on Sunday 8th
        {"America/Havana", {2, 1, 3, 1}, 2024, "2024-03-11"},      // jump on Sunday 10th
        {"Asia/Beirut", {-1, 1, 3, 2}, 2024, "2024-04-02"},        // jump on Sunday 31st
        {"America/Asuncion", {1, 1, 10, -1}, 2024, "2024-10-05"},  // jump on Sunday 6th
    };
    for (const auto& c : cases) {
        const Calendar calendar = cal(c.zone);
        EXPECT_EQ(ymd(calendar, resolve(DateRule{c.rule}, c.year, false, calendar)), c.expected)
            << c.zone << " " << c.rule.n << "/" << c.rule.month << "/" << c.rule.offset;
    }
    // The jump day itself starts at 01:00, and that is its start.
    const Calendar santiago = cal("America/Santiago");
    const auto jumpDay = resolve(DateRule::nthWeekday(2, 1, 9, 0), 2024, false, santiago);
    ASSERT_TRUE(jumpDay.has_value());
    EXPECT_EQ(formatIso8601(*jumpDay), "2024-09-08T04:00:00.000Z");
}

TEST(Rules, NthWeekdayDays) {
    struct Case {
        DateRule::NthWeekday rule;
        int year;
        const char* expected;
    };
    const Case cases[] = {
        {{-1, 2, 5, -3}, 2025, "2025-05-23"},  // Friday before the last Monday of May
        {{-1, 2, 5, 0}, 2025, "2025-05-26"},
        {{0, 2, 5, 0}, 2025, "2025-05-26"},  // any n ≤ 0 is the last one
        {{kMin, 2, 5, 0}, 2025, "2025-05-26"},
        {{-1, 7, 5, 0}, 2025, "2025-05-31"},  // the month's last day itself
        {{4, 5, 11, 0}, 2025, "2025-11-27"},
        {{5, 1, 2, 0}, 2025, "2025-03-02"},  // a fifth Sunday rolls into March
        {{1, 1, 11, 400}, 2025, "2026-12-07"},
        {{-1, 1, 12, 0}, 2025, "2025-12-28"},  // the month after December is next January
    };
    const Calendar ny = cal("America/New_York");
    for (const auto& c : cases) {
        const DateRule rule{c.rule};
        EXPECT_EQ(ymd(ny, resolve(rule, c.year, false, ny)), c.expected)
            << c.rule.n << "/" << c.rule.weekday << "/" << c.rule.month << "/" << c.rule.offset;
    }
}

TEST(Rules, FixedDates) {
    const Calendar ny = cal("America/New_York");
    // 02:00 UTC on July 4 is still July 3 in New York: the local day counts.
    const DateRule evening = DateRule::fixed(*parseIso8601("2025-07-04T02:00:00Z"));
    EXPECT_EQ(ymd(ny, resolve(evening, 1990, false, ny)), "2025-07-03");
    EXPECT_EQ(ymd(ny, resolve(evening, 2031, true, ny)), "2031-07-03");

    const DateRule leapDay = DateRule::fixed(day(ny, 2024, 2, 29, 15));
    EXPECT_EQ(ymd(ny, resolve(leapDay, 2028, true, ny)), "2028-02-29");
    EXPECT_EQ(ymd(ny, resolve(leapDay, 2025, true, ny)), "2025-03-01");
}

// Payloads are 64-bit; none of these may wrap into a real-looking day, overflow
// or keep a search walking.
TEST(Rules, PayloadsBeyondTheCalendarGiveNoDate) {
    const Calendar ny = cal("America/New_York");
    const std::int64_t big = std::int64_t{1} << 40;
    const DateRule rules[] = {
        DateRule::nthWeekday(1, 2, 5, big),
        DateRule::nthWeekday(-1, 2, 5, big),
        DateRule::nthWeekday(1, 2, std::int64_t{1} << 62, 0),
        DateRule::nthWeekday(kMax, 2, 5, 0),
        DateRule::nthWeekday(1, kMax, 5, 0),
        DateRule::nthWeekday(1, kMin, 5, 0),
        DateRule::nthWeekday(1, 2, kMax, 0),
        DateRule::nthWeekday(-1, 2, kMin, 0),
        DateRule::nthWeekday(1, 2, 5, kMax),
        DateRule::nthWeekday(-1, 2, 5, kMin),
        DateRule::nthWeekday(-1, 0, 5, 0),
        DateRule::nthWeekday(-1, kMax, 5, 0),
        DateRule::nthWeekday(-1, kMin, 5, 0),
        DateRule::season(5),
        DateRule::fixed(Instant{1e300}),
        DateRule::fixed(Instant{std::nan("")}),
        DateRule::fixed(Instant{kInf}),
    };
    for (const auto& rule : rules) {
        for (bool recurring : {false, true}) {
            const auto resolved = resolve(rule, 2025, recurring, ny);
            EXPECT_EQ(resolved, std::nullopt) << ymd(ny, resolved);
        }
        const Countdown countdown = withRules(rule, rule, true);
        EXPECT_TRUE(occurrences(countdown, day(ny, 2025, 6, 1), ny).empty());
    }
    // Years that do not fit the calendar, for every kind of rule.
    for (std::int64_t year : {kMax, kMin, std::int64_t{1} << 40}) {
        for (const auto& rule :
             {DateRule::fixed(day(ny, 2025, 1, 1)), DateRule::nthWeekday(1, 2, 5, 0),
              DateRule::nthWeekday(-1, 2, 5, 0), DateRule::season(0)}) {
            EXPECT_EQ(resolve(rule, year, true, ny), std::nullopt);
        }
    }
}

TEST(RulesOccurrences, NonRecurringFixedHasOneOccurrence) {
    const Calendar ny = cal("America/New_York");
    Countdown countdown = withRules(DateRule::fixed(day(ny, 2019, 4, 2, 18)));
    const auto list = occurrences(countdown, day(ny, 2025, 6, 1, 9), ny);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (Occurrence{day(ny, 2019, 4, 2), std::nullopt}));

    // Rules of the other kinds repeat whatever the flag says.
    countdown.start = DateRule::nthWeekday(4, 5, 11, 0);
    EXPECT_EQ(occurrences(countdown, day(ny, 2025, 6, 1, 9), ny).size(), 4u);
}

TEST(RulesOccurrences, RecurringWinterEndsInTheNextYear) {
    const Calendar ny = cal("America/New_York");
    const Countdown winter = withRules(DateRule::season(3), DateRule::season(0), true);
    const auto list = occurrences(winter, day(ny, 2025, 6, 1, 9), ny);
    ASSERT_EQ(list.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const int year = 2024 + i;
        EXPECT_EQ(list[i].start, seasonDate(3, year, ny));
        EXPECT_EQ(list[i].end, seasonDate(0, year + 1, ny)) << year;
    }
}

TEST(RulesOccurrences, EndsBeforeTheStartCollapseOntoIt) {
    const Calendar utc = cal("UTC");
    // Not recurring: the end never moves to the next year.
    const Countdown once =
        withRules(DateRule::fixed(day(utc, 2025, 3, 10)), DateRule::fixed(day(utc, 2025, 3, 1)));
    EXPECT_EQ(occurrences(once, day(utc, 2025, 1, 1), utc),
              (std::vector<Occurrence>{{day(utc, 2025, 3, 10), day(utc, 2025, 3, 10)}}));

    // Recurring, at the calendar's last years: in the final year the end has
    // no next-year date, keeps its own and collapses onto the start.
    ASSERT_EQ(utc.date(300001, 1, 1), std::nullopt);
    const Countdown span = withRules(DateRule::fixed(day(utc, 2000, 12, 1)),
                                     DateRule::fixed(day(utc, 2000, 2, 1)), true);
    const auto list = occurrences(span, day(utc, 299999, 6, 1), utc);
    ASSERT_EQ(list.size(), 3u);  // 300001 has no start at all
    EXPECT_EQ(list[1].end, day(utc, 300000, 2, 1));
    EXPECT_EQ(list[2].start, day(utc, 300000, 12, 1));
    EXPECT_EQ(list[2].end, list[2].start);
}

TEST(RulesOccurrences, EndWithoutDateLeavesOneDayOccurrences) {
    const Calendar ny = cal("America/New_York");
    const Countdown countdown =
        withRules(DateRule::nthWeekday(1, 2, 9, 0), DateRule::season(5), true);
    const auto list = occurrences(countdown, day(ny, 2025, 6, 1), ny);
    ASSERT_EQ(list.size(), 4u);
    for (const auto& o : list) {
        EXPECT_EQ(o.end, std::nullopt);
    }
}

PresetRegion regionOf(const Calendar& c, std::optional<double> latitude = std::nullopt) {
    return PresetRegion::of(c, day(c, 2025, 1, 15, 12), latitude);
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

// The local day of the zone's next change forward (or back) after `from`,
// as the C library reads the zone's file.
std::optional<Instant> nextChangeDay(const Calendar& c, Instant from, bool forward) {
    const CLibraryZone zone(c.zoneId());
    const auto start = static_cast<std::int64_t>(from.unixSeconds());
    for (const CChange& change : zone.changes(start, start + 3 * 366 * 86400LL)) {
        if ((change.after > change.before) == forward) {
            const CLocal local = zone.at(change.at);
            return c.date(local.year, local.month, local.day);
        }
    }
    return std::nullopt;
}

// Each preset in menu order with its 2025 start day and, for spans, end day.
TEST(Presets, CatalogueEntriesAndTheirDays) {
    const Calendar ny = cal("America/New_York");
    EXPECT_EQ(presetGroups(), (std::vector<std::string>{"Spans", "Clocks & Sky", "Holidays (US)"}));
    const auto presets = catalogue(ny, regionOf(ny));
    std::vector<std::string> days;
    for (const CountdownPreset& p : presets) {
        const auto start = resolve(p.start, 2025, true, ny);
        std::string text = p.id + " " + ymd(ny, start);
        if (p.end) {
            const auto end = resolve(*p.end, 2025, true, ny);
            text += " " + ymd(ny, end < start ? resolve(*p.end, 2026, true, ny) : end);
        }
        days.push_back(text);
        EXPECT_EQ(p.during, p.id == "summer-fridays" ? DuringMode::hide : DuringMode::progress);
    }
    EXPECT_EQ(days,
              (std::vector<std::string>{
                  "summer-fridays 2025-05-23 2025-09-01", "summer 2025-06-20 2025-09-22",
                  "winter 2025-12-21 2026-03-20", "dst-start 2025-03-09", "dst-end 2025-11-02",
                  "spring-equinox 2025-03-20", "summer-solstice 2025-06-20",
                  "fall-equinox 2025-09-22", "winter-solstice 2025-12-21", "new-year 2025-01-01",
                  "valentines 2025-02-14", "mothers-day 2025-05-11", "memorial-day 2025-05-26",
                  "fathers-day 2025-06-15", "july-4 2025-07-04", "labor-day 2025-09-01",
                  "halloween 2025-10-31", "thanksgiving 2025-11-27", "christmas 2025-12-25"}));
}

TEST(Presets, StarterCountdownsRecurWithFreshIdentifiers) {
    const Calendar ny = cal("America/New_York");
    const Instant now = day(ny, 2025, 1, 15, 12);
    const auto first = starterCountdowns(ny, regionOf(ny), now);
    auto second = starterCountdowns(ny, regionOf(ny), now);
    ASSERT_EQ(first.size(), 4u);
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(first[i].recurs);
        EXPECT_EQ(first[i].during, i == 3 ? DuringMode::hide : DuringMode::progress);
        EXPECT_NE(second[i].id, first[i].id);
        second[i].id = first[i].id;
    }
    EXPECT_EQ(second, first);
}

struct ZoneCase {
    const char* zone;
    double latitude;
    std::int32_t juneOffset;                // seconds east of UTC on 2027-06-15
    std::optional<DateRule> forward, back;  // none: no such clock-change preset
    std::vector<std::string> starters;      // made on 2025-01-15
};

class PresetsInZone : public ::testing::TestWithParam<ZoneCase> {};

// The clock changes offered are the zone's own, counting to the days the
// clocks really change (as the C library reads the zone file) through 2035;
// the starters and the season titles follow the zone and the hemisphere.
TEST_P(PresetsInZone, ClockChangesStartersAndSeasonTitles) {
    const ZoneCase& z = GetParam();
    const Calendar c = cal(z.zone);
    const PresetRegion region = regionOf(c, z.latitude);
    const auto presets = catalogue(c, region);
    const CountdownPreset* forward = presetWithId(presets, "dst-start");
    const CountdownPreset* back = presetWithId(presets, "dst-end");
    EXPECT_EQ(c.utcOffset(*parseIso8601("2027-06-15T12:00:00Z")), z.juneOffset);
    ASSERT_EQ(forward != nullptr, z.forward.has_value());
    ASSERT_EQ(back != nullptr, z.back.has_value());
    EXPECT_EQ(presets.size(), 17u + (forward != nullptr) + (back != nullptr));
    for (const auto& [preset, rule, isForward] :
         {std::tuple{forward, z.forward, true}, {back, z.back, false}}) {
        if (preset == nullptr) {
            continue;
        }
        EXPECT_EQ(preset->start, *rule);
        // Twice a year: Casablanca goes back in January and December 2029.
        for (int year = 2025; year <= 2035; ++year) {
            for (const int month : {1, 7}) {
                SCOPED_TRACE(year * 100 + month);
                const Instant from = day(c, year, month, 1, 12);
                EXPECT_EQ(currentOrNextStart(makeCountdown(*preset), from, c),
                          nextChangeDay(c, from, isForward));
            }
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

    // Rules stay astronomical; in the south a season takes the title and
    // symbol of its opposite.
    const auto north = catalogue(c, PresetRegion{});
    for (const auto& [id, opposite] : {std::pair{"summer", "winter"},
                                       {"winter", "summer"},
                                       {"spring-equinox", "fall-equinox"},
                                       {"fall-equinox", "spring-equinox"},
                                       {"summer-solstice", "winter-solstice"},
                                       {"winter-solstice", "summer-solstice"}}) {
        const CountdownPreset* p = presetWithId(presets, id);
        ASSERT_NE(p, nullptr) << id;
        const CountdownPreset* shown = presetWithId(north, south ? opposite : id);
        EXPECT_EQ(p->title, shown->title) << id;
        EXPECT_EQ(p->symbol, shown->symbol) << id;
        EXPECT_EQ(p->start, presetWithId(north, id)->start) << id;
    }
}

const std::vector<std::string> kUnitedStates = {"Fall back", "Winter solstice", "Spring forward",
                                                "Summer Fridays"};
const std::vector<std::string> kNorth = {"Fall back", "Winter solstice", "Spring forward",
                                         "Spring equinox"};
const std::vector<std::string> kSouth = {"Fall back", "Winter solstice", "Spring forward",
                                         "Fall equinox"};
const std::vector<std::string> kNoClocksNorth = {"Winter solstice", "Spring equinox"};
const std::vector<std::string> kNoClocksSouth = {"Winter solstice", "Fall equinox"};
DateRule nth(std::int64_t n, std::int64_t month, std::int64_t weekday = 1,
             std::int64_t offset = 0) {
    return DateRule::nthWeekday(n, weekday, month, offset);  // Sundays unless said
}
constexpr std::int32_t kHour = 3600;
const DateRule kChangeForward = DateRule::clockChange(ClockDirection::forward);
const DateRule kChangeBack = DateRule::clockChange(ClockDirection::back);

INSTANTIATE_TEST_SUITE_P(
    Zones, PresetsInZone,
    ::testing::Values(
        ZoneCase{"America/New_York", 40.71, -4 * kHour, nth(2, 3), nth(1, 11), kUnitedStates},
        ZoneCase{"Europe/Berlin", 52.52, 2 * kHour, nth(-1, 3), nth(-1, 10), kNorth},
        ZoneCase{"Australia/Sydney", -33.87, 10 * kHour, nth(1, 10), nth(1, 4), kSouth},
        ZoneCase{"Pacific/Auckland", -36.85, 12 * kHour, nth(-1, 9), nth(1, 4), kSouth},
        ZoneCase{"Asia/Tokyo", 35.68, 9 * kHour, std::nullopt, std::nullopt, kNoClocksNorth},
        // Zones whose rules changed after ICU's own table was made, or
        // whose changes are not a plain "n-th Sunday".
        ZoneCase{"America/Mexico_City", 19.43, -6 * kHour, std::nullopt, std::nullopt,
                 kNoClocksNorth},
        // Last Friday of April at 0:00; back at 24:00 of the last Thursday of October.
        ZoneCase{"Africa/Cairo", 30.05, 3 * kHour, nth(-1, 4, 6), nth(-1, 10, 5), kNorth},
        ZoneCase{"America/Asuncion", -25.26, -3 * kHour, std::nullopt, std::nullopt,
                 kNoClocksSouth},
        // At 01:00 UTC: the Saturday before October's last Sunday, locally.
        ZoneCase{"America/Nuuk", 64.18, -kHour, nth(-1, 3), nth(-1, 10, 1, -1), kNorth},
        // The Friday before the last Sunday of March: the day after the 4th Thursday.
        ZoneCase{"Asia/Jerusalem", 31.78, 3 * kHour, nth(4, 3, 5, 1), nth(-1, 10), kNorth},
        // Saturday midnight: Sunday on or after September 2nd, Saturday of April's first week.
        ZoneCase{"America/Santiago", -33.45, -4 * kHour, nth(1, 9, 7, 1), nth(1, 4, 7), kSouth},
        // Morocco's clocks go back for Ramadan: days no rule names.
        ZoneCase{"Africa/Casablanca", 33.65, kHour, kChangeForward, kChangeBack, kNorth},
        ZoneCase{"Australia/Lord_Howe", -31.55, 10 * kHour + 1800, nth(1, 10), nth(1, 4), kSouth}),
    [](const auto& info) {
        std::string name = info.param.zone;
        std::erase_if(name, [](char ch) { return ch == '/' || ch == '_'; });
        return name;
    });

}  // namespace
}  // namespace solvane
