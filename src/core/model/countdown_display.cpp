#include "core/model/countdown_display.h"

#include "core/holidays/holiday_catalog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/model/rules.h"
#include "core/time/text_format.h"
#include "core/util/translation.h"

namespace solvane {

namespace {

constexpr std::int64_t kMaxInt64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinInt64 = std::numeric_limits<std::int64_t>::min();

// Day counts come from the calendar and are small in practice, but a span
// between the ends of the calendar's range must still not wrap.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? kMaxInt64 : kMinInt64;
    }
    return sum;
}

std::int64_t dayDifference(Instant from, Instant to, const Calendar& calendar) {
    return calendar.dayDifference(from, to).value_or(0);
}

// Counts beyond an int are shown as the largest; the plural form of a huge
// number is the same in every language that has one.
int pluralCount(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

// The word under the number: "days" under 20.
std::string unitWord(CountUnit unit, std::int64_t value) {
    const int n = pluralCount(value);
    switch (unit) {
        case CountUnit::days:
            return translate("CountdownDisplay", "day(s)", "under the number of days left", n);
        case CountUnit::weeks:
            return translate("CountdownDisplay", "week(s)", "under the number of weeks left", n);
        case CountUnit::workdays:
            return translate("CountdownDisplay", "working day(s)",
                             "under the number of working days left", n);
    }
    return translate("CountdownDisplay", "day(s)", "under the number of days left", n);
}

CountdownDisplay rowFor(const Countdown& countdown) {
    CountdownDisplay row;
    row.id = countdown.id;
    row.label = countdown.label;
    row.symbol = countdown.symbol;
    row.customImage = countdown.customImage;
    return row;
}

CountdownDisplay upcomingRow(const Countdown& countdown, const UpcomingPhase& upcoming,
                             Instant today, const Calendar& calendar, const DaysOff& off) {
    CountdownDisplay row = rowFor(countdown);
    const std::int64_t days =
        std::max<std::int64_t>(dayDifference(today, upcoming.start, calendar), 0);
    row.value = countValue(countdown.unit, days, today, calendar, off);
    row.unit = unitWord(countdown.unit, row.value);
    row.caption = shortDateLabel(upcoming.start, calendar);
    row.sortDate = upcoming.start;
    return row;
}

CountdownDisplay activeRow(const Countdown& countdown, const ActivePhase& active, Instant today,
                           const Calendar& calendar) {
    CountdownDisplay row = rowFor(countdown);
    const std::int64_t span = saturatingAdd(dayDifference(active.start, active.end, calendar), 1);
    const std::int64_t total = std::max<std::int64_t>(span, 1);
    // At least day 1: a calendar that cannot count the days still shows a
    // sensible first day rather than a negative one.
    const std::int64_t dayNumber = std::clamp<std::int64_t>(
        saturatingAdd(dayDifference(active.start, today, calendar), 1), 1, total);

    row.value = dayNumber;
    // "5" over "of 12 days": the day of the span, then its length.
    if (countdown.unit == CountUnit::weeks && span >= 14) {
        row.value = (dayNumber - 1) / 7 + 1;
        const int weeks = pluralCount(saturatingAdd(total, 6) / 7);
        row.unit =
            translate("CountdownDisplay", "of %n week(s)", "under the week of a span", weeks);
    } else {
        const int days = pluralCount(total);
        row.unit = translate("CountdownDisplay", "of %n day(s)", "under the day of a span", days);
    }
    row.caption = withArguments(translate("CountdownDisplay", "Until %1", "the last day of a span"),
                                {shortDateLabel(active.end, calendar)});
    row.progress = static_cast<double>(dayNumber) / static_cast<double>(total);
    row.sortDate = Instant::distantPast();
    return row;
}

// The name at 1-based `position`, without forming position − 1 (which would
// overflow for the smallest payload).
const std::string* nameAt(const std::vector<std::string>& names, std::int64_t position) {
    if (position < 1 || static_cast<std::uint64_t>(position) > names.size()) {
        return nullptr;
    }
    return &names[static_cast<std::size_t>(position - 1)];
}

// "2nd Sunday of May": the whole phrase is the translator's, once for each
// weekday, so each language orders it and gives the ordinal the weekday's
// gender ("Ultimo lunedì", "Ultima domenica"; "второй понедельник", "вторая
// среда"). The month comes in the calendar's format form, the genitive where
// a language has one ("января").
std::string nthWeekdayText(std::int64_t n, std::int64_t weekday, std::int64_t month,
                           const Calendar& calendar) {
    static constexpr TranslatableText kPatterns[6][7] = {
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "1st %1 of %2", "%1 is Saturday"),
        },
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "2nd %1 of %2", "%1 is Saturday"),
        },
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "3rd %1 of %2", "%1 is Saturday"),
        },
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "4th %1 of %2", "%1 is Saturday"),
        },
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "5th %1 of %2", "%1 is Saturday"),
        },
        {
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Sunday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Monday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Tuesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Wednesday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Thursday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Friday"),
            SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "Last %1 of %2", "%1 is Saturday"),
        },
    };
    // The month as it follows the ordinal's "of", where French writes
    // "d’avril" but "de mai" and German "im Mai".
    static constexpr TranslatableText kMonthForms[12] = {
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "January after \"of\" in \"2nd Monday of January\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "February after \"of\" in \"2nd Monday of February\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "March after \"of\" in \"2nd Monday of March\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "April after \"of\" in \"2nd Monday of April\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "May after \"of\" in \"2nd Monday of May\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "June after \"of\" in \"2nd Monday of June\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "July after \"of\" in \"2nd Monday of July\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "August after \"of\" in \"2nd Monday of August\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "September after \"of\" in \"2nd Monday of September\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "October after \"of\" in \"2nd Monday of October\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "November after \"of\" in \"2nd Monday of November\""),
        SOLVANE_TRANSLATE_NOOP3("CountdownDisplay", "%1",
                                "December after \"of\" in \"2nd Monday of December\""),
    };
    const std::string* weekdayName = nameAt(calendar.weekdayNames(), weekday);
    const std::string* monthName = nameAt(calendar.monthNames(), month);
    const std::string monthText =
        monthName ? withArguments(translate("CountdownDisplay", kMonthForms[month - 1].source,
                                            kMonthForms[month - 1].disambiguation),
                                  {*monthName})
                  : std::string();
    const std::size_t row = n < 0 ? 5 : static_cast<std::size_t>(n - 1);
    if (weekdayName && (n < 0 || (n >= 1 && n <= 5))) {
        const TranslatableText& pattern = kPatterns[row][static_cast<std::size_t>(weekday - 1)];
        return withArguments(translate("CountdownDisplay", pattern.source, pattern.disambiguation),
                             {*weekdayName, monthText});
    }
    // No month has a sixth of any weekday; a stored rule that asks for one
    // is shown for what it says, without an ordinal ending to get wrong.
    return withArguments(translate("CountdownDisplay", "%1 number %3 of %2"),
                         {weekdayName ? *weekdayName : translate("CountdownDisplay", "day"),
                          monthText, integerText(std::to_string(n))});
}

// |offset| as unsigned, so the most negative payload does not overflow.
std::uint64_t magnitude(std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    return value < 0 ? 0 - bits : bits;
}

bool sortsBefore(const CountdownDisplay& a, const CountdownDisplay& b) {
    // A total order even if a NaN ever reaches a key: NaNs sort last, so the
    // sort's ordering requirement holds whatever the rows carry.
    const bool aNan = std::isnan(a.sortDate.seconds);
    const bool bNan = std::isnan(b.sortDate.seconds);
    if (aNan || bNan) {
        return !aNan && bNan;
    }
    return a.sortDate.seconds < b.sortDate.seconds;
}

}  // namespace

CountdownPhase phase(const Countdown& countdown, Instant now, const Calendar& calendar) {
    const auto today = calendar.startOfDay(now);
    if (!today) {
        return FinishedPhase{};
    }
    const auto list = occurrences(countdown, now, calendar);
    for (const auto& o : list) {
        if (o.end && o.start <= *today && *today <= *o.end) {
            return ActivePhase{o.start, *o.end};
        }
    }
    for (const auto& o : list) {
        if (o.start >= *today) {
            return UpcomingPhase{o.start, o.end};
        }
    }
    return FinishedPhase{};
}

std::optional<CountdownDisplay> display(const Countdown& countdown, Instant now,
                                        const Calendar& calendar, const DaysOff& off) {
    const CountdownPhase current = phase(countdown, now, calendar);
    if (std::holds_alternative<FinishedPhase>(current)) {
        return std::nullopt;
    }
    // phase() only leaves finished when the calendar found today's start.
    const Instant today = calendar.startOfDay(now).value_or(now);
    if (const auto* upcoming = std::get_if<UpcomingPhase>(&current)) {
        return upcomingRow(countdown, *upcoming, today, calendar, off);
    }
    if (countdown.during == DuringMode::hide) {
        return std::nullopt;
    }
    return activeRow(countdown, std::get<ActivePhase>(current), today, calendar);
}

std::int64_t countValue(CountUnit unit, std::int64_t days, Instant today, const Calendar& calendar,
                        const DaysOff& off) {
    switch (unit) {
        case CountUnit::days:
            return days;
        case CountUnit::weeks:
            return days / 7;
        case CountUnit::workdays:
            break;
    }
    return workingDaysAhead(today, days, calendar, off);
}

std::string scheduleSummary(const Countdown& countdown, Instant now, const Calendar& calendar) {
    const CountdownPhase current = phase(countdown, now, calendar);
    if (const auto* active = std::get_if<ActivePhase>(&current)) {
        return withArguments(translate("CountdownDisplay", "Happening now · until %1"),
                             {shortDateLabel(active->end, calendar)});
    }
    const auto* upcoming = std::get_if<UpcomingPhase>(&current);
    if (!upcoming) {
        return translate("CountdownDisplay", "Finished");
    }
    std::string text = shortDateLabel(upcoming->start, calendar);
    if (upcoming->end) {
        text = withArguments(translate("CountdownDisplay", "%1 – %2", "from one day to another"),
                             {text, shortDateLabel(*upcoming->end, calendar)});
    }
    if (countdown.recurs || !countdown.start.asFixed()) {
        text += translate("CountdownDisplay", " · every year");
    }
    if (countdown.eventID) {
        text += translate("CountdownDisplay", " · from Calendar");
    }
    return text;
}

std::optional<Instant> currentOrNextStart(const Countdown& countdown, Instant now,
                                          const Calendar& calendar) {
    const CountdownPhase current = phase(countdown, now, calendar);
    if (const auto* active = std::get_if<ActivePhase>(&current)) {
        return active->start;
    }
    if (const auto* upcoming = std::get_if<UpcomingPhase>(&current)) {
        return upcoming->start;
    }
    return std::nullopt;
}

std::string ruleDescription(const DateRule& rule, const Calendar& calendar) {
    if (const auto* fixed = rule.asFixed()) {
        return shortDateLabel(fixed->date, calendar);
    }
    if (const auto* season = rule.asSeason()) {
        static constexpr std::array<const char*, 4> kSeasons = {
            SOLVANE_TRANSLATE_NOOP("CountdownDisplay", "March equinox"),
            SOLVANE_TRANSLATE_NOOP("CountdownDisplay", "June solstice"),
            SOLVANE_TRANSLATE_NOOP("CountdownDisplay", "September equinox"),
            SOLVANE_TRANSLATE_NOOP("CountdownDisplay", "December solstice")};
        if (season->index >= 0 && season->index <= 3) {
            const char* name = kSeasons[static_cast<std::size_t>(season->index)];
            return translate("CountdownDisplay", name);
        }
        return translate("CountdownDisplay", "Season");
    }
    if (const auto* change = rule.asClockChange()) {
        return change->direction == ClockDirection::forward
                   ? translate("CountdownDisplay", "When the clocks go forward")
                   : translate("CountdownDisplay", "When the clocks go back");
    }
    if (const auto* holiday = rule.asHoliday()) {
        const std::string language = calendar.locale().substr(0, calendar.locale().find('_'));
        if (const CountryHolidays* country = installedCountry(holiday->country)) {
            for (const Holiday& h : country->holidays) {
                if (h.id == holiday->id) {
                    return holidayTitle(h, language);
                }
            }
        }
        return translate("CountdownDisplay", "Holiday");
    }
    const auto& nth = std::get<DateRule::NthWeekday>(rule.value);
    std::string text = nthWeekdayText(nth.n, nth.weekday, nth.month, calendar);
    // The count picks the plural form; it is written out whole, however large.
    const std::string days = integerText(std::to_string(magnitude(nth.offset)));
    const int form = static_cast<int>(
        std::min<std::uint64_t>(magnitude(nth.offset), std::numeric_limits<int>::max()));
    if (nth.offset > 0) {
        text = withArguments(translate("CountdownDisplay", "%1, %2 day(s) after", nullptr, form),
                             {text, days});
    } else if (nth.offset < 0) {
        text = withArguments(translate("CountdownDisplay", "%1, %2 day(s) before", nullptr, form),
                             {text, days});
    }
    return text;
}

std::vector<CountdownDisplay> sortedDisplays(const std::vector<Countdown>& countdowns, Instant now,
                                             const Calendar& calendar, const DaysOff& off) {
    std::vector<CountdownDisplay> rows;
    rows.reserve(countdowns.size());
    for (const auto& countdown : countdowns) {
        if (auto row = display(countdown, now, calendar, off)) {
            rows.push_back(std::move(*row));
        }
    }
    std::stable_sort(rows.begin(), rows.end(), sortsBefore);
    return rows;
}

}  // namespace solvane
