#include "widgets/widget_kinds.h"

#include <QCoreApplication>

#include <algorithm>

#include "board/board_view.h"
#include "widgets/catalogue.h"
#include "widgets/countdown_views.h"
#include "widgets/forecast_views.h"
#include "widgets/sky_views.h"
#include "widgets/widget_description.h"

namespace solvane::widgets {
namespace {

// The host's margin around every face but the full board's.
constexpr double kContentMargin = 16;

std::shared_ptr<const BoardEntry> boardSnapshot(std::string_view kind,
                                                const WidgetEnvironment& environment,
                                                const Configuration& configuration) {
    return makeEntry(environment, selectionFor(kind, configuration), selectedStyle(configuration));
}

Timeline boardTimeline(std::string_view kind, const WidgetEnvironment& environment,
                       const Configuration& configuration) {
    return makeTimeline(environment, selectionFor(kind, configuration),
                        selectedStyle(configuration));
}

// The board's kinds differ only in their face and spoken text; their
// entries all come from the countdown board.
template <const std::string_view& Kind>
std::shared_ptr<const BoardEntry> snapshotOf(const WidgetEnvironment& environment,
                                             const Configuration& configuration) {
    return boardSnapshot(Kind, environment, configuration);
}

template <const std::string_view& Kind>
Timeline timelineOf(const WidgetEnvironment& environment, const Configuration& configuration) {
    return boardTimeline(Kind, environment, configuration);
}

const std::vector<WidgetKind>& table() {
    static const std::vector<WidgetKind> kinds{
        {kSolvaneKind,
         nullptr,
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Countdowns, weather, sun and moon at a glance."),
         {WidgetFamily::extraLarge},
         countdownsIntent,
         true,
         SolvaneView::kWidgetPadding,
         [](QPainter& painter, const QRectF& content, const BoardEntry& entry, const ViewContext&,
            const Calendar& calendar, const PaintContext& ctx) {
             SolvaneView{}.paint(painter, content, entry.data(), ctx, calendar);
         },
         describeBoardWidget,
         makePlaceholder,
         snapshotOf<kSolvaneKind>,
         timelineOf<kSolvaneKind>},
        {kSkyKind,
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Sky"),
         QT_TRANSLATE_NOOP("WidgetCatalogue",
                           "Weather, sunrise, sunset, golden hour and the moon."),
         {WidgetFamily::large},
         styleIntent,
         false,
         kContentMargin,
         [](QPainter& painter, const QRectF& content, const BoardEntry& entry, const ViewContext&,
            const Calendar& calendar, const PaintContext& ctx) {
             SkyView{entry.data(), calendar}.paint(painter, content, ctx);
         },
         describeSkyWidget,
         makePlaceholder,
         snapshotOf<kSkyKind>,
         timelineOf<kSkyKind>},
        {kCountdownsKind,
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Countdowns"),
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Count down to the days you care about."),
         {WidgetFamily::small, WidgetFamily::medium},
         countdownsIntent,
         true,
         kContentMargin,
         [](QPainter& painter, const QRectF& content, const BoardEntry& entry,
            const ViewContext& context, const Calendar&, const PaintContext& ctx) {
             CountdownsFamilyView{entry.data(), context.family}.paint(painter, content, ctx);
         },
         describeCountdownsWidget,
         makePlaceholder,
         snapshotOf<kCountdownsKind>,
         timelineOf<kCountdownsKind>},
        {kMoonKind,
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Moon"),
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Moon phase, moonrise and moonset."),
         {WidgetFamily::small},
         styleIntent,
         false,
         kContentMargin,
         [](QPainter& painter, const QRectF& content, const BoardEntry& entry, const ViewContext&,
            const Calendar& calendar, const PaintContext& ctx) {
             MoonSmallView{entry.data(), calendar}.paint(painter, content, ctx);
         },
         describeMoonWidget,
         makePlaceholder,
         snapshotOf<kMoonKind>,
         timelineOf<kMoonKind>},
        {kForecastKind,
         QT_TRANSLATE_NOOP("WidgetCatalogue", "Forecast"),
         QT_TRANSLATE_NOOP("WidgetCatalogue", "The next hours and the week ahead."),
         {WidgetFamily::medium, WidgetFamily::large},
         forecastIntent,
         false,
         kContentMargin,
         [](QPainter& painter, const QRectF& content, const BoardEntry& entry,
            const ViewContext& context, const Calendar& calendar, const PaintContext& ctx) {
             ForecastView{entry.data(), calendar, context.family, entry.showsDays()}.paint(
                 painter, content, ctx);
         },
         describeForecastWidget,
         [](const WidgetEnvironment& environment) { return makeForecastPlaceholder(environment); },
         // The gallery's picture: never a request for a widget not placed.
         [](const WidgetEnvironment& environment, const Configuration& configuration) {
             return makeForecastPlaceholder(environment, selectedStyle(configuration),
                                            forecastShowsDays(configuration));
         },
         [](const WidgetEnvironment& environment, const Configuration& configuration) {
             return makeForecastTimeline(environment, selectedStyle(configuration),
                                         forecastShowsDays(configuration));
         }},
    };
    return kinds;
}

}  // namespace

std::span<const WidgetKind> widgetKinds() {
    return table();
}

const WidgetKind* findWidgetKind(std::string_view name) {
    const auto& kinds = table();
    const auto found = std::find_if(kinds.begin(), kinds.end(),
                                    [&](const WidgetKind& kind) { return kind.name == name; });
    return found == kinds.end() ? nullptr : &*found;
}

QString kindTitle(const WidgetKind& kind) {
    return kind.title == nullptr ? QString::fromUtf8(kind.name.data(), kind.name.size())
                                 : QCoreApplication::translate("WidgetCatalogue", kind.title);
}

}  // namespace solvane::widgets
