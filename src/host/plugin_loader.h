// Finding and opening the widget plug-in, and calling it so that a failing
// call never takes the host down.
#pragma once

#include <QSizeF>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/widget_plugin.h"

namespace solvane::host {

// $SOLVANE_WIDGETS_PLUGIN alone when set; otherwise
// <exeDir>/../lib/solvane/plugins/ then the install prefix's
// lib/solvane/plugins/.
std::vector<std::string> pluginCandidates(const std::string& executableDir);

struct PluginLoad {
    std::unique_ptr<widgets::WidgetPlugin> plugin;
    std::string path;
    std::string error;  // one line, set when plugin is null
};

// The library stays loaded for the life of the process: objects it created
// (entries held by windows, Qt statics) may outlive the plug-in object.
PluginLoad loadPlugin(const std::string& path);
PluginLoad loadFirstPlugin(const std::vector<std::string>& candidates);

inline constexpr double kWidgetCornerRadius = 22.0;

// Every call caught; a failure is an empty answer the caller can recognise.
class GuardedPlugin {
  public:
    explicit GuardedPlugin(widgets::WidgetPlugin& plugin) : plugin_(plugin) {}

    std::vector<widgets::WidgetKindSpec> kinds() const;
    std::vector<widgets::Entity> suggestedEntities() const;
    std::vector<widgets::Entity> entitiesForIdentifiers(const std::vector<std::string>& ids) const;
    std::shared_ptr<const widgets::WidgetEntry> placeholder(std::string_view kind) const;
    std::shared_ptr<const widgets::WidgetEntry> snapshot(
        std::string_view kind, const widgets::Configuration& configuration) const;
    // nullopt on an exception or a timeline without entries; null entries dropped,
    // the rest put in date order.
    std::optional<widgets::Timeline> timeline(std::string_view kind,
                                              const widgets::Configuration& configuration) const;
    bool paint(QPainter& painter, const QRectF& rect, std::string_view kind,
               widgets::WidgetFamily family, widgets::RenderingMode mode, ColorScheme scheme,
               const QColor& accent, const widgets::WidgetEntry& entry) const;
    // nullopt when the plug-in failed.
    std::optional<std::string> describe(std::string_view kind, widgets::WidgetFamily family,
                                        const widgets::WidgetEntry& entry) const;

  private:
    widgets::WidgetPlugin& plugin_;
};

const widgets::WidgetKindSpec* findKind(const std::vector<widgets::WidgetKindSpec>& kinds,
                                        std::string_view kind);

}  // namespace solvane::host
