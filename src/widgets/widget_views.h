// The widgets' faces: every kind wrapped in `Styled` (its card or, for glass,
// the time-of-day backdrop), with the content the kind and size call for.
#pragma once

#include <QColor>

#include <string_view>

#include "board/custom_icons.h"
#include "core/time/calendar.h"
#include "widgets/board_entry.h"

namespace solvane::widgets {

// What a view needs besides the entry.
struct ViewContext {
    WidgetFamily family = WidgetFamily::small;
    RenderingMode mode = RenderingMode::fullColor;
    ColorScheme scheme = ColorScheme::light;  // the desktop's appearance
    const Calendar* calendar = nullptr;       // the user's calendar for texts
    const IconStore* icons = nullptr;         // imported icons; none draws symbols
    QColor accent;                            // accented rendering's tint
};

// Draws the widget of `kind` ("Solvane", "Sky", "Countdowns", "Moon",
// "Forecast") for
// `entry` filling `rect`. An unknown kind draws only the styled background.
void paintWidget(QPainter& painter, const QRectF& rect, std::string_view kind,
                 const BoardEntry& entry, const ViewContext& context);

}  // namespace solvane::widgets
