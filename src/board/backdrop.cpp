#include "board/backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

#include "board/board_view.h"
#include "board/components.h"

namespace solvane {
namespace {

struct Blot {
    QColor color;
    double opacity;
    double diameter;
    double blur;
    QPointF offset;  // of the centre from the wallpaper's centre
};

const std::array<Blot, 3> kBlots{{
    {QColor(233, 244, 241), 0.55, 260, 50, {-220, -90}},
    {QColor(242, 196, 141), 0.45, 240, 60, {260, 110}},
    {QColor(10, 37, 48), 0.70, 300, 70, {80, -60}},
}};

QColor withAlpha(QColor c, double alpha) {
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

// A soft shadow without an image blur: nested copies of the shape, each a
// little larger and fainter, add up to a falloff close to a blur of `radius`.
void paintSoftShadow(QPainter& painter, const QRectF& card, double radius, QPointF offset,
                     double opacity) {
    constexpr int kSteps = 12;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = kSteps; i >= 1; --i) {
        const double grow = radius * (static_cast<double>(i) / kSteps - 0.5);
        const QRectF r = card.translated(offset).adjusted(-grow, -grow, grow, grow);
        painter.setBrush(withAlpha(Qt::black, opacity / kSteps * 1.6));
        painter.drawPath(continuousRoundedRect(r, kBoardCardRadius + grow));
    }
    painter.restore();
}

void paintInnerBorder(QPainter& painter, const QPainterPath& shape, const QBrush& brush) {
    QPainterPathStroker stroker;
    stroker.setWidth(2);
    painter.fillPath(stroker.createStroke(shape).intersected(shape), brush);
}

}  // namespace

ColorScheme previewScheme(WidgetStyle style) {
    return style == WidgetStyle::light ? ColorScheme::light : ColorScheme::dark;
}

QSizeF boardImageSize(WidgetStyle style) {
    const double margin = style == WidgetStyle::glass ? 2 * kGlassMargin : 0;
    return SolvaneView::kWidgetSize + QSizeF(margin, margin);
}

QRectF boardCardRect(WidgetStyle style, QPointF origin) {
    const double margin = style == WidgetStyle::glass ? kGlassMargin : 0;
    return QRectF(origin + QPointF(margin, margin), SolvaneView::kWidgetSize);
}

void paintPreviewWallpaper(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect, Qt::IntersectClip);
    QLinearGradient base(rect.topLeft(), rect.bottomRight());
    base.setColorAt(0, QColor(15, 59, 74));
    base.setColorAt(0.5, QColor(30, 106, 115));
    base.setColorAt(1, QColor(43, 140, 138));
    painter.fillRect(rect, base);
    painter.setPen(Qt::NoPen);
    for (const Blot& b : kBlots) {
        const QPointF centre = rect.center() + b.offset;
        const double outer = b.diameter / 2 + b.blur;
        QRadialGradient glow(centre, outer);
        const double solid = (b.diameter / 2 - b.blur) / outer;
        glow.setColorAt(0, withAlpha(b.color, b.opacity));
        glow.setColorAt(solid, withAlpha(b.color, b.opacity * 0.85));
        glow.setColorAt((solid + 1) / 2, withAlpha(b.color, b.opacity * 0.3));
        glow.setColorAt(1, withAlpha(b.color, 0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, outer, outer);
    }
    painter.restore();
}

void paintBoardCard(QPainter& painter, const QRectF& card, WidgetStyle style, ColorScheme scheme) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = continuousRoundedRect(card, kBoardCardRadius);
    switch (style) {
        case WidgetStyle::glass: {
            paintSoftShadow(painter, card, 18, {0, 8}, 0.25);
            const bool dark = scheme == ColorScheme::dark;
            painter.fillPath(shape, dark ? QColor(12, 18, 22, 112) : QColor(250, 252, 252, 150));
            painter.fillPath(shape, withAlpha(Qt::white, 0.04));
            QLinearGradient edge(card.topLeft(), card.bottomRight());
            edge.setColorAt(0, withAlpha(Qt::white, 0.55));
            edge.setColorAt(0.5, withAlpha(Qt::white, 0.08));
            edge.setColorAt(1, withAlpha(Qt::white, 0.25));
            paintInnerBorder(painter, shape, edge);
            break;
        }
        case WidgetStyle::dark:
            painter.fillPath(shape, QColor(22, 22, 24));
            break;
        case WidgetStyle::light:
            painter.fillPath(shape, QColor(243, 242, 238));
            paintInnerBorder(painter, shape, withAlpha(Qt::black, 0.08));
            break;
    }
    painter.restore();
}

void paintBoardPicture(QPainter& painter, QPointF origin, const BoardData& data,
                       const Calendar& calendar, WidgetStyle style, ColorScheme scheme,
                       const IconStore* icons, double wallpaperRadius) {
    painter.save();
    if (style == WidgetStyle::glass) {
        const QRectF wall(origin, boardImageSize(style));
        painter.save();
        if (wallpaperRadius > 0) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setClipPath(continuousRoundedRect(wall, wallpaperRadius), Qt::IntersectClip);
        }
        paintPreviewWallpaper(painter, wall);
        painter.restore();
    }
    const QRectF card = boardCardRect(style, origin);
    paintBoardCard(painter, card, style, scheme);
    const PaintContext ctx{Palette::forStyle(style), scheme, icons};
    const QRectF content =
        card.adjusted(SolvaneView::kWidgetPadding, SolvaneView::kWidgetPadding,
                      -SolvaneView::kWidgetPadding, -SolvaneView::kWidgetPadding);
    SolvaneView{}.paint(painter, content, data, ctx, calendar);
    painter.restore();
}

QImage renderBoardImage(const BoardData& data, const Calendar& calendar, WidgetStyle style,
                        ColorScheme scheme, double scale, const IconStore* icons) {
    const QSizeF logical = boardImageSize(style);
    QImage image((logical * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintBoardPicture(painter, QPointF(0, 0), data, calendar, style, scheme, icons, 0);
    painter.end();
    return image;
}

}  // namespace solvane
