#include "host/widget_renderer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <cmath>

namespace solvane::host {

QImage renderWidget(const GuardedPlugin& plugin, std::string_view kind,
                    const widgets::WidgetEntry& entry, const RenderSettings& settings) {
    const QSizeF points = widgets::familySize(settings.family);
    const QSize pixels(static_cast<int>(std::ceil(points.width() * settings.scale)),
                       static_cast<int>(std::ceil(points.height() * settings.scale)));
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
        painter.scale(settings.scale, settings.scale);
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
