#include "widgets/countdown_views.h"
#include "core/time/text_format.h"
#include "core/util/translation.h"

#include <QCoreApplication>

#include <QPainter>

#include <algorithm>
#include <array>

#include "board/components.h"
#include "board/fonts.h"
#include "board/layout.h"

namespace solvane::widgets {
namespace {

constexpr double kSmallIconSize = 17;
constexpr TextStyle kWeeksFont{11, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kSmallValueFont{50, FontWeight::medium, FontDesign::monospaced};
constexpr double kSmallValueMinScale = 0.5;
constexpr TextStyle kSmallUnitFont{12};
constexpr double kValueUnitGap = 6;
constexpr double kValueTopPadding = 10;
constexpr TextStyle kSmallLabelFont{14, FontWeight::medium};
constexpr TextStyle kSmallCaptionFont{12};
constexpr double kProgressTopPadding = 4;
constexpr TextStyle kEmptyFont{12};

constexpr double kMediumIconSize = 16;
constexpr TextStyle kMediumValueFont{36, FontWeight::medium, FontDesign::monospaced};
constexpr double kMediumValueMinScale = 0.6;
constexpr double kMediumValueTopPadding = 12;
constexpr TextStyle kMediumUnitFont{11};
constexpr double kMediumMinGap = 4;
constexpr TextStyle kMediumLabelFont{13, FontWeight::medium};
constexpr TextStyle kMediumCaptionFont{11};

constexpr std::int64_t kWeeksFromDays = 14;

// A one-line text with its baseline at `baseline`, even when fitting shrank it.
void drawOnBaseline(QPainter& painter, double x, double baseline, double width,
                    const FittedLine& line, const QColor& color,
                    TextAlign align = TextAlign::leading) {
    const double top = baseline - ascent(line.font);
    drawLine(painter, QRectF(x, top, width, lineHeight(line.font)), line, color, align);
}

// A one-line text filling a frame's width, cut or shrunk to fit it.
void drawFitted(QPainter& painter, const QRectF& frame, const QString& text, const TextStyle& font,
                const QColor& color, double minScale = 1.0, Fit fit = Fit::fact) {
    drawLine(painter, frame, fitLine(text, font, frame.width(), minScale, fit), color);
}

// The hint is wider than a small widget, so it wraps there; the block is
// centred and its lines start at its leading edge.
void paintEmptyHint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) {
    const QFont font = boardFont(kEmptyFont, painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF needed = metrics.boundingRect(rect, flags, CountdownSmallView::emptyText());
    QRectF block(QPointF(), needed.size());
    block.moveCenter(rect.center());
    painter.save();
    painter.setFont(font);
    painter.setPen(ctx.color(ctx.palette.muted));
    painter.drawText(block, flags, CountdownSmallView::emptyText());
    painter.restore();
}

}  // namespace

std::optional<QString> CountdownSmallView::weeksText(const CountdownDisplay& c) {
    // Only a count of days, as the row words it, turns into weeks.
    const int n = static_cast<int>(std::clamp<std::int64_t>(c.value, 0, 1'000'000'000));
    if (c.value < kWeeksFromDays ||
        c.unit != translate("CountdownDisplay", "day(s)", "under the number of days left", n)) {
        return std::nullopt;
    }
    return QCoreApplication::translate("Widgets", "%1 wks", "weeks, short").arg(c.value / 7);
}

QString CountdownSmallView::emptyText() {
    return QCoreApplication::translate("Widgets", "Add a countdown in the Solvane app");
}

void CountdownSmallView::paint(QPainter& painter, const QRectF& rect,
                               const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    if (data.countdowns.empty()) {
        paintEmptyHint(painter, rect, ctx);
        return;
    }
    const CountdownDisplay& c = data.countdowns.front();
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    const CountdownIcon icon{c.symbol, c.customImage ? std::string_view(*c.customImage) : "",
                             kSmallIconSize};
    const std::optional<QString> weeks = weeksText(c);
    const QString value = QString::fromStdString(numberText(static_cast<double>(c.value)));
    const QString unit = qstr(c.unit);
    const QString label = visibleText(c.label);
    const QString caption = qstr(c.caption);

    const double topRowHeight =
        std::max(icon.sizeHint().height(), weeks ? lineHeight(kWeeksFont) : 0.0);
    const double valueAscent = std::max(ascent(kSmallValueFont), ascent(kSmallUnitFont));
    const double valueDescent = std::max(lineHeight(kSmallValueFont) - ascent(kSmallValueFont),
                                         lineHeight(kSmallUnitFont) - ascent(kSmallUnitFont));
    const std::array items = {
        fixedItem({rect.width(), topRowHeight}),
        fixedItem({rect.width(), kValueTopPadding + valueAscent + valueDescent}),
        spacerItem(),
        fixedItem({rect.width(), lineHeight(kSmallLabelFont)}),
        fixedItem({rect.width(), lineHeight(kSmallCaptionFont)}),
        fixedItem({rect.width(), c.progress ? kProgressTopPadding + ProgressLine::kHeight : 0}),
    };
    const auto frames = layoutColumn(rect, items, 0, CrossAlign::leading);

    painter.save();
    const QRectF top = frames[0];
    icon.paint(painter,
               QRectF(QPointF(top.left(), top.center().y() - icon.sizeHint().height() / 2),
                      icon.sizeHint()),
               ctx);
    if (weeks) {
        drawLine(painter, top, fitLine(*weeks, kWeeksFont, top.width()), muted,
                 TextAlign::trailing);
    }

    // The unit keeps its width (up to half the row); the number shrinks first.
    const QRectF figures = frames[1];
    const double baseline = figures.top() + kValueTopPadding + valueAscent;
    const FittedLine unitLine = fitLine(
        unit, kSmallUnitFont, std::min(textWidth(unit, kSmallUnitFont), figures.width() / 2));
    const double valueRoom = std::max(
        0.0, figures.width() - (unitLine.text.isEmpty() ? 0 : unitLine.width + kValueUnitGap));
    const FittedLine valueLine = fitLine(value, kSmallValueFont, valueRoom, kSmallValueMinScale);
    drawOnBaseline(painter, figures.left(), baseline, valueLine.width, valueLine, fg);
    drawOnBaseline(painter, figures.left() + valueLine.width + kValueUnitGap, baseline,
                   unitLine.width, unitLine, muted);

    drawFitted(painter, frames[3], label, kSmallLabelFont, fg, 1.0, Fit::label);
    drawFitted(painter, frames[4], caption, kSmallCaptionFont, muted);
    if (c.progress) {
        const QRectF track(frames[5].left(), frames[5].top() + kProgressTopPadding,
                           frames[5].width(), ProgressLine::kHeight);
        ProgressLine{*c.progress}.paint(painter, track, ctx);
    }
    painter.restore();
}

MediumLayout CountdownsMediumView::layout(const QRectF& rect, std::size_t countdowns) {
    MediumLayout out;
    const std::size_t n = std::min(countdowns, kMaxColumns);
    if (n == 0 || !isDrawable(rect)) {
        return out;
    }
    const double rules = kRuleWidth * static_cast<double>(n - 1);
    const double share = std::max(0.0, (rect.width() - rules) / static_cast<double>(n));
    double x = rect.left();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) {
            out.rules.emplace_back(x, rect.top(), kRuleWidth, rect.height());
            x += kRuleWidth;
        }
        out.columns.emplace_back(x, rect.top(), share, rect.height());
        x += share;
    }
    return out;
}

void CountdownsMediumView::paint(QPainter& painter, const QRectF& rect,
                                 const PaintContext& ctx) const {
    if (data.countdowns.empty() && isDrawable(rect)) {
        paintEmptyHint(painter, rect, ctx);
        return;
    }
    const MediumLayout l = layout(rect, data.countdowns.size());
    if (l.columns.empty()) {
        return;
    }
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    painter.save();
    for (const QRectF& rule : l.rules) {
        painter.fillRect(rule, ctx.color(ctx.palette.line));
    }
    for (std::size_t i = 0; i < l.columns.size(); ++i) {
        const CountdownDisplay& c = data.countdowns[i];
        const QRectF column = l.columns[i].adjusted(kColumnPadding, 0, -kColumnPadding, 0);
        const double width = std::max(0.0, column.width());
        const CountdownIcon icon{c.symbol, c.customImage ? std::string_view(*c.customImage) : "",
                                 kMediumIconSize};
        const std::array items = {
            fixedItem({width, icon.sizeHint().height()}),
            fixedItem({width, kMediumValueTopPadding + lineHeight(kMediumValueFont)}),
            fixedItem({width, lineHeight(kMediumUnitFont)}),
            spacerItem(kMediumMinGap),
            fixedItem({width, lineHeight(kMediumLabelFont)}),
            fixedItem({width, lineHeight(kMediumCaptionFont)}),
        };
        const auto frames = layoutColumn(column, items, 0, CrossAlign::leading);
        icon.paint(painter, QRectF(frames[0].topLeft(), icon.sizeHint()), ctx);
        const QRectF valueFrame = frames[1].adjusted(0, kMediumValueTopPadding, 0, 0);
        const FittedLine valueLine =
            fitLine(QString::fromStdString(numberText(static_cast<double>(c.value))),
                    kMediumValueFont, valueFrame.width(), kMediumValueMinScale);
        drawOnBaseline(painter, valueFrame.left(), valueFrame.top() + ascent(kMediumValueFont),
                       valueFrame.width(), valueLine, fg);
        drawFitted(painter, frames[2], qstr(c.unit), kMediumUnitFont, muted);
        drawFitted(painter, frames[4], visibleText(c.label), kMediumLabelFont, fg, 1.0, Fit::label);
        drawFitted(painter, frames[5], qstr(c.caption), kMediumCaptionFont, muted);
    }
    painter.restore();
}

void CountdownsFamilyView::paint(QPainter& painter, const QRectF& rect,
                                 const PaintContext& ctx) const {
    if (family == WidgetFamily::small) {
        CountdownSmallView{data}.paint(painter, rect, ctx);
    } else {
        CountdownsMediumView{data}.paint(painter, rect, ctx);
    }
}

}  // namespace solvane::widgets
