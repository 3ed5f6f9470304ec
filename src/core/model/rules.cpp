#include "core/model/rules.h"

#include <cmath>

#include "core/holidays/holiday_catalog.h"
#include "core/model/clock_changes.h"

namespace solvane {

namespace {

// The weekday-matching search visits at most one week; a weekday that never
// matches (outside 1…7) must not keep it walking back through the calendar.
constexpr int kLastWeekdaySearchDays = 7;

// Day arithmetic keeps the time of day, and a day whose clocks skip midnight
// starts at 01:00: adding days to it would land at 01:00 of a day that does
// start at midnight. The rule names the day, so its start is taken afresh.
std::optional<Instant> startOfDayAfter(Instant day, std::int64_t offset, const Calendar& calendar) {
    const auto moved = calendar.addDays(day, offset);
    return moved ? calendar.startOfDay(*moved) : std::nullopt;
}

std::optional<Instant> lastWeekday(const DateRule::NthWeekday& rule, std::int64_t year,
                                   const Calendar& calendar) {
    auto first = calendar.date(year, rule.month, 1);
    if (!first) {
        return std::nullopt;
    }
    auto nextFirst = calendar.addMonths(*first, 1);
    if (!nextFirst) {
        return std::nullopt;
    }
    auto day = calendar.addDays(*nextFirst, -1);
    for (int step = 0; day && step < kLastWeekdaySearchDays; ++step) {
        auto weekday = calendar.weekday(*day);
        if (weekday && *weekday == rule.weekday) {
            return startOfDayAfter(*day, rule.offset, calendar);
        }
        day = calendar.addDays(*day, -1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Instant> resolve(const DateRule& rule, std::int64_t year, bool recurring,
                               const Calendar& calendar) {
    if (const auto* fixed = rule.asFixed()) {
        if (!std::isfinite(fixed->date.seconds)) {
            return std::nullopt;
        }
        if (!recurring) {
            return calendar.startOfDay(fixed->date);
        }
        const auto civil = calendar.civilDate(fixed->date);
        if (!civil) {
            return std::nullopt;
        }
        return calendar.date(year, civil->month, civil->day);
    }
    if (const auto* nth = rule.asNthWeekday()) {
        if (nth->n <= 0) {
            return lastWeekday(*nth, year, calendar);
        }
        const auto day = calendar.nthWeekday(year, nth->month, nth->weekday, nth->n);
        if (!day) {
            return std::nullopt;
        }
        return startOfDayAfter(*day, nth->offset, calendar);
    }
    if (const auto* season = rule.asSeason()) {
        return seasonDate(season->index, year, calendar);
    }
    if (const auto* holiday = rule.asHoliday()) {
        if (const auto day = installedHolidayDate(holiday->country, holiday->id, year)) {
            return calendar.date(day->year, day->month, day->day);
        }
        // Where the holiday's country is not installed (or no longer has
        // it), the day it was made with keeps the countdown going. A holiday
        // that simply does not fall in this year names no day, like any rule.
        if (installedCountry(holiday->country) != nullptr) {
            return std::nullopt;
        }
        return resolve(DateRule::fixed(holiday->fallback), year, recurring, calendar);
    }
    if (const auto* change = rule.asClockChange()) {
        const auto days = clockChangeDays(change->direction, year, year, calendar);
        return days.empty() ? std::nullopt : std::optional(days.front());
    }
    return std::nullopt;
}

std::vector<Occurrence> occurrences(const Countdown& countdown, Instant now,
                                    const Calendar& calendar) {
    std::vector<Occurrence> out;
    const auto today = calendar.startOfDay(now);
    if (!today) {
        return out;
    }
    const auto civil = calendar.civilDate(*today);
    if (!civil) {
        return out;
    }
    // The year is a 32-bit calendar field, so the neighbouring years below
    // cannot overflow the 64-bit arithmetic.
    const std::int64_t thisYear = civil->year;
    const bool singleYear = !countdown.recurs && countdown.start.asFixed() != nullptr;
    const std::int64_t firstYear = singleYear ? thisYear : thisYear - 1;
    const std::int64_t lastYear = singleYear ? thisYear : thisYear + 2;
    out.reserve(static_cast<std::size_t>(lastYear - firstYear + 1));

    // A zone may change its clocks the same way twice in a year (Morocco's
    // changes follow Ramadan through the seasons): each change is a day.
    if (const auto* change = countdown.start.asClockChange(); change && !countdown.end) {
        for (const Instant day :
             clockChangeDays(change->direction, firstYear, lastYear, calendar)) {
            out.push_back({day, std::nullopt});
        }
        return out;
    }

    for (std::int64_t y = firstYear; y <= lastYear; ++y) {
        const auto s = resolve(countdown.start, y, countdown.recurs, calendar);
        if (!s) {
            continue;
        }
        if (!countdown.end) {
            out.push_back({*s, std::nullopt});
            continue;
        }
        auto e = resolve(*countdown.end, y, countdown.recurs, calendar);
        if (!e) {
            out.push_back({*s, std::nullopt});
            continue;
        }
        if (countdown.recurs && *e < *s) {
            // A span from December to March takes its end from the next year.
            if (const auto next = resolve(*countdown.end, y + 1, true, calendar)) {
                e = next;
            }
        }
        out.push_back({*s, *s >= *e ? *s : *e});
    }
    return out;
}

}  // namespace solvane
