#include "core/time/calendar.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>

#include "core/test_helpers.h"
#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane {
namespace {

using testing::cal;
using testing::ScopedEnv;

std::string isoUtc(std::optional<Instant> t) {
    return t ? formatIso8601(*t).value_or("?") : "none";
}

TEST(Calendar, UnknownZoneIsRefusedAndPosixLocaleNamesAreNormalised) {
    EXPECT_FALSE(Calendar::make("Mars/Olympus_Mons", "en_US").has_value());
    EXPECT_FALSE(Calendar::make("", "en_US").has_value());
    EXPECT_EQ(cal("UTC", "de_DE.UTF-8@euro").locale(), "de_DE");
    EXPECT_EQ(cal("UTC", "C").locale(), "en_US");
    EXPECT_EQ(cal("UTC", "POSIX").locale(), "en_US");
}

// Units follow LC_MEASUREMENT and dates LC_TIME; LC_ALL overrides both and
// LANG fills in for either.
TEST(Calendar, MeasurementLocaleFollowsPosixOrder) {
    struct Case {
        const char* all;
        const char* measurement;
        const char* lang;
        const char* expected;
        TempUnit unit;
    };
    const Case cases[] = {
        {nullptr, "de_DE.UTF-8", "en_US.UTF-8", "de_DE", TempUnit::celsius},
        {nullptr, "en_US.UTF-8", "de_DE.UTF-8", "en_US", TempUnit::fahrenheit},
        {"fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", "fr_FR", TempUnit::celsius},
        {nullptr, "", "en_US.UTF-8", "en_US", TempUnit::fahrenheit},  // empty means unset
        {nullptr, nullptr, "C.UTF-8", "en_US", TempUnit::fahrenheit},
    };
    for (const auto& c : cases) {
        const ScopedEnv all("LC_ALL", c.all), measurement("LC_MEASUREMENT", c.measurement),
            lang("LANG", c.lang);
        EXPECT_EQ(Calendar::measurementLocaleName(), c.expected) << c.measurement << " " << c.lang;
        EXPECT_EQ(defaultTempUnit(Calendar::measurementLocaleName()), c.unit);
    }
    // Dates keep following LC_TIME and LANG.
    const ScopedEnv all("LC_ALL", nullptr), timeLocale("LC_TIME", nullptr),
        measurement("LC_MEASUREMENT", "en_US.UTF-8"), lang("LANG", "de_DE.UTF-8");
    EXPECT_EQ(Calendar::currentLocaleName(), "de_DE");
}

struct DateCase {
    const char* zone;
    std::int64_t y, m, d;
    std::optional<std::int64_t> hour;
    const char* utc;
};

TEST(Calendar, DateFromComponentsIsLocalAndLenient) {
    const DateCase cases[] = {
        {"America/New_York", 2025, 1, 15, {}, "2025-01-15T05:00:00.000Z"},
        {"Asia/Tokyo", 2025, 3, 15, 12, "2025-03-15T03:00:00.000Z"},
        {"UTC", 2025, 2, 29, {}, "2025-03-01T00:00:00.000Z"},  // common year rolls over
        {"UTC", 2025, 13, 1, {}, "2026-01-01T00:00:00.000Z"},  // month 13
        {"UTC", 2025, 0, 1, {}, "2024-12-01T00:00:00.000Z"},   // month 0
        {"UTC", 2025, 1, 0, {}, "2024-12-31T00:00:00.000Z"},   // day 0
        {"UTC", 1, 1, 1, {}, "0001-01-01T00:00:00.000Z"},
        {"UTC", 9999, 12, 31, 23, "9999-12-31T23:00:00.000Z"},
        // São Paulo skipped midnight on 2018-11-04; the day began at 01:00.
        {"America/Sao_Paulo", 2018, 11, 4, {}, "2018-11-04T03:00:00.000Z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isoUtc(cal(c.zone).date(c.y, c.m, c.d, c.hour)), c.utc)
            << c.zone << " " << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Calendar, ComponentsThatDoNotFitGiveNoDate) {
    const Calendar c = cal("UTC");
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_FALSE(c.date(kMax, 1, 1));
    EXPECT_FALSE(c.date(2025, kMin, 1));
    EXPECT_FALSE(c.date(2025, 1, std::int64_t{1} << 40));
    EXPECT_FALSE(c.date(2025, 1, 1, kMax));
    EXPECT_FALSE(c.date(std::int64_t{1} << 31, 1, 1));
    EXPECT_FALSE(c.nthWeekday(2025, std::int64_t{1} << 62, 1, 1));
    EXPECT_FALSE(c.nthWeekday(2025, 5, 1, kMax));
    EXPECT_FALSE(c.addDays(Instant{0}, std::int64_t{1} << 40));
    EXPECT_FALSE(c.addDays(Instant{0}, kMin));
    EXPECT_FALSE(c.addMonths(Instant{0}, kMax));
    EXPECT_FALSE(c.startOfDay(Instant{1e300}));
    EXPECT_FALSE(c.startOfDay(Instant{std::numeric_limits<double>::quiet_NaN()}));
    EXPECT_FALSE(c.civilDate(Instant{-std::numeric_limits<double>::infinity()}));
    EXPECT_FALSE(c.dayDifference(Instant{0}, Instant{1e300}));
    EXPECT_FALSE(c.weekday(Instant{1e300}));
    EXPECT_FALSE(c.isWeekend(Instant{1e300}));
}

TEST(Calendar, NthWeekdayCountsFromTheFirstAndRollsOver) {
    const Calendar ny = cal("America/New_York");
    // November 2025 has four Mondays; the fifth is the first of December.
    EXPECT_EQ(isoUtc(ny.nthWeekday(2025, 11, 2, 5)), "2025-12-01T05:00:00.000Z");
    EXPECT_FALSE(ny.nthWeekday(2025, 11, 0, 1));
    EXPECT_FALSE(ny.nthWeekday(2025, 11, 8, 1));
    EXPECT_FALSE(ny.nthWeekday(2025, 11, 1, 0));
}

TEST(Calendar, StartOfDayFollowsClockChanges) {
    const Calendar ny = cal("America/New_York");
    // 2025-03-09 (23-hour day) and 2025-11-02 (25-hour day), seen late in the day.
    EXPECT_EQ(isoUtc(ny.startOfDay(*parseIso8601("2025-03-10T03:30:00Z"))),
              "2025-03-09T05:00:00.000Z");
    EXPECT_EQ(isoUtc(ny.startOfDay(*parseIso8601("2025-11-03T04:30:00Z"))),
              "2025-11-02T04:00:00.000Z");
    // Havana set its clocks back from 01:00 to 00:00 on 2024-11-03: midnight
    // happened twice and the day starts at the first.
    const Calendar havana = cal("America/Havana");
    EXPECT_EQ(isoUtc(havana.startOfDay(*parseIso8601("2024-11-03T12:00:00Z"))),
              "2024-11-03T04:00:00.000Z");
}

TEST(Calendar, DaysAreCountedAndAddedInLocalTimeAcrossClockChanges) {
    const Calendar ny = cal("America/New_York");
    const Instant mar8 = *ny.date(2025, 3, 8);
    const Instant mar10 = *ny.date(2025, 3, 10);
    EXPECT_EQ(ny.dayDifference(mar8, mar10), 2);  // 47 hours apart
    EXPECT_EQ(ny.dayDifference(mar10, mar8), -2);
    EXPECT_EQ(ny.dayDifference(*ny.date(2025, 10, 31), *ny.date(2025, 11, 3)), 3);
    EXPECT_EQ(ny.dayDifference(*ny.date(1, 1, 1), *ny.date(9999, 12, 31)), 3652058);
    EXPECT_EQ(isoUtc(ny.addDays(mar8, 1)), "2025-03-09T05:00:00.000Z");
    EXPECT_EQ(isoUtc(ny.addDays(mar8, 2)), "2025-03-10T04:00:00.000Z");
    EXPECT_EQ(isoUtc(ny.addMonths(*ny.date(2025, 1, 31), 1)), "2025-02-28T05:00:00.000Z");
    EXPECT_EQ(isoUtc(ny.addDays(*ny.date(2025, 3, 1), -1)), "2025-02-28T05:00:00.000Z");
}

TEST(Calendar, WeekendFollowsTheLocale) {
    struct Case {
        const char* locale;
        std::array<bool, 7> weekend;  // Sunday first
    };
    const Case cases[] = {
        {"en_US", {true, false, false, false, false, false, true}},
        {"he_IL", {false, false, false, false, false, true, true}},
    };
    for (const auto& c : cases) {
        const Calendar local = cal("UTC", c.locale);
        for (int w = 1; w <= 7; ++w) {
            EXPECT_EQ(local.isWeekendWeekday(w), c.weekend[w - 1]) << c.locale << " " << w;
        }
        EXPECT_FALSE(local.isWeekendWeekday(0));
        EXPECT_FALSE(local.isWeekendWeekday(8));
    }
    EXPECT_TRUE(cal("UTC").isWeekend(*parseIso8601("2025-12-27T12:00:00Z")));
    // A Friday in UTC, still Thursday in New York.
    EXPECT_EQ(cal("America/New_York").weekday(*parseIso8601("2025-12-26T03:00:00Z")), 5);
}

TEST(Calendar, NamesComeFromTheLocale) {
    const Calendar en = cal("UTC", "en_US");
    ASSERT_EQ(en.weekdayNames().size(), 7u);
    ASSERT_EQ(en.monthNames().size(), 12u);
    EXPECT_EQ(en.weekdayNames().front(), "Sunday");
    EXPECT_EQ(en.monthNames()[4], "May");
    const Calendar de = cal("UTC", "de_DE");
    EXPECT_EQ(de.weekdayNames()[1], "Montag");
    EXPECT_EQ(de.monthNames()[2], "März");
}

TEST(Calendar, CopiesShareOneCalendarSafelyAcrossThreads) {
    const Calendar ny = cal("America/New_York");
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([copy = ny, &wrong, i] {
            for (int k = 0; k < 500; ++k) {
                const auto d = copy.date(2000 + i, 1 + k % 12, 1);
                if (!d || copy.civilDate(*d) != CivilDate{2000 + i, 1 + k % 12, 1}) {
                    ++wrong;
                }
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(wrong.load(), 0);
}

TEST(Instant, ParsesUtcAndOffsets) {
    struct Case {
        const char* text;
        double unix;
    };
    const Case cases[] = {
        {"2024-03-20T15:00:00Z", 1710946800},
        {"2024-03-20T15:00:00+09:00", 1710946800 - 9 * 3600},
        {"2024-03-20T15:00:00-05:30", 1710946800 + 5.5 * 3600},
        {"2024-03-20T15:00:00+09", 1710946800 - 9 * 3600},
        {"2024-03-20T15:00Z", 1710946800},
        {"2024-03-20 15:00:00z", 1710946800},
        {"2024-03-20T15:00:00.250Z", 1710946800.25},
        {"1970-01-01T00:00:00Z", 0},
        {"0001-01-01T00:00:00Z", -62135596800},
    };
    for (const auto& c : cases) {
        const auto t = parseIso8601(c.text);
        ASSERT_TRUE(t.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(t->unixSeconds(), c.unix) << c.text;
    }
}

TEST(Instant, RejectsMalformedAndImpossibleTimes) {
    for (const char* text :
         {"", "2024", "2024-03-20", "2024-03-20T15:00:00", "2024-03-20T15:00:00+9:00",
          "2024-02-30T00:00:00Z", "2023-02-29T00:00:00Z", "2024-13-01T00:00:00Z",
          "2024-00-10T00:00:00Z", "2024-03-20T24:00:00Z", "2024-03-20T15:60:00Z",
          "2024-03-20T15:00:00Zjunk", "2024-03-20T15:00:00.Z", "2024-03-20T15:00:00+24:00",
          "x024-03-20T15:00:00Z", "2024-03-20T15:00:00+09:0"}) {
        EXPECT_FALSE(parseIso8601(text).has_value()) << text;
    }
}

TEST(Instant, FormatsUtcWithMillisecondsAndRoundTrips) {
    // The Unix and reference epochs are 978307200 seconds apart.
    EXPECT_EQ(Instant::fromUnix(978307200.0).seconds, 0.0);
    EXPECT_EQ(Instant{0}.unixSeconds(), 978307200.0);
    EXPECT_EQ(formatIso8601(Instant{0}), "2001-01-01T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(*parseIso8601("2024-03-20T15:00:00+09:00")),
              "2024-03-20T06:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant{0.0125}), "2001-01-01T00:00:00.013Z");
    // Rounding to the millisecond carries into the next minute and day.
    EXPECT_EQ(formatIso8601(Instant{-0.0001}), "2001-01-01T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant{86399.9996}), "2001-01-02T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(Instant::distantPast()), "0000-12-30T00:00:00.000Z");
    EXPECT_EQ(formatIso8601(*parseIso8601("9999-12-31T23:59:59.999Z")), "9999-12-31T23:59:59.999Z");
    EXPECT_EQ(formatIso8601(Instant{1e13}), "+318888-05-20T17:46:40.000Z");
}

TEST(Instant, NonFiniteAndHugeInstantsHaveNoText) {
    EXPECT_FALSE(formatIso8601(Instant{std::numeric_limits<double>::quiet_NaN()}));
    EXPECT_FALSE(formatIso8601(Instant{std::numeric_limits<double>::infinity()}));
    EXPECT_FALSE(formatIso8601(Instant{1e300}));
    EXPECT_FALSE(formatIso8601(Instant{-1e15}));
}

}  // namespace
}  // namespace solvane
