// DateRule: a day named in words.
//
//   fixed(date)                          one instant; only its local day matters,
//                                        and when a countdown recurs only its
//                                        month and day
//   nthWeekday(n, weekday, month, offset)
//                                        the n-th weekday (1 = Sunday … 7 =
//                                        Saturday) of month (1 … 12), then
//                                        offset days later; n ≤ 0 means the last
//                                        such weekday of the month
//   season(index)                        0 March equinox, 1 June solstice,
//                                        2 September equinox, 3 December solstice
//   clockChange(direction)               the day the zone's clocks go forward
//                                        (or back), read from the zone's own
//                                        changes: for zones whose changes no
//                                        nthWeekday rule names (Morocco's move
//                                        with Ramadan, a change made once)
//   holiday(country, id, fallback)       a country's holiday as its file names
//                                        it (core/holidays): Easter Monday,
//                                        Eid al-Fitr, Qingming; `fallback` is
//                                        a fixed date for versions and
//                                        installs that do not know it
//
// Payloads are stored as signed 64-bit integers and are not range-checked
// here; resolution (rules.h) decides what an out-of-range rule names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "core/time/instant.h"
#include "core/util/enum_strings.h"

namespace solvane {

// Which way the clocks move: forward when the UTC offset grows.
enum class ClockDirection {
    forward,
    back,
};

template <>
struct EnumCases<ClockDirection> {
    static constexpr std::array<EnumCase<ClockDirection>, 2> list{{
        {ClockDirection::forward, "forward"},
        {ClockDirection::back, "back"},
    }};
};

struct DateRule {
    struct Fixed {
        Instant date;
        bool operator==(const Fixed&) const = default;
    };
    struct NthWeekday {
        std::int64_t n = 1;
        std::int64_t weekday = 1;
        std::int64_t month = 1;
        std::int64_t offset = 0;
        bool operator==(const NthWeekday&) const = default;
    };
    struct Season {
        std::int64_t index = 0;
        bool operator==(const Season&) const = default;
    };

    struct ClockChange {
        ClockDirection direction = ClockDirection::forward;
        bool operator==(const ClockChange&) const = default;
    };

    struct Holiday {
        std::string country;  // ISO 3166 code, upper case
        std::string id;       // the holiday's id in the country's file
        Instant fallback;     // a day of it, for readers that cannot work it out
        bool operator==(const Holiday&) const = default;
    };

    std::variant<Fixed, NthWeekday, Season, ClockChange, Holiday> value;

    static DateRule fixed(Instant date) { return DateRule{Fixed{date}}; }
    static DateRule nthWeekday(std::int64_t n, std::int64_t weekday, std::int64_t month,
                               std::int64_t offset) {
        return DateRule{NthWeekday{n, weekday, month, offset}};
    }
    static DateRule season(std::int64_t index) { return DateRule{Season{index}}; }
    static DateRule clockChange(ClockDirection direction) {
        return DateRule{ClockChange{direction}};
    }

    const Fixed* asFixed() const { return std::get_if<Fixed>(&value); }
    const NthWeekday* asNthWeekday() const { return std::get_if<NthWeekday>(&value); }
    const Season* asSeason() const { return std::get_if<Season>(&value); }
    static DateRule holiday(std::string country, std::string id, Instant fallback) {
        return DateRule{Holiday{std::move(country), std::move(id), fallback}};
    }

    const ClockChange* asClockChange() const { return std::get_if<ClockChange>(&value); }
    const Holiday* asHoliday() const { return std::get_if<Holiday>(&value); }

    bool operator==(const DateRule&) const = default;
};

}  // namespace solvane
