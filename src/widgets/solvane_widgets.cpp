#include "widgets/solvane_widgets.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <utility>

#include "host/reload_client.h"
#include "platform/calendar/calendar_database.h"
#include "platform/calendar/subscriptions.h"
#include "platform/system_clock.h"
#include "platform/system_zone.h"
#include "platform/weather_services.h"
#include "widgets/catalogue.h"
#include "widgets/widget_description.h"
#include "widgets/widget_views.h"

namespace solvane::widgets {

namespace {
constexpr int kCalendarQuietMs = 500;
}  // namespace

namespace {

// A calendar changed in EDS while the host runs: the host is asked to reload,
// as the app asks it after a save, so the feed sync runs now rather than at
// the next scheduled reload. Bursts wait out a quiet interval first.
void followCalendarChanges() {
    if (QCoreApplication::instance() == nullptr) {
        return;  // a one-off render: nothing runs long enough to care
    }
    auto* quiet = new QTimer(QCoreApplication::instance());
    quiet->setSingleShot(true);
    quiet->setInterval(kCalendarQuietMs);
    QObject::connect(quiet, &QTimer::timeout, [] { host::requestWidgetReload(); });
    platform::CalendarDatabase::shared().setChangeHandler([timer = QPointer<QTimer>(quiet)] {
        if (timer) {
            timer->start();
        }
    });
}

// Subscribed calendars are fetched on a worker thread, at most once per
// refresh interval each (SubscriptionStore keeps the times), so a timeline
// never waits on a slow server; a fetch that brings something new asks for
// a reload, which shows it.
void refreshSubscriptions() {
    static std::atomic<bool> running{false};
    if (running.exchange(true)) {
        return;
    }
    const bool started = QThreadPool::globalInstance()->tryStart([] {
        bool updated = false;
        for (const auto& refreshed : platform::SubscriptionStore::standard().refresh(false)) {
            updated = updated || refreshed.outcome == platform::RefreshOutcome::updated;
        }
        running = false;
        if (updated) {
            host::requestWidgetReload();
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
    static std::once_flag following;
    std::call_once(following, followCalendarChanges);
    // The host runs for weeks: every timeline reads the system zone afresh,
    // so one built after the computer changed zones has the new zone's days.
    auto calendar = platform::followedSystemCalendar();
    auto weather = platform::standardWeatherServices(calendar);
    return {SharedStore::standard(), std::move(clock),  std::move(calendar),
            std::move(weather),      std::move(events), &refreshSubscriptions};
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

std::shared_ptr<const WidgetEntry> SolvaneWidgets::placeholder(std::string_view) const {
    try {
        return makePlaceholder(environment_);
    } catch (...) {
        return nullptr;
    }
}

std::shared_ptr<const WidgetEntry> SolvaneWidgets::snapshot(std::string_view kind,
                                                            const Configuration& configuration) {
    try {
        return makeEntry(environment_, selectionFor(kind, configuration),
                         selectedStyle(configuration));
    } catch (...) {
        return placeholder(kind);
    }
}

Timeline SolvaneWidgets::timeline(std::string_view kind, const Configuration& configuration) {
    try {
        return makeTimeline(environment_, selectionFor(kind, configuration),
                            selectedStyle(configuration));
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
