// Stacks: the few layout rules the board's components are described in.
//
// A stack places items one after another along its axis (left to right in a
// row, top to bottom in a column) with fixed spacing between neighbours,
// packed from the start of its bounds. Each item has a natural size. A
// flexible item (a spacer) takes an equal share of the room the others leave,
// never less than its natural length. When the room is short, compressible
// items (one-line texts) give up length in proportion to their natural
// length, down to their own minimum, and below it only when all are there
// (items can be told to yield in turn instead, see StackItem::yieldOrder);
// other items keep theirs and may overflow the bounds. Across the axis an
// item keeps its natural extent, cut to the bounds when compressible, and
// sits at the leading edge (top or left), the centre or the trailing edge; a
// row can instead line up its items' first text baselines, the group centred
// in the bounds.
//
// Texts are one line: fitLine shrinks a font down to a minimum scale until
// the text fits. A fact (a number, a date, a time, the word that tells two
// texts apart) is never cut: past the scale its caller allows it shrinks on
// to a floor and is drawn whole. Only a label the user wrote (or a place's
// name) is cut, with an ellipsis.
//
//   std::array items = {fixedItem({32, 32}), textItem("Label", font), spacerItem(8)};
//   std::vector<QRectF> frames = layoutRow(bounds, items, 12, CrossAlign::center);
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "board/fonts.h"

class QColor;
class QPainter;

namespace solvane {

enum class CrossAlign { leading, center, trailing, firstBaseline };

// A rectangle with finite corners and a non-negative size: one that painting
// can use. Paint functions draw nothing in any other.
bool isDrawable(const QRectF& rect);

struct StackItem {
    QSizeF size;            // natural size; for a spacer, the minimum along the axis
    double baseline = 0;    // first text baseline below the item's top
    bool flexible = false;  // a spacer
    bool compressible = false;
    double minimum = 0;  // the shortest a compressible item gets along the axis
    // Compressible items give up length in rounds, lowest first: a later
    // round starts only when every earlier item is at its minimum.
    int yieldOrder = 0;
};

StackItem fixedItem(QSizeF size, double baseline = 0);
StackItem spacerItem(double minimum = 0);
// A one-line text's natural size, baseline at its ascent; compressible down
// to `minScale` of its width (the scale it may shrink to before it is cut).
StackItem textItem(const QString& text, const TextStyle& font, double minScale = 0);

// Frames for `items` in order, laid out inside `bounds`. A column treats
// firstBaseline as leading.
std::vector<QRectF> layoutRow(const QRectF& bounds, std::span<const StackItem> items,
                              double spacing, CrossAlign align);
std::vector<QRectF> layoutColumn(const QRectF& bounds, std::span<const StackItem> items,
                                 double spacing, CrossAlign align);

// The natural size of a stack: lengths and spacing summed along the axis, the
// largest extent across it (for baseline rows, the baseline group's height).
QSizeF rowSize(std::span<const StackItem> items, double spacing, CrossAlign align);
QSizeF columnSize(std::span<const StackItem> items, double spacing);
// The first baseline of a row of `items`, below the row's top.
double rowBaseline(std::span<const StackItem> items, CrossAlign align);

// A stored text (a label, a place name, a note) may hold megabytes, and every
// layout of it costs time in proportion, while nothing on screen shows more
// than a few lines. Texts are cut to this many UTF-16 units, ending in "…",
// before they are measured or set.
inline constexpr qsizetype kMaxShownUnits = 1024;
QString shownText(const QString& text);

// `text` as one unit inside a line (U+2068 … U+2069): its direction is its
// own and its neighbours' does not reorder it, so a time in Arabic digits
// beside a dash stays where it was put.
QString isolated(const QString& text);

// Measured as shownText(text).
double textWidth(const QString& text, const TextStyle& font);
// The width of `text` cut to its first `kept` characters and "…", or of the
// whole text when that is no wider: how far a text may yield and still say
// what it begins with.
double headWidth(const QString& text, const TextStyle& font, qsizetype kept);
double lineHeight(const TextStyle& font);  // ascent + descent
double ascent(const TextStyle& font);

// A line of text as it fits a width.
struct FittedLine {
    QString text;    // the text, or its head and "…"
    TextStyle font;  // the font, possibly shrunk
    double width = 0;
};

enum class Fit {
    fact,   // shrunk as far as kFactMinScale, then drawn whole however wide
    label,  // shrunk to its minScale, then cut with an ellipsis
};

// The smallest a fact is set, as a share of its size.
inline constexpr double kFactMinScale = 0.6;

// `text` in `font` fitted to `width`: shrunk by no more than to `minScale`
// of its size (the floor itself is tried); then a label is cut with an
// ellipsis, white space before it trimmed, and a fact shrinks on to
// kFactMinScale and is kept whole. A width that is not a positive finite
// number leaves nothing.
FittedLine fitLine(const QString& text, const TextStyle& font, double width, double minScale = 1.0,
                   Fit fit = Fit::fact);

// `text` broken at the space that leaves two lines in `font` no wider than
// `width` and as even as can be; none when it fits one line or no break
// gives two that fit: the second line a face gives a fact before it shrinks.
std::optional<std::pair<QString, QString>> twoLines(const QString& text, const TextStyle& font,
                                                    double width);

// The facts fitLine had to leave wider than their room since the last call,
// emptying the list: what a face with too little room for them would cut.
QStringList takeOverfullFacts();

enum class TextAlign { leading, center, trailing };

// Draws a fitted line in `frame`: its line box centred vertically (a line
// that was not shrunk and a frame of its line height put the baseline at the
// frame's top plus the ascent), aligned horizontally as asked.
void drawLine(QPainter& painter, const QRectF& frame, const FittedLine& line, const QColor& color,
              TextAlign align = TextAlign::leading);

}  // namespace solvane
