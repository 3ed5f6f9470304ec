// The Countdowns widget's faces: one countdown large on the small widget, up
// to three side by side on the medium one.
//
//   CountdownsFamilyView{board, WidgetFamily::medium}.paint(painter, content, ctx);
#pragma once

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

#include "board/components.h"
#include "core/store/board_data.h"
#include "widgets/widget_plugin.h"

class QPainter;

namespace solvane::widgets {

// The first countdown: its icon and, for a count of two weeks or more in
// days, the weeks it makes; the number and its unit; then the label, caption
// and progress at the bottom. Without countdowns, a hint to add one.
struct CountdownSmallView {
    const BoardData& data;

    // "2 wks" for 14 to 20 days; nothing below 14 days or for other units.
    static std::optional<QString> weeksText(const CountdownDisplay& c);
    static QString emptyText();

    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// Where the medium view's columns and the rules between them go.
struct MediumLayout {
    std::vector<QRectF> columns;  // including their horizontal padding
    std::vector<QRectF> rules;    // one before every column but the first
};

// The first three countdowns in columns of equal width, each a stack of icon,
// number, unit, label and caption, with a rule between neighbours. Without
// countdowns, the small view's hint to add one.
struct CountdownsMediumView {
    static constexpr std::size_t kMaxColumns = 3;
    static constexpr double kColumnPadding = 10;
    static constexpr double kRuleWidth = 1;

    const BoardData& data;

    static MediumLayout layout(const QRectF& rect, std::size_t countdowns);
    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

// The small view on the small widget, the medium view on every other size.
struct CountdownsFamilyView {
    const BoardData& data;
    WidgetFamily family = WidgetFamily::small;

    void paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const;
};

}  // namespace solvane::widgets
