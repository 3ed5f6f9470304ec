#include "board/layout.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <utility>

namespace solvane {
namespace {

enum class Axis { horizontal, vertical };

double along(QSizeF s, Axis axis) {
    return axis == Axis::horizontal ? s.width() : s.height();
}
double across(QSizeF s, Axis axis) {
    return axis == Axis::horizontal ? s.height() : s.width();
}

double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

bool shrinks(const StackItem& item) {
    return item.compressible && !item.flexible;
}

// Takes `shortage` from the compressible items of one yield order in
// proportion to their lengths; an item that reaches its minimum stops giving
// and the others share what it could not give. Returns what is still short.
double shrinkToMinimums(std::span<const StackItem> items, std::vector<double>& lengths,
                        double shortage, int order) {
    std::vector<bool> atMinimum(items.size(), false);
    for (std::size_t round = 0; round <= items.size() && shortage > 1e-9; ++round) {
        double giving = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const bool gives = shrinks(items[i]) && items[i].yieldOrder == order && !atMinimum[i];
            giving += gives ? lengths[i] : 0;
        }
        if (giving <= 0) {
            break;
        }
        double given = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!shrinks(items[i]) || items[i].yieldOrder != order || atMinimum[i]) {
                continue;
            }
            const double floor = std::clamp(finiteOr(items[i].minimum, 0), 0.0, lengths[i]);
            const double share = std::min(lengths[i] - floor, shortage * lengths[i] / giving);
            atMinimum[i] = lengths[i] - share <= floor;
            lengths[i] -= share;
            given += share;
        }
        shortage -= given;
    }
    return shortage;
}

// Takes `shortage` from the compressible items, each yield order down to its
// minimums in turn. When all are at their minimums and room is still short,
// they give up their minimums too, all in proportion.
void shrink(std::span<const StackItem> items, std::vector<double>& lengths, double shortage) {
    std::vector<int> orders;
    for (const StackItem& item : items) {
        if (shrinks(item)) {
            orders.push_back(item.yieldOrder);
        }
    }
    std::sort(orders.begin(), orders.end());
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    for (int order : orders) {
        shortage = shrinkToMinimums(items, lengths, shortage, order);
    }
    double giving = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        giving += shrinks(items[i]) ? lengths[i] : 0;
    }
    if (shortage > 1e-9 && giving > 0) {
        const double keep = std::max(0.0, 1.0 - shortage / giving);
        for (std::size_t i = 0; i < items.size(); ++i) {
            lengths[i] *= shrinks(items[i]) ? keep : 1.0;
        }
    }
}

// Lengths along the axis for `available` room.
std::vector<double> distribute(std::span<const StackItem> items, double spacing, Axis axis,
                               double available) {
    std::vector<double> lengths;
    lengths.reserve(items.size());
    double used = spacing * static_cast<double>(items.empty() ? 0 : items.size() - 1);
    double compressible = 0;
    int flexible = 0;
    for (const StackItem& item : items) {
        const double length = std::max(0.0, finiteOr(along(item.size, axis), 0));
        lengths.push_back(length);
        used += length;
        flexible += item.flexible ? 1 : 0;
        compressible += shrinks(item) ? length : 0;
    }
    if (!std::isfinite(available)) {
        return lengths;
    }
    const double room = available - used;
    if (room >= 0 && flexible > 0) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].flexible) {
                lengths[i] += room / flexible;
            }
        }
    } else if (room < 0 && compressible > 0) {
        shrink(items, lengths, -room);
    }
    return lengths;
}

double maxBaseline(std::span<const StackItem> items) {
    double top = 0;
    for (const StackItem& item : items) {
        top = std::max(top, finiteOr(item.baseline, 0));
    }
    return top;
}

// The height of a row whose items hang from one baseline.
double baselineGroupHeight(std::span<const StackItem> items) {
    const double base = maxBaseline(items);
    double height = 0;
    for (const StackItem& item : items) {
        height = std::max(height, base - finiteOr(item.baseline, 0) + item.size.height());
    }
    return height;
}

std::vector<QRectF> layoutStack(const QRectF& bounds, std::span<const StackItem> items,
                                double spacing, CrossAlign align, Axis axis) {
    spacing = std::max(0.0, finiteOr(spacing, 0));
    const bool row = axis == Axis::horizontal;
    const double start = row ? bounds.left() : bounds.top();
    const double crossStart = row ? bounds.top() : bounds.left();
    const double crossRoom = row ? bounds.height() : bounds.width();
    const std::vector<double> lengths =
        distribute(items, spacing, axis, row ? bounds.width() : bounds.height());

    const bool onBaseline = row && align == CrossAlign::firstBaseline;
    const double base = maxBaseline(items);
    const double groupTop =
        crossStart + (onBaseline ? (crossRoom - baselineGroupHeight(items)) / 2 : 0);

    std::vector<QRectF> frames;
    frames.reserve(items.size());
    double position = start;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const StackItem& item = items[i];
        double extent = std::max(0.0, finiteOr(across(item.size, axis), 0));
        if (item.compressible && crossRoom >= 0) {
            extent = std::min(extent, crossRoom);
        }
        double offset = crossStart;
        if (onBaseline) {
            offset = groupTop + base - finiteOr(item.baseline, 0);
        } else if (align == CrossAlign::center) {
            offset = crossStart + (crossRoom - extent) / 2;
        } else if (align == CrossAlign::trailing) {
            offset = crossStart + crossRoom - extent;
        }
        frames.push_back(row ? QRectF(position, offset, lengths[i], extent)
                             : QRectF(offset, position, extent, lengths[i]));
        position += lengths[i] + spacing;
    }
    return frames;
}

QSizeF stackSize(std::span<const StackItem> items, double spacing, Axis axis) {
    double length = spacing * static_cast<double>(items.empty() ? 0 : items.size() - 1);
    double extent = 0;
    for (const StackItem& item : items) {
        length += std::max(0.0, finiteOr(along(item.size, axis), 0));
        extent = std::max(extent, finiteOr(across(item.size, axis), 0));
    }
    return axis == Axis::horizontal ? QSizeF(length, extent) : QSizeF(extent, length);
}

// `head` and "…", without the white space the cut left at its end.
QString withEllipsis(QString head) {
    while (!head.isEmpty() && head.back().isSpace()) {
        head.chop(1);
    }
    return head + QChar(0x2026);
}

}  // namespace

QString shownText(const QString& text) {
    if (text.size() <= kMaxShownUnits) {
        return text;
    }
    // Never half of a surrogate pair at the cut.
    const qsizetype kept = kMaxShownUnits - 1;
    return withEllipsis(text.left(text.at(kept - 1).isHighSurrogate() ? kept - 1 : kept));
}

QString isolated(const QString& text) {
    return QChar(0x2068) + text + QChar(0x2069);
}

bool isDrawable(const QRectF& rect) {
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height()) && rect.width() >= 0 && rect.height() >= 0;
}

StackItem fixedItem(QSizeF size, double baseline) {
    return StackItem{size, baseline, false, false, 0};
}

StackItem spacerItem(double minimum) {
    return StackItem{QSizeF(minimum, minimum), 0, true, false, 0};
}

StackItem textItem(const QString& text, const TextStyle& font, double minScale) {
    const double width = textWidth(text, font);
    const double scale = std::isfinite(minScale) ? std::clamp(minScale, 0.0, 1.0) : 0.0;
    // Measured rather than multiplied: type is set in whole pixels, and the
    // shrunk text must fit the minimum exactly.
    const double minimum = scale > 0 ? std::min(width, textWidth(text, font.scaled(scale))) : 0;
    return StackItem{QSizeF(width, lineHeight(font)), ascent(font), false, true, minimum};
}

std::vector<QRectF> layoutRow(const QRectF& bounds, std::span<const StackItem> items,
                              double spacing, CrossAlign align) {
    return layoutStack(bounds, items, spacing, align, Axis::horizontal);
}

std::vector<QRectF> layoutColumn(const QRectF& bounds, std::span<const StackItem> items,
                                 double spacing, CrossAlign align) {
    return layoutStack(bounds, items, spacing,
                       align == CrossAlign::firstBaseline ? CrossAlign::leading : align,
                       Axis::vertical);
}

QSizeF rowSize(std::span<const StackItem> items, double spacing, CrossAlign align) {
    QSizeF size = stackSize(items, std::max(0.0, finiteOr(spacing, 0)), Axis::horizontal);
    if (align == CrossAlign::firstBaseline) {
        size.setHeight(baselineGroupHeight(items));
    }
    return size;
}

QSizeF columnSize(std::span<const StackItem> items, double spacing) {
    return stackSize(items, std::max(0.0, finiteOr(spacing, 0)), Axis::vertical);
}

double rowBaseline(std::span<const StackItem> items, CrossAlign align) {
    if (align == CrossAlign::firstBaseline) {
        return maxBaseline(items);
    }
    const double height = rowSize(items, 0, align).height();
    for (const StackItem& item : items) {
        if (item.baseline > 0) {
            const double extent = item.size.height();
            const double top = align == CrossAlign::center     ? (height - extent) / 2
                               : align == CrossAlign::trailing ? height - extent
                                                               : 0;
            return top + item.baseline;
        }
    }
    return height;
}

double textWidth(const QString& text, const TextStyle& font) {
    return text.isEmpty() ? 0 : boardFontMetrics(font).horizontalAdvance(shownText(text));
}

double headWidth(const QString& text, const TextStyle& font, qsizetype kept) {
    const QString shown = shownText(text);
    const double whole = textWidth(shown, font);
    if (kept < 0 || shown.size() <= kept) {
        return whole;
    }
    const qsizetype cut = kept > 0 && shown.at(kept - 1).isHighSurrogate() ? kept - 1 : kept;
    return std::min(whole, textWidth(withEllipsis(shown.left(cut)), font));
}

double lineHeight(const TextStyle& font) {
    const QFontMetricsF m = boardFontMetrics(font);
    return m.ascent() + m.descent();
}

double ascent(const TextStyle& font) {
    return boardFontMetrics(font).ascent();
}

namespace {

// The smallest of `font` between `from` and `floorScale` at which `text`
// fits `width`, or the floor itself. Type is set in whole pixels, so a
// shrunk size can round up past the room; the next whole size down is
// tried, and last the floor itself.
FittedLine shrinkToFit(const QString& text, const TextStyle& font, double width, double natural,
                       double floorScale) {
    const double floorSize = font.size * floorScale;
    TextStyle shrunk = font.scaled(std::max(floorScale, width / natural));
    double shrunkWidth = textWidth(text, shrunk);
    for (int step = 0; step < 64 && shrunkWidth > width && shrunk.size > floorSize + 1e-9; ++step) {
        const double next = std::max(floorSize, std::round(shrunk.size) - 1);
        shrunk = font.scaled(next / font.size);
        shrunkWidth = textWidth(text, shrunk);
    }
    return {text, shrunk, shrunkWidth};
}

std::mutex gOverfullMutex;
QStringList gOverfull;

}  // namespace

FittedLine fitLine(const QString& whole, const TextStyle& font, double width, double minScale,
                   Fit fit) {
    const QString text = shownText(whole);
    if (!(std::isfinite(width) && width > 0) || text.isEmpty()) {
        return {QString(), font, 0};
    }
    const double natural = textWidth(text, font);
    if (natural <= width) {
        return {text, font, natural};
    }
    const double floor = std::isfinite(minScale) ? std::clamp(minScale, 0.01, 1.0) : 1.0;
    FittedLine line = shrinkToFit(text, font, width, natural, floor);
    if (line.width <= width) {
        return line;
    }
    if (fit == Fit::fact) {
        if (floor > kFactMinScale) {
            line = shrinkToFit(text, font, width, natural, kFactMinScale);
        }
        if (line.width > width + 0.5) {
            const std::lock_guard lock(gOverfullMutex);
            gOverfull << text;
        }
        return line;
    }
    QString cut = boardFontMetrics(line.font).elidedText(text, Qt::ElideRight, width);
    if (cut.endsWith(QChar(0x2026))) {
        cut = withEllipsis(cut.chopped(1));
    }
    return {cut, line.font, textWidth(cut, line.font)};
}

std::optional<std::pair<QString, QString>> twoLines(const QString& text, const TextStyle& font,
                                                    double width) {
    const QString shown = shownText(text);
    if (textWidth(shown, font) <= width) {
        return std::nullopt;
    }
    std::optional<std::pair<QString, QString>> best;
    double bestWidest = 0;
    for (qsizetype at = shown.indexOf(QLatin1Char(' ')); at > 0;
         at = shown.indexOf(QLatin1Char(' '), at + 1)) {
        QString first = shown.left(at).trimmed();
        QString second = shown.mid(at + 1).trimmed();
        const double widest = std::max(textWidth(first, font), textWidth(second, font));
        if (!first.isEmpty() && !second.isEmpty() && widest <= width &&
            (!best || widest < bestWidest)) {
            best.emplace(std::move(first), std::move(second));
            bestWidest = widest;
        }
    }
    return best;
}

QStringList takeOverfullFacts() {
    const std::lock_guard lock(gOverfullMutex);
    return std::exchange(gOverfull, {});
}

void drawLine(QPainter& painter, const QRectF& frame, const FittedLine& line, const QColor& color,
              TextAlign align) {
    if (line.text.isEmpty() || !isDrawable(frame)) {
        return;
    }
    const QFontMetricsF metrics = boardFontMetrics(line.font);
    const double top = frame.center().y() - (metrics.ascent() + metrics.descent()) / 2;
    double x = frame.left();
    if (align == TextAlign::trailing) {
        x = frame.right() - line.width;
    } else if (align == TextAlign::center) {
        x = frame.left() + (frame.width() - line.width) / 2;
    }
    painter.save();
    // A line takes the direction of its first strong letter: a label typed
    // in Hebrew or Arabic reads right to left within its line, whatever the
    // window's direction.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    painter.setFont(boardFont(line.font, painter.device()));
    painter.setPen(color);
    painter.drawText(QPointF(x, top + metrics.ascent()), line.text);
    painter.restore();
}

}  // namespace solvane
