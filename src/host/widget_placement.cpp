#include "host/widget_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace solvane::host {

namespace {

// A widget with at least this much of itself on a screen can still be
// grabbed and dragged back by the user; less is as good as lost.
constexpr int kGrabbable = 48;
// Candidate places are tried this far apart: fine enough to fit widgets
// snugly, coarse enough to stay cheap on a large desktop.
constexpr int kSearchStep = 8;
// Each further widget of a full screen sits this much further down and left.
constexpr int kCascade = 24;

double distanceToRect(QPointF p, const QRect& r) {
    const double dx = std::max({double(r.left()) - p.x(), 0.0, p.x() - double(r.right())});
    const double dy = std::max({double(r.top()) - p.y(), 0.0, p.y() - double(r.bottom())});
    return std::hypot(dx, dy);
}

int clampAxis(int value, int low, int high) {
    return high < low ? low : std::clamp(value, low, high);
}

QPoint insideOf(const QRect& screen, const QRect& widget) {
    return {clampAxis(widget.x(), screen.left(), screen.right() + 1 - widget.width()),
            clampAxis(widget.y(), screen.top(), screen.bottom() + 1 - widget.height())};
}

}  // namespace

QPoint clampOntoScreens(const QRect& widget, const std::vector<QRect>& screens) {
    if (screens.empty()) {
        return widget.topLeft();
    }
    const int needW = std::min(kGrabbable, widget.width());
    const int needH = std::min(kGrabbable, widget.height());
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(widget);
        if (shown.width() >= needW && shown.height() >= needH) {
            return widget.topLeft();
        }
    }
    const QPointF centre = QRectF(widget).center();
    const QRect* nearest = &screens.front();
    double best = std::numeric_limits<double>::infinity();
    for (const QRect& screen : screens) {
        const double d = distanceToRect(centre, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    return insideOf(*nearest, widget);
}

QPoint freePlace(QSize size, const QRect& screen, const std::vector<QRect>& occupied) {
    const QRect area = screen.adjusted(kWidgetGap, kWidgetGap, -kWidgetGap, -kWidgetGap);
    const auto isFree = [&](const QRect& candidate) {
        const QRect withGap = candidate.adjusted(-kWidgetGap, -kWidgetGap, kWidgetGap, kWidgetGap);
        return std::none_of(occupied.begin(), occupied.end(),
                            [&](const QRect& o) { return o.intersects(withGap); });
    };
    const int firstX = area.right() + 1 - size.width();
    const int lastY = area.bottom() + 1 - size.height();
    for (int x = firstX; x >= area.left(); x -= kSearchStep) {
        for (int y = area.top(); y <= lastY; y += kSearchStep) {
            const QRect candidate(QPoint(x, y), size);
            if (isFree(candidate)) {
                return candidate.topLeft();
            }
        }
    }
    const QPoint from = occupied.empty() ? QPoint(firstX, area.top()) : occupied.back().topLeft();
    return insideOf(area, QRect(from + QPoint(-kCascade, kCascade), size));
}

}  // namespace solvane::host
