#include "core/model/countdown_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "core/model/countdown_json.h"
#include "core/model/json_forms.h"
#include "core/model/presets.h"
#include "core/model/reminders.h"
#include "core/model/rules.h"
#include "core/test_helpers.h"
#include "core/time/c_library_zone.h"
#include "support/temp_dir.h"

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

// 2026-12-21 is the winter solstice in New York, so the starter of that name is due too.
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

    // Rules stay astronomical; in the south a season takes the title and symbol of its opposite.
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

template <class T>
std::string why(const Result<T, DecodeError>& r) {
    return r.ok() ? std::string() : r.error().message;
}

std::string readFixture(const char* name) {
    return testing::readFile(std::string(SOLVANE_TEST_DATA_DIR) + "/countdowns/" + name);
}

const Uuid kId = *Uuid::parse("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");

Countdown fullCountdown() {
    Countdown c;
    c.id = kId;
    c.label = "Trip";
    c.start = DateRule::fixed(Instant{757382400});
    c.end = DateRule::nthWeekday(-1, 2, 5, -3);
    c.recurs = true;
    c.during = DuringMode::hide;
    c.symbol = "airplane";
    c.unit = CountUnit::weeks;
    c.customImage = "A.png";
    c.eventID = "ev";
    c.feedCalendarID = "cal";
    return c;
}

TEST(CountdownJsonEncode, WritesFieldsInOrderWithOptionalsOnlyWhenPresent) {
    EXPECT_EQ(encodeCountdown(fullCountdown()),
              R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","label":"Trip",)"
              R"("start":{"fixed":{"_0":757382400}},)"
              R"("end":{"nthWeekday":{"n":-1,"weekday":2,"month":5,"offset":-3}},)"
              R"("recurs":true,"during":"hide","symbol":"airplane","unit":"weeks",)"
              R"("customImage":"A.png","eventID":"ev","feedCalendarID":"cal"})");

    Countdown bare;
    bare.id = kId;
    bare.label = "Bare";
    bare.start = DateRule::season(0);
    EXPECT_EQ(encodeCountdown(bare),
              R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","label":"Bare",)"
              R"("start":{"season":{"_0":0}},"recurs":false,"during":"progress",)"
              R"("symbol":"calendar","unit":"days"})");

    // Every character a label may hold survives the round trip.
    Countdown odd = fullCountdown();
    odd.label = std::string("\"\\/\n\x1f\x7f\0\u00e9\U0001F382", 13);
    for (const Countdown& c : {fullCountdown(), bare, odd}) {
        EXPECT_EQ(decodeCountdown(encodeCountdown(c)).valueOr({}), c);
    }
}

TEST(CountdownJsonRule, EachCaseHasOneExactForm) {
    const double max = std::numeric_limits<double>::max();
    const struct {
        DateRule rule;
        const char* text;
    } cases[] = {
        {DateRule::fixed(Instant{0}), R"({"fixed":{"_0":0}})"},
        {DateRule::fixed(Instant{-1.25}), R"({"fixed":{"_0":-1.25}})"},
        {DateRule::fixed(Instant{0.1}), R"({"fixed":{"_0":0.1}})"},
        {DateRule::fixed(Instant{max}), R"({"fixed":{"_0":1.7976931348623157e+308}})"},
        {DateRule::nthWeekday(2, 1, 3, 0),
         R"({"nthWeekday":{"n":2,"weekday":1,"month":3,"offset":0}})"},
        {DateRule::nthWeekday(INT64_MIN, INT64_MAX, 0, -1),
         R"({"nthWeekday":{"n":-9223372036854775808,"weekday":9223372036854775807,"month":0,"offset":-1}})"},
        {DateRule::nthWeekday(9, 0, 13, 0),
         R"({"nthWeekday":{"n":9,"weekday":0,"month":13,"offset":0}})"},
        {DateRule::season(7), R"({"season":{"_0":7}})"},
        // Beside it, for versions that do not know it, the day they gave it.
        {DateRule::clockChange(ClockDirection::back),
         R"({"clockChange":{"_0":"back"},"nthWeekday":{"n":1,"weekday":1,"month":11,"offset":0}})"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeDateRule(c.rule), c.text);
        const auto back = decodeDateRule(c.text);
        ASSERT_TRUE(back.ok()) << c.text << ": " << why(back);
        EXPECT_EQ(*back, c.rule) << c.text;
    }
}

// Any number is a date and unknown keys are ignored; anything but one known
// key, or a payload of the wrong form, fails.
TEST(CountdownJsonRule, ReadsAnyNumberAsADateIgnoresUnknownKeysAndRefusesBadPayloads) {
    EXPECT_EQ(decodeDateRule(R"({"fixed":{"_0":1e2}})").valueOr({}), DateRule::fixed(Instant{100}));
    EXPECT_EQ(decodeDateRule(R"({"fixed":{"_0":18446744073709551615}})").valueOr({}),
              DateRule::fixed(Instant{18446744073709551615.0}));
    EXPECT_EQ(decodeDateRule(R"({"season":{"_0":2,"x":1},"extra":{"_0":1}})").valueOr({}),
              DateRule::season(2));
    EXPECT_EQ(decodeDateRule(R"({"clockChange":{"_0":"forward"}})").valueOr({}),
              DateRule::clockChange(ClockDirection::forward));
    for (const char* text :
         {R"({})", R"({"fixed":{"_0":1},"season":{"_0":2}})", R"({"bogus":{"_0":1}})",
          R"({"Fixed":{"_0":1},"seasons":{}})", R"({"fixed":null,"nthWeekday":null})"}) {
        EXPECT_EQ(why(decodeDateRule(text)), "Invalid number of keys found, expected one.") << text;
    }
    EXPECT_EQ(why(decodeCountdown(R"({"label":"x","start":{}})")),
              "Invalid number of keys found, expected one.");
    for (const char* text :
         {R"([])", R"({"fixed":5})", R"({"fixed":null})", R"({"fixed":{}})",
          R"({"fixed":{"_0":"2020-01-01"}})", R"({"fixed":{"_0":null}})",
          R"({"fixed":{"_0":1e309}})", R"({"season":{"_0":1.5}})", R"({"season":{"_0":1.0}})",
          R"({"season":{"_0":9223372036854775808}})", R"({"season":{"_0":-9223372036854775809}})",
          R"({"nthWeekday":{"n":1,"weekday":1,"month":1}})",
          R"({"nthWeekday":{"n":1,"weekday":"1","month":1,"offset":0}})",
          R"({"clockChange":{"_0":"sideways"},"season":{"_0":1}})",
          R"({"clockChange":"forward"})"}) {
        const auto r = decodeDateRule(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_FALSE(why(r).empty()) << text;
    }
    // Values built in memory skip the parser's own overflow check.
    json_forms::Json inf;
    inf["fixed"]["_0"] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(json_forms::dateRuleFromJson(inf).ok());
}

TEST(CountdownJsonDecode, MissingKeysTakeDefaultsAndIdIsFreshEachTime) {
    const char* text =
        R"([{"label":"L","start":{"season":{"_0":0}},"during":null,"colour":"red"}])";
    const auto first = decodeCountdowns(text);
    const auto second = decodeCountdowns(text);
    ASSERT_TRUE(first.ok() && second.ok()) << why(first);
    Countdown expected;
    expected.id = (*first)[0].id;
    expected.label = "L";
    expected.start = DateRule::season(0);
    EXPECT_EQ((*first)[0], expected);
    EXPECT_NE((*first)[0].id, Uuid());
    EXPECT_NE((*first)[0].id, (*second)[0].id);
}

TEST(CountdownJsonDecode, OneBadRecordFailsTheList) {
    const std::string good = R"({"label":"ok","start":{"season":{"_0":1}}})";
    const std::string x = R"({"label":"x","start":{"season":{"_0":1}})";
    for (const std::string& bad : std::vector<std::string>{
             R"({"start":{"season":{"_0":1}}})", R"({"label":7,"start":{"season":{"_0":1}}})",
             x + R"(,"during":"sometimes"})", x + R"(,"during":"Progress"})",
             x + R"(,"unit":"months"})", x + R"(,"unit":"days "})", x + R"(,"recurs":"true"})",
             x + R"(,"symbol":5})", x + R"(,"eventID":[]})", x + R"(,"end":{}})",
             x + R"(,"id":"not-a-uuid"})", x + R"(,"id":42})", R"({"label":"x"})",
             R"({"label":"x","date":"2020-01-01"})", R"({"label":"x","date":1,"repeatRule":3})",
             R"("just text")"}) {
        const auto r = decodeCountdowns("[" + good + "," + bad + "," + good + "]");
        EXPECT_FALSE(r.ok()) << bad;
        EXPECT_FALSE(why(r).empty()) << bad;
    }
    EXPECT_FALSE(decodeCountdowns(good).ok());  // not a list
}

TEST(CountdownJsonDecode, OlderFormIsConverted) {
    const auto list = decodeCountdowns(readFixture("older_form.json"));
    ASSERT_TRUE(list.ok()) << why(list);
    ASSERT_EQ(list->size(), 6u);
    const auto& l = *list;
    EXPECT_NE(l[0].id, Uuid());
    EXPECT_EQ(l[1].id.toString(), "0B4D2F9E-61A7-4C3B-9E21-5D8A7C6B1F03");
    // Every field the older form lacks takes its default; a misspelt rule
    // reads as none, and "recurs" belongs to the newer form.
    const auto older = [&](std::size_t i, const char* label, DateRule start, bool recurs) {
        Countdown c;
        c.id = l[i].id;
        c.label = label;
        c.start = start;
        c.recurs = recurs;
        return c;
    };
    Countdown birthday = older(1, "Birthday", DateRule::fixed(Instant{757382400.5}), true);
    birthday.symbol = "gift";
    Countdown back = older(3, "Clocks back", DateRule::nthWeekday(1, 1, 11, 0), true);
    back.unit = CountUnit::weeks;
    back.during = DuringMode::hide;
    back.end = DateRule::season(1);
    back.eventID = "E1";
    EXPECT_EQ(l, (std::vector<Countdown>{
                     older(0, "Anniversary", DateRule::fixed(Instant{757382400}), false), birthday,
                     older(2, "Clocks forward", DateRule::nthWeekday(2, 1, 3, 0), true), back,
                     older(4, "Typo", DateRule::fixed(Instant{5}), false),
                     older(5, "Plain", DateRule::fixed(Instant{-86400}), false)}));

    // Writing always uses the newer form.
    const std::string rewritten = encodeCountdowns(l);
    EXPECT_EQ(rewritten.find("repeatRule"), std::string::npos);
    EXPECT_EQ(decodeCountdowns(rewritten).valueOr({}), l);
}

TEST(CountdownJsonParse, RefusesDeepNestingBeforeParsing) {
    const auto deep = decodeCountdowns(std::string(100000, '['));
    EXPECT_NE(why(deep).find("nested deeper than 64"), std::string::npos) << why(deep);

    EXPECT_TRUE(json_forms::parseJson("[[[]]]", 3).ok());
    EXPECT_FALSE(json_forms::parseJson("[[[{}]]]", 3).ok());
    // Brackets inside strings, even after an escaped quote, are text.
    EXPECT_TRUE(json_forms::parseJson(R"(["\"[[[[", "\\", "{{{{"])", 1).ok());
}

TEST(CountdownJsonParse, MalformedBytesGiveAnError) {
    for (std::string text :
         {std::string(""), std::string("["), std::string("[{]"), std::string("[1,]"),
          std::string("[] []"), std::string("\0", 1), std::string("[\"\xff\"]"),
          std::string("[\"\xe2\x82\"]"), std::string("[\"\\ud800\"]")}) {
        const auto r = json_forms::parseJson(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_FALSE(why(r).empty());
        EXPECT_EQ(why(r).find("json.exception"), std::string::npos) << why(r);
    }
}

TEST(CountdownJsonParse, KeepsKeyOrderAndLastDuplicateWins) {
    const auto doc = json_forms::parseJson(R"({"b":1,"a":2,"b":3})");
    ASSERT_TRUE(doc.ok());
    EXPECT_EQ(doc->dump(), R"({"b":3,"a":2})");

    // Many keys must not turn parsing quadratic (which would run into the test's time limit).
    std::string wide = R"({"label":"wide","start":{"season":{"_0":0}})";
    for (int i = 0; i < 200000; ++i) {
        wide += ",\"k" + std::to_string(i) + "\":0";
    }
    EXPECT_TRUE(decodeCountdown(wide + "}").ok());
}

TEST(CountdownJsonEncode, UnrepresentableValuesStillDecode) {
    Countdown c = fullCountdown();
    c.label = "bad \xff byte";
    c.start = DateRule::fixed(Instant{std::nan("")});
    c.end = DateRule::fixed(Instant{-std::numeric_limits<double>::infinity()});
    const auto back = decodeCountdown(encodeCountdown(c));
    ASSERT_TRUE(back.ok()) << why(back);
    EXPECT_EQ(back->label, "bad \xef\xbf\xbd byte");
    EXPECT_EQ(back->start, DateRule::fixed(Instant{0}));
    EXPECT_EQ(back->end, DateRule::fixed(Instant{-std::numeric_limits<double>::max()}));
}

}  // namespace
}  // namespace solvane
