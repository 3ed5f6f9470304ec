#include "platform/wayland/layer_menu.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace solvane::platform::menu {

int MenuLayout::rowAt(QPointF point) const {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // QRect::contains is inclusive of the last pixel on both edges, so
        // compare half-open to give a point on a border to one row only.
        const QRect& r = rows[i];
        if (point.x() >= r.left() && point.x() < r.left() + r.width() && point.y() >= r.top() &&
            point.y() < r.top() + r.height()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

MenuLayout layoutMenu(const std::vector<LayerMenuItem>& items, const QFontMetrics& metrics) {
    int textWidth = 0;
    for (const LayerMenuItem& item : items) {
        if (!item.separator) {
            textWidth = std::max(textWidth, metrics.horizontalAdvance(item.text));
        }
    }
    const int width = std::clamp(kTextLeft + textWidth + kTextRight, kMinWidth, kMaxWidth);
    MenuLayout layout;
    int y = kPanelPadding;
    for (const LayerMenuItem& item : items) {
        const int height = item.separator ? kSeparatorHeight : kRowHeight;
        layout.rows.emplace_back(0, y, width, height);
        y += height;
    }
    layout.size = QSize(width, y + kPanelPadding);
    return layout;
}

bool isSelectable(const std::vector<LayerMenuItem>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) &&
           !items[static_cast<std::size_t>(index)].separator &&
           items[static_cast<std::size_t>(index)].enabled;
}

int nextSelectable(const std::vector<LayerMenuItem>& items, int from, int step) {
    const int count = static_cast<int>(items.size());
    if (count == 0 || (step != 1 && step != -1)) {
        return -1;
    }
    int index = from;
    if (index < 0 || index >= count) {
        index = step > 0 ? -1 : count;
    }
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (isSelectable(items, index)) {
            return index;
        }
    }
    return -1;
}

QImage paintMenu(const std::vector<LayerMenuItem>& items, const MenuLayout& layout, int hover,
                 const QPalette& palette, const QFont& font, int scale) {
    scale = std::max(scale, 1);
    QImage image(layout.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    if (layout.size.isEmpty()) {
        return image;
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);

    const QRectF panel = QRectF(QPointF(0, 0), QSizeF(layout.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(panel, 6, 6);
    painter.fillPath(outline, palette.color(QPalette::Active, QPalette::Window));
    painter.setPen(QPen(palette.color(QPalette::Active, QPalette::Mid), 1));
    painter.drawPath(outline);
    painter.setClipPath(outline);

    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor disabled = palette.color(QPalette::Disabled, QPalette::WindowText);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor highlightedText = palette.color(QPalette::Active, QPalette::HighlightedText);

    for (std::size_t i = 0; i < items.size() && i < layout.rows.size(); ++i) {
        const LayerMenuItem& item = items[i];
        const QRect row = layout.rows[i];
        if (item.separator) {
            QColor line = text;
            line.setAlphaF(0.15f);
            painter.setPen(QPen(line, 1));
            const qreal y = row.center().y() + 0.5;
            painter.drawLine(QPointF(row.left() + 8, y), QPointF(row.right() - 8, y));
            continue;
        }
        const bool hovered = static_cast<int>(i) == hover && item.enabled;
        if (hovered) {
            QPainterPath band;
            band.addRoundedRect(QRectF(row).adjusted(4, 1, -4, -1), 4, 4);
            painter.fillPath(band, highlight);
        }
        const QColor ink = !item.enabled ? disabled : hovered ? highlightedText : text;
        if (item.checkable && item.checked) {
            // Drawn rather than taken from a font, which may lack the glyph.
            QPen pen(ink, 1.8);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.setPen(pen);
            const QPointF c(row.left() + kTextLeft / 2.0, row.center().y() + 0.5);
            const QPointF mark[] = {c + QPointF(-4.5, 0.5), c + QPointF(-1.5, 3.5),
                                    c + QPointF(4.5, -3.5)};
            painter.drawPolyline(mark, 3);
        }
        painter.setPen(ink);
        const QRect textRect = row.adjusted(kTextLeft, 0, -kTextRight, 0);
        painter.drawText(
            textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(item.text, Qt::ElideRight, textRect.width()));
    }
    painter.end();
    return image;
}

}  // namespace solvane::platform::menu
