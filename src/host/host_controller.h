// The host without its windows: the placed widgets, their timelines and the
// entry each shows now. The desktop windows and the headless service both sit
// on top of it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/placed_widgets.h"
#include "host/plugin_loader.h"
#include "host/timeline_scheduler.h"

namespace solvane::host {

class HostController : public QObject {
    Q_OBJECT

  public:
    HostController(widgets::WidgetPlugin& plugin, QString storePath, const SchedulerClock& clock,
                   QObject* parent = nullptr);

    // Reads the placed widgets and asks for their first timelines.
    LoadStatus start();
    // Network-returned reloads, when the platform can tell.
    void watchNetwork();

    const GuardedPlugin& plugin() const { return plugin_; }
    const std::vector<widgets::WidgetKindSpec>& kinds() const { return kinds_; }
    const PlacedWidgets& placed() const { return placed_; }
    const PlacedWidget* widget(const std::string& id) const;
    // Kinds the plug-in no longer offers stay in the file but are not shown.
    bool isShown(const std::string& id) const { return live_.contains(id); }

    std::shared_ptr<const widgets::WidgetEntry> currentEntry(const std::string& id) const;
    // What a screen reader says for widget `id` now: absent without a current
    // entry, empty when the plug-in has nothing to say.
    std::optional<std::string> describe(const std::string& id) const;
    int timelineRequests() const { return timelineRequests_; }

    std::string addWidget(const std::string& kind, widgets::WidgetFamily family, QPoint position);
    void removeWidget(const std::string& id);
    void moveWidget(const std::string& id, QPoint position);
    void setConfiguration(const std::string& id, const widgets::Configuration& configuration);
    bool accentedColours() const { return placed_.accentedColours; }
    void setAccentedColours(bool accented);

  public slots:
    // The host's own reasons (the network came back): at most once a minute.
    void reloadAllTimelines();
    // Another program changed what the widgets show: within about a second.
    void reloadRequested();
    // The system time zone changed: every timeline is rebuilt at once, and
    // the next day boundary comes from the new entries.
    void zoneChanged();
    void tick();

  signals:
    void entryChanged(const QString& id);
    void widgetAdded(const QString& id);
    void widgetRemoved(const QString& id);
    void accentedColoursChanged(bool accented);
    void timelineRequested(const QString& id);

  private:
    struct Live {
        std::vector<std::shared_ptr<const widgets::WidgetEntry>> entries;
        std::shared_ptr<const widgets::WidgetEntry> fallback;  // before any timeline
        // Held so a freed entry's address can never pass for the one on screen.
        std::shared_ptr<const widgets::WidgetEntry> shown;
    };

    void show(const PlacedWidget& widget, bool fresh);
    void requestTimeline(const std::string& id);
    void publishChanges();
    void save();
    PlacedWidget* mutableWidget(const std::string& id);

    GuardedPlugin plugin_;
    std::vector<widgets::WidgetKindSpec> kinds_;
    QString storePath_;
    TimelineScheduler scheduler_;
    PlacedWidgets placed_;
    std::map<std::string, Live> live_;
    QTimer timer_;
    int timelineRequests_ = 0;
};

}  // namespace solvane::host
