#include "core/time/calendar.h"

#include <gtest/gtest.h>
#include <unicode/basictz.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <thread>

#include "core/test_helpers.h"
#include "core/time/c_library_zone.h"
#include "core/time/calendar_internal.h"
#include "core/time/instant.h"
#include "core/time/text_format.h"
#include "core/time/zone_rules.h"
#include "core/weather/weather.h"
#include "support/temp_dir.h"
#include "support/zone_files.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace testing;

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

TEST(TextFormat, ClockTextsUseTheZoneAndTwelveHourClock) {
    const Calendar ny = cal("America/New_York");
    struct Case {
        const char* iso;
        const char* clock;
        const char* clockAP;
    };
    const Case cases[] = {
        {"2025-06-01T04:30:00Z", "12:30", "12:30a"},  // 00:30 local
        {"2025-06-01T16:00:00Z", "12:00", "12:00p"},  // noon
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clockText(at(c.iso), ny), c.clock) << c.iso;
        EXPECT_EQ(clockTextAP(at(c.iso), ny), c.clockAP) << c.iso;
    }
    EXPECT_EQ(clockText(at("2025-06-01T22:05:00Z"), ny), "6:05");
    EXPECT_EQ(clockText(at("2025-06-01T22:05:00Z"), cal("Asia/Tokyo")), "7:05");
}

// Every time a program shows goes through these two: in a 24-hour locale
// its own 24-hour form, in a 12-hour one the day period in the locale's own
// letters where its pattern puts it.
TEST(TextFormat, ClockTextsFollowTheLocalesHourCycle) {
    struct Case {
        const char* locale;
        bool twentyFour;
        const char* morning;  // 07:06
        const char* evening;  // 22:30
        const char* eveningAP;
    };
    const Case cases[] = {
        {"en_US", false, "7:06", "10:30", "10:30p"},
        {"en_GB", true, "07:06", "22:30", "22:30"},
        {"de_DE", true, "07:06", "22:30", "22:30"},
        {"ja_JP", true, "7:06", "22:30", "22:30"},
        {"ko_KR", false, "7:06", "10:30", "오후 10:30"},
        {"ar_EG", false, "٧:٠٦", "١٠:٣٠", "١٠:٣٠م"},
        {"de_DE.UTF-8", true, "07:06", "22:30", "22:30"},
    };
    for (const auto& c : cases) {
        const Calendar utc = cal("UTC", c.locale);
        EXPECT_EQ(usesTwentyFourHourClock(utc), c.twentyFour) << c.locale;
        EXPECT_EQ(clockText(at("2025-06-01T07:06:00Z"), utc), c.morning) << c.locale;
        EXPECT_EQ(clockText(at("2025-06-01T22:30:00Z"), utc), c.evening) << c.locale;
        EXPECT_EQ(clockTextAP(at("2025-06-01T22:30:00Z"), utc), c.eveningAP) << c.locale;
    }
}

TEST(TextFormat, ShortDateLabelFollowsTheLocale) {
    const Instant christmas = at("2026-12-25T12:00:00Z");
    EXPECT_EQ(shortDateLabel(christmas, cal("America/New_York", "en_US")), "Fri, Dec 25");
    EXPECT_EQ(shortDateLabel(christmas, cal("Europe/London", "en_GB")), "Fri, 25 Dec");
    EXPECT_EQ(shortDateLabel(christmas, cal("Europe/Berlin", "de_DE")), "Fr., 25. Dez.");
    // The day is the zone's: 02:00 UTC on the 26th is still the 25th in New York.
    EXPECT_EQ(shortDateLabel(at("2026-12-26T02:00:00Z"), cal("America/New_York")), "Fri, Dec 25");
    // A date field's pattern: the locale's own order of weekday, day, month and year.
    EXPECT_EQ(dateFieldPattern(cal("America/New_York", "en_US")), "EEE, MMM d, y");
    EXPECT_EQ(dateFieldPattern(cal("Europe/Berlin", "de_DE")), "EEE, d. MMM y");
    EXPECT_EQ(dateFieldPattern(cal("Europe/London", "en_GB")), "EEE, d MMM y");
    // A locale that prefers another calendar still labels Gregorian days.
    EXPECT_NE(shortDateLabel(christmas, cal("Asia/Bangkok", "th_TH")).find("25"),
              std::string::npos);
}

TEST(TextFormat, DurationTextTruncatesToWholeMinutes) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "0m"},          {59, "0m"},        {3599, "59m"},         {3600, "1h 0m"},
        {37500, "10h 25m"}, {36300, "10h 5m"}, {86400 * 3, "72h 0m"}, {-90, "-1m"}};
    for (const auto& c : cases) {
        EXPECT_EQ(durationText(c.seconds), c.text) << c.seconds;
    }
    EXPECT_EQ(durationText(std::numeric_limits<double>::quiet_NaN()), "—");
    EXPECT_EQ(durationText(1e300), "—");
}

TEST(TextFormat, RelativeDayTextCountsCalendarDays) {
    const Calendar ny = cal("America/New_York");
    const Instant now = at("2025-03-08T23:50:00-05:00");
    EXPECT_EQ(relativeDayText(std::nullopt, now, ny), "—");
    EXPECT_EQ(relativeDayText(at("2025-03-08T23:59:00-05:00"), now, ny), "today");
    EXPECT_EQ(relativeDayText(at("2025-03-08T01:00:00-05:00"), now, ny), "today");
    EXPECT_EQ(relativeDayText(at("2025-02-01T12:00:00-05:00"), now, ny), "today");
    EXPECT_EQ(relativeDayText(at("2025-03-09T00:01:00-05:00"), now, ny), "tomorrow");
    // Across the 23-hour day of the clock change.
    EXPECT_EQ(relativeDayText(at("2025-03-10T00:30:00-04:00"), now, ny), "in 2 days");
    EXPECT_EQ(relativeDayText(at("2025-03-13T12:00:00-04:00"), now, ny), "in 5 days");
}

TEST(TextFormat, UnrepresentableMomentsReadAsUnknown) {
    const Calendar ny = cal("America/New_York");
    EXPECT_EQ(clockText(Instant{std::numeric_limits<double>::infinity()}, ny), "—");
    EXPECT_EQ(shortDateLabel(Instant{1e300}, ny), "—");
    EXPECT_EQ(relativeDayText(Instant{1e300}, Instant{0}, ny), "today");
}

TEST(TextFormat, FormattersAreSafeToShareBetweenThreads) {
    const Calendar ny = cal("America/New_York");
    const Calendar tokyo = cal("Asia/Tokyo", "ja_JP");
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&, i] {
            const Calendar& c = i % 2 ? ny : tokyo;
            const std::string expected = shortDateLabel(at("2025-06-01T12:00:00Z"), c);
            for (int k = 0; k < 300; ++k) {
                if (shortDateLabel(at("2025-06-01T12:00:00Z"), c) != expected) {
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

// Zones as the system's database has them, against the C library's reading of
// the same files, and a database folder of the test's own.
constexpr std::int64_t kUnix1970 = 0;
constexpr std::int64_t kUnix2038 = 2145916800;  // 2038-01-01
constexpr std::int64_t kUnix2027 = 1798761600;  // 2027-01-01
constexpr std::int64_t kUnix2029 = 1861920000;  // 2029-01-01
constexpr int kInstants = 300;

std::vector<std::string> zone1970() {
    std::ifstream in(zoneInfoDirectory() / "zone1970.tab");
    std::vector<std::string> zones;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string codes, place, zone;
        fields >> codes >> place >> zone;
        zones.push_back(zone);
    }
    return zones;
}

Instant unix(std::int64_t s) {
    return Instant::fromUnix(static_cast<double>(s));
}

// Offsets and local days at instants spread over 1970–2037, and every change
// of 2027 and 2028 with the local day it falls on.
TEST(ZoneRules, AgreeWithTheCLibraryInEveryZoneOfTheTable) {
    const auto zones = zone1970();
    ASSERT_GT(zones.size(), 300u);
    int wrong = 0;
    for (const std::string& id : zones) {
        SCOPED_TRACE(id);
        const auto c = Calendar::make(id, "en_US");
        ASSERT_TRUE(c.has_value());
        const CLibraryZone reference(id);
        for (int i = 0; i < kInstants && wrong < 20; ++i) {
            // Spread evenly, at a different time of day each time.
            const std::int64_t t = kUnix1970 + (kUnix2038 - kUnix1970) / kInstants * i +
                                   (std::int64_t{i} * 7919) % 86400;
            const CLocal expected = reference.at(t);
            const auto civil = c->civilDate(unix(t));
            ASSERT_TRUE(civil.has_value());
            if (c->utcOffset(unix(t)) != expected.offset ||
                *civil != CivilDate{expected.year, expected.month, expected.day}) {
                ADD_FAILURE() << "at " << t << ": " << c->utcOffset(unix(t)).value_or(-1)
                              << " against " << expected.offset;
                ++wrong;
            }
        }
        std::vector<CChange> changes;
        for (auto at = c->nextTransition(unix(kUnix2027 - 1)); at && at->at < unix(kUnix2029);
             at = c->nextTransition(at->at)) {
            changes.push_back({static_cast<std::int64_t>(at->at.unixSeconds()), at->offsetBefore,
                               at->offsetAfter});
            const CLocal local = reference.at(changes.back().at);
            EXPECT_EQ(c->startOfDay(at->at), c->date(local.year, local.month, local.day));
        }
        EXPECT_EQ(changes, reference.changes(kUnix2027, kUnix2029));
    }
}

// What ICU asks of a zone read from a file: offsets split into standard and
// daylight time for local times that are skipped or repeated, and transitions.
TEST(ZoneRules, IcuReadsTheFileZoneAsItsOwn) {
    const auto berlin = CalendarAccess::zone(cal("Europe/Berlin"));
    const auto* zone = dynamic_cast<const icu::BasicTimeZone*>(berlin.get());
    ASSERT_NE(zone, nullptr);
    const double spring = 1806195600000.0;  // 2027-03-28T01:00:00Z, 02:00 becomes 03:00
    const double autumn = 1824944400000.0;  // 2027-10-31T01:00:00Z, 03:00 becomes 02:00
    const double hour = 3600000.0;
    const struct {
        double local;  // wall time as UTC milliseconds
        UTimeZoneLocalOption skipped, repeated;
        std::int32_t raw, dst;
    } locals[] = {
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000, 0},
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_LATTER, UCAL_TZ_LOCAL_LATTER, 3600000, 3600000},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_FORMER, 3600000, 3600000},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000, 0},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_STANDARD_FORMER, 3600000, 0},
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_DAYLIGHT_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000,
         3600000},
    };
    for (const auto& l : locals) {
        std::int32_t raw = 0, dst = 0;
        UErrorCode status = U_ZERO_ERROR;
        zone->getOffsetFromLocal(l.local, l.skipped, l.repeated, raw, dst, status);
        EXPECT_EQ(std::pair(raw, dst), std::pair(l.raw, l.dst)) << l.local << " " << l.skipped;
    }
    // Calendar::nextTransition asks from after a moment; ICU also from one.
    icu::TimeZoneTransition t;
    ASSERT_TRUE(zone->getNextTransition(spring, true, t));
    EXPECT_EQ(t.getTime(), spring);
    ASSERT_TRUE(zone->getPreviousTransition(autumn, false, t));
    EXPECT_EQ(t.getTime(), spring);
    // Dublin's winter is daylight time below standard in the files; to ICU it is standard time.
    const auto dublin = CalendarAccess::zone(cal("Europe/Dublin"));
    std::int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    dublin->getOffset(spring - 24 * hour, false, raw, dst, status);
    EXPECT_EQ(std::pair(raw, dst), std::pair(0, 0));
}

class ZoneFolder : public ::testing::Test {
  protected:
    TempDir dir_;
    fs::path tzdir_ = dir_.path() / "zoneinfo";
    ScopedEnv env_{"TZDIR", tzdir_.c_str()};

    ZoneFolder() { fs::create_directories(tzdir_); }

    // Calendar::make and what it wrote to stderr.
    std::optional<Calendar> makeNoting(const std::string& id, std::string& said) {
        ::testing::internal::CaptureStderr();
        auto c = Calendar::make(id, "en_US");
        said += ::testing::internal::GetCapturedStderr();
        return c;
    }
};

constexpr const char* kFixedZone = "Zone Test/Here 3:30 - +0330\n";
constexpr const char* kSummerZone =
    "Rule T 2000 max - Mar lastSun 1:00u 1:00 S\n"
    "Rule T 2000 max - Oct lastSun 1:00u 0 -\n"
    "Zone Test/Here 5:00 T +05/+06\n";

// The rules are the folder's: a zone it lacks is unknown however well ICU
// knows it, and a file replaced as a package manager does is read again.
TEST_F(ZoneFolder, RulesAreTheFilesAndAReplacedFileIsReadAgain) {
    ASSERT_TRUE(installZone(tzdir_, "Test/Here", kFixedZone));
    const Instant june = *parseIso8601("2027-06-15T12:00:00Z");
    const auto before = Calendar::make("Test/Here", "en_US");
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(before->utcOffset(june), 3 * 3600 + 1800);
    EXPECT_FALSE(before->nextTransition(june));
    EXPECT_TRUE(before->rulesCurrent());
    EXPECT_FALSE(Calendar::make("Europe/Berlin", "en_US"));

    ASSERT_TRUE(installZone(tzdir_, "Test/Here", kSummerZone));
    EXPECT_FALSE(before->rulesCurrent());
    EXPECT_EQ(before->utcOffset(june), 3 * 3600 + 1800);  // a calendar is a value
    for (const Calendar& after : {before->refreshed(), *Calendar::make("Test/Here", "en_US")}) {
        EXPECT_TRUE(after.rulesCurrent());
        EXPECT_EQ(after.utcOffset(june), 6 * 3600);
        const auto change = after.nextTransition(june);
        ASSERT_TRUE(change.has_value());
        EXPECT_EQ(formatIso8601(change->at), "2027-10-31T01:00:00.000Z");
        EXPECT_EQ(change->offsetBefore, 6 * 3600);
        EXPECT_EQ(change->offsetAfter, 5 * 3600);
    }
}

// A damaged zone file: ICU's rules for a name ICU knows, else UTC, said once
// on stderr; what is no zone file or no zone name is unknown.
TEST_F(ZoneFolder, DamagedFilesFallBackOnceAndNamesStayInTheFolder) {
    const std::string bytes = readFile("/usr/share/zoneinfo/America/Mexico_City");
    fs::create_directories(tzdir_ / "America");
    fs::create_directories(tzdir_ / "Test");
    std::ofstream(tzdir_ / "America" / "Mexico_City", std::ios::binary) << bytes.substr(0, 80);
    std::ofstream(tzdir_ / "Test" / "Broken", std::ios::binary) << "TZif2" << std::string(40, 'x');
    std::ofstream(tzdir_ / "zone.tab") << "MX\t+1924-09909\tAmerica/Mexico_City\n";
    fs::create_symlink("/usr/share/zoneinfo/Europe/Berlin", tzdir_ / "Linked");

    const Instant june = *parseIso8601("2027-06-15T12:00:00Z");
    const struct {
        const char* id;
        std::optional<std::int32_t> juneOffset;  // none: unknown
        bool said;
    } cases[] = {
        // ICU's own table still has Mexico's daylight time.
        {"America/Mexico_City", -5 * 3600, true},
        {"Test/Broken", 0, true},
        {"Linked", 2 * 3600, false},
        {"zone.tab", std::nullopt, false},
        {"America", std::nullopt, false},
        {"Europe/Berlin", std::nullopt, false},
        {"../zoneinfo/Linked", std::nullopt, false},
        {"America/../Linked", std::nullopt, false},
        {"/usr/share/zoneinfo/Europe/Berlin", std::nullopt, false},
        {"America//Mexico_City", std::nullopt, false},
        {"", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        std::string said;
        const auto calendar = makeNoting(c.id, said);
        ASSERT_EQ(calendar.has_value(), c.juneOffset.has_value());
        if (calendar) {
            EXPECT_EQ(calendar->utcOffset(june), c.juneOffset);
        }
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.said ? 1 : 0) << said;
        if (c.said) {
            EXPECT_NE(said.find(c.id), std::string::npos) << said;
        }
        said.clear();
        makeNoting(c.id, said);
        EXPECT_EQ(said, "");
    }
}

TEST_F(ZoneFolder, WithoutAnyDatabaseZonesComeFromIcuSaidOnce) {
    const ScopedEnv missing("TZDIR", (dir_.path() / "none").c_str());
    std::string said;
    const auto berlin = makeNoting("Europe/Berlin", said);
    ASSERT_TRUE(berlin.has_value());
    EXPECT_EQ(berlin->utcOffset(*parseIso8601("2027-06-15T12:00:00Z")), 2 * 3600);
    makeNoting("Asia/Tokyo", said);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_FALSE(makeNoting("No/Such_Zone", said));
}

// The user's zone as TZ names it, including one newer than ICU's table.
TEST(ZoneRules, TheEnvironmentsZone) {
    const struct {
        const char* tz;
        const char* zone;
    } cases[] = {
        {":Europe/Berlin", "Europe/Berlin"},
        {"/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {"/usr/share/zoneinfo/posix/Asia/Tokyo", "Asia/Tokyo"},
        {"America/Ciudad_Juarez", "America/Ciudad_Juarez"},
        {"", "UTC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        const ScopedEnv tz("TZ", c.tz);
        EXPECT_EQ(environmentZoneName(), c.zone);
        EXPECT_EQ(Calendar::current().zoneId(), c.zone);
    }
    const ScopedEnv rule("TZ", "EST5EDT,M3.2.0,M11.1.0");
    EXPECT_FALSE(environmentZoneName());
    const ScopedEnv juarez("TZ", "America/Ciudad_Juarez");
    EXPECT_EQ(Calendar::current().utcOffset(*parseIso8601("2027-01-15T12:00:00Z")), -7 * 3600);
}

}  // namespace
}  // namespace solvane
