#include "board/sky_cards.h"

#include <QCoreApplication>

#include "core/util/translation.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "board/components.h"
#include "board/layout.h"
#include "board/sky_drawings.h"
#include "core/time/text_format.h"

namespace solvane {
namespace {

constexpr double kSpacing = 7;
constexpr double kRowGap = 8;  // between neighbours in a row, and before a flexible space
constexpr double kArcHeight = 54;
constexpr double kGlyph = 52;
constexpr double kGlyphRow = 54;
constexpr double kGlyphGap = 12;
constexpr double kDot = 6;
constexpr double kIconValueSize = 13;

constexpr TextStyle kFigureFont{11, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kRowFont{12};
constexpr TextStyle kRowFigures{12, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kPhaseFont{14, FontWeight::medium};
constexpr TextStyle kNextFullFont{12};
constexpr double kPhaseMinScale = 0.8;

template <typename Format>
QString timeOrDash(const std::optional<Instant>& t, const Calendar& calendar, Format format) {
    return t ? qstr(format(*t, calendar)) : QStringLiteral("—");
}

QString clockOrDash(const std::optional<Instant>& t, const Calendar& calendar) {
    return timeOrDash(t, calendar, clockText);
}

}  // namespace

QString clockSpan(const std::optional<Instant>& from, const std::optional<Instant>& to,
                  const Calendar& calendar) {
    // Half a span reads as a time that never comes; without both ends the
    // hour does not happen as a span today.
    if (!from || !to) {
        return QStringLiteral("—");
    }
    // Each end isolated: two runs of Arabic digits joined by a dash would
    // otherwise be read as one right-to-left run and drawn ends swapped.
    return isolated(clockOrDash(from, calendar)) + QStringLiteral("–") +
           isolated(clockOrDash(to, calendar));
}

namespace {

// The caption row: the section's name and a muted figure at the trailing
// edge, on one baseline.
struct CaptionRow {
    SectionLabel label;
    QString figure;

    std::array<StackItem, 3> items() const {
        return {fixedItem(label.sizeHint(), label.baseline()), spacerItem(kRowGap),
                textItem(figure, kFigureFont)};
    }
    QSizeF size() const { return rowSize(items(), 0, CrossAlign::firstBaseline); }
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
        const auto all = items();
        const auto frames = layoutRow(rect, all, 0, CrossAlign::firstBaseline);
        label.paint(painter, frames[0], ctx);
        drawLine(painter, frames[2], fitLine(figure, kFigureFont, frames[2].width()),
                 ctx.color(ctx.palette.muted), TextAlign::trailing);
    }
};

// Two symbol-and-time labels at either end of a row.
struct TimesRow {
    IconValue first;
    IconValue second;

    std::array<StackItem, 3> items() const {
        return {fixedItem(first.sizeHint()), spacerItem(kRowGap), fixedItem(second.sizeHint())};
    }
    QSizeF size() const { return rowSize(items(), 0, CrossAlign::center); }
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
        const auto all = items();
        const auto frames = layoutRow(rect, all, 0, CrossAlign::center);
        first.paint(painter, frames[0], ctx);
        second.paint(painter, frames[2], ctx);
    }
};

// A name and its times or date in figures at the trailing edge. With a mark
// slot the name is set after a 6-point dot (drawn only when `dot`), so rows
// with and without the dot line up.
struct FactRow {
    QString name;
    QString value;
    bool muted = false;
    bool markSlot = false;
    bool dot = false;

    std::array<StackItem, 4> items() const {
        return {fixedItem(QSizeF(markSlot ? kDot : 0, markSlot ? kDot : 0)),
                textItem(name, kRowFont), spacerItem(0), textItem(value, kRowFigures)};
    }
    double spacing() const { return markSlot ? kRowGap : 0; }
    QSizeF size() const {
        return rowSize(items(), spacing(), CrossAlign::center) + QSizeF(markSlot ? 0 : kRowGap, 0);
    }
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
        const auto all = items();
        const auto frames = layoutRow(rect, all, spacing(), CrossAlign::center);
        const QColor color = ctx.color(muted ? ctx.palette.muted : ctx.palette.fg);
        if (dot) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ctx.color(ctx.palette.accent));
            painter.drawEllipse(frames[0]);
            painter.restore();
        }
        drawLine(painter, frames[1], fitLine(name, kRowFont, frames[1].width()), color);
        drawLine(painter, frames[3], fitLine(value, kRowFigures, frames[3].width()), color,
                 TextAlign::trailing);
    }
};

// Tops of a column's rows of the given heights, `kSpacing` apart.
template <std::size_t N>
std::array<QRectF, N> stackRows(const QRectF& content, const std::array<double, N>& heights) {
    std::array<QRectF, N> frames;
    double y = content.top();
    for (std::size_t i = 0; i < N; ++i) {
        frames[i] = QRectF(content.left(), y, content.width(), heights[i]);
        y += heights[i] + kSpacing;
    }
    return frames;
}

template <std::size_t N>
double stackHeight(const std::array<double, N>& heights) {
    double total = kSpacing * (N - 1);
    for (double h : heights) {
        total += h;
    }
    return total;
}

struct SunParts {
    CaptionRow caption;
    TimesRow times;
    FactRow golden;
    FactRow blue;

    SunParts(const SkySnapshot& sky, const Calendar& calendar)
        : caption{SectionLabel{QCoreApplication::translate("Board", "Sun")}, dayLengthText(sky)},
          times{IconValue{"sunrise", clockOrDash(sky.sunrise, calendar), kIconValueSize},
                IconValue{"sunset", clockOrDash(sky.sunset, calendar), kIconValueSize}},
          golden{QCoreApplication::translate("Board", "Golden", "golden hour"),
                 clockSpan(sky.goldenStart, sky.sunset, calendar), false, true, true},
          blue{QCoreApplication::translate("Board", "Blue", "blue hour"),
               clockSpan(sky.blueStart, sky.blueEnd, calendar), true, true, false} {}

    std::array<double, 6> heights() const {
        return {caption.size().height(), kArcHeight,
                times.size().height(),   Hairline::kHeight,
                golden.size().height(),  blue.size().height()};
    }
    double width() const {
        return std::max({caption.size().width(), times.size().width(), golden.size().width(),
                         blue.size().width()});
    }
};

struct MoonParts {
    CaptionRow caption;
    QString phase;
    QString nextFull;
    TimesRow times;
    FactRow full;
    FactRow fresh;

    MoonParts(const SkySnapshot& sky, Instant now, const Calendar& calendar)
        : caption{SectionLabel{QCoreApplication::translate("Board", "Moon")}, moonLitText(sky)},
          phase(QString::fromStdString(sky.localizedPhaseName())),
          nextFull(QCoreApplication::translate("Board", "Full %1",
                                               "the next full moon: today, tomorrow, in 5 days")
                       .arg(qstr(relativeDayText(sky.nextFull, now, calendar)))),
          times{IconValue{"arrow.up", timeOrDash(sky.moonRise, calendar, clockTextAP),
                          kIconValueSize},
                IconValue{"arrow.down", timeOrDash(sky.moonSet, calendar, clockTextAP),
                          kIconValueSize}},
          full{QCoreApplication::translate("Board", "Full moon"),
               timeOrDash(sky.nextFull, calendar, shortDateLabel)},
          fresh{QCoreApplication::translate("Board", "New moon"),
                timeOrDash(sky.nextNew, calendar, shortDateLabel), true} {}

    std::array<double, 6> heights() const {
        return {caption.size().height(), kGlyphRow,
                times.size().height(),   Hairline::kHeight,
                full.size().height(),    fresh.size().height()};
    }
    double glyphRowWidth() const {
        return kGlyph + kGlyphGap +
               std::max(textWidth(phase, kPhaseFont), textWidth(nextFull, kNextFullFont));
    }
    double width() const {
        return std::max({caption.size().width(), glyphRowWidth(), times.size().width(),
                         full.size().width(), fresh.size().width()});
    }
};

}  // namespace

QString dayLengthFigure(const SkySnapshot& sky) {
    if (sky.allDaySun == AllDaySun::up) {
        return qstr(fullDayText());
    }
    const double seconds =
        sky.sunrise && sky.sunset ? sky.sunset->seconds - sky.sunrise->seconds : 0.0;
    return qstr(durationText(seconds));
}

QString dayLengthText(const SkySnapshot& sky) {
    return QCoreApplication::translate("Board", "%1 light", "hours of daylight")
        .arg(dayLengthFigure(sky));
}

QString moonLitText(const SkySnapshot& sky) {
    return QCoreApplication::translate("Board", "%1% lit", "the moon's lit share")
        .arg(QString::fromStdString(numberText(static_cast<double>(moonLitPercent(sky)))));
}

QSizeF SunCard::sizeHint() const {
    const SunParts parts(sky, calendar);
    return Panel::sizeFor(QSizeF(parts.width(), stackHeight(parts.heights())));
}

void SunCard::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const SunParts parts(sky, calendar);
    Panel{}.paint(painter, rect, ctx, [&](QPainter& p, const QRectF& content) {
        const auto rows = stackRows(content, parts.heights());
        parts.caption.paint(p, rows[0], ctx);
        paintSunArc(p, rows[1], sky, ctx.palette, ctx.scheme);
        parts.times.paint(p, rows[2], ctx);
        Hairline{}.paint(p, rows[3], ctx);
        parts.golden.paint(p, rows[4], ctx);
        parts.blue.paint(p, rows[5], ctx);
    });
}

QSizeF MoonCard::sizeHint() const {
    const MoonParts parts(sky, now, calendar);
    return Panel::sizeFor(QSizeF(parts.width(), stackHeight(parts.heights())));
}

void MoonCard::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const MoonParts parts(sky, now, calendar);
    Panel{}.paint(painter, rect, ctx, [&](QPainter& p, const QRectF& content) {
        const auto rows = stackRows(content, parts.heights());
        parts.caption.paint(p, rows[0], ctx);

        const QRectF glyphRow = rows[1];
        const QRectF glyph(glyphRow.left(), glyphRow.center().y() - kGlyph / 2, kGlyph, kGlyph);
        paintMoonGlyph(p, glyph, sky, ctx.palette, ctx.scheme);
        const double textLeft = glyph.right() + kGlyphGap;
        const double textWidthLeft = std::max(0.0, glyphRow.right() - textLeft);
        const FittedLine phase = fitLine(parts.phase, kPhaseFont, textWidthLeft, kPhaseMinScale);
        const FittedLine next = fitLine(parts.nextFull, kNextFullFont, textWidthLeft);
        const double phaseHeight = lineHeight(kPhaseFont);
        const double nextHeight = lineHeight(kNextFullFont);
        const double top = glyphRow.center().y() - (phaseHeight + 2 + nextHeight) / 2;
        drawLine(p, QRectF(textLeft, top, textWidthLeft, phaseHeight), phase,
                 ctx.color(ctx.palette.fg));
        drawLine(p, QRectF(textLeft, top + phaseHeight + 2, textWidthLeft, nextHeight), next,
                 ctx.color(ctx.palette.muted));

        parts.times.paint(p, rows[2], ctx);
        Hairline{}.paint(p, rows[3], ctx);
        parts.full.paint(p, rows[4], ctx);
        parts.fresh.paint(p, rows[5], ctx);
    });
}

}  // namespace solvane
