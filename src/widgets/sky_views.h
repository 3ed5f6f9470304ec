// The Moon and Sky widgets' faces.
//
//   MoonSmallView{board, calendar}.paint(painter, content, ctx);
//   SkyView{board, calendar}.paint(painter, content, ctx);
#pragma once

#include <QRectF>
#include <QString>

#include <optional>

#include "board/components.h"
#include "core/store/board_data.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

class QPainter;

namespace solvane::widgets {

// "99%": the lit share of the moon's disc in whole percent, truncated.
QString moonPercentText(const SkySnapshot& sky);

// The time of day of `t` in the locale's short time format ("6:05 AM" in
// en_US) and the calendar's zone; "—" when absent.
QString shortTimeText(const std::optional<Instant>& t, const Calendar& calendar);

// The moon glyph with the lit percentage and the days to the next full moon
// beside it, the phase's name, and moonrise and moonset along the bottom.
struct MoonSmallView {
    const BoardData& data;
    const Calendar& calendar;

    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// The place, weather, the sun's day (arc, sunrise, day length, sunset,
// golden and blue hour) and, under a rule, the moon.
struct SkyView {
    const BoardData& data;
    const Calendar& calendar;

    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

}  // namespace solvane::widgets
