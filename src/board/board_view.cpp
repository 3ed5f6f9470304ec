#include "board/board_view.h"

#include <QCoreApplication>

#include <QPainter>

#include <algorithm>
#include <vector>

#include "board/components.h"
#include "board/layout.h"
#include "board/sky_cards.h"
#include "core/time/text_format.h"

namespace solvane {
namespace {

constexpr double kColumnSpacing = 12;
constexpr double kBodySpacing = 22;
constexpr double kCountdownWidth = 286;
constexpr double kLabelPadding = 6;
constexpr double kRowSpacing = 8;
constexpr double kCaptionPadding = 10;
constexpr double kHeaderGap = 8;
constexpr double kWeatherHeight = 52;
constexpr double kCardSpacing = 12;

constexpr TextStyle kDateFont{12, FontWeight::medium};
constexpr TextStyle kPlaceFont{12};
constexpr TextStyle kCaptionFont{12};

struct HeaderTexts {
    QString date;
    QString place;

    HeaderTexts(const BoardData& data, const Calendar& calendar)
        : date(QString::fromStdString(longDateLabel(data.date, calendar))),
          place(visibleText(data.place)) {}
};

// A place name cut shorter than this many characters (and "…") no longer
// says which place it is; the credit yields before it gets there.
constexpr qsizetype kPlaceKeeps = 4;

// The date, a flexible space, the place and, with weather, its credit. The
// date is never cut: the place yields first, then the credit.
std::vector<StackItem> headerItems(const HeaderTexts& texts, const WeatherCredit& credit) {
    StackItem date = textItem(texts.date, kDateFont);
    date.compressible = false;
    StackItem place = textItem(texts.place, kPlaceFont);
    place.minimum = headWidth(texts.place, kPlaceFont, kPlaceKeeps);
    std::vector<StackItem> items{date, spacerItem(0), place};
    if (credit.weather) {
        StackItem mark = fixedItem(credit.sizeHint(), credit.baseline());
        mark.compressible = true;
        mark.yieldOrder = 1;
        items.push_back(mark);
    }
    return items;
}

const WeatherSnapshot* weatherOf(const BoardData& data) {
    return data.weather ? &*data.weather : nullptr;
}

}  // namespace

QString SolvaneView::emptyCaption() {
    return QCoreApplication::translate("Board", "Add countdowns in the Solvane app");
}

BoardLayout SolvaneView::layout(const QRectF& rect, const BoardData& data,
                                const Calendar& calendar) {
    BoardLayout out;
    const HeaderTexts texts(data, calendar);
    const WeatherCredit credit{weatherOf(data)};
    const auto header = headerItems(texts, credit);
    out.header = QRectF(
        rect.topLeft(),
        QSizeF(rect.width(), rowSize(header, kHeaderGap, CrossAlign::firstBaseline).height()));
    const auto headerFrames = layoutRow(out.header, header, kHeaderGap, CrossAlign::firstBaseline);
    out.date = headerFrames[0];
    out.place = headerFrames[2];
    out.credit = headerFrames.size() > 3 ? headerFrames[3] : QRectF(out.place.topRight(), QSizeF());

    const double bodyTop = out.header.bottom() + kColumnSpacing;
    const double bodyHeight = std::max(0.0, rect.bottom() - bodyTop);
    out.countdownColumn = QRectF(rect.left(), bodyTop, kCountdownWidth, bodyHeight);

    const SectionLabel label{QCoreApplication::translate("Board", "Countdowns")};
    out.countdownLabel =
        QRectF(out.countdownColumn.topLeft(), QSizeF(kCountdownWidth, label.sizeHint().height()));
    double y = out.countdownLabel.bottom() + kLabelPadding + kRowSpacing;
    const std::size_t shown = std::min(data.countdowns.size(), kMaxRows);
    for (std::size_t i = 0; i < shown; ++i) {
        out.hairlines.emplace_back(rect.left(), y, kCountdownWidth, Hairline::kHeight);
        y += Hairline::kHeight + kRowSpacing;
        const double h = CountdownRow{data.countdowns[i]}.height();
        out.rows.emplace_back(rect.left(), y, kCountdownWidth, h);
        y += h + kRowSpacing;
    }
    if (data.countdowns.empty()) {
        out.hairlines.emplace_back(rect.left(), y, kCountdownWidth, Hairline::kHeight);
        y += Hairline::kHeight + kRowSpacing + kCaptionPadding;
        out.emptyCaption = QRectF(rect.left(), y, kCountdownWidth, lineHeight(kCaptionFont));
    }

    const double rightLeft = out.countdownColumn.right() + kBodySpacing;
    const double rightWidth = std::max(0.0, rect.right() - rightLeft);
    out.weather = QRectF(rightLeft, bodyTop, rightWidth, kWeatherHeight);
    const double cardWidth = std::max(0.0, (rightWidth - kCardSpacing) / 2);
    const double cardHeight = std::max(SunCard{data.sky, calendar}.sizeHint().height(),
                                       MoonCard{data.sky, data.date, calendar}.sizeHint().height());
    const double cardTop = out.weather.bottom() + kColumnSpacing;
    out.sun = QRectF(rightLeft, cardTop, cardWidth, cardHeight);
    out.moon = QRectF(out.sun.right() + kCardSpacing, cardTop, cardWidth, cardHeight);
    return out;
}

void SolvaneView::paint(QPainter& painter, const QRectF& rect, const BoardData& data,
                        const PaintContext& ctx, const Calendar& calendar) const {
    if (!isDrawable(rect)) {
        return;
    }
    const BoardLayout l = layout(rect, data, calendar);
    const HeaderTexts texts(data, calendar);
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);

    painter.save();
    drawLine(painter, l.date, fitLine(texts.date, kDateFont, l.date.width()), fg);
    drawLine(painter, l.place, fitLine(texts.place, kPlaceFont, l.place.width(), 1.0, Fit::label),
             muted, TextAlign::trailing);
    WeatherCredit{weatherOf(data)}.paint(painter, l.credit, ctx);

    SectionLabel{QCoreApplication::translate("Board", "Countdowns")}.paint(painter,
                                                                           l.countdownLabel, ctx);
    for (const QRectF& rule : l.hairlines) {
        Hairline{}.paint(painter, rule, ctx);
    }
    for (std::size_t i = 0; i < l.rows.size(); ++i) {
        CountdownRow{data.countdowns[i]}.paint(painter, l.rows[i], ctx);
    }
    if (l.emptyCaption) {
        drawLine(painter, *l.emptyCaption,
                 fitLine(SolvaneView::emptyCaption(), kCaptionFont, l.emptyCaption->width()),
                 muted);
    }

    WeatherHeader{weatherOf(data), data.unit, true}.paint(painter, l.weather, ctx);
    SunCard{data.sky, calendar}.paint(painter, l.sun, ctx);
    MoonCard{data.sky, data.date, calendar}.paint(painter, l.moon, ctx);
    painter.restore();
}

}  // namespace solvane
