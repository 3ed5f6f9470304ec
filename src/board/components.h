// The board's reusable components: a countdown's icon, section captions,
// rules, panels, symbol-plus-value labels, the countdown row with its
// progress line, the weather header and its data credit.
//
// Each is a small value holding its inputs (borrowed for as long as the value
// lives) with a const paint(painter, rect, context) in logical points, and a
// size or height where a parent needs one to lay it out. paint saves and
// restores the painter, draws nothing outside its own rectangle's role and
// never reads the clock. Colours come from the context's palette resolved for
// its colour scheme; text and symbols not described otherwise are drawn in
// the palette's fg.
//
//   const PaintContext ctx{Palette::forStyle(WidgetStyle::dark), ColorScheme::dark, &icons};
//   CountdownRow row{display};
//   row.paint(painter, QRectF(0, y, 286, row.height()), ctx);
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <string_view>

#include "board/palette.h"
#include "core/model/countdown_display.h"
#include "core/weather/weather.h"

class QPainter;

namespace solvane {

class IconStore;

struct PaintContext {
    const Palette& palette;
    ColorScheme scheme = ColorScheme::dark;
    const IconStore* icons = nullptr;  // none: custom images draw as their symbol

    QColor color(const PaletteColor& c) const { return c.resolve(scheme); }
};

// A rounded rectangle whose corners ease into the straight edges (continuous
// curvature) instead of joining them as circle quarters. The radius shrinks
// to fit small rectangles; an empty or non-finite rectangle gives an empty
// path.
QPainterPath continuousRoundedRect(const QRectF& rect, double radius);

// Text from outside (a label, a place name) as it is drawn: control
// characters are left out rather than drawn as boxes.
QString visibleText(std::string_view utf8);

// UTF-8 text from the core as Qt's.
QString qstr(std::string_view utf8);

// A countdown's icon, centred in the box it is painted in: the custom image
// as a template in fg, fitted into a square of 1.1 × size, when the icon
// store has it; otherwise the symbol at `size`.
struct CountdownIcon {
    std::string_view symbol;
    std::string_view customImage;  // empty: none
    double size = 15;

    QSizeF sizeHint() const;
    void paint(QPainter& painter, const QRectF& box, const PaintContext& ctx) const;
};

// A caption over a section: upper case, 10.5 medium, tracked 0.9, muted, at
// the rectangle's top-leading corner, cut with an ellipsis to its width.
struct SectionLabel {
    QString text;

    QSizeF sizeHint() const;
    double baseline() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// A 1-point rule in `line` across the top of the rectangle.
struct Hairline {
    static constexpr double kHeight = 1;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// A panel fill (corner radius 16, continuous corners) with its content
// inset by 12 on every side, drawn by `content` when given.
struct Panel {
    static constexpr double kPadding = 12;
    static constexpr double kRadius = 16;

    static QRectF contentRect(const QRectF& rect);
    static QSizeF sizeFor(QSizeF content);
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx,
               const std::function<void(QPainter&, const QRectF&)>& content = {}) const;
};

// A symbol (size − 2) and a monospaced text (size), 4 apart, centred on one
// line, from the rectangle's leading edge.
struct IconValue {
    std::string_view symbol;
    QString text;
    double size = 13;

    QSizeF sizeHint() const;
    double baseline() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// A 120 × 3 capsule track in `line` with a fg fill from the leading end,
// drawn at the rectangle's top-leading corner. Values outside 0…1 are
// clamped; one that is not a number counts as 0.
struct ProgressLine {
    static constexpr double kWidth = 120;
    static constexpr double kHeight = 3;
    double value = 0;

    // The fill's width: the larger of 3 and kWidth × value.
    static double fillWidth(double value);
    QSizeF sizeHint() const { return {kWidth, kHeight}; }
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// A countdown's row across the rectangle's full width, centred vertically:
// its icon on a 32 × 32 tile, label and caption (and progress when it has
// one), then the number and its unit at the trailing edge.
struct CountdownRow {
    const CountdownDisplay& c;

    double height() const;
    // The width that fits every text uncut, and height().
    QSizeF sizeHint() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// The current weather on one row, centred vertically in the rectangle; the
// detailed form leads with the condition's symbol and ends with the day's
// range and cloud cover, the plain one ends with the symbol. Without weather:
// a cloud and "Weather unavailable".
struct WeatherHeader {
    const WeatherSnapshot* weather = nullptr;
    TempUnit unit = TempUnit::celsius;
    bool detailed = false;

    QSizeF sizeHint() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// Who the weather came from, 9.5 medium: "Open-Meteo", or a cloud glyph and
// "Weather" for the platform service (whose maker's logo character no Linux
// font draws). Nothing without weather.
struct WeatherCredit {
    const WeatherSnapshot* weather = nullptr;

    QSizeF sizeHint() const;
    double baseline() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// "Clouds 63%": the cover rounded half away from zero (62.5 gives 63, 62.4
// gives 62); "Clouds --%" when it is not a number.
QString cloudCoverText(double percent);

// "Feels 68° · Wind NE 10 mph".
QString feelsAndWindText(const WeatherSnapshot& weather, TempUnit unit);

// "H 72° · L 55°" with `dotted`, else "H 72°  L 55°" (for a column of its
// own, where a dot would crowd the monospaced figures).
QString highLowText(const WeatherSnapshot& weather, TempUnit unit, bool dotted);

}  // namespace solvane
