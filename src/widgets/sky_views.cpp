#include "widgets/sky_views.h"

#include <QCoreApplication>

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "board/components.h"
#include "board/fonts.h"
#include "board/layout.h"
#include "board/sky_cards.h"
#include "board/sky_drawings.h"
#include "core/time/text_format.h"

namespace solvane::widgets {
namespace {

constexpr double kMoonSmallGlyph = 60;
constexpr TextStyle kMoonPercentFont{19, FontWeight::medium, FontDesign::monospaced};
constexpr TextStyle kMoonNextFullFont{11};
constexpr double kMoonFiguresSpacing = 3;
constexpr TextStyle kMoonPhaseFont{14, FontWeight::medium};
constexpr double kMoonPhaseMinScale = 0.8;
constexpr double kMoonTimesTopPadding = 6;
constexpr double kMoonTimesSize = 12;

constexpr double kSkySpacing = 12;
constexpr qsizetype kPlaceKeeps = 4;
constexpr double kHeaderSpacing = 8;
constexpr TextStyle kHeaderPlaceFont{12, FontWeight::medium};
constexpr TextStyle kHeaderDateFont{12};
constexpr double kWeatherHeight = 46;
constexpr double kSunSpacing = 8;
constexpr double kArcHeight = 78;
constexpr double kSunTimesSize = 13;
constexpr TextStyle kDayLengthFont{11, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kHourNameFont{12};
constexpr TextStyle kHourFigureFont{12, FontWeight::regular, FontDesign::monospaced};
constexpr double kDot = 6;
constexpr double kDotSpacing = 6;
constexpr double kSkyMoonGlyph = 56;
constexpr double kSkyMoonSpacing = 14;
constexpr double kSkyMoonTextSpacing = 2;
constexpr TextStyle kSkyPhaseFont{14, FontWeight::medium};
constexpr TextStyle kSkyPercentFont{12, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kSkyFullFont{12};
constexpr double kSkyMoonTimesTopPadding = 4;
constexpr double kSkyMoonTimesSpacing = 14;
constexpr double kSkyMoonTimesSize = 13;

template <typename Format>
QString orDash(const std::optional<Instant>& t, const Calendar& calendar, Format format) {
    return t ? qstr(format(*t, calendar)) : QStringLiteral("—");
}

void paintText(QPainter& painter, const QRectF& frame, const QString& text, const TextStyle& font,
               const QColor& color, TextAlign align = TextAlign::leading, double minScale = 1.0,
               Fit fit = Fit::fact) {
    drawLine(painter, frame, fitLine(text, font, frame.width(), minScale, fit), color, align);
}

void paintDot(QPainter& painter, const QRectF& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(box);
    painter.restore();
}

// A square of `side` at the top-leading corner of `frame`, centred across it.
QRectF squareIn(const QRectF& frame, double side) {
    return QRectF(frame.left(), frame.center().y() - side / 2, side, side);
}

}  // namespace

QString moonPercentText(const SkySnapshot& sky) {
    return QCoreApplication::translate("Widgets", "%1%", "percent")
        .arg(qstr(numberText(static_cast<double>(moonLitPercent(sky)))));
}

QString shortTimeText(const std::optional<Instant>& t, const Calendar& calendar) {
    if (!t || !std::isfinite(t->unixSeconds())) {
        return QStringLiteral("—");
    }
    // Where the locale reads a 24-hour clock, every face shows the same one.
    if (usesTwentyFourHourClock(calendar)) {
        return qstr(clockText(*t, calendar));
    }
    // The calendar's offset rather than Qt's zone: both read from one
    // database, and the calendar also knows the file's later replacements.
    const double wall = t->unixSeconds() + calendar.utcOffset(*t).value_or(0);
    const QDateTime local =
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround(wall * 1000.0)), Qt::UTC);
    return QLocale(QString::fromStdString(calendar.locale()))
        .toString(local.time(), QLocale::ShortFormat);
}

void MoonSmallView::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const SkySnapshot& sky = data.sky;
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    const QString percent = moonPercentText(sky);
    const QString nextFull =
        QCoreApplication::translate("Board", "Full %1",
                                    "the next full moon: today, tomorrow, in 5 days")
            .arg(qstr(relativeDayText(sky.nextFull, data.date, calendar)));
    const IconValue rise{"arrow.up", orDash(sky.moonRise, calendar, clockTextAP), kMoonTimesSize};
    const IconValue set{"arrow.down", orDash(sky.moonSet, calendar, clockTextAP), kMoonTimesSize};

    // "Full in 26 days" takes a second line where one is too narrow for it
    // ("Pleine lune / dans 26 jours").
    const auto nextFullLines =
        twoLines(nextFull, kMoonNextFullFont, std::max(0.0, rect.width() - kMoonSmallGlyph));
    std::vector<StackItem> figures = {textItem(percent, kMoonPercentFont)};
    const QStringList nextFullTexts = nextFullLines
                                          ? QStringList{nextFullLines->first, nextFullLines->second}
                                          : QStringList{nextFull};
    for (const QString& line : nextFullTexts) {
        figures.push_back(textItem(line, kMoonNextFullFont));
    }
    const QSizeF figuresSize = columnSize(figures, kMoonFiguresSpacing);
    const double topHeight = std::max(kMoonSmallGlyph, figuresSize.height());
    const double timesHeight = std::max(rise.sizeHint().height(), set.sizeHint().height());
    const std::array column = {
        fixedItem({rect.width(), topHeight}),
        spacerItem(),
        fixedItem({rect.width(), lineHeight(kMoonPhaseFont)}),
        fixedItem({rect.width(), kMoonTimesTopPadding + timesHeight}),
    };
    const auto frames = layoutColumn(rect, column, 0, CrossAlign::leading);

    painter.save();
    const QRectF top = frames[0];
    paintMoonGlyph(painter, QRectF(top.topLeft(), QSizeF(kMoonSmallGlyph, kMoonSmallGlyph)), sky,
                   ctx.palette, ctx.scheme);
    const double figuresWidth = std::max(0.0, top.width() - kMoonSmallGlyph);
    const QRectF figuresBox(top.right() - figuresWidth, top.top(), figuresWidth,
                            figuresSize.height());
    const auto figureFrames =
        layoutColumn(figuresBox, figures, kMoonFiguresSpacing, CrossAlign::trailing);
    paintText(painter, figureFrames[0], percent, kMoonPercentFont, fg, TextAlign::trailing);
    for (qsizetype i = 0; i < nextFullTexts.size(); ++i) {
        const QRectF& frame = figureFrames[static_cast<std::size_t>(i) + 1];
        paintText(painter,
                  QRectF(figuresBox.left(), frame.top(), figuresBox.width(), frame.height()),
                  nextFullTexts[i], kMoonNextFullFont, muted, TextAlign::trailing);
    }

    paintText(painter, frames[2], qstr(sky.localizedPhaseName()), kMoonPhaseFont, fg,
              TextAlign::leading, kMoonPhaseMinScale);

    const QRectF times = frames[3].adjusted(0, kMoonTimesTopPadding, 0, 0);
    rise.paint(painter, QRectF(times.topLeft(), rise.sizeHint()), ctx);
    set.paint(painter,
              QRectF(QPointF(times.right() - set.sizeHint().width(), times.top()), set.sizeHint()),
              ctx);
    painter.restore();
}

void SkyView::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const SkySnapshot& sky = data.sky;
    const WeatherSnapshot* weather = data.weather ? &*data.weather : nullptr;
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);

    // The header line.
    const QString place = visibleText(data.place);
    const QString date = qstr(shortDateLabel(data.date, calendar));
    const WeatherCredit credit{weather};
    // The date is never cut: the place yields first, down to its first few
    // characters, then the credit. Without weather there is no credit, and
    // no gap kept for it.
    StackItem placeItem = textItem(place, kHeaderPlaceFont);
    placeItem.minimum = headWidth(place, kHeaderPlaceFont, kPlaceKeeps);
    StackItem dateItem = textItem(date, kHeaderDateFont);
    dateItem.compressible = false;
    std::vector<StackItem> header = {placeItem, spacerItem()};
    if (weather) {
        StackItem mark = fixedItem(credit.sizeHint(), credit.baseline());
        mark.compressible = true;
        mark.yieldOrder = 1;
        header.push_back(mark);
    }
    header.push_back(dateItem);
    const double headerHeight = rowSize(header, kHeaderSpacing, CrossAlign::center).height();

    // The sun's block.
    const IconValue sunrise{"sunrise", shortTimeText(sky.sunrise, calendar), kSunTimesSize};
    const IconValue sunset{"sunset", shortTimeText(sky.sunset, calendar), kSunTimesSize};
    const QString dayLength = dayLengthFigure(sky);
    const std::array sunTimes = {fixedItem(sunrise.sizeHint()), spacerItem(),
                                 textItem(dayLength, kDayLengthFont), spacerItem(),
                                 fixedItem(sunset.sizeHint())};
    const QString goldenName =
        QCoreApplication::translate("Board", "Golden", "golden hour") + QLatin1Char(' ');
    const QString golden = orDash(sky.goldenStart, calendar, clockText);
    const QString blueName =
        QCoreApplication::translate("Board", "Blue", "blue hour") + QLatin1Char(' ');
    const QString blue = clockSpan(sky.blueStart, sky.blueEnd, calendar);
    // The dot sits on the middle of the line box, as it would centred beside
    // the text alone.
    const double dotBaseline =
        kDot / 2 + (2 * ascent(kHourNameFont) - lineHeight(kHourNameFont)) / 2;
    const std::array hours = {fixedItem({kDot, kDot}, dotBaseline),
                              fixedItem({kDotSpacing, 0}),
                              textItem(goldenName, kHourNameFont),
                              textItem(golden, kHourFigureFont),
                              spacerItem(),
                              textItem(blueName, kHourNameFont),
                              textItem(blue, kHourFigureFont)};
    const double sunTimesHeight = rowSize(sunTimes, 0, CrossAlign::center).height();
    const double hoursHeight = rowSize(hours, 0, CrossAlign::firstBaseline).height();
    const double sunHeight = kArcHeight + kSunSpacing + sunTimesHeight + kSunSpacing + hoursHeight;

    // The moon's block.
    const QString phase = qstr(sky.localizedPhaseName());
    const QString percent = moonPercentText(sky);
    const QString full = QCoreApplication::translate("Widgets", "Full moon %1", "and its date")
                             .arg(orDash(sky.nextFull, calendar, shortDateLabel));
    const IconValue moonRise{"arrow.up", shortTimeText(sky.moonRise, calendar), kSkyMoonTimesSize};
    const IconValue moonSet{"arrow.down", shortTimeText(sky.moonSet, calendar), kSkyMoonTimesSize};
    const std::array phaseRow = {textItem(phase, kSkyPhaseFont), spacerItem(kHeaderSpacing),
                                 textItem(percent, kSkyPercentFont)};
    const std::array moonTimes = {fixedItem(moonRise.sizeHint()), fixedItem(moonSet.sizeHint())};
    const std::array moonText = {
        fixedItem(rowSize(phaseRow, 0, CrossAlign::firstBaseline)),
        textItem(full, kSkyFullFont),
        fixedItem(rowSize(moonTimes, kSkyMoonTimesSpacing, CrossAlign::center) +
                  QSizeF(0, kSkyMoonTimesTopPadding)),
    };
    const double moonHeight =
        std::max(kSkyMoonGlyph, columnSize(moonText, kSkyMoonTextSpacing).height());

    const std::array column = {
        fixedItem({rect.width(), headerHeight}), fixedItem({rect.width(), kWeatherHeight}),
        fixedItem({rect.width(), sunHeight}),    fixedItem({rect.width(), Hairline::kHeight}),
        fixedItem({rect.width(), moonHeight}),   spacerItem(),
    };
    const auto frames = layoutColumn(rect, column, kSkySpacing, CrossAlign::leading);

    painter.save();
    const auto headerFrames = layoutRow(frames[0], header, kHeaderSpacing, CrossAlign::center);
    paintText(painter, headerFrames[0], place, kHeaderPlaceFont, fg, TextAlign::leading, 1.0,
              Fit::label);
    if (weather) {
        credit.paint(painter, headerFrames[2], ctx);
    }
    paintText(painter, headerFrames.back(), date, kHeaderDateFont, muted, TextAlign::trailing);

    WeatherHeader{weather, data.unit, false}.paint(painter, frames[1], ctx);

    const QRectF sun = frames[2];
    paintSunArc(painter, QRectF(sun.topLeft(), QSizeF(sun.width(), kArcHeight)), sky, ctx.palette,
                ctx.scheme);
    const QRectF timesRow(sun.left(), sun.top() + kArcHeight + kSunSpacing, sun.width(),
                          sunTimesHeight);
    const auto timeFrames = layoutRow(timesRow, sunTimes, 0, CrossAlign::center);
    sunrise.paint(painter, timeFrames[0], ctx);
    paintText(painter, timeFrames[2], dayLength, kDayLengthFont, muted, TextAlign::center);
    sunset.paint(painter, timeFrames[4], ctx);
    const QRectF hoursRow(sun.left(), timesRow.bottom() + kSunSpacing, sun.width(), hoursHeight);
    const auto hourFrames = layoutRow(hoursRow, hours, 0, CrossAlign::firstBaseline);
    paintDot(painter, hourFrames[0], ctx.color(ctx.palette.accent));
    paintText(painter, hourFrames[2], goldenName, kHourNameFont, fg);
    paintText(painter, hourFrames[3], golden, kHourFigureFont, fg);
    paintText(painter, hourFrames[5], blueName, kHourNameFont, fg);
    paintText(painter, hourFrames[6], blue, kHourFigureFont, fg);

    Hairline{}.paint(painter, frames[3], ctx);

    const QRectF moon = frames[4];
    paintMoonGlyph(painter, squareIn(moon, kSkyMoonGlyph), sky, ctx.palette, ctx.scheme);
    const double textLeft = moon.left() + kSkyMoonGlyph + kSkyMoonSpacing;
    const QSizeF textSize(std::max(0.0, moon.right() - textLeft),
                          columnSize(moonText, kSkyMoonTextSpacing).height());
    const QRectF textBox(QPointF(textLeft, moon.center().y() - textSize.height() / 2), textSize);
    const auto textFrames =
        layoutColumn(textBox, moonText, kSkyMoonTextSpacing, CrossAlign::leading);
    const QRectF phaseBox(textBox.left(), textFrames[0].top(), textBox.width(),
                          textFrames[0].height());
    const auto phaseFrames = layoutRow(phaseBox, phaseRow, 0, CrossAlign::firstBaseline);
    paintText(painter, phaseFrames[0], phase, kSkyPhaseFont, fg);
    paintText(painter, phaseFrames[2], percent, kSkyPercentFont, fg, TextAlign::trailing);
    paintText(painter,
              QRectF(textBox.left(), textFrames[1].top(), textBox.width(), textFrames[1].height()),
              full, kSkyFullFont, fg);
    const QRectF moonTimesRow(textBox.left(), textFrames[2].top() + kSkyMoonTimesTopPadding,
                              textBox.width(), textFrames[2].height() - kSkyMoonTimesTopPadding);
    const auto moonTimeFrames =
        layoutRow(moonTimesRow, moonTimes, kSkyMoonTimesSpacing, CrossAlign::center);
    moonRise.paint(painter, moonTimeFrames[0], ctx);
    moonSet.paint(painter, moonTimeFrames[1], ctx);
    painter.restore();
}

}  // namespace solvane::widgets
