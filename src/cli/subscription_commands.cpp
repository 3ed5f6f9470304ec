#include "cli/subscription_commands.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <ostream>

#include "cli/arguments.h"
#include "core/calendar/calendar_sync.h"
#include "platform/calendar/subscriptions.h"

namespace solvane::cli {

namespace {

using platform::SubscriptionErrorKind;
using platform::SubscriptionStore;

SharedStore sharedStore(const Environment& env) {
    return env.store ? *env.store : SharedStore::standard();
}

}  // namespace

int subscribeCommand(const Arguments& a, const Environment& env, std::ostream& out,
                     std::ostream& err) {
    if (a.positional.size() != 1) {
        return badArguments(err, "subscribe needs exactly one URL");
    }
    const auto added = SubscriptionStore::standard().subscribe(a.positional[0], a.value("--name"));
    if (!added) {
        const SubscriptionErrorKind kind = added.error().kind;
        if (kind == SubscriptionErrorKind::invalidAddress ||
            kind == SubscriptionErrorKind::invalidName) {
            return badArguments(err, added.error().message);
        }
        return failed(err, "could not subscribe: " + added.error().message);
    }
    if (env.storeChanged) {
        env.storeChanged();  // the window lists the new calendar
    }
    printJson(out, {{"id", added->id},
                    {"title", added->displayTitle()},
                    {"url", platform::withoutCredentials(added->url)},
                    {"events", added->events}});
    return 0;
}

int unsubscribeCommand(const Arguments& a, const Environment& env, std::ostream& out,
                       std::ostream& err) {
    if (a.positional.size() != 1) {
        return badArguments(err, "unsubscribe needs exactly one subscription ID");
    }
    const std::string& id = a.positional[0];
    const SubscriptionStore subscriptions = SubscriptionStore::standard();
    const auto known = subscriptions.list();
    if (std::none_of(known.begin(), known.end(),
                     [&](const platform::Subscription& s) { return s.id == id; })) {
        return failed(err, "no subscription " +
                               (platform::isSubscriptionId(id) ? id : std::string("by that id")));
    }

    const auto removed = forgetFeedCalendar(sharedStore(env), id, env.calendar, env.now);
    if (!removed) {
        return failed(err, "the store could not be written; the subscription is kept");
    }

    const auto gone = subscriptions.unsubscribe(id);
    if (!gone) {
        return failed(err, gone.error().message);
    }
    if (env.storeChanged) {
        env.storeChanged();  // its countdowns left the list the others show
    }
    printJson(out, {{"removed", id}, {"countdowns", *removed}});
    return 0;
}

}  // namespace solvane::cli
