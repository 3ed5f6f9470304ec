#include "board/sky_drawings.h"
#include "core/time/text_format.h"

#include <QCoreApplication>

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace solvane {

namespace {

constexpr int kArcSegments = 64;
constexpr int kMoonSteps = 48;
constexpr double kSunDiameter = 10.0;

double unitFraction(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::clamp(value, 0.0, 1.0);
}

// Also rejects boxes whose far edge or centre overflows, so no shape ever
// carries an infinity or NaN into the painter.
bool finiteBox(const QRectF& box) {
    const QPointF c = box.center();
    return std::isfinite(box.x()) && std::isfinite(box.y()) && std::isfinite(box.width()) &&
           std::isfinite(box.height()) && std::isfinite(box.right()) &&
           std::isfinite(box.bottom()) && std::isfinite(c.x()) && std::isfinite(c.y());
}

bool drawableBox(const QRectF& box) {
    return finiteBox(box) && box.width() > 0 && box.height() > 0;
}

QRectF centredSquare(const QRectF& box) {
    const double side = std::min(box.width(), box.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    return square;
}

QColor withOpacity(QColor color, double opacity) {
    color.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return color;
}

// One join style for every arc, so the elapsed and golden strokes sit flush on
// the dotted track beneath them.
QPen arcPen(const QColor& color, double width, Qt::PenCapStyle cap) {
    QPen pen(color, width, Qt::SolidLine, cap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    return pen;
}

}  // namespace

QPointF skyArcPoint(QRectF box, double fraction) {
    if (!finiteBox(box)) {
        return {};
    }
    const double rx = box.width() / 2 - 6;
    const double ry = box.height() - 8;
    const double baseline = box.bottom() - 2;
    const double theta = std::numbers::pi * unitFraction(fraction);
    return {box.center().x() - rx * std::cos(theta), baseline - ry * std::sin(theta)};
}

QPainterPath skyArcPath(QRectF box, double from, double to) {
    QPainterPath path;
    if (!finiteBox(box)) {
        return path;
    }
    const double a = unitFraction(from);
    const double b = unitFraction(to);
    path.moveTo(skyArcPoint(box, a));
    for (int i = 1; i <= kArcSegments; ++i) {
        path.lineTo(skyArcPoint(box, a + (b - a) * i / kArcSegments));
    }
    return path;
}

QPainterPath moonLitPath(QRectF box, double phase, double fraction) {
    QPainterPath path;
    if (!finiteBox(box)) {
        return path;
    }
    const double s = unitFraction(phase) < 0.5 ? 1.0 : -1.0;
    const double r = std::max(0.0, std::min(box.width(), box.height()) / 2);
    const double cx = box.center().x();
    const double cy = box.center().y();
    const double k = 1 - 2 * unitFraction(fraction);
    constexpr double pi = std::numbers::pi;

    path.moveTo(cx, cy - r);
    for (int i = 1; i <= kMoonSteps; ++i) {
        const double theta = -pi / 2 + pi * i / kMoonSteps;
        path.lineTo(cx + s * r * std::cos(theta), cy + r * std::sin(theta));
    }
    path.lineTo(cx, cy + r);
    for (int i = 1; i <= kMoonSteps; ++i) {
        const double theta = pi / 2 - pi * i / kMoonSteps;
        path.lineTo(cx + s * k * r * std::cos(theta), cy + r * std::sin(theta));
    }
    path.closeSubpath();
    return path;
}

void paintSunArc(QPainter& painter, QRectF box, const SkySnapshot& sky, const Palette& palette,
                 ColorScheme scheme) {
    if (!drawableBox(box)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The horizon is centred on the arc's baseline (maxY − 2) rather than half
    // a box height further down: there it meets both ends of the arc, as the
    // sun's path rises from and sets into it, and it stays inside the box.
    const double baseline = box.bottom() - 2;
    painter.fillRect(QRectF(box.left(), baseline - 0.5, box.width(), 1),
                     palette.line.resolve(scheme));

    QPen dotted = arcPen(withOpacity(palette.muted.resolve(scheme), 0.6), 1, Qt::FlatCap);
    dotted.setDashPattern({2, 3});
    painter.strokePath(skyArcPath(box, 0, 1), dotted);

    // Under the midnight sun the arc is the whole day, and the sun stands on
    // it by the time of day. A plain flag and value below rather than the
    // optional: GCC's -O2 flow analysis cannot see through it here and warns.
    const std::optional<double> sunAt = sky.sunProgress ? sky.sunProgress : sky.allDayProgress;
    const bool hasSun = sunAt.has_value();
    const double progress = hasSun ? unitFraction(*sunAt) : 0.0;
    if (hasSun) {
        painter.strokePath(skyArcPath(box, 0, progress),
                           arcPen(palette.fg.resolve(scheme), 1.5, Qt::FlatCap));
    }

    // The polar night has no golden hour: its arc stays a night arc.
    if (sky.allDaySun != AllDaySun::down) {
        painter.strokePath(skyArcPath(box, sky.goldenProgress, 1),
                           arcPen(palette.accent.resolve(scheme), 3, Qt::RoundCap));
    }

    if (hasSun) {
        QRectF sun(0, 0, kSunDiameter, kSunDiameter);
        sun.moveCenter(skyArcPoint(box, progress));
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.fg.resolve(scheme));
        painter.drawEllipse(sun);
    }
    painter.restore();
}

void paintMoonGlyph(QPainter& painter, QRectF box, const SkySnapshot& sky, const Palette& palette,
                    ColorScheme scheme) {
    if (!drawableBox(box)) {
        return;
    }
    const QRectF square = centredSquare(box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.disc.resolve(scheme));
    painter.drawEllipse(square);

    const PaletteColor& lit = palette.moonLit ? *palette.moonLit : palette.fg;
    painter.fillPath(moonLitPath(square, sky.moonPhase, sky.moonFraction), lit.resolve(scheme));

    // Inset by half the pen so the whole 1-point outline stays inside the box.
    // Muted rather than the rule colour, and opaque: a lit part or a disc
    // close to the card's own colour (the light style's full moon, a new moon
    // on glass) would otherwise leave the moon without an outline.
    QColor edge = palette.muted.resolve(scheme);
    edge.setAlpha(255);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, 1));
    painter.drawEllipse(square.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

int moonLitPercent(const SkySnapshot& sky) {
    return static_cast<int>(unitFraction(sky.moonFraction) * 100);
}

QString moonGlyphAccessibleText(const SkySnapshot& sky) {
    return QCoreApplication::translate("Board", "%1, %2 percent illuminated", "the moon's picture")
        .arg(QString::fromStdString(sky.localizedPhaseName()))
        .arg(QString::fromStdString(numberText(static_cast<double>(moonLitPercent(sky)))));
}

}  // namespace solvane
