#include "core/store/board_data.h"

#include <algorithm>

namespace solvane {

BoardData BoardData::assemble(const SharedStore& store, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar) {
    return assemble(store, now, selection, std::move(weather), calendar, store.loadLocation());
}

BoardData BoardData::assemble(const SharedStore& store, Instant now,
                              const std::optional<std::vector<Uuid>>& selection,
                              std::optional<WeatherSnapshot> weather, const Calendar& calendar,
                              const SavedLocation& place) {
    const std::vector<Countdown> countdowns = store.loadCountdowns(calendar);

    BoardData board;
    if (selection && !selection->empty()) {
        for (const Uuid& id : *selection) {
            const auto it = std::find_if(countdowns.begin(), countdowns.end(),
                                         [&](const Countdown& c) { return c.id == id; });
            if (it == countdowns.end()) {
                continue;
            }
            if (auto row = display(*it, now, calendar)) {
                board.countdowns.push_back(std::move(*row));
            }
        }
    } else {
        board.countdowns = sortedDisplays(countdowns, now, calendar);
    }
    board.date = now;
    board.weather = std::move(weather);
    board.sky = SkySnapshot::compute(now, place.latitude, place.longitude, calendar);
    board.unit = store.loadSettings().unit;
    board.place = place.name;
    return board;
}

}  // namespace solvane
