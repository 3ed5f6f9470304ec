#include "core/model/rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "core/test_helpers.h"

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

}  // namespace
}  // namespace solvane
