#include "core/model/rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

namespace solvane {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

Calendar cal(const char* zone) {
    auto c = Calendar::make(zone, "en_US");
    EXPECT_TRUE(c.has_value()) << zone;
    return *c;
}

Countdown withRules(DateRule start, std::optional<DateRule> end = std::nullopt,
                    bool recurs = false) {
    Countdown c;
    c.label = "Countdown";
    c.start = start;
    c.end = end;
    c.recurs = recurs;
    return c;
}

Instant day(const Calendar& c, int y, int m, int d, int hour = 0) {
    return *c.date(y, m, d, hour);
}

// "2025-03-20" for a local midnight, "none" for no date, "not midnight" for a
// date that is not the start of its day.
std::string ymd(const Calendar& c, std::optional<Instant> t) {
    if (!t) {
        return "none";
    }
    if (c.startOfDay(*t) != t) {
        return "not midnight";
    }
    const auto d = *c.civilDate(*t);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

TEST(RulesSeason, EquinoxAndSolsticeDaysByZone) {
    struct Case {
        const char* zone;
        int year;
        std::int64_t index;
        const char* expected;
    };
    // A crossing late in the UTC day lands on the next day further east and
    // stays on the same day further west.
    const Case cases[] = {
        {"UTC", 2025, 0, "2025-03-20"},
        {"America/New_York", 2025, 0, "2025-03-20"},
        {"Asia/Tokyo", 2025, 0, "2025-03-21"},
        {"UTC", 2025, 1, "2025-06-21"},
        {"America/New_York", 2025, 1, "2025-06-21"},
        {"Asia/Tokyo", 2025, 1, "2025-06-21"},
        {"UTC", 2025, 2, "2025-09-23"},
        {"America/New_York", 2025, 2, "2025-09-23"},
        {"Asia/Tokyo", 2025, 2, "2025-09-23"},
        {"UTC", 2025, 3, "2025-12-22"},
        {"America/New_York", 2025, 3, "2025-12-21"},
        {"Asia/Tokyo", 2025, 3, "2025-12-22"},
        {"UTC", 2026, 0, "2026-03-21"},
        {"America/New_York", 2026, 0, "2026-03-20"},
        {"Asia/Tokyo", 2026, 0, "2026-03-21"},
        {"UTC", 2026, 1, "2026-06-21"},
        {"America/New_York", 2026, 1, "2026-06-21"},
        {"Asia/Tokyo", 2026, 1, "2026-06-22"},
        {"UTC", 2026, 2, "2026-09-23"},
        {"America/New_York", 2026, 2, "2026-09-23"},
        {"Asia/Tokyo", 2026, 2, "2026-09-23"},
        {"UTC", 2026, 3, "2026-12-22"},
        {"America/New_York", 2026, 3, "2026-12-22"},
        {"Asia/Tokyo", 2026, 3, "2026-12-22"},
    };
    for (const auto& c : cases) {
        const Calendar calendar = cal(c.zone);
        EXPECT_EQ(ymd(calendar, seasonDate(c.index, c.year, calendar)), c.expected)
            << c.zone << " " << c.year << " index " << c.index;
        EXPECT_EQ(ymd(calendar, resolve(DateRule::season(c.index), c.year, false, calendar)),
                  c.expected);
    }
}

// The model keeps the perihelion fixed, so its crossings trail the almanac by
// about half a day in these years; the hourly sample adds up to one more hour.
// Anything outside that band means the longitude formula itself drifted.
TEST(RulesSeason, ModelTrailsAlmanacByHalfADay) {
    struct Case {
        const char* almanacUtc;
        std::int64_t index;
    };
    const Case cases[] = {
        {"2025-03-20T09:01:00Z", 0}, {"2025-06-21T02:42:00Z", 1}, {"2025-09-22T18:19:00Z", 2},
        {"2025-12-21T15:03:00Z", 3}, {"2026-03-20T14:46:00Z", 0}, {"2026-06-21T08:24:00Z", 1},
        {"2026-09-23T00:05:00Z", 2}, {"2026-12-21T20:50:00Z", 3},
    };
    for (const auto& c : cases) {
        const Instant almanac = *parseIso8601(c.almanacUtc);
        const double target = static_cast<double>(c.index) * std::numbers::pi * 0.5;
        EXPECT_LT(solarLongitudeOffset(almanac + 9 * 3600.0, target), 0) << c.almanacUtc;
        EXPECT_GE(solarLongitudeOffset(almanac + 13 * 3600.0, target), 0) << c.almanacUtc;
    }
}

TEST(RulesSeason, OffsetStaysInHalfOpenRange) {
    for (double s = -4e9; s <= 4e9; s += 7.3e6) {
        for (double target : {0.0, 1.0, -7.5, 450.0, 1e6}) {
            const double x = solarLongitudeOffset(Instant{s}, target);
            EXPECT_GT(x, -std::numbers::pi);
            EXPECT_LE(x, std::numbers::pi);
        }
    }
}

TEST(RulesSeason, IndicesOutsideTableGiveNoDate) {
    const Calendar utc = cal("UTC");
    for (std::int64_t index : {std::int64_t{5}, std::int64_t{-1}, std::int64_t{4}, kMax, kMin}) {
        EXPECT_EQ(seasonDate(index, 2025, utc), std::nullopt) << index;
    }
    // 7 × 90° wraps to 270°, which the clamped December window does reach.
    EXPECT_EQ(seasonDate(7, 2025, utc), seasonDate(3, 2025, utc));
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
        {{2, 1, 3, 0}, 2026, "2026-03-08"},
        {{1, 2, 9, 0}, 2025, "2025-09-01"},
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
        DateRule::nthWeekday(-1, 2, std::int64_t{1} << 62, 0),
        DateRule::nthWeekday(kMax, 2, 5, 0),
        DateRule::nthWeekday(1, kMax, 5, 0),
        DateRule::nthWeekday(1, kMin, 5, 0),
        DateRule::nthWeekday(1, 2, kMax, 0),
        DateRule::nthWeekday(-1, 2, kMin, 0),
        DateRule::nthWeekday(1, 2, 5, kMax),
        DateRule::nthWeekday(-1, 2, 5, kMin),
        DateRule::nthWeekday(-1, 0, 5, 0),
        DateRule::nthWeekday(-1, 8, 5, 0),
        DateRule::nthWeekday(-1, kMax, 5, 0),
        DateRule::nthWeekday(-1, kMin, 5, 0),
        DateRule::season(kMax),
        DateRule::fixed(Instant{1e300}),
        DateRule::fixed(Instant{-1e300}),
        DateRule::fixed(Instant{std::nan("")}),
        DateRule::fixed(Instant{kInf}),
        DateRule::fixed(Instant{-kInf}),
    };
    const auto began = std::chrono::steady_clock::now();
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
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(60));
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

}  // namespace
}  // namespace solvane
