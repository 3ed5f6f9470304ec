// BoardData: everything one board shows for one moment — the countdown rows,
// the weather, the sky, the place name and the temperature unit — assembled
// from the shared store. Boards and widgets only read it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/countdown_display.h"
#include "core/sky/sky_snapshot.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"
#include "core/weather/forecast.h"
#include "core/weather/weather.h"

namespace solvane {

// What a board is assembled from, as read from the store at one moment: the
// place, the countdowns (or their defaults), the temperature unit and the
// holidays working days leave out. Read it once to build several boards from
// the same state.
struct BoardSources {
    SavedLocation place;
    std::vector<Countdown> countdowns;
    TempUnit unit = TempUnit::fahrenheit;
    DaysOff daysOff = {};

    // `forUse`: the board is going on screen, so a fresh store gets its
    // starter countdowns stored (SharedStore::readCountdowns). The fault
    // when the store cannot be read: no defaults stand in for the user's.
    static StoreRead<BoardSources> load(const SharedStore& store, const Calendar& calendar,
                                        Instant now, bool forUse = false);
    // The place and unit as stored, and no countdowns: what stands in when
    // the list cannot be read.
    static BoardSources withoutCountdowns(const SharedStore& store, const Calendar& calendar);
};

struct BoardData {
    Instant date;
    std::vector<CountdownDisplay> countdowns;  // in display order
    std::optional<WeatherSnapshot> weather;    // absent: the no-weather state
    SkySnapshot sky;
    std::string place;
    TempUnit unit = TempUnit::fahrenheit;
    // Only for the views that show one; their providers fetch it.
    std::optional<Forecast> forecast;

    // Reads place, countdowns and settings from the store (their defaults when
    // nothing usable is stored; no countdowns when the store cannot be read)
    // and never writes.
    //
    // With a non-empty selection the rows follow the selection's order: each
    // identifier gives the row of the first countdown with that id, unknown
    // identifiers and countdowns without a row give nothing, and a repeated
    // identifier gives two rows. Without one (or with an empty one) every
    // countdown's row is shown, ordered by sortDate, ties in stored order.
    static BoardData assemble(const SharedStore& store, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar);

    // The same assembly from sources already read.
    static BoardData assemble(const BoardSources& sources, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar);

    bool operator==(const BoardData&) const = default;
};

}  // namespace solvane
