#include "widgets/widget_views.h"

#include <QPainter>

#include "board/board_view.h"
#include "board/layout.h"
#include "widgets/countdown_views.h"
#include "widgets/forecast_views.h"
#include "widgets/sky_views.h"
#include "widgets/styled.h"

namespace solvane::widgets {
namespace {

// The host's margins around a widget's content; the full board keeps the
// padding it was laid out for.
constexpr double kContentMargin = 16;

const Calendar& calendarOf(const ViewContext& context) {
    if (context.calendar != nullptr) {
        return *context.calendar;
    }
    static const Calendar fallback = Calendar::current();
    return fallback;
}

void paintContent(QPainter& painter, const QRectF& content, std::string_view kind,
                  const BoardEntry& entry, const ViewContext& context, const PaintContext& ctx) {
    const BoardData& data = entry.data();
    const Calendar& calendar = calendarOf(context);
    if (kind == "Solvane") {
        SolvaneView{}.paint(painter, content, data, ctx, calendar);
    } else if (kind == "Sky") {
        SkyView{data, calendar}.paint(painter, content, ctx);
    } else if (kind == "Countdowns") {
        CountdownsFamilyView{data, context.family}.paint(painter, content, ctx);
    } else if (kind == "Moon") {
        MoonSmallView{data, calendar}.paint(painter, content, ctx);
    } else if (kind == "Forecast") {
        ForecastView{data, calendar, context.family, entry.showsDays()}.paint(painter, content,
                                                                              ctx);
    }
}

}  // namespace

void paintWidget(QPainter& painter, const QRectF& rect, std::string_view kind,
                 const BoardEntry& entry, const ViewContext& context) {
    if (!isDrawable(rect) || rect.isEmpty()) {
        return;
    }
    const double margin = kind == "Solvane" ? SolvaneView::kWidgetPadding : kContentMargin;
    const QRectF content = rect.adjusted(margin, margin, -margin, -margin);
    const Styled styled{entry.style(), &entry.data().sky, entry.date(),
                        context.mode,  context.scheme,    context.accent};
    painter.save();
    // The glows' gradients reach far past the widget; nothing may land outside it.
    painter.setClipRect(rect, Qt::IntersectClip);
    styled.paint(painter, rect, content, context.icons,
                 [&](QPainter& p, const QRectF& r, const PaintContext& ctx) {
                     paintContent(p, r, kind, entry, context, ctx);
                 });
    painter.restore();
}

}  // namespace solvane::widgets
