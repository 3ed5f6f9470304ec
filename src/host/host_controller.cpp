#include "host/host_controller.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

#ifdef SOLVANE_HAVE_QT_NETWORK
#include <QNetworkInformation>
#endif

namespace solvane::host {

namespace {
// Even with nothing scheduled the clock is looked at this often, so a wake
// from sleep is noticed soon after it happens.
constexpr double kLongestSleep = 30.0;
}  // namespace

HostController::HostController(widgets::WidgetPlugin& plugin, QString storePath,
                               const SchedulerClock& clock, QObject* parent)
    : QObject(parent),
      plugin_(plugin),
      kinds_(plugin_.kinds()),
      storePath_(std::move(storePath)),
      scheduler_(clock) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HostController::tick);
}

LoadStatus HostController::start() {
    PlacedWidgetsLoad load = loadPlacedWidgets(storePath_);
    placed_ = std::move(load.placed);
    if (load.status == LoadStatus::corrupt) {
        qWarning().noquote() << "solvane-widgets:" << storePath_
                             << "was unreadable; starting with no widgets (kept as .bad)";
    }
    for (const PlacedWidget& w : placed_.widgets) {
        show(w, false);
    }
    scheduler_.checkClockJump();
    tick();
    return load.status;
}

void HostController::watchNetwork() {
#ifdef SOLVANE_HAVE_QT_NETWORK
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return;
    }
    auto* info = QNetworkInformation::instance();
    connect(info, &QNetworkInformation::reachabilityChanged, this,
            [this](QNetworkInformation::Reachability r) {
                if (r == QNetworkInformation::Reachability::Online) {
                    reloadAllTimelines();
                }
            });
#endif
}

const PlacedWidget* HostController::widget(const std::string& id) const {
    const auto it = std::find_if(placed_.widgets.begin(), placed_.widgets.end(),
                                 [&](const PlacedWidget& w) { return w.id == id; });
    return it == placed_.widgets.end() ? nullptr : &*it;
}

PlacedWidget* HostController::mutableWidget(const std::string& id) {
    return const_cast<PlacedWidget*>(widget(id));
}

void HostController::show(const PlacedWidget& widget, bool fresh) {
    const widgets::WidgetKindSpec* spec = findKind(kinds_, widget.kind);
    if (spec == nullptr || std::find(spec->families.begin(), spec->families.end(), widget.family) ==
                               spec->families.end()) {
        return;
    }
    Live& live = live_[widget.id];
    // A newly placed widget has to appear at once; the placeholder fetches nothing.
    live.fallback = fresh ? plugin_.snapshot(widget.kind, widget.configuration) : nullptr;
    if (!live.fallback) {
        live.fallback = plugin_.placeholder(widget.kind);
    }
    scheduler_.add(widget.id);
}

std::shared_ptr<const widgets::WidgetEntry> HostController::currentEntry(
    const std::string& id) const {
    const auto it = live_.find(id);
    if (it == live_.end()) {
        return nullptr;
    }
    const auto index = scheduler_.entryIndex(id);
    if (index && *index < it->second.entries.size()) {
        return it->second.entries[*index];
    }
    return it->second.fallback;
}

std::optional<std::string> HostController::describe(const std::string& id) const {
    const PlacedWidget* w = widget(id);
    const auto entry = currentEntry(id);
    if (w == nullptr || !entry) {
        return std::nullopt;
    }
    return plugin_.describe(w->kind, w->family, *entry).value_or(std::string());
}

void HostController::reloadAllTimelines() {
    scheduler_.reloadAll();
    tick();
}

void HostController::reloadRequested() {
    scheduler_.requestReloadAll();
    tick();
}

void HostController::zoneChanged() {
    scheduler_.reloadAllNow();
    tick();
}

void HostController::tick() {
    scheduler_.checkClockJump();
    for (const std::string& id : scheduler_.takeDueReloads()) {
        requestTimeline(id);
    }
    publishChanges();
    const double wait =
        std::min(scheduler_.secondsUntilNextEvent().value_or(kLongestSleep), kLongestSleep);
    // A little late rather than early: an entry is due when its date has passed.
    timer_.start(static_cast<int>(std::ceil(wait * 1000.0)) + 20);
}

void HostController::requestTimeline(const std::string& id) {
    const PlacedWidget* w = widget(id);
    auto live = live_.find(id);
    if (w == nullptr || live == live_.end()) {
        return;
    }
    ++timelineRequests_;
    emit timelineRequested(QString::fromStdString(id));
    auto timeline = plugin_.timeline(w->kind, w->configuration);
    if (!timeline) {
        scheduler_.timelineFailed(id);
        return;
    }
    std::vector<Instant> dates;
    dates.reserve(timeline->entries.size());
    for (const auto& entry : timeline->entries) {
        dates.push_back(entry->date());
    }
    live->second.entries = std::move(timeline->entries);
    scheduler_.timelineArrived(id, std::move(dates), timeline->reloadAfter);
}

void HostController::publishChanges() {
    for (auto& [id, live] : live_) {
        const auto entry = currentEntry(id);
        if (entry != live.shown) {
            live.shown = entry;
            emit entryChanged(QString::fromStdString(id));
        }
    }
}

std::string HostController::addWidget(const std::string& kind, widgets::WidgetFamily family,
                                      QPoint position) {
    PlacedWidget w;
    w.id = newWidgetId();
    w.kind = kind;
    w.family = family;
    w.position = position;
    if (const auto* spec = findKind(kinds_, kind)) {
        for (const auto& p : spec->intent.parameters) {
            if (p.kind == widgets::ParameterSpec::Kind::enumeration && p.defaultValue) {
                w.configuration.choices[p.name] = *p.defaultValue;
            }
        }
    }
    placed_.widgets.push_back(w);
    save();
    show(w, true);
    emit widgetAdded(QString::fromStdString(w.id));
    tick();
    return w.id;
}

void HostController::removeWidget(const std::string& id) {
    std::erase_if(placed_.widgets, [&](const PlacedWidget& w) { return w.id == id; });
    live_.erase(id);
    scheduler_.remove(id);
    save();
    emit widgetRemoved(QString::fromStdString(id));
}

void HostController::moveWidget(const std::string& id, QPoint position) {
    PlacedWidget* w = mutableWidget(id);
    if (w == nullptr || w->position == position) {
        return;
    }
    w->position = position;
    save();
}

void HostController::setConfiguration(const std::string& id,
                                      const widgets::Configuration& configuration) {
    PlacedWidget* w = mutableWidget(id);
    if (w == nullptr || w->configuration == configuration) {
        return;
    }
    w->configuration = configuration;
    save();
    if (auto live = live_.find(id); live != live_.end()) {
        live->second.entries.clear();
        if (auto entry = plugin_.snapshot(w->kind, configuration)) {
            live->second.fallback = std::move(entry);
        }
        scheduler_.restart(id);
    }
    tick();
}

void HostController::setAccentedColours(bool accented) {
    if (placed_.accentedColours == accented) {
        return;
    }
    placed_.accentedColours = accented;
    save();
    emit accentedColoursChanged(accented);
}

void HostController::save() {
    if (!savePlacedWidgets(storePath_, placed_)) {
        qWarning().noquote() << "solvane-widgets: cannot write" << storePath_;
    }
}

}  // namespace solvane::host
