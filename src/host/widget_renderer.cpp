#include "host/widget_renderer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace solvane::host {

QImage renderWidget(const GuardedPlugin& plugin, std::string_view kind,
                    const widgets::WidgetEntry& entry, const RenderSettings& settings) {
    const QSizeF points = widgets::familySize(settings.family);
    // Whole device pixels, as the window that shows it has: at 1.25 a
    // 170-point widget is 213 pixels, not 212.5, and the card fills every
    // one of them rather than leaving a half-covered seam along two edges.
    const QSize pixels(
        std::max(1, static_cast<int>(std::lround(points.width() * settings.scale))),
        std::max(1, static_cast<int>(std::lround(points.height() * settings.scale))));
    QColor tint = settings.accent;
    if (!tint.isValid()) {
        tint = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                   ? QGuiApplication::palette().color(QPalette::Highlight)
                   : QColor(0x30, 0x8c, 0xc6);
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    bool painted = false;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(pixels.width() / points.width(), pixels.height() / points.height());
        const QRectF rect(QPointF(0, 0), points);
        // The window is translucent: whatever the plug-in paints outside the
        // rounded card would show as square corners on the desktop.
        QPainterPath card;
        card.addRoundedRect(rect, kWidgetCornerRadius, kWidgetCornerRadius);
        painter.setClipPath(card);
        painted = plugin.paint(painter, rect, kind, settings.family, settings.mode, settings.scheme,
                               tint, entry);
    }
    if (!painted) {
        return {};
    }
    return image;
}

}  // namespace solvane::host
