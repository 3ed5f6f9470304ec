#include "widgets/solvane_widgets.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <cstdlib>
#include <utility>

#include "platform/calendar/calendar_database.h"
#include "platform/calendar/subscriptions.h"
#include "platform/qt/calendar_watcher.h"
#include "platform/system_clock.h"
#include "platform/system_zone.h"
#include "platform/weather_services.h"
#include "widgets/catalogue.h"
#include "widgets/widget_description.h"
#include "widgets/widget_kinds.h"
#include "widgets/widget_views.h"

namespace solvane::widgets {

namespace {

// Subscribed calendars are fetched on a worker thread, at most once per
// refresh interval each (SubscriptionStore keeps the times), so a timeline
// never waits on a slow server; a fetch that brings something new tells the
// host, on its own thread, which asks for timelines again and so shows it.
void refreshSubscriptions(const std::shared_ptr<HostNotices>& notices) {
    static std::atomic<bool> running{false};
    if (running.exchange(true)) {
        return;
    }
    const bool started = QThreadPool::globalInstance()->tryStart([notices] {
        bool updated = false;
        for (const auto& refreshed : platform::SubscriptionStore::standard().refresh(false)) {
            updated = updated || refreshed.outcome == platform::RefreshOutcome::updated;
        }
        running = false;
        if (updated && QCoreApplication::instance() != nullptr) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [notices] {
                    if (notices->reloadRequested) {
                        notices->reloadRequested();
                    }
                },
                Qt::QueuedConnection);
        }
    });
    if (!started) {
        running = false;
    }
}

}  // namespace

WidgetEnvironment WidgetEnvironment::standard() {
    // The database lives for the whole process; the environment only borrows it.
    std::shared_ptr<EventStore> events(std::shared_ptr<EventStore>{},
                                       &platform::CalendarDatabase::shared());
    // SOLVANE_NOW pins the clock to one moment, for renders of another time
    // (solvane-widgets --render --at); otherwise the wall clock.
    std::function<Instant()> clock = &platform::systemNow;
    if (const char* fixed = std::getenv("SOLVANE_NOW"); fixed != nullptr && *fixed != '\0') {
        if (const auto moment = parseIso8601(fixed)) {
            clock = [moment = *moment] { return moment; };
        }
    }
    // The host runs for weeks: every timeline reads the system zone afresh,
    // so one built after the computer changed zones has the new zone's days.
    auto calendar = platform::followedSystemCalendar();
    auto weather = platform::standardWeatherServices(calendar);
    auto forecast = platform::standardForecastServices(calendar);
    auto notices = std::make_shared<HostNotices>();
    return {SharedStore::standard(),
            std::move(clock),
            std::move(calendar),
            std::move(weather),
            std::move(events),
            [notices] { refreshSubscriptions(notices); },
            notices,
            [] { return platform::CalendarDatabase::shared().watchPaths(); },
            [](std::function<void()> handler) {
                platform::CalendarDatabase::shared().setChangeHandler(std::move(handler));
            },
            std::move(forecast)};
}

namespace {

std::vector<Entity> toEntities(const std::vector<CountdownEntity>& list) {
    std::vector<Entity> out;
    out.reserve(list.size());
    for (const CountdownEntity& e : list) {
        out.push_back(e.entity());
    }
    return out;
}

}  // namespace

SolvaneWidgets::SolvaneWidgets(WidgetEnvironment environment)
    : environment_(std::move(environment)),
      query_(environment_.store, environment_.calendar, environment_.clock),
      icons_(environment_.store) {}

SolvaneWidgets::~SolvaneWidgets() = default;

void SolvaneWidgets::setHostNotices(HostNotices notices) {
    try {
        *environment_.notices = std::move(notices);
        if (!environment_.background && QCoreApplication::instance() != nullptr) {
            // A host that keeps running never waits for the network: its
            // fetches run on a thread of their own, and a new record makes
            // the host ask for timelines again, on its own thread.
            environment_.background = std::make_shared<BackgroundFetch>(
                environment_.store, environment_.weather, environment_.forecast,
                [notices = environment_.notices] {
                    if (auto* app = QCoreApplication::instance()) {
                        QMetaObject::invokeMethod(
                            app,
                            [notices] {
                                if (notices->reloadRequested) {
                                    notices->reloadRequested();
                                }
                            },
                            Qt::QueuedConnection);
                    }
                });
        }
        if (watcher_ || !environment_.watchCalendars || QCoreApplication::instance() == nullptr) {
            return;
        }
        // The host follows the calendars itself, whether or not a window is
        // open: folders (an item written in place included) and EDS's own
        // change reports, a burst waiting out one quiet interval.
        watcher_ = std::make_unique<platform::CalendarWatcher>(environment_.watchCalendars);
        QObject::connect(watcher_.get(), &platform::CalendarWatcher::calendarStoreChanged,
                         [notices = environment_.notices] {
                             if (notices->reloadRequested) {
                                 notices->reloadRequested();
                             }
                         });
        if (environment_.onCalendarChange) {
            environment_.onCalendarChange(
                [watcher = QPointer<platform::CalendarWatcher>(watcher_.get())] {
                    if (watcher) {
                        watcher->poke();
                    }
                });
        }
    } catch (...) {
        // Without the watch the timelines still follow the calendars at
        // their scheduled reloads.
    }
}

std::vector<WidgetKindSpec> SolvaneWidgets::kinds() const {
    try {
        return widgetCatalogue();
    } catch (...) {
        return {};
    }
}

std::vector<Entity> SolvaneWidgets::suggestedEntities() const {
    try {
        return toEntities(query_.suggestedEntities());
    } catch (...) {
        return {};
    }
}

std::vector<Entity> SolvaneWidgets::entitiesForIdentifiers(
    const std::vector<std::string>& ids) const {
    try {
        std::vector<Uuid> parsed;
        parsed.reserve(ids.size());
        for (const std::string& text : ids) {
            if (auto id = Uuid::parse(text)) {
                parsed.push_back(*id);
            }
        }
        return toEntities(query_.entitiesForIdentifiers(parsed));
    } catch (...) {
        return {};
    }
}

std::shared_ptr<const WidgetEntry> SolvaneWidgets::placeholder(std::string_view kind) const {
    try {
        const WidgetKind* found = findWidgetKind(kind);
        return found != nullptr ? found->placeholder(environment_) : makePlaceholder(environment_);
    } catch (...) {
        return nullptr;
    }
}

std::shared_ptr<const WidgetEntry> SolvaneWidgets::snapshot(std::string_view kind,
                                                            const Configuration& configuration) {
    try {
        const WidgetKind* found = findWidgetKind(kind);
        if (found == nullptr) {
            return makeEntry(environment_, std::nullopt, selectedStyle(configuration));
        }
        return found->snapshot(environment_, configuration);
    } catch (...) {
        return placeholder(kind);
    }
}

Timeline SolvaneWidgets::timeline(std::string_view kind, const Configuration& configuration) {
    try {
        const WidgetKind* found = findWidgetKind(kind);
        if (found != nullptr) {
            return found->timeline(environment_, configuration);
        }
        return makeTimeline(environment_, std::nullopt, selectedStyle(configuration));
    } catch (...) {
        // No entries keeps the host on the last one it has; asking again soon
        // gives a passing fault a second chance.
        try {
            return {{}, environment_.clock() + kReloadWithoutWeatherSeconds};
        } catch (...) {
            return {};
        }
    }
}

void SolvaneWidgets::paint(QPainter& painter, const QRectF& rect, std::string_view kind,
                           WidgetFamily family, RenderingMode mode, ColorScheme scheme,
                           const QColor& accent, const WidgetEntry& entry) const {
    try {
        const auto* board = dynamic_cast<const BoardEntry*>(&entry);
        if (board == nullptr) {
            return;
        }
        const Calendar calendar = environment_.calendar();
        const ViewContext context{family, mode, scheme, &calendar, &icons_, accent};
        paintWidget(painter, rect, kind, *board, context);
    } catch (...) {
        // Whatever was drawn stays; the host shows the rest of its frame.
    }
}

std::string SolvaneWidgets::describe(std::string_view kind, WidgetFamily family,
                                     const WidgetEntry& entry) const {
    try {
        const auto* board = dynamic_cast<const BoardEntry*>(&entry);
        if (board == nullptr) {
            return {};
        }
        const Calendar calendar = environment_.calendar();
        return describeWidget(kind, family, *board, calendar);
    } catch (...) {
        return {};
    }
}

std::unique_ptr<WidgetPlugin> makeSolvaneWidgets(WidgetEnvironment environment) {
    return std::make_unique<SolvaneWidgets>(std::move(environment));
}

}  // namespace solvane::widgets
