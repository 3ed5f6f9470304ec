#include "core/store/board_data.h"

#include <algorithm>

namespace solvane {

StoreRead<BoardSources> BoardSources::load(const SharedStore& store, const Calendar& calendar,
                                           Instant now, bool forUse) {
    auto countdowns = store.readCountdowns(calendar, now, forUse);
    if (!countdowns) {
        return Failure{countdowns.error()};
    }
    const AppSettings settings = store.loadSettings();
    return BoardSources{store.loadLocation(calendar), std::move(*countdowns), settings.unit,
                        DaysOff::forPlace(settings.holidayPlace, calendar)};
}

BoardData BoardData::assemble(const SharedStore& store, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar) {
    return assemble(BoardSources::load(store, calendar, now)
                        .valueOr(BoardSources::withoutCountdowns(store, calendar)),
                    now, selection, std::move(weather), calendar);
}

BoardSources BoardSources::withoutCountdowns(const SharedStore& store, const Calendar& calendar) {
    const AppSettings settings = store.loadSettings();
    return BoardSources{store.loadLocation(calendar),
                        {},
                        settings.unit,
                        DaysOff::forPlace(settings.holidayPlace, calendar)};
}

BoardData BoardData::assemble(const BoardSources& sources, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar) {
    const std::vector<Countdown>& countdowns = sources.countdowns;
    BoardData board;
    if (selection && !selection->empty()) {
        for (const Uuid& id : *selection) {
            const auto it = std::find_if(countdowns.begin(), countdowns.end(),
                                         [&](const Countdown& c) { return c.id == id; });
            if (it == countdowns.end()) {
                continue;
            }
            if (auto row = display(*it, now, calendar, sources.daysOff)) {
                board.countdowns.push_back(std::move(*row));
            }
        }
    } else {
        board.countdowns = sortedDisplays(countdowns, now, calendar, sources.daysOff);
    }
    board.date = now;
    board.weather = std::move(weather);
    board.sky =
        SkySnapshot::compute(now, sources.place.latitude, sources.place.longitude, calendar);
    board.unit = sources.unit;
    board.place = sources.place.name;
    return board;
}

}  // namespace solvane
