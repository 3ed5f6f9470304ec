#include "widgets/styled.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

namespace solvane::widgets {
namespace {

// Half-widths in minutes after and before each glow's anchor, and the anchor's
// offset from its sun time in seconds.
struct GlowShape {
    double offset;
    double after;
    double before;
};
constexpr GlowShape kSunriseGlow{600, 70, 50};
constexpr GlowShape kSunsetGlow{-300, 35, 75};
constexpr GlowShape kDuskGlow{1320, 30, 20};

// Night starts well after sunset but ends while dawn is still dark, so the
// sunrise glow rises out of the night gradient.
constexpr double kNightEndsBeforeSunrise = 1800;
constexpr double kNightStartsAfterSunset = 2700;

double weightAt(const std::optional<Instant>& sunTime, Instant date, const GlowShape& glow) {
    if (!sunTime) {
        return 0;
    }
    return glowWeight((date - (*sunTime + glow.offset)) / 60.0, glow.after, glow.before);
}

QColor rgba(QRgb rgb, double opacity) {
    QColor c = QColor::fromRgb(rgb);
    c.setAlphaF(static_cast<float>(std::clamp(opacity, 0.0, 1.0)));
    return c;
}

// Stops evenly spaced, ending in the last colour made clear, so the fade
// keeps its hue instead of passing through grey.
template <typename Gradient>
void setFadingStops(Gradient& gradient, std::initializer_list<QColor> colors) {
    const int n = static_cast<int>(colors.size());
    int i = 0;
    QColor last;
    for (const QColor& c : colors) {
        gradient.setColorAt(static_cast<double>(i) / n, c);
        last = c;
        ++i;
    }
    last.setAlpha(0);
    gradient.setColorAt(1.0, last);
}

void fillRadial(QPainter& painter, const QRectF& rect, QPointF unitCentre, double radius,
                std::initializer_list<QColor> colors) {
    const QPointF centre(rect.left() + unitCentre.x() * rect.width(),
                         rect.top() + unitCentre.y() * rect.height());
    QRadialGradient gradient(centre, radius);
    setFadingStops(gradient, colors);
    painter.fillRect(rect, gradient);
}

}  // namespace

ColorScheme StyleScheme::apply(ColorScheme desktop) const {
    switch (style) {
        case WidgetStyle::dark:
            return ColorScheme::dark;
        case WidgetStyle::light:
            return ColorScheme::light;
        case WidgetStyle::glass:
            break;
    }
    return desktop;
}

double glowWeight(double minutes, double after, double before) {
    if (!std::isfinite(minutes) || !(after > 0) || !(before > 0)) {
        return 0;
    }
    const double u = minutes >= 0 ? minutes / after : minutes / -before;
    if (u >= 1) {
        return 0;
    }
    const double t = 1 - u;
    return t * t * (3 - 2 * t);
}

GlassLight TimeOfDayGlass::light() const {
    GlassLight out;
    if (sky == nullptr) {
        return out;
    }
    out.sunriseGlow = weightAt(sky->sunrise, date, kSunriseGlow);
    out.sunsetGlow = weightAt(sky->sunset, date, kSunsetGlow);
    out.duskGlow = weightAt(sky->sunset, date, kDuskGlow);
    out.night = sky->sunrise && sky->sunset &&
                (date < *sky->sunrise - kNightEndsBeforeSunrise ||
                 date > *sky->sunset + kNightStartsAfterSunset);
    return out;
}

void TimeOfDayGlass::paint(QPainter& painter, const QRectF& rect) const {
    if (!rect.isValid()) {
        return;
    }
    const GlassLight l = light();
    painter.save();
    painter.setPen(Qt::NoPen);

    QLinearGradient base(rect.topLeft(), rect.bottomLeft());
    base.setColorAt(0, l.night ? rgba(0x2A3546, 0.82) : rgba(0x3A4B5A, 0.78));
    base.setColorAt(1, l.night ? rgba(0x10161E, 0.9) : rgba(0x18212A, 0.86));
    painter.fillRect(rect, base);

    if (l.sunriseGlow > 0) {
        fillRadial(painter, rect, {0.12, 1.08}, 380,
                   {rgba(0xF7C08A, 0.45 * l.sunriseGlow), rgba(0xE89A8C, 0.22 * l.sunriseGlow)});
    }
    if (l.sunsetGlow > 0) {
        fillRadial(painter, rect, {0.88, 1.08}, 380,
                   {rgba(0xF6A15E, 0.5 * l.sunsetGlow), rgba(0xD9707A, 0.28 * l.sunsetGlow)});
    }
    if (l.duskGlow > 0) {
        fillRadial(painter, rect, {0.6, 1.12}, 420, {rgba(0x6E7FD0, 0.35 * l.duskGlow)});
    }
    fillRadial(painter, rect, {0, 0}, 320, {rgba(0xFFFFFF, 0.1)});

    QLinearGradient sheen(QPointF(rect.center().x(), rect.top()),
                          QPointF(rect.center().x(), rect.top() + 0.06 * rect.height()));
    setFadingStops(sheen, {rgba(0xFFFFFF, 0.18)});
    painter.fillRect(rect, sheen);
    painter.restore();
}

QColor tertiaryFill(ColorScheme scheme) {
    // The system's tertiary grey (0x767680 at 0.24 on dark, 0.12 on light)
    // over the scheme's surface, at the opacity of the glass sky.
    return scheme == ColorScheme::dark ? rgba(0x2F2F33, 0.88) : rgba(0xE6E6E9, 0.88);
}

bool Styled::glassFull() const {
    return style == WidgetStyle::glass && mode == RenderingMode::fullColor;
}

ColorScheme Styled::scheme() const {
    return glassFull() ? ColorScheme::dark : StyleScheme{style}.apply(desktop);
}

Palette Styled::contentPalette() const {
    return mode == RenderingMode::accented ? Palette::accented(scheme(), accent) : palette();
}

void Styled::paintBackground(QPainter& painter, const QRectF& rect) const {
    switch (style) {
        case WidgetStyle::glass:
            if (glassFull()) {
                TimeOfDayGlass{sky, date}.paint(painter, rect);
            } else {
                painter.fillRect(rect, tertiaryFill(scheme()));
            }
            return;
        case WidgetStyle::dark:
            painter.fillRect(rect, kDarkWidgetFill);
            return;
        case WidgetStyle::light:
            painter.fillRect(rect, kLightWidgetFill);
            return;
    }
}

void Styled::paint(
    QPainter& painter, const QRectF& rect, const QRectF& contentRect, const IconStore* icons,
    const std::function<void(QPainter&, const QRectF&, const PaintContext&)>& content) const {
    if (!rect.isValid()) {
        return;
    }
    painter.save();
    paintBackground(painter, rect);
    if (content) {
        const Palette colours = contentPalette();
        const PaintContext ctx{colours, scheme(), icons};
        content(painter, contentRect, ctx);
    }
    painter.restore();
}

}  // namespace solvane::widgets
