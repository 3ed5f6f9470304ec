// The widgets the user placed on the desktop and the host's own setting, kept
// in one JSON file of the host's.
//
//   auto loaded = loadPlacedWidgets(defaultPlacedWidgetsPath());
//   loaded.placed.widgets.push_back({newWidgetId(), "Moon", WidgetFamily::small, {}, {40, 40}});
//   savePlacedWidgets(path, loaded.placed);
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "widgets/widget_plugin.h"

namespace solvane::host {

struct PlacedWidget {
    std::string id;  // stable across runs
    std::string kind;
    widgets::WidgetFamily family = widgets::WidgetFamily::small;
    widgets::Configuration configuration;
    QPoint position;

    bool operator==(const PlacedWidget&) const = default;
};

struct PlacedWidgets {
    std::vector<PlacedWidget> widgets;
    bool accentedColours = false;

    bool operator==(const PlacedWidgets&) const = default;
};

enum class LoadStatus { missing, loaded, corrupt };

struct PlacedWidgetsLoad {
    PlacedWidgets placed;
    LoadStatus status = LoadStatus::missing;
};

QByteArray encodePlacedWidgets(const PlacedWidgets& placed);
// Anything but the exact shape written by encodePlacedWidgets gives nullopt:
// half-reading a damaged file could silently drop a user's configuration.
std::optional<PlacedWidgets> decodePlacedWidgets(const QByteArray& bytes);

// A corrupt file gives an empty set and is moved to `<path>.bad` so the next
// save cannot overwrite what the user may want to recover.
PlacedWidgetsLoad loadPlacedWidgets(const QString& path);
// Written to a temporary file and renamed over the old one.
bool savePlacedWidgets(const QString& path, const PlacedWidgets& placed);

// $XDG_CONFIG_HOME/solvane/widgets.json (~/.config when unset).
QString defaultPlacedWidgetsPath();
std::string newWidgetId();

}  // namespace solvane::host
