// The context menu a desktop-layer widget shows: its items, where each row
// lies, which row the keyboard moves to, and how it looks.
//
// Kept free of any Wayland object so the geometry that pointer hits are
// resolved against is the same one that is painted, and so it can be checked
// without a compositor.
//
//   const MenuLayout layout = layoutMenu(items, QFontMetrics(font));
//   const int row = layout.rowAt(pointerInPopup);          // -1 between rows
//   const int next = nextSelectable(items, hover, +1);     // Down arrow
//   const QImage picture = paintMenu(items, layout, hover, palette, font, 2.0);
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>
#include <vector>

namespace solvane::platform {

struct LayerMenuItem {
    QString text;
    bool separator = false;
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
};

namespace menu {

inline constexpr int kRowHeight = 28;
inline constexpr int kSeparatorHeight = 9;
// Space above the first and below the last row, inside the rounded panel.
inline constexpr int kPanelPadding = 4;
// Room on the left for the check mark, so checkable and plain items line up.
inline constexpr int kTextLeft = 28;
inline constexpr int kTextRight = 16;
inline constexpr int kMinWidth = 140;
inline constexpr int kMaxWidth = 480;

struct MenuLayout {
    QSize size;               // logical pixels
    std::vector<QRect> rows;  // one per item, separators included

    // The item whose row holds `point` (popup-local, logical), or -1.
    int rowAt(QPointF point) const;
};

MenuLayout layoutMenu(const std::vector<LayerMenuItem>& items, const QFontMetrics& metrics);

// Whether the pointer or the keyboard may pick the item.
bool isSelectable(const std::vector<LayerMenuItem>& items, int index);

// The selectable item after (step +1) or before (step -1) `from`, wrapping
// around; from -1 it starts at the first or the last. -1 when none is.
int nextSelectable(const std::vector<LayerMenuItem>& items, int from, int step);

// The panel at `scale` device pixels per logical pixel, premultiplied ARGB
// with a device pixel ratio of `scale`; `hover` is highlighted when
// selectable.
QImage paintMenu(const std::vector<LayerMenuItem>& items, const MenuLayout& layout, int hover,
                 const QPalette& palette, const QFont& font, int scale);

}  // namespace menu
}  // namespace solvane::platform
