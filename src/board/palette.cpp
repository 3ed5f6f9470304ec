#include "board/palette.h"

namespace solvane {

QColor PaletteColor::resolve(ColorScheme scheme) const {
    QColor c;
    switch (kind) {
        case Kind::fixed:
            c = color;
            break;
        case Kind::primary:
            c = scheme == ColorScheme::dark ? QColor(245, 245, 247) : QColor(29, 29, 31);
            break;
        case Kind::secondary:
            // The primary at reduced contrast, as secondary label text reads.
            c = scheme == ColorScheme::dark ? QColor(235, 235, 245, 153) : QColor(60, 60, 67, 153);
            break;
        case Kind::white:
            c = QColor(255, 255, 255);
            break;
    }
    c.setAlphaF(static_cast<float>(c.alphaF() * opacity));
    return c;
}

namespace {

Palette makeGlass() {
    using K = PaletteColor::Kind;
    return Palette{PaletteColor::adaptive(K::primary),
                   PaletteColor::adaptive(K::secondary),
                   PaletteColor::adaptive(K::primary, 0.14),
                   PaletteColor::adaptive(K::primary, 0.07),
                   PaletteColor::adaptive(K::primary, 0.18),
                   PaletteColor::rgb(245, 185, 95),
                   std::nullopt};
}

Palette makeDark() {
    return Palette{PaletteColor::rgb(243, 242, 239),
                   PaletteColor::rgb(161, 161, 167),
                   PaletteColor::rgb(46, 46, 51),
                   PaletteColor::rgb(32, 32, 35),
                   PaletteColor::rgb(56, 56, 62),
                   PaletteColor::rgb(240, 178, 90),
                   std::nullopt};
}

Palette makeLight() {
    return Palette{
        PaletteColor::rgb(22, 22, 24),    PaletteColor::rgb(93, 93, 100),
        PaletteColor::rgb(225, 223, 217), PaletteColor::adaptive(PaletteColor::Kind::white),
        PaletteColor::rgb(58, 58, 64),    PaletteColor::rgb(154, 82, 10),
        PaletteColor::rgb(230, 225, 211)};
}

}  // namespace

const Palette& Palette::forStyle(WidgetStyle style) {
    // Built once per process on first use; immutable afterwards.
    static const Palette glass = makeGlass();
    static const Palette dark = makeDark();
    static const Palette light = makeLight();
    switch (style) {
        case WidgetStyle::dark:
            return dark;
        case WidgetStyle::light:
            return light;
        case WidgetStyle::glass:
            break;
    }
    return glass;
}

Palette Palette::accented(ColorScheme scheme, const QColor& tint) {
    const bool dark = scheme == ColorScheme::dark;
    const QColor neutral = dark ? QColor(255, 255, 255) : QColor(16, 16, 18);
    const auto strength = [&](double opacity) {
        PaletteColor c = PaletteColor::rgb(neutral.red(), neutral.green(), neutral.blue());
        c.opacity = opacity;
        return c;
    };
    PaletteColor accent = PaletteColor::rgb(tint.red(), tint.green(), tint.blue());
    if (!tint.isValid()) {
        accent = strength(1.0);
    }
    // Secondary text stays at 4.5:1 or better on the style's card and on the
    // accented glass fill; the disc stays clearly apart from the lit part.
    return Palette{strength(1.0),
                   strength(dark ? 0.76 : 0.72),
                   strength(dark ? 0.2 : 0.16),
                   strength(dark ? 0.08 : 0.06),
                   strength(dark ? 0.24 : 0.34),
                   accent,
                   dark ? strength(1.0) : PaletteColor::rgb(255, 255, 255)};
}

const Palette& Palette::standard() {
    return forStyle(WidgetStyle::glass);
}

}  // namespace solvane
