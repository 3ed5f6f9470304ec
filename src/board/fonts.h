// The board's typefaces: Inter as the system font, Roboto for the
// monospaced design (numbers: its figures share one width, so columns align,
// with a plain zero and a close degree sign), and the Material Icons font for
// symbols.
//
// Sizes are logical points, and one point is one pixel at scale 1, whatever
// the resolution the paint device reports: a font for a device is built so
// that it is `size` pixels tall before the painter's transform, and a painter
// scaled by 2 draws it twice as large with the same advances, so a layout
// measured once holds at every scale. Qt sets type in whole pixels, so a
// fractional size (10.5) is drawn and measured at the nearest whole one (11);
// measuring and drawing always agree. Hinting is off.
//
// The fonts are found once per process: by family when fontconfig knows them,
// else from the Debian package paths; a missing text face falls back to the
// platform's general or fixed-pitch font, a missing symbol font leaves
// symbols undrawn. A QGuiApplication must exist before the first call.
//
// Components measure and draw one-line text through board/layout.h
// (textItem, fitLine, drawLine); a font is here for anything else.
//
//   QFont f = boardFont({.size = 14, .weight = FontWeight::medium}, painter.device());
//   painter.setFont(f);
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPaintDevice;

namespace solvane {

enum class FontWeight { light, regular, medium, semibold, bold };
enum class FontDesign { standard, monospaced };

struct TextStyle {
    double size = 13;  // points
    FontWeight weight = FontWeight::regular;
    FontDesign design = FontDesign::standard;
    double tracking = 0;  // extra points after each letter

    // The same face at `factor` times the size (and tracking).
    TextStyle scaled(double factor) const;
    bool operator==(const TextStyle&) const = default;
};

struct FontFamilies {
    QString text;     // "Inter", or the platform's general font
    QString mono;     // "Roboto", else "JetBrains Mono", else the platform's fixed-pitch font
    QString symbols;  // "Material Icons", or empty when it cannot be found
};

// The families in use, resolved on first call.
const FontFamilies& boardFontFamilies();

// A font for drawing on `device` (nullptr: the reference device that size
// functions measure with). Sizes that are not finite or not positive give a
// 1-point font.
QFont boardFont(const TextStyle& style, const QPaintDevice* device = nullptr);

// `base` when its Latin letters are proportional; else `base` with the
// board's text face (or another proportional one) ahead of its families, so
// a Japanese or Chinese desktop whose default face has Latin letters of one
// width still sets Latin text proportionally, its own script falling through
// to base's faces.
QFont withProportionalLatin(const QFont& base);

// Metrics of boardFont(style, device) on that device.
QFontMetricsF boardFontMetrics(const TextStyle& style, const QPaintDevice* device = nullptr);

// The symbol font at an em of `pixels` points; the text family when the
// symbol font is missing.
QFont symbolFont(double pixels, const QPaintDevice* device = nullptr);

// The device fonts are measured with when no painter is at hand.
const QPaintDevice* referenceDevice();

}  // namespace solvane
