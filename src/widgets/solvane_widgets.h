// SolvaneWidgets: the plug-in object the host talks to — the catalogue, the
// countdown query, the providers and the views behind one interface.
//
// No call lets an exception out: a request that fails answers with the
// placeholder, an empty list or an empty timeline, and a paint that fails
// leaves the rectangle as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/custom_icons.h"
#include "widgets/entities.h"
#include "widgets/providers.h"
#include "widgets/widget_plugin.h"

namespace solvane::platform {
class CalendarWatcher;
}

namespace solvane::widgets {

class SolvaneWidgets : public WidgetPlugin {
  public:
    explicit SolvaneWidgets(WidgetEnvironment environment);
    ~SolvaneWidgets() override;

    void setHostNotices(HostNotices notices) override;
    std::vector<WidgetKindSpec> kinds() const override;
    std::vector<Entity> suggestedEntities() const override;
    std::vector<Entity> entitiesForIdentifiers(const std::vector<std::string>& ids) const override;
    std::shared_ptr<const WidgetEntry> placeholder(std::string_view kind) const override;
    std::shared_ptr<const WidgetEntry> snapshot(std::string_view kind,
                                                const Configuration& configuration) override;
    Timeline timeline(std::string_view kind, const Configuration& configuration) override;
    void paint(QPainter& painter, const QRectF& rect, std::string_view kind, WidgetFamily family,
               RenderingMode mode, ColorScheme scheme, const QColor& accent,
               const WidgetEntry& entry) const override;
    std::string describe(std::string_view kind, WidgetFamily family,
                         const WidgetEntry& entry) const override;

  private:
    WidgetEnvironment environment_;
    CountdownQuery query_;
    IconStore icons_;
    std::unique_ptr<platform::CalendarWatcher> watcher_;
};

std::unique_ptr<WidgetPlugin> makeSolvaneWidgets(WidgetEnvironment environment);

}  // namespace solvane::widgets
