#include "core/model/rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace solvane {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDegreesToRadians = 0.017453292519943295;

// Hourly samples over 20 days: wide enough to cover the drift of the
// crossing from the 15th of the season's month, small enough that an
// impossible target gives up quickly.
constexpr int kSeasonSearchHours = 480;

// The weekday-matching search visits at most one week; a weekday that never
// matches (outside 1…7) must not keep it walking back through the calendar.
constexpr int kLastWeekdaySearchDays = 7;

constexpr std::int64_t kSeasonMonths[4] = {3, 6, 9, 12};

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
            return calendar.addDays(*day, rule.offset);
        }
        day = calendar.addDays(*day, -1);
    }
    return std::nullopt;
}

}  // namespace

double solarLongitudeOffset(Instant t, double target) {
    // Keep this order of operations: regrouping changes the last bits, which
    // can move a crossing across an hourly sample and with it the day shown.
    const double unixSeconds = t.unixSeconds();
    const double d = unixSeconds / 86400.0 + (-0.5) + 2440588.0 + (-2451545.0);
    const double m = (d * 0.98560028 + 357.5291) * kDegreesToRadians;
    const double c =
        (std::sin(3.0 * m) * 0.0003 + (std::sin(2.0 * m) * 0.02 + std::sin(m) * 1.9148)) *
        kDegreesToRadians;
    double x = c + m + 1.796593062783907 + kPi - target;
    x = std::fmod(x, kTwoPi);
    if (x > kPi) {
        x -= kTwoPi;
    }
    if (x <= -kPi) {
        x += kTwoPi;
    }
    return x;
}

std::optional<Instant> seasonDate(std::int64_t index, std::int64_t year, const Calendar& calendar) {
    const std::int64_t clamped = std::clamp<std::int64_t>(index, 0, 3);
    const auto t0 = calendar.date(year, kSeasonMonths[clamped], 15, 12);
    if (!t0) {
        return std::nullopt;
    }
    // The unclamped index on purpose: an index beyond the table asks for a
    // longitude the clamped month's window does not reach, so it finds nothing
    // instead of silently standing in for a real season.
    const double target = static_cast<double>(index) * kPi * 0.5;
    double prev = solarLongitudeOffset(*t0, target);
    for (int i = 1; i <= kSeasonSearchHours; ++i) {
        const Instant t = *t0 + static_cast<double>(i) * 3600.0;
        const double cur = solarLongitudeOffset(t, target);
        if (prev < 0 && cur >= 0) {
            return calendar.startOfDay(t);
        }
        prev = cur;
    }
    return std::nullopt;
}

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
        return calendar.addDays(*day, nth->offset);
    }
    if (const auto* season = rule.asSeason()) {
        return seasonDate(season->index, year, calendar);
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
