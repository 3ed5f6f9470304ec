// The catalogue of ready-made countdowns: seasons, clock changes, US holidays
// and summer spans, offered grouped in the application's "From a Preset" menu.
// Four of them make up the starter list shown when no stored list can be read.
// What a user is offered depends on where they are: the clock changes are
// their zone's, and the seasons are named for their hemisphere.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/clock_changes.h"
#include "core/model/countdown.h"
#include "core/time/calendar.h"
#include "core/util/enum_strings.h"

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

enum class Hemisphere {
    northern,
    southern,
};

template <>
struct EnumCases<Hemisphere> {
    static constexpr std::array<EnumCase<Hemisphere>, 2> list{{
        {Hemisphere::northern, "northern"},
        {Hemisphere::southern, "southern"},
    }};
};

// Where the presets are offered, as far as they depend on it.
struct PresetRegion {
    std::optional<ClockChanges> clocks;  // none: no clock-change presets
    bool unitedStates = false;
    Hemisphere hemisphere = Hemisphere::northern;
    // The user's country for holidays (its file installed), outside the
    // United States, whose days the catalogue already holds.
    std::optional<std::string> holidayCountry;
    std::string holidayRegion;  // empty: the whole country
    Instant holidaysFrom;       // the moment whose year the holiday presets are ordered by

    // The region of the calendar's zone in the year of `now`, with the
    // hemisphere of the saved place's latitude: south of the equator is
    // southern, an unknown latitude northern. The holiday country is the
    // territory of the user's locale variables, else the zone's country.
    // A chosen holiday place ("DE", "DE-BY"; see AppSettings) stands for the
    // locale's and zone's country.
    static PresetRegion of(const Calendar& calendar, Instant now, std::optional<double> latitude,
                           std::string_view holidayPlace = {});

    bool operator==(const PresetRegion&) const = default;
};

// The presets in menu order: the 19 of the catalogue, less "Spring forward"
// and "Fall back" where the zone keeps one time all year. Those two carry the
// zone's own rules. In the southern hemisphere the season presets keep their
// rules and ids and take the local season's title and symbol (the June
// solstice is "Winter solstice"). Fixed dates are local midnights of the
// month and day in the year 2000 in the calendar's zone. With a holiday
// country, its holidays follow as the group "Holidays (<country>)".
std::vector<CountdownPreset> catalogue(const Calendar& calendar, const PresetRegion& region);

// The distinct groups in order of first appearance.
std::vector<std::string> presetGroups();

// A new recurring countdown in days with a fresh random id.
Countdown makeCountdown(const CountdownPreset& preset);

// The presets a fresh store starts with: "Fall back", the hemisphere's
// "Winter solstice", "Spring forward", and in the United States "Summer
// Fridays", elsewhere the next equinox from the day of `now` and the holiday
// country's next two public holidays. The clock changes are left out where
// the zone has none.
std::vector<CountdownPreset> starterPresets(const Calendar& calendar, const PresetRegion& region,
                                            Instant now);

// makeCountdown of each starter preset, with fresh ids on every call.
std::vector<Countdown> starterCountdowns(const Calendar& calendar, const PresetRegion& region,
                                         Instant now);

}  // namespace solvane
