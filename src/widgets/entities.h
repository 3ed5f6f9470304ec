// The countdowns the "Edit Widget" panel offers. Only the id is kept in a
// placed widget's configuration; label and symbol are read from the store
// again every time, so renamed countdowns show their new label.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/model/countdown.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"
#include "core/util/uuid.h"
#include "widgets/widget_plugin.h"

namespace solvane::widgets {

struct CountdownEntity {
    Uuid id;
    std::string label;
    // The panel only shows symbols, so a countdown with a custom image is
    // still listed with its symbol.
    std::string symbol;

    static CountdownEntity from(const Countdown& countdown);
    Entity entity() const;

    bool operator==(const CountdownEntity&) const = default;
};

class CountdownQuery {
  public:
    // `calendar` and `clock` are only needed for the starter countdowns of an
    // empty store.
    CountdownQuery(SharedStore store, std::function<Calendar()> calendar,
                   std::function<Instant()> clock);

    // The first stored countdown of each id, in the order given; ids with no
    // stored countdown are left out.
    std::vector<CountdownEntity> entitiesForIdentifiers(const std::vector<Uuid>& ids) const;

    // Every stored countdown in stored order, finished and hidden ones too.
    std::vector<CountdownEntity> suggestedEntities() const;

  private:
    SharedStore store_;
    std::function<Calendar()> calendar_;
    std::function<Instant()> clock_;
};

}  // namespace solvane::widgets
