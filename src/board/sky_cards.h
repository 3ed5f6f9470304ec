// The board's sky panels: the sun's day (its length, the daylight arc,
// sunrise and sunset, golden and blue hour) and the moon's (illumination, the
// glyph with its phase name and the next full moon, moonrise and moonset, the
// next full and new moon).
//
// Like the other components each borrows its inputs for as long as it lives
// and paints inside the given rectangle, filling it with a panel. Times are
// shown in the calendar's zone and locale; an absent time reads "—".
//
//   const SunCard sun{board.sky, calendar};
//   sun.paint(painter, QRectF(QPointF(x, y), sun.sizeHint()), ctx);
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

#include "board/components.h"
#include "core/sky/sky_snapshot.h"
#include "core/time/calendar.h"
#include "core/time/instant.h"

class QPainter;

namespace solvane {

struct SunCard {
    const SkySnapshot& sky;
    const Calendar& calendar;

    // The narrowest panel that fits every text uncut, and its height.
    QSizeF sizeHint() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

struct MoonCard {
    const SkySnapshot& sky;
    Instant now;  // the moment "Full tomorrow" counts days from
    const Calendar& calendar;

    QSizeF sizeHint() const;
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// "10h 25m": sunset − sunrise; "24h" while the sun stays up all day, "0m"
// on any other day without both.
QString dayLengthFigure(const SkySnapshot& sky);
// The same followed by " light".
QString dayLengthText(const SkySnapshot& sky);

// "7:42–8:15"; a single "—" unless both ends are known.
QString clockSpan(const std::optional<Instant>& from, const std::optional<Instant>& to,
                  const Calendar& calendar);

// "99% lit": the illuminated percent, truncated.
QString moonLitText(const SkySnapshot& sky);

}  // namespace solvane
