// SolvaneView: one whole board from a BoardData — the date, place and
// weather credit on a header line; up to four countdown rows on the left;
// the weather header above the sun and moon panels on the right.
//
// The view draws no background: whoever shows it supplies the surface and
// the palette (see board/backdrop.h for the standalone one). It lays out in
// whatever rectangle it is given, at its best in naturalSize(), the content
// of the extra-large widget once that widget's padding is taken off.
//
//   const SolvaneView view;
//   view.paint(painter, QRectF(QPointF(18, 18), SolvaneView::naturalSize()), board, ctx, cal);
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

#include "board/components.h"
#include "core/store/board_data.h"
#include "core/time/calendar.h"

class QPainter;

namespace solvane {

// Where each part of a board goes in the rectangle it is drawn in.
struct BoardLayout {
    QRectF header;  // the date, place and credit line
    QRectF date;
    QRectF place;
    QRectF credit;
    QRectF countdownColumn;
    QRectF countdownLabel;
    std::vector<QRectF> hairlines;       // one above each row, or above the caption
    std::vector<QRectF> rows;            // the countdown rows shown, in order
    std::optional<QRectF> emptyCaption;  // only when there are no countdowns
    QRectF weather;
    QRectF sun;
    QRectF moon;
};

class SolvaneView {
  public:
    // The extra-large widget, and the padding its board is drawn inside.
    static constexpr QSizeF kWidgetSize{724, 360};
    static constexpr double kWidgetPadding = 18;
    static constexpr std::size_t kMaxRows = 4;

    static QSizeF naturalSize() {
        return kWidgetSize - QSizeF(2 * kWidgetPadding, 2 * kWidgetPadding);
    }

    // What the countdown column says when there are none.
    static QString emptyCaption();

    static BoardLayout layout(const QRectF& rect, const BoardData& data, const Calendar& calendar);

    void paint(QPainter& painter, const QRectF& rect, const BoardData& data,
               const PaintContext& ctx, const Calendar& calendar) const;
};

}  // namespace solvane
