// Where widgets show on the screens. A widget's stored place is the user's
// and is only ever changed by a drag; what the screens can show decides where
// it appears. A widget whose stored place lies wholly inside the free area of
// a screen (the screen less its panels and docks) shows there; any other is
// shown wholly inside the free area of its screen, at the nearest spot that
// overlaps no other widget. New widgets go to a free spot clear of the other
// widgets and of the windows they must not hide behind.
//
// Pure geometry in the desktop's global coordinates; nothing here is stored.
//
//   placeWidgets({{1180, 40, 724, 360}}, {{{0, 0, 1280, 720}, {0, 0, 1280, 690}}})
//     // {{556, 40}}: pulled left until all of it shows
//   freePlace({170, 170}, {0, 0, 1920, 1080}, {{1734, 16, 170, 170}}, {})
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace solvane::host {

// Room left between widgets, and between a new widget and a screen's edge.
inline constexpr int kWidgetGap = 16;

struct ScreenArea {
    QRect geometry;  // the whole screen
    QRect free;      // what panels and docks leave of it; empty: all of it
    bool operator==(const ScreenArea&) const = default;
};

// The top-left at which each of `stored` (widgets in the order they were
// placed) shows on `screens`. Widgets whose stored place fits a screen's free
// area stay there and are never moved for another; the others, in order, go
// to the nearest spot inside the free area of the screen they are mostly on
// (or the nearest screen) that keeps kWidgetGap from every widget already
// shown. Where no such spot exists, the one overlapping least. A widget
// larger than the free area shows its top-left corner. No screens: every
// widget at its stored place.
std::vector<QPoint> placeWidgets(const std::vector<QRect>& stored,
                                 const std::vector<ScreenArea>& screens);

// A top-left inside `area` for a new widget of `size`: down the right-hand
// side first, column by column towards the left, kWidgetGap clear of the
// widgets `shown` and of the `windows`. When the windows leave no room, clear
// of the widgets alone (behind a window, which can be moved); when nothing is
// free, the spot overlapping the widgets least.
QPoint freePlace(QSize size, const QRect& area, const std::vector<QRect>& shown,
                 const std::vector<QRect>& windows);

}  // namespace solvane::host
