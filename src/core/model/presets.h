// The catalogue of ready-made countdowns: seasons, clock changes, US holidays
// and summer spans, offered grouped in the application's "From a Preset" menu.
// Four of them make up the starter list shown when no stored list can be read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/countdown.h"
#include "core/time/calendar.h"

namespace solvane {

struct CountdownPreset {
    std::string id;  // stable key, lower-case with hyphens
    std::string group;
    std::string title;
    std::string symbol;
    DateRule start;
    std::optional<DateRule> end;
    DuringMode during = DuringMode::progress;

    bool operator==(const CountdownPreset&) const = default;
};

// The 19 presets in menu order. Fixed dates are local midnights of the month
// and day in the year 2000 in the calendar's zone; the list is built once per
// zone and reused.
const std::vector<CountdownPreset>& catalogue(const Calendar& calendar);

// The distinct groups in order of first appearance.
std::vector<std::string> presetGroups();

// A new recurring countdown in days with a fresh random id.
Countdown makeCountdown(const CountdownPreset& preset);

// "Fall back", "Winter solstice", "Spring forward", "Summer Fridays", with
// fresh ids on every call.
std::vector<Countdown> starterCountdowns(const Calendar& calendar);

}  // namespace solvane
