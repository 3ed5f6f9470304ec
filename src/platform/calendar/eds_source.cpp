#include "platform/calendar/eds_source.h"

#include <libecal/libecal.h>
#include <libedataserver/libedataserver.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/calendar/eds_glib.h"
#include "platform/calendar/eds_items.h"
#include "platform/calendar/folder_source.h"

namespace solvane::platform {

namespace {

using eds::CancelAt;
using eds::Clock;
using eds::Error;
using eds::Loop;
using eds::owned;
using eds::Ref;
using eds::shared;
using std::chrono::milliseconds;

constexpr const char* kSourcesService = "org.gnome.evolution.dataserver.Sources5";
constexpr std::int64_t kDay = 86'400;
// Floating times and all-day dates are read by the backend as UTC and by
// IcsFile in the user's zone; no zone is further than a day from UTC.
constexpr std::int64_t kZoneSlack = kDay;
// Read past the end asked for, so a window that slides forward day by day
// keeps finding what it needs in what was read.
constexpr std::int64_t kReadAhead = 31 * kDay;
// A calendar that failed to connect is tried again after this, and one
// still connecting after kGiveUpConnecting has failed.
constexpr milliseconds kRetryAfter{30'000};
constexpr milliseconds kGiveUpConnecting{120'000};
constexpr std::size_t kMaxZonesPerCalendar = 64;

bool cancelled(const GError* error) {
    return error != nullptr && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
}

// Whether GLib would find a session bus without starting one: it reads
// DBUS_SESSION_BUS_ADDRESS, else $XDG_RUNTIME_DIR/bus, else tries to
// autolaunch a bus, which a program must never cause.
bool sessionBusLikely() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0') {
        return true;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') {
        return false;
    }
    struct stat info {};
    const std::string bus = std::string(runtime) + "/bus";
    return ::stat(bus.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

std::int64_t unixSecondsOf(Instant t) {
    const double s = t.unixSeconds();
    if (!std::isfinite(s)) {
        return s > 0 ? kEdsLastUnixSecond : 0;
    }
    return static_cast<std::int64_t>(std::clamp(std::floor(s), 0.0, double(kEdsLastUnixSecond)));
}

// The change handler, called on the default main context's thread. Calls
// asked for before it runs fold into one.
struct Notifier {
    std::mutex mutex;
    std::function<void()> handler;
    bool pending = false;

    static void request(const std::shared_ptr<Notifier>& notifier) {
        {
            std::lock_guard lock(notifier->mutex);
            if (!notifier->handler || notifier->pending) {
                return;
            }
            notifier->pending = true;
        }
        GSource* source = g_idle_source_new();
        g_source_set_callback(
            source,
            [](gpointer data) -> gboolean {
                auto& n = *static_cast<std::shared_ptr<Notifier>*>(data);
                std::function<void()> handler;
                {
                    std::lock_guard lock(n->mutex);
                    n->pending = false;
                    handler = n->handler;
                }
                if (handler) {
                    try {
                        handler();
                    } catch (...) {
                    }
                }
                return G_SOURCE_REMOVE;
            },
            new std::shared_ptr<Notifier>(notifier),
            [](gpointer data) { delete static_cast<std::shared_ptr<Notifier>*>(data); });
        g_source_attach(source, nullptr);
        g_source_unref(source);
    }
};

// What one query read of a calendar: the events of a window and every
// repeating one, and which change of the calendar it saw last.
struct Items {
    std::int64_t fromUnix = 0;
    std::int64_t toUnix = 0;
    std::uint64_t generation = 0;
    std::vector<IcsFile> files;
};

// One calendar's connection. Its fields are guarded by Core::mutex; its
// GObjects are made and their signals handled on the loop's thread.
struct Client {
    enum class Stage { connecting, ready, failed };

    Client(std::string id, Ref<ESource> from)
        : uid(std::move(id)), source(std::move(from)), cancellable(g_cancellable_new()) {}

    std::string uid;
    Ref<ESource> source;
    Ref<GCancellable> cancellable;
    Stage stage = Stage::connecting;
    Clock::time_point startedAt = Clock::now();
    Clock::time_point failedAt;
    Ref<ECalClient> client;
    Ref<ECalClientView> view;
    std::vector<gulong> viewHandlers;
    gulong diedHandler = 0;
    bool watched = false;          // a running view tells of its changes
    bool skipped = false;          // a query left it out while it connected
    std::uint64_t generation = 0;  // changes the view has told of
    std::shared_ptr<const Items> items;
    std::map<std::string, std::optional<std::string>> zones;  // VTIMEZONEs by TZID
};

struct Enabled {
    Ref<ESource> source;
    std::string uid;
    EventCalendar calendar;
};

// What the loop's callbacks and the queries share. Callbacks hold it
// weakly, so none outlives the source.
struct Core {
    std::shared_ptr<Notifier> notifier = std::make_shared<Notifier>();
    Ref<ESourceRegistry> registry;  // set once, before the source is handed out

    std::mutex mutex;
    std::condition_variable settled;  // a client finished connecting
    std::map<std::string, std::shared_ptr<Client>> clients;
    std::vector<EventCalendar> offered;  // what calendars() said last

    std::vector<Enabled> enabled() const {
        std::vector<Enabled> out;
        GList* list = e_source_registry_list_enabled(registry.get(), E_SOURCE_EXTENSION_CALENDAR);
        for (GList* l = list; l != nullptr; l = l->next) {
            auto* source = static_cast<ESource*>(l->data);
            Enabled e{shared(source), e_source_get_uid(source), {}};
            e.calendar.id = "eds:" + e.uid;
            e.calendar.title = owned(e_source_dup_display_name(source));
            auto* selectable =
                E_SOURCE_SELECTABLE(e_source_get_extension(source, E_SOURCE_EXTENSION_CALENDAR));
            e.calendar.color = edsColor(owned(e_source_selectable_dup_color(selectable)))
                                   .value_or(std::string(kDefaultCalendarColor));
            const std::string parent = owned(e_source_dup_parent(source));
            if (!parent.empty()) {
                Ref<ESource> account(e_source_registry_ref_source(registry.get(), parent.c_str()));
                if (account) {
                    e.calendar.accountTitle = owned(e_source_dup_display_name(account.get()));
                }
            }
            if (e.calendar.accountTitle.empty()) {
                e.calendar.accountTitle = kOnThisComputer;
            }
            out.push_back(std::move(e));
        }
        g_list_free_full(list, g_object_unref);
        std::sort(out.begin(), out.end(),
                  [](const Enabled& a, const Enabled& b) { return a.uid < b.uid; });
        return out;
    }

    static std::vector<EventCalendar> calendarsOf(const std::vector<Enabled>& enabled) {
        std::vector<EventCalendar> out;
        out.reserve(enabled.size());
        for (const auto& e : enabled) {
            out.push_back(e.calendar);
        }
        return out;
    }

    // Stops listening to a client; its objects go with the last reference.
    // A query waiting for it to connect stops waiting. Called with `mutex`
    // held.
    void release(Client& c) {
        if (c.stage == Client::Stage::connecting) {
            c.stage = Client::Stage::failed;
            c.failedAt = Clock::now();
            settled.notify_all();
        }
        g_cancellable_cancel(c.cancellable.get());
        for (const gulong handler : c.viewHandlers) {
            g_signal_handler_disconnect(c.view.get(), handler);
        }
        c.viewHandlers.clear();
        if (c.client && c.diedHandler != 0) {
            g_signal_handler_disconnect(c.client.get(), c.diedHandler);
            c.diedHandler = 0;
        }
        c.watched = false;
        c.items.reset();
    }
};

// What a callback needs to find its client again, if both still exist.
struct Link {
    std::weak_ptr<Core> core;
    std::weak_ptr<Client> client;

    // The client, locked in `lock`, when it is still the one for its calendar.
    std::pair<std::shared_ptr<Core>, std::shared_ptr<Client>> current(
        std::unique_lock<std::mutex>& lock) const {
        auto c = core.lock();
        auto cl = client.lock();
        if (!c || !cl) {
            return {};
        }
        lock = std::unique_lock(c->mutex);
        const auto it = c->clients.find(cl->uid);
        if (it == c->clients.end() || it->second != cl) {
            lock.unlock();
            return {};
        }
        return {std::move(c), std::move(cl)};
    }
};

void freeLink(gpointer link, GClosure*) {
    delete static_cast<Link*>(link);
}

// --- Registry ---------------------------------------------------------------------

void sourcesChanged(ESourceRegistry*, ESource*, gpointer data) {
    auto core = static_cast<std::weak_ptr<Core>*>(data)->lock();
    if (!core) {
        return;
    }
    const auto enabled = core->enabled();
    auto calendars = Core::calendarsOf(enabled);
    bool differs = false;
    {
        std::lock_guard lock(core->mutex);
        for (auto it = core->clients.begin(); it != core->clients.end();) {
            const bool kept = std::any_of(enabled.begin(), enabled.end(),
                                          [&](const Enabled& e) { return e.uid == it->first; });
            if (kept) {
                ++it;
                continue;
            }
            core->release(*it->second);
            it = core->clients.erase(it);
        }
        differs = calendars != core->offered;
        core->offered = std::move(calendars);
    }
    if (differs) {
        Notifier::request(core->notifier);
    }
}

void watchRegistry(const std::shared_ptr<Core>& core) {
    for (const char* signal : {"source-added", "source-removed", "source-enabled",
                               "source-disabled", "source-changed"}) {
        g_signal_connect_data(
            core->registry.get(), signal, G_CALLBACK(sourcesChanged), new std::weak_ptr<Core>(core),
            [](gpointer data, GClosure*) { delete static_cast<std::weak_ptr<Core>*>(data); },
            GConnectFlags(0));
    }
}

// Opening: the session bus, EDS's registry service activated, the registry
// read, each step cancelled once the caller stops waiting.
struct Attempt {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<bool> result;
};

struct Opening {
    std::weak_ptr<Core> core;
    std::shared_ptr<Attempt> attempt;
    Ref<GCancellable> cancellable;
    Clock::time_point deadline;

    static void finish(Opening* opening, bool ok) {
        {
            std::lock_guard lock(opening->attempt->mutex);
            opening->attempt->result = ok;
        }
        opening->attempt->done.notify_all();
        delete opening;
    }

    static void registryMade(GObject*, GAsyncResult* result, gpointer data) {
        auto* opening = static_cast<Opening*>(data);
        GError* raw = nullptr;
        Ref<ESourceRegistry> registry(e_source_registry_new_finish(result, &raw));
        const Error error(raw);
        auto core = opening->core.lock();
        if (!registry || !core || g_cancellable_is_cancelled(opening->cancellable.get())) {
            finish(opening, false);
            return;
        }
        core->registry = std::move(registry);
        watchRegistry(core);
        auto calendars = Core::calendarsOf(core->enabled());
        {
            std::lock_guard lock(core->mutex);
            core->offered = std::move(calendars);
        }
        finish(opening, true);
    }

    static void serviceStarted(GObject* bus, GAsyncResult* result, gpointer data) {
        auto* opening = static_cast<Opening*>(data);
        GError* raw = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &raw);
        const Error error(raw);
        if (reply == nullptr) {
            finish(opening, false);
            return;
        }
        g_variant_unref(reply);
        e_source_registry_new(opening->cancellable.get(), &Opening::registryMade, opening);
    }

    static void busFound(GObject*, GAsyncResult* result, gpointer data) {
        auto* opening = static_cast<Opening*>(data);
        GError* raw = nullptr;
        Ref<GDBusConnection> bus(g_bus_get_finish(result, &raw));
        const Error error(raw);
        const auto left =
            std::chrono::duration_cast<milliseconds>(opening->deadline - Clock::now()).count();
        if (!bus || left <= 0) {
            finish(opening, false);
            return;
        }
        // Asked for by name, so a missing or broken EDS answers at once
        // rather than leaving a registry that never fills.
        g_dbus_connection_call(
            bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "StartServiceByName", g_variant_new("(su)", kSourcesService, 0u), G_VARIANT_TYPE("(u)"),
            G_DBUS_CALL_FLAGS_NONE, static_cast<gint>(std::min<long long>(left, G_MAXINT)),
            opening->cancellable.get(), &Opening::serviceStarted, opening);
    }
};

// --- Clients ----------------------------------------------------------------------

void eventsChanged(gpointer, gpointer, gpointer data) {
    std::unique_lock<std::mutex> lock;
    auto [core, client] = static_cast<Link*>(data)->current(lock);
    if (!client) {
        return;
    }
    ++client->generation;
    client->items.reset();
    lock.unlock();
    Notifier::request(core->notifier);
}

void backendDied(EClient*, gpointer data) {
    std::unique_lock<std::mutex> lock;
    auto [core, client] = static_cast<Link*>(data)->current(lock);
    if (!client) {
        return;
    }
    core->release(*client);
    core->clients.erase(client->uid);
    lock.unlock();
    Notifier::request(core->notifier);
}

// The client is ready (with or without a view); a query that gave up on it
// learns through the change handler.
void settle(const std::shared_ptr<Core>& core, Client& client, Client::Stage stage,
            std::unique_lock<std::mutex>& lock) {
    client.stage = stage;
    if (stage == Client::Stage::failed) {
        client.failedAt = Clock::now();
    }
    const bool tell = client.skipped && stage == Client::Stage::ready;
    client.skipped = false;
    lock.unlock();
    core->settled.notify_all();
    if (tell) {
        Notifier::request(core->notifier);
    }
}

void viewMade(GObject* object, GAsyncResult* result, gpointer data) {
    const std::unique_ptr<Link> link(static_cast<Link*>(data));
    ECalClientView* raw = nullptr;
    GError* rawError = nullptr;
    e_cal_client_get_view_finish(E_CAL_CLIENT(object), result, &raw, &rawError);
    Ref<ECalClientView> view(raw);
    const Error error(rawError);
    std::vector<gulong> handlers;
    bool watched = false;
    if (view) {
        auto core = link->core.lock();
        auto client = link->client.lock();
        if (!core || !client) {
            return;
        }
        // Only changes from now on, and only their UIDs: what is there is
        // read by the queries. These calls wait on the backend, so no lock
        // is held.
        e_cal_client_view_set_flags(view.get(), E_CAL_CLIENT_VIEW_FLAGS_NONE, nullptr);
        GSList fields{const_cast<char*>("UID"), nullptr};
        e_cal_client_view_set_fields_of_interest(view.get(), &fields, nullptr);
        for (const char* signal : {"objects-added", "objects-modified", "objects-removed"}) {
            handlers.push_back(g_signal_connect_data(view.get(), signal, G_CALLBACK(eventsChanged),
                                                     new Link{core, client}, freeLink,
                                                     GConnectFlags(0)));
        }
        // Signals come from the thread-default context of the thread that
        // starts the view: the loop's.
        GError* startError = nullptr;
        e_cal_client_view_start(view.get(), &startError);
        watched = startError == nullptr;
        if (startError != nullptr) {
            g_error_free(startError);
        }
    }
    std::unique_lock<std::mutex> lock;
    auto [core, client] = link->current(lock);
    if (!client || client->stage != Client::Stage::connecting) {
        for (const gulong handler : handlers) {
            g_signal_handler_disconnect(view.get(), handler);
        }
        return;
    }
    client->view = std::move(view);
    client->viewHandlers = std::move(handlers);
    client->watched = watched;
    settle(core, *client, Client::Stage::ready, lock);
}

void clientConnected(GObject*, GAsyncResult* result, gpointer data) {
    std::unique_ptr<Link> link(static_cast<Link*>(data));
    GError* rawError = nullptr;
    Ref<ECalClient> connected(E_CAL_CLIENT(e_cal_client_connect_finish(result, &rawError)));
    const Error error(rawError);
    std::unique_lock<std::mutex> lock;
    auto [core, client] = link->current(lock);
    if (!client || client->stage != Client::Stage::connecting) {
        return;
    }
    if (!connected) {
        settle(core, *client, Client::Stage::failed, lock);
        return;
    }
    client->client = std::move(connected);
    client->diedHandler =
        g_signal_connect_data(client->client.get(), "backend-died", G_CALLBACK(backendDied),
                              new Link{core, client}, freeLink, GConnectFlags(0));
    e_cal_client_get_view(client->client.get(), "#t", client->cancellable.get(), &viewMade,
                          link.release());
}

// On the loop's thread, so the client and its view belong to the loop.
void startConnect(const std::shared_ptr<Core>& core, const std::shared_ptr<Client>& client) {
    e_cal_client_connect(client->source.get(), E_CAL_CLIENT_SOURCE_TYPE_EVENTS,
                         static_cast<guint32>(-1), client->cancellable.get(), &clientConnected,
                         new Link{core, client});
}

}  // namespace

// --- EdsSource ----------------------------------------------------------------------

struct EdsSource::State {
    std::shared_ptr<Core> core = std::make_shared<Core>();
    Loop loop;
    std::mutex queryMutex;  // one query at a time

    ~State() {
        // Callbacks still queued on the loop find the core gone; the GObjects
        // are let go on the loop's thread, where their signals arrive.
        loop.post([core = std::move(core)]() mutable {
            {
                std::lock_guard lock(core->mutex);
                for (auto& [uid, client] : core->clients) {
                    core->release(*client);
                }
                core->clients.clear();
            }
            if (core->registry) {
                g_signal_handlers_disconnect_matched(
                    core->registry.get(), G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                    reinterpret_cast<gpointer>(&sourcesChanged), nullptr);
            }
            core.reset();
        });
    }

    // The calendars' clients once connected. Waits, until `until` at most,
    // only for those that began connecting less than kEdsConnectWait ago, so
    // a calendar slow to connect holds up one query, not every one.
    std::vector<std::shared_ptr<Client>> ready(const std::vector<Enabled>& enabled,
                                               Clock::time_point until) {
        std::unique_lock lock(core->mutex);
        const auto now = Clock::now();
        auto waitUntil = now;
        std::vector<std::shared_ptr<Client>> wanted;
        for (const auto& e : enabled) {
            auto& slot = core->clients[e.uid];
            if (slot && slot->stage == Client::Stage::connecting &&
                now - slot->startedAt >= kGiveUpConnecting) {
                core->release(*slot);
            }
            if (slot && slot->stage == Client::Stage::failed &&
                now - slot->failedAt >= kRetryAfter) {
                core->release(*slot);
                slot.reset();
            }
            if (!slot) {
                slot = std::make_shared<Client>(e.uid, shared(e.source.get()));
                loop.post([weak = std::weak_ptr(core), client = slot] {
                    if (auto c = weak.lock()) {
                        startConnect(c, client);
                    }
                });
            }
            if (slot->stage == Client::Stage::connecting) {
                waitUntil = std::max(waitUntil, slot->startedAt + kEdsConnectWait);
            }
            wanted.push_back(slot);
        }
        core->settled.wait_until(lock, std::min(until, waitUntil), [&] {
            return std::none_of(wanted.begin(), wanted.end(), [](const auto& c) {
                return c->stage == Client::Stage::connecting;
            });
        });
        std::vector<std::shared_ptr<Client>> out;
        for (auto& c : wanted) {
            if (c->stage == Client::Stage::ready) {
                out.push_back(std::move(c));
            } else if (c->stage == Client::Stage::connecting) {
                c->skipped = true;
            }
        }
        return out;
    }

    // What the calendar holds for [from, to): kept items while they cover
    // the window and nothing changed since, else read now.
    std::shared_ptr<const Items> items(Client& c, std::int64_t from, std::int64_t to,
                                       Clock::time_point deadline) {
        Ref<ECalClient> client;
        std::uint64_t generation = 0;
        {
            std::lock_guard lock(core->mutex);
            if (c.items && c.items->generation == c.generation && c.items->fromUnix <= from &&
                c.items->toUnix >= to) {
                return c.items;
            }
            client = shared(c.client.get());
            generation = c.generation;
        }
        if (!client) {
            return nullptr;
        }
        const std::int64_t readTo = std::min(to + kReadAhead, kEdsLastUnixSecond);
        Ref<GCancellable> cancellable(g_cancellable_new());
        const CancelAt timer(loop, cancellable.get(), deadline);
        GSList* list = nullptr;
        GError* rawError = nullptr;
        e_cal_client_get_object_list_sync(client.get(), edsQuery(from, readTo).c_str(), &list,
                                          cancellable.get(), &rawError);
        const Error error(rawError);
        const std::unique_ptr<GSList, void (*)(GSList*)> components(
            list, [](GSList* l) { g_slist_free_full(l, g_object_unref); });
        if (error) {
            if (!cancelled(error.get())) {
                forget(c);
            }
            return nullptr;
        }
        std::vector<icalcomponent*> natives;
        for (GSList* l = list; l != nullptr && natives.size() < kEdsMaxComponents; l = l->next) {
            natives.push_back(
                static_cast<icalcomponent*>(i_cal_object_get_native(I_CAL_OBJECT(l->data))));
        }
        const auto zones = zoneTexts(c, client.get(), natives, cancellable.get());
        auto read = std::make_shared<Items>();
        read->fromUnix = from;
        read->toUnix = readTo;
        read->generation = generation;
        read->files = edsFiles(natives, [&](const std::string& tzid) -> std::optional<std::string> {
            const auto it = zones.find(tzid);
            return it != zones.end() ? it->second : std::nullopt;
        });
        std::lock_guard lock(core->mutex);
        // Kept only when a view will say when it is stale.
        if (c.watched) {
            c.items = read;
        }
        return read;
    }

    // The calendar's definitions of the zones its events name that are not
    // known by name, asked of EDS once per calendar.
    std::map<std::string, std::optional<std::string>> zoneTexts(
        Client& c, ECalClient* client, const std::vector<icalcomponent*>& natives,
        GCancellable* cancellable) {
        std::map<std::string, std::optional<std::string>> out;
        for (const std::string& tzid : edsZoneIds(natives)) {
            if (edsZoneKnown(tzid)) {
                continue;
            }
            {
                std::lock_guard lock(core->mutex);
                if (const auto it = c.zones.find(tzid); it != c.zones.end()) {
                    out.emplace(tzid, it->second);
                    continue;
                }
            }
            std::optional<std::string> text;
            ICalTimezone* zone = nullptr;
            if (e_cal_client_get_timezone_sync(client, tzid.c_str(), &zone, cancellable, nullptr) &&
                zone != nullptr) {
                auto* native =
                    static_cast<icaltimezone*>(i_cal_object_get_native(I_CAL_OBJECT(zone)));
                if (icalcomponent* definition = icaltimezone_get_component(native)) {
                    if (char* t = icalcomponent_as_ical_string_r(definition)) {
                        text = t;
                        icalmemory_free_buffer(t);
                    }
                }
            }
            out.emplace(tzid, text);
            std::lock_guard lock(core->mutex);
            if (c.zones.size() < kMaxZonesPerCalendar) {
                c.zones.emplace(tzid, std::move(text));
            }
        }
        return out;
    }

    // A client whose reads fail is connected again by the next query.
    void forget(Client& c) {
        std::lock_guard lock(core->mutex);
        const auto it = core->clients.find(c.uid);
        if (it != core->clients.end() && it->second.get() == &c) {
            core->release(c);
            core->clients.erase(it);
        }
    }
};

EdsSource::EdsSource(std::shared_ptr<State> state) : state_(std::move(state)) {}

EdsSource::~EdsSource() {
    std::lock_guard lock(state_->core->notifier->mutex);
    state_->core->notifier->handler = nullptr;
}

std::unique_ptr<EdsSource> EdsSource::connect(std::chrono::milliseconds timeout) {
    try {
        if (!sessionBusLikely() || timeout.count() <= 0) {
            return nullptr;
        }
        auto state = std::make_shared<State>();
        auto attempt = std::make_shared<Attempt>();
        Ref<GCancellable> cancellable(g_cancellable_new());
        const auto deadline = Clock::now() + timeout;
        // std::function wants a copyable task, so the reference travels raw.
        state->loop.post([core = std::weak_ptr(state->core), attempt,
                          c = g_object_ref(cancellable.get()), deadline] {
            auto* opening = new Opening{core, attempt, Ref<GCancellable>(c), deadline};
            g_bus_get(G_BUS_TYPE_SESSION, opening->cancellable.get(), &Opening::busFound, opening);
        });
        std::unique_lock lock(attempt->mutex);
        attempt->done.wait_until(lock, deadline, [&] { return attempt->result.has_value(); });
        const bool ok = attempt->result.value_or(false);
        lock.unlock();
        if (!ok) {
            g_cancellable_cancel(cancellable.get());
            return nullptr;
        }
        return std::unique_ptr<EdsSource>(new EdsSource(std::move(state)));
    } catch (...) {
        return nullptr;
    }
}

std::vector<EventCalendar> EdsSource::calendars() {
    try {
        const auto enabled = state_->core->enabled();
        // Connecting is what tells whether a calendar answers; one that is
        // already connected costs nothing here.
        const auto ready = state_->ready(enabled, Clock::now() + kEdsConnectWait);
        auto calendars = Core::calendarsOf(enabled);
        for (std::size_t i = 0; i < calendars.size(); ++i) {
            calendars[i].responding =
                std::any_of(ready.begin(), ready.end(),
                            [&](const auto& client) { return client->uid == enabled[i].uid; });
        }
        return calendars;
    } catch (...) {
        return {};
    }
}

std::vector<CalendarEvent> EdsSource::events(Instant start, Instant end, const Calendar& calendar,
                                             std::size_t limit) {
    std::vector<CalendarEvent> out;
    if (!(start <= end) || limit == 0) {
        return out;
    }
    try {
        std::lock_guard query(state_->queryMutex);
        const auto now = Clock::now();
        const auto deadline = now + kEdsQueryTime;
        const auto enabled = state_->core->enabled();
        const auto clients = state_->ready(enabled, std::min(deadline, now + kEdsConnectWait));
        // The backend reads floating and all-day times as UTC.
        const std::int64_t from = std::max<std::int64_t>(0, unixSecondsOf(start) - kZoneSlack);
        const std::int64_t to = std::min(unixSecondsOf(end) + 1 + kZoneSlack, kEdsLastUnixSecond);
        ExpansionBudget budget(ExpansionBudget::kQueryTime, ExpansionBudget::kEventTime, limit);
        std::vector<IcsOccurrence> found;
        for (const auto& client : clients) {
            const auto e = std::find_if(enabled.begin(), enabled.end(),
                                        [&](const Enabled& x) { return x.uid == client->uid; });
            const auto items =
                state_->items(*client, from, to, std::min(deadline, Clock::now() + kEdsReadWait));
            if (!items || e == enabled.end()) {
                continue;
            }
            const std::string prefix = "eds:" + client->uid + "/";
            for (const IcsFile& file : items->files) {
                if (out.size() >= limit) {
                    return out;
                }
                found.clear();
                file.occurrences(start, end, calendar, budget, found);
                for (const IcsOccurrence& o : found) {
                    if (out.size() >= limit) {
                        break;
                    }
                    out.push_back(
                        {prefix + *o.uid, *o.title, o.start, o.end, o.allDay, e->calendar});
                }
            }
        }
        return out;
    } catch (...) {
        return out;
    }
}

void EdsSource::setChangeHandler(std::function<void()> handler) {
    std::lock_guard lock(state_->core->notifier->mutex);
    state_->core->notifier->handler = std::move(handler);
}

}  // namespace solvane::platform
