// Countdown: a labelled day, or a span between two days, that may repeat every
// year. The one record users create and edit; the stored list of them is the
// heart of the shared store.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/model/date_rule.h"
#include "core/util/enum_strings.h"
#include "core/util/uuid.h"

namespace solvane {

// What a span shows while it is happening.
enum class DuringMode {
    progress,  // a progress bar and the day count
    hide,      // left off the board
};

template <>
struct EnumCases<DuringMode> {
    static constexpr std::array<EnumCase<DuringMode>, 2> list{{
        {DuringMode::progress, "progress"},
        {DuringMode::hide, "hide"},
    }};
};

// The unit in which the remaining time is counted.
enum class CountUnit {
    days,
    weeks,
    workdays,  // working days: neither the locale's weekend nor public holidays
};

template <>
struct EnumCases<CountUnit> {
    static constexpr std::array<EnumCase<CountUnit>, 3> list{{
        {CountUnit::days, "days"},
        {CountUnit::weeks, "weeks"},
        {CountUnit::workdays, "workdays"},
    }};
};

struct Countdown {
    Uuid id;
    std::string label;
    DateRule start;
    std::optional<DateRule> end;  // absent for a one-day event
    // A fixed start repeats every year; also lets an end that falls before the
    // start move into the next year.
    bool recurs = false;
    DuringMode during = DuringMode::progress;
    std::string symbol = "calendar";
    CountUnit unit = CountUnit::days;
    std::optional<std::string> customImage;     // file name inside the icons folder
    std::optional<std::string> eventID;         // the calendar event this follows
    std::optional<std::string> feedCalendarID;  // the calendar that added it

    bool operator==(const Countdown&) const = default;
};

}  // namespace solvane
