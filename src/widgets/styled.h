// The wrapper every widget face is drawn in: the style's palette and colour
// scheme for the content, and the background behind it — a sky gradient that
// follows the time of day for glass, or the style's solid fill.
//
//   const Styled styled{entry.style(), &entry.data().sky, entry.date(), mode, desktopScheme};
//   styled.paint(painter, rect, [&](QPainter& p, const PaintContext& ctx) { ... });
#pragma once

#include <QColor>
#include <QRectF>

#include <functional>

#include "board/components.h"
#include "board/palette.h"
#include "core/sky/sky_snapshot.h"
#include "core/store/widget_style.h"
#include "core/time/instant.h"
#include "widgets/widget_plugin.h"

class QPainter;

namespace solvane::widgets {

// The colour scheme a style draws its content in: glass follows the
// desktop's, dark and light force their own.
struct StyleScheme {
    WidgetStyle style = WidgetStyle::glass;

    ColorScheme apply(ColorScheme desktop) const;
};

// A smooth bump of height 1 at minute 0 of `minutes` (signed, from the anchor
// to the moment), falling to 0 at `after` minutes later and `before` minutes
// earlier, and 0 beyond either.
double glowWeight(double minutes, double after, double before);

// How the glass sky is lit at one moment.
struct GlassLight {
    double sunriseGlow = 0;
    double sunsetGlow = 0;
    double duskGlow = 0;
    bool night = false;

    bool operator==(const GlassLight&) const = default;
};

// The glass background: a day or night gradient with warm glows around
// sunrise and sunset, a blue one at dusk, and two white highlights at the top.
// Without sky times it is the day gradient with no glow.
struct TimeOfDayGlass {
    const SkySnapshot* sky = nullptr;  // none: no sun times
    Instant date{};

    GlassLight light() const;
    void paint(QPainter& painter, const QRectF& rect) const;
};

// The plain fill behind a glass widget in accented rendering: the tertiary
// neutral of `scheme`, laid over that scheme's surface because nothing blurs
// the desktop behind the widget, so the neutral text reads on any wallpaper.
QColor tertiaryFill(ColorScheme scheme);

inline const QColor kDarkWidgetFill{0x16, 0x16, 0x18};
inline const QColor kLightWidgetFill{0xF3, 0xF2, 0xEE};

struct Styled {
    WidgetStyle style = WidgetStyle::glass;
    const SkySnapshot* sky = nullptr;
    Instant date{};
    RenderingMode mode = RenderingMode::fullColor;
    ColorScheme desktop = ColorScheme::light;  // the scheme the host draws in
    QColor accent{};                           // accented rendering's tint

    // Glass in full colour: the only case drawn on the time-of-day sky, whose
    // dark tones need light text whatever the desktop's scheme.
    bool glassFull() const;
    ColorScheme scheme() const;
    const Palette& palette() const { return Palette::forStyle(style); }
    // What the content draws with: the style's palette in full colour, the
    // neutral one with the tint in accented rendering.
    Palette contentPalette() const;

    void paintBackground(QPainter& painter, const QRectF& rect) const;
    // The background over the whole of `rect`, then `content` with the
    // palette and scheme above (and `icons`) in `contentRect`.
    void paint(
        QPainter& painter, const QRectF& rect, const QRectF& contentRect, const IconStore* icons,
        const std::function<void(QPainter&, const QRectF&, const PaintContext&)>& content) const;
};

}  // namespace solvane::widgets
