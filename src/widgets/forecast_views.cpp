#include "widgets/forecast_views.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "board/components.h"
#include "board/layout.h"
#include "board/symbols.h"
#include "core/time/text_format.h"
#include "core/weather/forecast_display.h"
#include "core/weather/weather.h"

namespace solvane::widgets {
namespace {

constexpr TextStyle kPlaceFont{12, FontWeight::medium};
constexpr TextStyle kRangeFont{12, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kColumnLabelFont{11};
constexpr TextStyle kColumnTemperatureFont{15, FontWeight::medium, FontDesign::monospaced};
constexpr TextStyle kChanceFont{10.5, FontWeight::medium, FontDesign::monospaced};
constexpr TextStyle kDayNameFont{13, FontWeight::medium};
constexpr TextStyle kDayFigureFont{13, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kUnavailableFont{13, FontWeight::medium};
constexpr double kColumnSymbol = 22;
constexpr double kColumnGap = 5;
constexpr double kBlockGap = 10;
constexpr double kDaySymbol = 18;
constexpr double kDayNameWidth = 48;
constexpr double kDayFigureWidth = 36;
constexpr double kBarHeight = 3;  // a track, as the progress line's
constexpr double kBarGap = 8;

QString temperature(double celsius, TempUnit unit) {
    return qstr(formatTemperature(celsius, unit));
}

void text(QPainter& painter, const QRectF& frame, const QString& s, const TextStyle& font,
          const QColor& color, TextAlign align, double minScale = 0.8, Fit fit = Fit::fact) {
    drawLine(painter, frame, fitLine(s, font, frame.width(), minScale, fit), color, align);
}

// One column: its label, the symbol, the figure and the chance under it.
struct Column {
    QString label;
    std::string symbol;
    QString figure;
    QString second;  // a day's low, muted; empty for an hour
    QString chance;
};

double columnHeight(bool withSecond) {
    return lineHeight(kColumnLabelFont) + kColumnGap + kColumnSymbol + kColumnGap +
           lineHeight(kColumnTemperatureFont) + (withSecond ? lineHeight(kDayFigureFont) : 0.0) +
           2 + lineHeight(kChanceFont);
}

void paintColumns(QPainter& painter, const QRectF& box, const std::vector<Column>& columns,
                  const PaintContext& ctx) {
    if (columns.empty()) {
        return;
    }
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    const QColor accent = ctx.color(ctx.palette.accent);
    const double width = box.width() / static_cast<double>(ForecastView::kColumns);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        double y = box.top();
        const double x = box.left() + width * static_cast<double>(i);
        const auto row = [&](double height) {
            const QRectF r(x, y, width, height);
            y += height;
            return r;
        };
        text(painter, row(lineHeight(kColumnLabelFont)), c.label, kColumnLabelFont, muted,
             TextAlign::center);
        y += kColumnGap;
        drawSymbol(painter, c.symbol, row(kColumnSymbol), kColumnSymbol, fg);
        y += kColumnGap;
        text(painter, row(lineHeight(kColumnTemperatureFont)), c.figure, kColumnTemperatureFont, fg,
             TextAlign::center);
        if (!c.second.isEmpty()) {
            text(painter, row(lineHeight(kDayFigureFont)), c.second, kDayFigureFont, muted,
                 TextAlign::center);
        }
        y += 2;
        text(painter, row(lineHeight(kChanceFont)), c.chance, kChanceFont, accent,
             TextAlign::center);
    }
}

std::vector<Column> hourColumns(const Forecast& forecast, Instant now, TempUnit unit,
                                const Calendar& calendar) {
    std::vector<Column> out;
    for (const HourForecast& h :
         hourSteps(forecast, now, ForecastView::kHourStep, ForecastView::kColumns)) {
        out.push_back({ForecastView::hourLabel(h.time, now, calendar), h.symbol,
                       temperature(h.temperatureC, unit), QString(),
                       ForecastView::chanceText(h.precipitationChance)});
    }
    return out;
}

std::vector<DayForecast> shownDays(const Forecast& forecast, Instant now, const Calendar& calendar,
                                   std::size_t count) {
    const std::optional<CivilDate> today = calendar.civilDate(now);
    return today ? upcomingDays(forecast, *today, count) : std::vector<DayForecast>();
}

std::vector<Column> dayColumns(const Forecast& forecast, Instant now, TempUnit unit,
                               const Calendar& calendar) {
    std::vector<Column> out;
    for (const DayForecast& d : shownDays(forecast, now, calendar, ForecastView::kColumns)) {
        out.push_back({ForecastView::dayLabel(d.date, now, calendar), d.symbol,
                       temperature(d.highC, unit), temperature(d.lowC, unit),
                       ForecastView::chanceText(d.precipitationChance)});
    }
    return out;
}

// The place on the left, today's range (or how old the forecast is) on the
// right.
void paintHeader(QPainter& painter, const QRectF& row, const BoardData& data,
                 const std::vector<DayForecast>& days, const QString& updated,
                 const PaintContext& ctx) {
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    // An old forecast says when it was fetched, in the place of today's range.
    QString range = updated;
    if (range.isEmpty() && !days.empty()) {
        range = QCoreApplication::translate("Widgets", "H %1  L %2", "today's high and low")
                    .arg(temperature(days.front().highC, data.unit),
                         temperature(days.front().lowC, data.unit));
    }
    const double rangeWidth = range.isEmpty() ? 0 : textWidth(range, kRangeFont);
    text(painter,
         QRectF(row.left(), row.top(), std::max(0.0, row.width() - rangeWidth - 8), row.height()),
         visibleText(data.place), kPlaceFont, fg, TextAlign::leading, 1.0, Fit::label);
    if (!range.isEmpty()) {
        text(painter, row, range, kRangeFont, muted, TextAlign::trailing, 1.0);
    }
}

// Each day on a row: name, symbol, chance, low, its range on the week's
// scale, high.
void paintWeek(QPainter& painter, const QRectF& box, const std::vector<DayForecast>& days,
               Instant now, const BoardData& data, const Calendar& calendar,
               const PaintContext& ctx) {
    if (days.empty()) {
        return;
    }
    double coldest = std::numeric_limits<double>::infinity();
    double warmest = -coldest;
    for (const DayForecast& d : days) {
        coldest = std::min(coldest, d.lowC);
        warmest = std::max(warmest, d.highC);
    }
    const double span = std::max(warmest - coldest, 1.0);
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);
    const QColor accent = ctx.color(ctx.palette.accent);
    const QColor track = ctx.color(ctx.palette.line);
    const double rowHeight = box.height() / static_cast<double>(ForecastView::kDays);
    for (std::size_t i = 0; i < days.size() && i < ForecastView::kDays; ++i) {
        const DayForecast& d = days[i];
        const QRectF row(box.left(), box.top() + rowHeight * static_cast<double>(i), box.width(),
                         rowHeight);
        double x = row.left();
        const auto cell = [&](double width) {
            const QRectF r(x, row.top(), width, row.height());
            x += width;
            return r;
        };
        text(painter, cell(kDayNameWidth), ForecastView::dayLabel(d.date, now, calendar),
             kDayNameFont, fg, TextAlign::leading);
        drawSymbol(painter, d.symbol, cell(kDaySymbol + 8), kDaySymbol, fg);
        text(painter, cell(kDayFigureWidth), ForecastView::chanceText(d.precipitationChance),
             kChanceFont, accent, TextAlign::trailing);
        text(painter, cell(kDayFigureWidth), temperature(d.lowC, data.unit), kDayFigureFont, muted,
             TextAlign::trailing);
        const double barLeft = x + kBarGap;
        const double barRight = row.right() - kDayFigureWidth - kBarGap;
        if (barRight > barLeft) {
            const double width = barRight - barLeft;
            const double y = row.center().y() - kBarHeight / 2;
            const double from = barLeft + width * std::clamp((d.lowC - coldest) / span, 0.0, 1.0);
            const double to = barLeft + width * std::clamp((d.highC - coldest) / span, 0.0, 1.0);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(track);
            painter.drawRoundedRect(QRectF(barLeft, y, width, kBarHeight), kBarHeight / 2,
                                    kBarHeight / 2);
            painter.setBrush(accent);
            painter.drawRoundedRect(QRectF(from, y, std::max(to - from, kBarHeight), kBarHeight),
                                    kBarHeight / 2, kBarHeight / 2);
            painter.restore();
        }
        text(painter,
             QRectF(row.right() - kDayFigureWidth, row.top(), kDayFigureWidth, row.height()),
             temperature(d.highC, data.unit), kDayFigureFont, fg, TextAlign::trailing);
    }
}

void paintUnavailable(QPainter& painter, const QRectF& box, const PaintContext& ctx) {
    const QColor fg = ctx.color(ctx.palette.fg);
    const QString words = ForecastView::unavailableText();
    const std::array row = {fixedItem(symbolSize(24)), textItem(words, kUnavailableFont, 0.8)};
    const QSizeF size = rowSize(row, 8, CrossAlign::center);
    const QRectF centred(box.center().x() - std::min(size.width(), box.width()) / 2,
                         box.center().y() - size.height() / 2, std::min(size.width(), box.width()),
                         size.height());
    const auto frames = layoutRow(centred, row, 8, CrossAlign::center);
    drawSymbol(painter, "cloud.slash", frames[0], 24, fg);
    text(painter, frames[1], words, kUnavailableFont, fg, TextAlign::leading);
}

}  // namespace

QString ForecastView::unavailableText() {
    return QCoreApplication::translate("Widgets", "Forecast unavailable");
}

QString ForecastView::hourLabel(Instant hour, Instant now, const Calendar& calendar, bool spoken) {
    if (hour <= now) {
        return spoken ? QCoreApplication::translate(
                            "Widgets", "Now", "the hour under way, read aloud: never shortened")
                      : QCoreApplication::translate("Widgets", "Now", "the hour under way");
    }
    return qstr(hourText(hour, calendar));
}

QString ForecastView::dayLabel(const CivilDate& day, Instant now, const Calendar& calendar,
                               bool spoken) {
    if (calendar.civilDate(now) == day) {
        return spoken
                   ? QCoreApplication::translate("Widgets", "Today", "read aloud: never shortened")
                   : QCoreApplication::translate("Widgets", "Today");
    }
    const auto noon = calendar.date(day.year, day.month, day.day, 12);
    if (!noon) {
        return {};
    }
    if (spoken) {
        const auto weekday = calendar.weekday(*noon);
        const auto& names = calendar.weekdayNames();
        if (weekday && *weekday >= 1 && static_cast<std::size_t>(*weekday) <= names.size()) {
            return qstr(names[static_cast<std::size_t>(*weekday - 1)]);
        }
    }
    return qstr(weekdayText(*noon, calendar));
}

QString ForecastView::chanceText(const std::optional<double>& percent) {
    if (!percent || !std::isfinite(*percent)) {
        return QStringLiteral("\u2014");
    }
    if (*percent < kChanceShownFrom) {
        return {};
    }
    const int whole = static_cast<int>(std::lround(std::min(*percent, 100.0)));
    return QCoreApplication::translate("Widgets", "%1%", "percent")
        .arg(qstr(numberText(static_cast<double>(whole))));
}

QString ForecastView::updatedText(const Forecast& forecast, Instant now, const Calendar& place,
                                  bool spoken) {
    if (!(now - forecast.fetched > kForecastFreshnessSeconds)) {
        return {};
    }
    // A face has room for "5:00a"; a screen reader would spell that out.
    const QString when = place.dayDifference(forecast.fetched, now) == 0
                             ? qstr(spoken ? timeText(forecast.fetched, place)
                                           : clockTextAP(forecast.fetched, place))
                             : qstr(shortDateLabel(forecast.fetched, place));
    return QCoreApplication::translate("Widgets", "Updated %1", "when the forecast was fetched")
        .arg(when);
}

QString ForecastView::detailsText(const Forecast& forecast, Instant now, TempUnit unit,
                                  const Calendar& place) {
    const auto hours = upcomingHours(forecast, now, 1);
    if (hours.empty()) {
        return {};
    }
    const HourForecast& h = hours.front();
    QStringList parts;
    if (h.feelsLikeC) {
        parts << QCoreApplication::translate("Widgets", "Feels %1")
                     .arg(temperature(*h.feelsLikeC, unit));
    }
    if (h.windKph) {
        QString wind = qstr(formatWindSpeed(*h.windKph, unit, place.locale()));
        if (h.windDirection) {
            wind += QLatin1Char(' ') + qstr(localizedCompassPoint(*h.windDirection));
        }
        if (h.gustKph) {
            wind = QCoreApplication::translate("Widgets", "%1, gusts %2", "wind, then its gusts")
                       .arg(wind, qstr(formatWindSpeed(*h.gustKph, unit, place.locale())));
        }
        parts << QCoreApplication::translate("Widgets", "Wind %1").arg(wind);
    }
    if (h.precipitationMm && *h.precipitationMm > 0) {
        parts << qstr(formatPrecipitation(*h.precipitationMm, unit, place.locale()));
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

void ForecastView::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const Instant now = data.date;
    // The place's days and hours, wherever the computer is.
    const Calendar place =
        data.forecast ? placeCalendar(*data.forecast, this->calendar) : this->calendar;
    const Calendar& calendar = place;
    const Forecast* forecast = data.forecast && forecastShowable(*data.forecast, now, calendar)
                                   ? &*data.forecast
                                   : nullptr;
    const std::vector<DayForecast> week =
        forecast ? shownDays(*forecast, now, calendar, kDays) : std::vector<DayForecast>();
    const double headerHeight = lineHeight(kPlaceFont);

    painter.save();
    paintHeader(painter, QRectF(rect.left(), rect.top(), rect.width(), headerHeight), data, week,
                forecast ? updatedText(*forecast, now, calendar, false) : QString(), ctx);
    QRectF body = rect.adjusted(0, headerHeight + kBlockGap, 0, 0);
    if (forecast != nullptr && family == WidgetFamily::large) {
        const QString details = detailsText(*forecast, now, data.unit, calendar);
        if (!details.isEmpty()) {
            const double h = lineHeight(kColumnLabelFont);
            text(painter, QRectF(body.left(), body.top() - kBlockGap / 2, body.width(), h), details,
                 kColumnLabelFont, ctx.color(ctx.palette.muted), TextAlign::leading);
            body.setTop(body.top() + h);
        }
    }
    if (forecast == nullptr) {
        paintUnavailable(painter, body, ctx);
        painter.restore();
        return;
    }
    const bool showDays = days && family == WidgetFamily::medium;
    const std::vector<Column> columns = showDays ? dayColumns(*forecast, now, data.unit, calendar)
                                                 : hourColumns(*forecast, now, data.unit, calendar);
    const double height = columnHeight(showDays);
    if (family == WidgetFamily::medium) {
        // The columns sit at the foot of the face, under the header.
        const QRectF box(body.left(), std::max(body.top(), body.bottom() - height), body.width(),
                         height);
        paintColumns(painter, box, columns, ctx);
    } else {
        paintColumns(painter, QRectF(body.left(), body.top(), body.width(), height), columns, ctx);
        const double ruleY = body.top() + height + kBlockGap;
        Hairline{}.paint(painter, QRectF(body.left(), ruleY, body.width(), Hairline::kHeight), ctx);
        const QRectF weekBox(
            body.left(), ruleY + Hairline::kHeight + kBlockGap / 2, body.width(),
            std::max(0.0, body.bottom() - ruleY - Hairline::kHeight - kBlockGap / 2));
        paintWeek(painter, weekBox, week, now, data, calendar, ctx);
    }
    painter.restore();
}

}  // namespace solvane::widgets
