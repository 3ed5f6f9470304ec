// The Forecast widget's faces: the next hours on the medium widget (or the
// next days, as configured), the next hours and the week on the large one.
//
//   ForecastView{board, calendar, WidgetFamily::large, false}.paint(painter, content, ctx);
#pragma once

#include <QRectF>
#include <QString>

#include <optional>

#include "board/components.h"
#include "core/store/board_data.h"
#include "core/time/calendar.h"
#include "widgets/widget_plugin.h"

class QPainter;

namespace solvane::widgets {

struct ForecastView {
    // Hours shown, this many apart; columns on either face.
    static constexpr int kHourStep = 3;
    static constexpr std::size_t kColumns = 6;
    static constexpr std::size_t kDays = 7;
    // A chance below this is not worth a figure under the symbol.
    static constexpr double kChanceShownFrom = 10;

    const BoardData& data;
    const Calendar& calendar;
    WidgetFamily family = WidgetFamily::medium;
    bool days = false;  // the medium face shows days instead of hours

    // "Forecast unavailable".
    static QString unavailableText();
    // "Now", then the hour as the locale names it: "3 PM", "15 Uhr". Spoken,
    // every word is whole where the face may abbreviate ("Maintenant").
    static QString hourLabel(Instant hour, Instant now, const Calendar& calendar,
                             bool spoken = false);
    // "Today", then the abbreviated weekday; spoken, the whole weekday.
    static QString dayLabel(const CivilDate& day, Instant now, const Calendar& calendar,
                            bool spoken = false);
    // "30%", rounded; empty below kChanceShownFrom; "—" when not given, which
    // is not the same as low.
    static QString chanceText(const std::optional<double>& percent);
    // "Updated 9:05a" (spoken: "Updated 9:05 AM") for a forecast over an hour
    // old at `now`; empty else.
    static QString updatedText(const Forecast& forecast, Instant now, const Calendar& place,
                               bool spoken);
    // The hour under way as a line: "Feels 12° · Wind 15 km/h NW, gusts
    // 30 km/h · 0.4 mm"; what the service gave, empty when nothing.
    static QString detailsText(const Forecast& forecast, Instant now, TempUnit unit,
                               const Calendar& place);

    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

}  // namespace solvane::widgets
