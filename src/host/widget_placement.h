// Where widgets go on the screens: a saved position that the screens no longer
// show is brought back onto the nearest one, and a new widget goes to a free
// place rather than on top of another widget or the Solvane window.
//
// Pure geometry in the desktop's global coordinates; nothing here is stored.
//
//   clampOntoScreens({5000, 40, 170, 170}, {{0, 0, 1920, 1080}})  // {1750, 40}
//   freePlace({170, 170}, {0, 0, 1920, 1080}, {{1734, 16, 170, 170}})
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace solvane::host {

// Room left between widgets, and between a widget and a screen's edge.
inline constexpr int kWidgetGap = 16;

// The top-left at which `widget` shows. Unchanged while enough of it (a
// corner's worth) lies on some screen; otherwise moved wholly inside the
// screen nearest to it. No screens: unchanged.
QPoint clampOntoScreens(const QRect& widget, const std::vector<QRect>& screens);

// A top-left on `screen` for a widget of `size` that overlaps none of
// `occupied`, kWidgetGap apart: down the right-hand side first, column by
// column towards the left. When nothing is free, a place a little down and
// to the left of the last one of `occupied`, still on the screen.
QPoint freePlace(QSize size, const QRect& screen, const std::vector<QRect>& occupied);

}  // namespace solvane::host
