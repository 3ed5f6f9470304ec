// Calendar: the user's Gregorian calendar with one time zone and one locale.
//
// Every calendar question the system asks goes through this type: where a local
// day starts, which instant a set of date components names, day and month
// arithmetic, the day difference between two days, weekdays, the locale's
// weekend, and the locale's weekday and month names. Nothing else in the core
// knows about zones or locales, and nothing here reads the clock.
//
// Components use the human numbering: months 1 = January … 12 = December,
// weekdays 1 = Sunday … 7 = Saturday. Out-of-range components are lenient and
// roll over, everywhere: month 13 is January of the next year, February 29 of a
// common year is March 1, the fifth Sunday of a month with four is the first
// Sunday of the next month. A component that does not fit the calendar's
// 32-bit fields, or a result outside the calendar's range (about ±300,000
// years), gives nullopt rather than a wrapped value.
//
// Copies share one underlying calendar guarded by a mutex, so a Calendar is
// cheap to copy and safe to use from several threads.
//
//   auto cal = Calendar::make("America/New_York", "en_US");
//   auto day = cal->date(2025, 5, 26);             // local midnight, EDT
//   cal->weekday(*day) == 2                        // Monday
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/instant.h"

namespace solvane {

struct CivilDate {
    std::int32_t year = 1;
    std::int32_t month = 1;  // 1…12
    std::int32_t day = 1;    // 1…31
    bool operator==(const CivilDate&) const = default;
};

// A change of a zone's UTC offset: the clocks jump at `at`.
struct ZoneTransition {
    Instant at;
    std::int32_t offsetBefore = 0;  // seconds east of UTC
    std::int32_t offsetAfter = 0;
    bool operator==(const ZoneTransition&) const = default;
};

class Calendar {
  public:
    // A calendar for a zone of the system's time-zone database ("Asia/Tokyo",
    // "UTC"; see zone_rules.h) and an ICU or POSIX locale ("en_US",
    // "de_DE.UTF-8"). A zone the database does not hold gives nullopt.
    static std::optional<Calendar> make(std::string_view zoneId, std::string_view locale);

    // The user's calendar: zone from TZ or /etc/localtime, locale from LC_ALL,
    // LC_TIME or LANG (the C and POSIX locales read as en_US). Falls back to UTC
    // when the zone cannot be determined.
    static Calendar current();

    // The locale named by LC_ALL, LC_TIME or LANG, in ICU form ("en_US").
    static std::string currentLocaleName();

    // The locale whose measurement system the user reads: LC_ALL, else
    // LC_MEASUREMENT, else LANG, in ICU form. Dates may follow one locale and
    // units another (LANG=en_US.UTF-8 with LC_MEASUREMENT=de_DE.UTF-8).
    static std::string measurementLocaleName();

    const std::string& zoneId() const;
    const std::string& locale() const;

    // False once the zone's file has been replaced (a tzdata upgrade) since
    // this calendar was made: a new Calendar::make has the new rules.
    bool rulesCurrent() const;
    // This calendar while its rules are current, else the same zone and
    // locale made afresh (this one when the zone can no longer be made).
    Calendar refreshed() const;

    // The zone's offset from UTC at `t`, in seconds east.
    std::optional<std::int32_t> utcOffset(Instant t) const;

    // The first change of the zone's UTC offset strictly after `after`.
    std::optional<ZoneTransition> nextTransition(Instant after) const;

    // The first instant of the local day that contains `t` (local midnight, or
    // the first existing moment when a clock change skips midnight).
    std::optional<Instant> startOfDay(Instant t) const;

    // The instant of the local date and hour (minutes and seconds zero).
    std::optional<Instant> date(std::int64_t year, std::int64_t month, std::int64_t day,
                                std::optional<std::int64_t> hour = std::nullopt) const;

    // Local midnight of the `ordinal`-th `weekday` (1…7) of the month, counted
    // from its first day; ordinals beyond the month roll into the next. A
    // weekday outside 1…7 or an ordinal below 1 gives nullopt.
    std::optional<Instant> nthWeekday(std::int64_t year, std::int64_t month, std::int64_t weekday,
                                      std::int64_t ordinal) const;

    // Calendar arithmetic on the local date, keeping the local time of day.
    std::optional<Instant> addDays(Instant t, std::int64_t days) const;
    std::optional<Instant> addMonths(Instant t, std::int64_t months) const;

    // Local days from the day of `from` to the day of `to` (negative when `to`
    // is earlier): counted on the calendar, never as seconds / 86,400.
    std::optional<std::int64_t> dayDifference(Instant from, Instant to) const;

    std::optional<CivilDate> civilDate(Instant t) const;
    // 1 = Sunday … 7 = Saturday.
    std::optional<int> weekday(Instant t) const;
    // Whether the locale counts the local day of `t` as a weekend day.
    bool isWeekend(Instant t) const;
    // Whether days with this weekday (1…7) are weekend days in the locale.
    bool isWeekendWeekday(int weekday) const;

    // Full names in the locale, Sunday first and January first, UTF-8.
    const std::vector<std::string>& weekdayNames() const;
    const std::vector<std::string>& monthNames() const;

  private:
    struct Impl;
    explicit Calendar(std::shared_ptr<Impl> impl);
    std::shared_ptr<Impl> impl_;

    friend struct CalendarAccess;
};

}  // namespace solvane
