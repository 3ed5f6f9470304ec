// Symbols: the platform symbol names the system uses ("cloud.sun", "gift",
// "arrow.up") drawn as glyphs of the Material Icons font.
//
// One table maps every name the system speaks to one glyph: the icon
// library's names (board/symbol_library.h), the symbols both weather sources
// report, and the board's and the application's own. Material has no weights
// and fewer shapes, so several names share a glyph and a requested symbol
// weight is not drawn. The few shapes it lacks that must stay apart (sunrise,
// sunset, the sun on the horizon, a sun behind a cloud) are vector shapes of
// our own on Material's 24-unit grid.
//
// A symbol of size S is drawn with an em of kSymbolEmScale × S, which makes a
// Material glyph (drawn in the middle five sixths of its em) about as large
// as a system symbol set at S points beside text of that size. A name
// without a glyph draws the fallback symbol (a calendar), so no tile is left
// empty; a missing symbol font leaves the font's glyphs undrawn.
//
//   drawSymbol(painter, "cloud.sun", QRectF(0, 0, 30, 30), 24, fg);  // centred in the box
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <span>
#include <string_view>

class QColor;
class QPainter;

namespace solvane {

inline constexpr double kSymbolEmScale = 1.2;

struct SymbolGlyph {
    std::string_view name;      // the platform symbol name
    std::string_view material;  // the Material icon's own name, for people reading the table
    char32_t codepoint;         // its codepoint in the Material Icons font
};

// The table, sorted by name.
std::span<const SymbolGlyph> symbolGlyphs();

std::optional<char32_t> symbolCodepoint(std::string_view name);

// The vector shape of a name the font has no fitting glyph for, on a 24 × 24
// grid; none for every other name.
std::optional<QPainterPath> symbolShape(std::string_view name);

// Whether `name` has a glyph or a shape of its own.
bool hasSymbol(std::string_view name);

// The square a symbol of `sizePoints` takes in a layout.
QSizeF symbolSize(double sizePoints);

// Draws the glyph of `name` centred in `box` with an em of
// kSymbolEmScale × `sizePoints`, in `color`.
void drawSymbol(QPainter& painter, std::string_view name, const QRectF& box, double sizePoints,
                const QColor& color);

}  // namespace solvane
