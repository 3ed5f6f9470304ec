#include "core/time/text_format.h"

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <thread>

#include "core/test_helpers.h"

namespace solvane {
namespace {

using testing::at;
using testing::cal;

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
    // A date field's pattern: the locale's own order of weekday, day, month
    // and year.
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

}  // namespace
}  // namespace solvane
