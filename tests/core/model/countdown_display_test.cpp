#include "core/model/countdown_display.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "core/model/presets.h"
#include "core/model/reminders.h"
#include "core/test_helpers.h"

namespace solvane {
namespace {

using namespace testing;

Countdown oneDay(Instant date, CountUnit unit = CountUnit::days, bool recurs = false) {
    Countdown c;
    c.label = "Event";
    c.start = DateRule::fixed(date);
    c.recurs = recurs;
    c.symbol = "gift";
    c.unit = unit;
    c.customImage = "A.png";
    return c;
}

Countdown span(Instant first, Instant last, CountUnit unit = CountUnit::days,
               DuringMode during = DuringMode::progress) {
    Countdown c;
    c.label = "Span";
    c.start = DateRule::fixed(first);
    c.end = DateRule::fixed(last);
    c.during = during;
    c.unit = unit;
    return c;
}

TEST(CountdownDisplay, UpcomingValuesAndWords) {
    const Calendar ny = cal("America/New_York");
    struct Case {
        CountUnit unit;
        int todayDay, targetDay;  // July 2025; the 11th is a Friday
        std::int64_t value;
        const char* word;
    };
    const Case cases[] = {
        {CountUnit::days, 11, 11, 0, "days"},
        {CountUnit::days, 11, 12, 1, "day"},
        {CountUnit::weeks, 1, 8, 1, "week"},
        {CountUnit::weeks, 1, 7, 0, "weeks"},
        {CountUnit::weeks, 1, 15, 2, "weeks"},
        {CountUnit::workdays, 11, 14, 1, "working day"},
        {CountUnit::workdays, 11, 12, 0, "working days"},
        {CountUnit::workdays, 11, 25, 10, "working days"},
    };
    for (const auto& c : cases) {
        const Instant target = day(ny, 2025, 7, c.targetDay, 20);
        const auto row = display(oneDay(target, c.unit), day(ny, 2025, 7, c.todayDay, 23), ny);
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(row->value, c.value) << c.todayDay << "→" << c.targetDay;
        EXPECT_EQ(row->unit, c.word) << c.todayDay << "→" << c.targetDay;
        EXPECT_EQ(row->sortDate, day(ny, 2025, 7, c.targetDay));
        EXPECT_EQ(row->progress, std::nullopt);
    }
}

TEST(CountdownDisplay, OneDayCountdownTheDayAfter) {
    const Calendar ny = cal("America/New_York");
    const Instant july4 = day(ny, 2025, 7, 4, 9);
    const auto onDay = display(oneDay(july4), day(ny, 2025, 7, 4, 23), ny);
    ASSERT_TRUE(onDay);
    EXPECT_EQ(std::tie(onDay->caption, onDay->customImage, onDay->symbol),
              std::tuple("Fri, Jul 4", "A.png", "gift"));

    const Instant nextDay = day(ny, 2025, 7, 5, 0);
    EXPECT_EQ(display(oneDay(july4), nextDay, ny), std::nullopt);
    EXPECT_EQ(phase(oneDay(july4), nextDay, ny), CountdownPhase{FinishedPhase{}});
    EXPECT_EQ(display(oneDay(july4, CountUnit::days, true), nextDay, ny)->value, 364);
    Countdown weekdayRule = oneDay(july4);
    weekdayRule.start = DateRule::nthWeekday(1, 6, 7, 0);  // first Friday of July
    EXPECT_EQ(display(weekdayRule, nextDay, ny)->caption, "Fri, Jul 3");
}

TEST(CountdownDisplay, ActiveSpans) {
    const Calendar ny = cal("America/New_York");
    struct Case {
        int last;  // the span runs September 1…last, 2025
        int seenOn;
        CountUnit unit;
        std::int64_t value;
        const char* unitText;
        double progress;
    };
    const Case cases[] = {
        {12, 5, CountUnit::days, 5, "of 12 days", 5.0 / 12},
        {12, 5, CountUnit::weeks, 5, "of 12 days", 5.0 / 12},
        {20, 9, CountUnit::weeks, 2, "of 3 weeks", 9.0 / 20},
        {14, 14, CountUnit::weeks, 2, "of 2 weeks", 1.0},
        {1, 1, CountUnit::days, 1, "of 1 day", 1.0},
    };
    for (const auto& c : cases) {
        const auto row =
            display(span(day(ny, 2025, 9, 1, 10), day(ny, 2025, 9, c.last, 10), c.unit),
                    day(ny, 2025, 9, c.seenOn, 22), ny);
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(row->value, c.value) << c.last << "/" << c.seenOn;
        EXPECT_EQ(row->unit, c.unitText);
        EXPECT_DOUBLE_EQ(*row->progress, c.progress);
        EXPECT_EQ(row->sortDate, Instant::distantPast());
    }
    const auto row =
        display(span(day(ny, 2025, 9, 1), day(ny, 2025, 9, 12)), day(ny, 2025, 9, 5), ny);
    EXPECT_EQ(row->caption, "Until Fri, Sep 12");
}

TEST(CountdownDisplay, HiddenSpansOnlyShowBeforeTheyStart) {
    const Calendar ny = cal("America/New_York");
    const Countdown hidden =
        span(day(ny, 2025, 9, 1), day(ny, 2025, 9, 12), CountUnit::days, DuringMode::hide);
    EXPECT_EQ(display(hidden, day(ny, 2025, 9, 5), ny), std::nullopt);
    EXPECT_EQ(display(hidden, day(ny, 2025, 8, 30), ny)->value, 2);

    const auto presets = catalogue(ny, PresetRegion{});
    const Countdown fridays = makeCountdown(presets[0]);
    ASSERT_EQ(fridays.label, "Summer Fridays");
    EXPECT_EQ(display(fridays, day(ny, 2025, 7, 1, 12), ny), std::nullopt);
    EXPECT_TRUE(std::holds_alternative<ActivePhase>(phase(fridays, day(ny, 2025, 7, 1, 12), ny)));
}

// A span across most of the calendar's range must neither overflow the day
// arithmetic nor lose its bounds.
TEST(CountdownDisplay, HugeSpanStaysBounded) {
    const Calendar utc = cal("UTC");
    const Countdown huge = span(day(utc, -290000, 1, 1), day(utc, 290000, 1, 1), CountUnit::weeks);
    const auto row = display(huge, day(utc, 2025, 1, 1), utc);
    ASSERT_TRUE(row.has_value());
    const std::int64_t total =
        *utc.dayDifference(day(utc, -290000, 1, 1), day(utc, 290000, 1, 1)) + 1;
    EXPECT_EQ(row->unit, "of " + std::to_string((total + 6) / 7) + " weeks");
    EXPECT_GT(*row->progress, 0.4);
    EXPECT_LT(*row->progress, 0.6);
}

// The whole-weeks shortcut agrees with a day-by-day walk, from every weekday,
// with a Saturday-Sunday and a Friday-Saturday weekend.
TEST(CountdownDisplay, WorkdaysMatchDayByDayWalkAndStayBounded) {
    for (const auto& c : {cal("America/New_York", "en_US"), cal("Asia/Jerusalem", "he_IL")}) {
        for (int first = 13; first < 20; ++first) {
            const Instant today = day(c, 2025, 7, first);
            std::int64_t walked = 0;
            Instant d = today;
            for (std::int64_t days = 0; days <= 3000; ++days) {
                if (days > 0) {
                    d = *c.addDays(d, 1);
                    walked += c.isWeekend(d) ? 0 : 1;
                }
                if (days <= 60 || days % 97 == 0 || days == 3000) {
                    ASSERT_EQ(countValue(CountUnit::workdays, days, today, c), walked)
                        << c.locale() << " from July " << first << " for " << days;
                }
            }
        }
    }
    const Calendar il = cal("Asia/Jerusalem", "he_IL");
    ASSERT_TRUE(il.isWeekendWeekday(6) && il.isWeekendWeekday(7) && !il.isWeekendWeekday(1));
    // Thursday → Sunday: Friday and Saturday are off, Sunday counts.
    EXPECT_EQ(countValue(CountUnit::workdays, 3, day(il, 2025, 7, 17), il), 1);

    const Calendar ny = cal("America/New_York");
    const Instant monday = day(ny, 2025, 7, 14);
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(countValue(CountUnit::workdays, -5, monday, ny), 0);
    // 2^63 − 1 is a whole number of weeks.
    EXPECT_EQ(countValue(CountUnit::workdays, kMax, monday, ny), kMax / 7 * 5);
    EXPECT_EQ(countValue(CountUnit::weeks, -13, monday, ny), -1);
}

TEST(CountdownDisplay, RuleDescriptions) {
    const Calendar ny = cal("America/New_York");
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::pair<DateRule, const char*> cases[] = {
        {DateRule::nthWeekday(3, 7, 12, 1), "3rd Saturday of December, 1 day after"},
        {DateRule::nthWeekday(0, 9, 13, 0), "day number 0 of "},
        {DateRule::nthWeekday(11, kMin, kMin, kMin),
         "day number 11 of , 9223372036854775808 days before"},
        {DateRule::season(0), "March equinox"},
        {DateRule::season(3), "December solstice"},
        {DateRule::season(9), "Season"},
        {DateRule::fixed(day(ny, 2026, 12, 25, 8)), "Fri, Dec 25"},
    };
    for (const auto& [rule, expected] : cases) {
        EXPECT_EQ(ruleDescription(rule, ny), expected);
    }
}

TEST(CountdownDisplay, ScheduleSummaryAndCurrentStart) {
    const Calendar ny = cal("America/New_York");
    Countdown fromEvent = oneDay(day(ny, 2020, 12, 25, 9), CountUnit::days, true);
    fromEvent.eventID = "EV-1";
    EXPECT_EQ(scheduleSummary(fromEvent, day(ny, 2026, 12, 1), ny),
              "Fri, Dec 25 · every year · from Calendar");

    const Countdown sept = span(day(ny, 2025, 9, 1), day(ny, 2025, 9, 12));
    EXPECT_EQ(scheduleSummary(sept, day(ny, 2025, 8, 1), ny), "Mon, Sep 1 – Fri, Sep 12");
    EXPECT_EQ(scheduleSummary(sept, day(ny, 2025, 9, 3), ny), "Happening now · until Fri, Sep 12");
    EXPECT_EQ(scheduleSummary(sept, day(ny, 2025, 9, 13), ny), "Finished");
    EXPECT_EQ(currentOrNextStart(sept, day(ny, 2025, 9, 3), ny), day(ny, 2025, 9, 1));
    EXPECT_EQ(currentOrNextStart(sept, day(ny, 2025, 9, 13), ny), std::nullopt);

    Countdown labor = oneDay(day(ny, 2025, 9, 1));
    labor.start = DateRule::nthWeekday(1, 2, 9, 0);
    EXPECT_EQ(scheduleSummary(labor, day(ny, 2025, 9, 2), ny), "Mon, Sep 7 · every year");
    EXPECT_EQ(currentOrNextStart(labor, day(ny, 2025, 9, 2), ny), day(ny, 2026, 9, 7));
}

// Ties keep list order however many rows there are (below seventeen an
// unstable sort may keep them by accident).
TEST(CountdownDisplay, SortedRowsLeadWithHappeningSpansAndKeepListOrderWithinTies) {
    const Calendar ny = cal("America/New_York");
    // Every other one on October 1 at some hour; the rest in turn a happening
    // span (first), a November day (later ones earlier), a Christmas at some
    // hour, and a finished day (no row).
    std::vector<Countdown> list;
    std::vector<std::string> spans, october, november, christmas;
    for (int i = 0; i < 100; ++i) {
        const std::string label = std::to_string(i);
        const int k = i / 2;
        Countdown c;
        if (i % 2 == 0) {
            c = oneDay(day(ny, 2025, 10, 1, k % 24));
            october.push_back(label);
        } else if (k % 4 == 0) {
            c = span(day(ny, 2025, 9, 1 + k % 9), day(ny, 2025, 9, 20 + k % 10));
            spans.push_back(label);
        } else if (k % 4 == 1) {
            c = oneDay(day(ny, 2025, 11, 30 - k / 4));
            november.insert(november.begin(), label);
        } else if (k % 4 == 2) {
            c = oneDay(day(ny, 2025, 12, 25, k % 24));
            christmas.push_back(label);
        } else {
            c = oneDay(day(ny, 2025, 1, 1 + k / 4));
        }
        c.label = label;
        list.push_back(std::move(c));
    }
    std::vector<std::string> expected = spans;
    for (const auto* group : {&october, &november, &christmas}) {
        expected.insert(expected.end(), group->begin(), group->end());
    }
    ASSERT_EQ(expected.size(), 88u);

    std::vector<std::string> sorted;
    for (const auto& row : sortedDisplays(list, day(ny, 2025, 9, 10), ny)) {
        sorted.push_back(row.label);
    }
    EXPECT_EQ(sorted, expected);
}

const Calendar kNewYork = *Calendar::make("America/New_York", "en_US");

Instant at(int m, int d, int hour = 0) {
    return *kNewYork.date(2026, m, d, hour);
}

Countdown on(const std::string& label, Instant start, std::optional<Instant> end = std::nullopt) {
    Countdown c;
    c.id = Uuid::random();
    c.label = label;
    c.start = DateRule::fixed(start);
    if (end) {
        c.end = DateRule::fixed(*end);
    }
    return c;
}

std::vector<std::string> summaries(const ReminderRound& round) {
    std::vector<std::string> out;
    for (const DueReminder& r : round.due) {
        out.push_back(r.summary);
    }
    return out;
}

// 2026-12-21 is the winter solstice in New York, so the starter of that
// name is due too.
class RemindersTest : public ::testing::Test {
  protected:
    Instant now = at(12, 21, 15);
    Countdown trip = on("Trip & <b>", at(12, 21));
    Countdown holidays = on("Holidays", at(12, 21), at(12, 28));
    Countdown begun = on("Begun", at(12, 20), at(12, 28));
    Countdown tomorrow = on("Tomorrow", at(12, 22));
    Countdown solstice = [this] {
        for (const Countdown& c :
             starterCountdowns(kNewYork, PresetRegion::of(kNewYork, now, 40.7), now)) {
            if (c.start == DateRule::season(3)) {
                return c;
            }
        }
        ADD_FAILURE() << "no solstice starter";
        return Countdown{};
    }();
    std::vector<Countdown> list{trip, holidays, begun, tomorrow, solstice};
};

TEST_F(RemindersTest, TheDayAnOccurrenceStartsIsAnnouncedOnceAndUntouchedStartersStayQuiet) {
    const ReminderRound first = reminderRound(list, {}, kNewYork, now, {});
    EXPECT_EQ(summaries(first),
              (std::vector<std::string>{"Trip & <b> is today", "Holidays starts today"}));
    EXPECT_EQ(first.due[0].key, (ReminderKey{trip.id.toString(), "2026-12-21"}));
    EXPECT_EQ(first.sent.size(), 2u);
    // Later the same day, and after a restart that read the record back.
    const SentReminders reread = decodeSentReminders(encodeSentReminders(first.sent));
    EXPECT_EQ(reread, first.sent);
    EXPECT_TRUE(reminderRound(list, {}, kNewYork, at(12, 21, 23), reread).due.empty());
    // A recurring countdown comes due again the next year, under a new key.
    Countdown yearly = trip;
    yearly.recurs = true;
    EXPECT_EQ(reminderRound({yearly}, {}, kNewYork, now + 365 * 86400.0, reread).due.size(), 1u);
}

TEST_F(RemindersTest, ChoicesOverrideDefaultsAndTheGlobalSwitchSilencesAll) {
    ReminderSettings settings;
    settings.countdowns[trip.id.toString()] = false;
    settings.countdowns[solstice.id.toString()] = true;
    EXPECT_EQ(summaries(reminderRound(list, settings, kNewYork, now, {})),
              (std::vector<std::string>{"Holidays starts today", "Winter solstice is today"}));
    // An edited starter is the user's own.
    Countdown renamed = solstice;
    renamed.label = "Longest night";
    EXPECT_TRUE(wantsReminder(renamed, {}, kNewYork, now));
    EXPECT_FALSE(wantsReminder(solstice, {}, kNewYork, now));

    settings.enabled = false;
    const SentReminders old{{trip.id.toString(), "2026-01-02"}, {trip.id.toString(), "2026-12-01"}};
    const ReminderRound off = reminderRound(list, settings, kNewYork, now, old);
    EXPECT_TRUE(off.due.empty());
    // Long-past days are forgotten either way.
    EXPECT_EQ(off.sent, (SentReminders{{trip.id.toString(), "2026-12-01"}}));
}

TEST(ReminderFiles, SettingsRoundTripAndDamageGivesDefaults) {
    ReminderSettings settings;
    settings.enabled = false;
    settings.countdowns["E621E1F8-C36C-495A-93FC-0C247A3E6E5F"] = true;
    EXPECT_EQ(decodeReminderSettings(encodeReminderSettings(settings)), settings);
    for (const char* damaged : {"", "{", "[1]", R"({"notify":"no","countdowns":[]})"}) {
        EXPECT_EQ(decodeReminderSettings(damaged), ReminderSettings{}) << damaged;
        EXPECT_TRUE(decodeSentReminders(damaged).empty()) << damaged;
    }
}

}  // namespace
}  // namespace solvane
