#include "widgets/widget_views.h"

#include <QPainter>

#include "board/layout.h"
#include "widgets/styled.h"
#include "widgets/widget_kinds.h"

namespace solvane::widgets {
namespace {

const Calendar& calendarOf(const ViewContext& context) {
    if (context.calendar != nullptr) {
        return *context.calendar;
    }
    static const Calendar fallback = Calendar::current();
    return fallback;
}

}  // namespace

void paintWidget(QPainter& painter, const QRectF& rect, std::string_view kind,
                 const BoardEntry& entry, const ViewContext& context) {
    if (!isDrawable(rect) || rect.isEmpty()) {
        return;
    }
    const WidgetKind* found = findWidgetKind(kind);
    const double margin = found != nullptr ? found->contentMargin : 0;
    const QRectF content = rect.adjusted(margin, margin, -margin, -margin);
    const Styled styled{entry.style(), &entry.data().sky, entry.date(),
                        context.mode,  context.scheme,    context.accent};
    painter.save();
    // The glows' gradients reach far past the widget; nothing may land outside it.
    painter.setClipRect(rect, Qt::IntersectClip);
    styled.paint(painter, rect, content, context.icons,
                 [&](QPainter& p, const QRectF& r, const PaintContext& ctx) {
                     if (found != nullptr) {
                         found->paint(p, r, entry, context, calendarOf(context), ctx);
                     }
                 });
    painter.restore();
}

}  // namespace solvane::widgets
