// Palette: the colours a board is drawn with, chosen by its WidgetStyle.
//
// The glass palette is made of adaptive colours that follow the colour scheme
// of the surface it is drawn on (near black on light, near white on dark); the
// dark and light palettes are fixed and look the same on either scheme.
// Components receive the palette and the scheme and resolve colours at paint
// time, so one palette serves both schemes.
//
//   const Palette& p = Palette::forStyle(WidgetStyle::glass);
//   painter.setPen(p.fg.resolve(ColorScheme::dark));   // near white
#pragma once

#include <QColor>

#include <optional>

#include "core/store/widget_style.h"

namespace solvane {

// The light or dark appearance of the surface being drawn on.
enum class ColorScheme { light, dark };

template <>
struct EnumCases<ColorScheme> {
    static constexpr std::array<EnumCase<ColorScheme>, 2> list{{
        {ColorScheme::light, "light"},
        {ColorScheme::dark, "dark"},
    }};
};

// A colour that is either fixed or one of the system's adaptive colours,
// optionally at an opacity.
struct PaletteColor {
    enum class Kind {
        fixed,
        primary,    // label text: near black on light, near white on dark
        secondary,  // secondary text: the primary at reduced contrast
        white,      // the system's white
    };
    Kind kind = Kind::fixed;
    QColor color;          // for `fixed`
    double opacity = 1.0;  // applied on top of the resolved colour

    static PaletteColor rgb(int r, int g, int b) { return {Kind::fixed, QColor(r, g, b), 1.0}; }
    static PaletteColor adaptive(Kind kind, double opacity = 1.0) {
        return {kind, QColor(), opacity};
    }

    QColor resolve(ColorScheme scheme) const;
    bool operator==(const PaletteColor&) const = default;
};

struct Palette {
    PaletteColor fg;                      // primary text and glyphs
    PaletteColor muted;                   // secondary text
    PaletteColor line;                    // hairlines and tracks
    PaletteColor panel;                   // panel fills
    PaletteColor disc;                    // the moon's disc under its lit part
    PaletteColor accent;                  // highlights
    std::optional<PaletteColor> moonLit;  // the moon's lit part; fg when absent

    static const Palette& forStyle(WidgetStyle style);
    // Accented rendering: the desktop asks for one colour, so only accent
    // content keeps a hue (`tint`); everything else is one neutral colour of
    // full contrast for `scheme` (white on dark, near black on light), with
    // secondary text, rules and fills as lighter strengths of it. The moon's
    // lit part stays the bright one on either scheme, so a full moon still
    // reads as light rather than as a dark hole.
    static Palette accented(ColorScheme scheme, const QColor& tint);
    // The palette of a view that sets none: glass.
    static const Palette& standard();

    bool operator==(const Palette&) const = default;
};

}  // namespace solvane
