#include "host/widget_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace solvane::host {

namespace {

// Candidate places for a new widget are tried this far apart: fine enough to
// fit widgets snugly, coarse enough to stay cheap on a large desktop.
constexpr int kSearchStep = 8;

QRect freeAreaOf(const ScreenArea& screen) {
    const QRect free = screen.free.intersected(screen.geometry);
    return free.isEmpty() ? screen.geometry : free;
}

double distanceToRect(QPointF p, const QRect& r) {
    const double dx = std::max({double(r.left()) - p.x(), 0.0, p.x() - double(r.right())});
    const double dy = std::max({double(r.top()) - p.y(), 0.0, p.y() - double(r.bottom())});
    return std::hypot(dx, dy);
}

// The screen a widget belongs to: the one showing most of it, else the one
// nearest to its centre.
const ScreenArea& homeScreen(const QRect& widget, const std::vector<ScreenArea>& screens) {
    const ScreenArea* home = nullptr;
    std::int64_t most = 0;
    for (const ScreenArea& screen : screens) {
        const QRect shown = screen.geometry.intersected(widget);
        const std::int64_t area = std::int64_t(shown.width()) * shown.height();
        if (!shown.isEmpty() && area > most) {
            most = area;
            home = &screen;
        }
    }
    if (home != nullptr) {
        return *home;
    }
    const QPointF centre = QRectF(widget).center();
    double best = std::numeric_limits<double>::infinity();
    home = &screens.front();
    for (const ScreenArea& screen : screens) {
        const double d = distanceToRect(centre, screen.geometry);
        if (d < best) {
            best = d;
            home = &screen;
        }
    }
    return *home;
}

std::int64_t overlapWith(const QRect& candidate, const std::vector<QRect>& others) {
    std::int64_t total = 0;
    for (const QRect& other : others) {
        const QRect both =
            candidate.intersected(other.adjusted(-kWidgetGap, -kWidgetGap, kWidgetGap, kWidgetGap));
        total += std::int64_t(both.width()) * both.height();
    }
    return total;
}

// The spot inside `area` nearest to `target` that keeps kWidgetGap from
// every one of `others`, or the one overlapping them least. The nearest free
// spot lies either at the target or against an edge of the area or of a
// gap-widened neighbour, so those lines are the only candidates needed.
QPoint nearestSpot(QSize size, const QRect& area, QPoint target, const std::vector<QRect>& others) {
    const int minX = area.left();
    const int maxX = std::max(minX, area.right() + 1 - size.width());
    const int minY = area.top();
    const int maxY = std::max(minY, area.bottom() + 1 - size.height());
    std::vector<int> xs = {target.x(), minX, maxX};
    std::vector<int> ys = {target.y(), minY, maxY};
    for (const QRect& other : others) {
        xs.push_back(other.left() - kWidgetGap - size.width());
        xs.push_back(other.right() + 1 + kWidgetGap);
        ys.push_back(other.top() - kWidgetGap - size.height());
        ys.push_back(other.bottom() + 1 + kWidgetGap);
    }
    const auto settle = [](std::vector<int>& values, int low, int high) {
        for (int& v : values) {
            v = std::clamp(v, low, high);
        }
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
    };
    settle(xs, minX, maxX);
    settle(ys, minY, maxY);
    QPoint best(std::clamp(target.x(), minX, maxX), std::clamp(target.y(), minY, maxY));
    std::int64_t bestOverlap = std::numeric_limits<std::int64_t>::max();
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (const int x : xs) {
        for (const int y : ys) {
            const std::int64_t overlap = overlapWith(QRect(QPoint(x, y), size), others);
            const std::int64_t dx = x - target.x();
            const std::int64_t dy = y - target.y();
            const std::int64_t distance = dx * dx + dy * dy;
            if (overlap < bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
                best = QPoint(x, y);
                bestOverlap = overlap;
                bestDistance = distance;
            }
        }
    }
    return best;
}

std::optional<QPoint> firstClear(QSize size, const QRect& area, const std::vector<QRect>& others) {
    const QRect inner = area.adjusted(kWidgetGap, kWidgetGap, -kWidgetGap, -kWidgetGap);
    const int firstX = inner.right() + 1 - size.width();
    const int lastY = inner.bottom() + 1 - size.height();
    for (int x = firstX; x >= inner.left(); x -= kSearchStep) {
        for (int y = inner.top(); y <= lastY; y += kSearchStep) {
            const QRect candidate(QPoint(x, y), size);
            if (overlapWith(candidate, others) == 0) {
                return candidate.topLeft();
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<QPoint> placeWidgets(const std::vector<QRect>& stored,
                                 const std::vector<ScreenArea>& screens) {
    std::vector<QPoint> shownAt;
    shownAt.reserve(stored.size());
    for (const QRect& widget : stored) {
        shownAt.push_back(widget.topLeft());
    }
    if (screens.empty()) {
        return shownAt;
    }
    std::vector<bool> fits(stored.size());
    std::vector<QRect> shown;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        fits[i] = std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& screen) {
            return freeAreaOf(screen).contains(stored[i]);
        });
        if (fits[i]) {
            shown.push_back(stored[i]);
        }
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (fits[i]) {
            continue;
        }
        const QRect area = freeAreaOf(homeScreen(stored[i], screens));
        shownAt[i] = nearestSpot(stored[i].size(), area, stored[i].topLeft(), shown);
        shown.emplace_back(shownAt[i], stored[i].size());
    }
    return shownAt;
}

QPoint freePlace(QSize size, const QRect& area, const std::vector<QRect>& shown,
                 const std::vector<QRect>& windows) {
    std::vector<QRect> everything = shown;
    everything.insert(everything.end(), windows.begin(), windows.end());
    if (const auto clear = firstClear(size, area, everything)) {
        return *clear;
    }
    if (const auto clear = firstClear(size, area, shown)) {
        return *clear;
    }
    const QPoint topRight(area.right() + 1 - kWidgetGap - size.width(), area.top() + kWidgetGap);
    return nearestSpot(size, area, topRight, shown);
}

}  // namespace solvane::host
