#include "widgets/entities.h"

#include <algorithm>
#include <utility>

namespace solvane::widgets {

CountdownEntity CountdownEntity::from(const Countdown& countdown) {
    return {countdown.id, countdown.label, countdown.symbol};
}

Entity CountdownEntity::entity() const {
    return {id.toString(), label, symbol};
}

CountdownQuery::CountdownQuery(SharedStore store, std::function<Calendar()> calendar,
                               std::function<Instant()> clock)
    : store_(std::move(store)), calendar_(std::move(calendar)), clock_(std::move(clock)) {}

std::vector<CountdownEntity> CountdownQuery::entitiesForIdentifiers(
    const std::vector<Uuid>& ids) const {
    const std::vector<Countdown> stored = store_.loadCountdownsForUse(calendar_(), clock_());
    std::vector<CountdownEntity> out;
    for (const Uuid& id : ids) {
        const auto it = std::find_if(stored.begin(), stored.end(),
                                     [&](const Countdown& c) { return c.id == id; });
        if (it != stored.end()) {
            out.push_back(CountdownEntity::from(*it));
        }
    }
    return out;
}

std::vector<CountdownEntity> CountdownQuery::suggestedEntities() const {
    const std::vector<Countdown> stored = store_.loadCountdownsForUse(calendar_(), clock_());
    std::vector<CountdownEntity> out;
    out.reserve(stored.size());
    for (const Countdown& c : stored) {
        out.push_back(CountdownEntity::from(c));
    }
    return out;
}

}  // namespace solvane::widgets
