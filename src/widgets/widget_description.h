// What a screen reader says for a widget: its content as sentences, in the
// order the face shows it.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "core/time/calendar.h"
#include "widgets/board_entry.h"

namespace solvane::widgets {

// The accessible text of `entry` shown by a widget of `kind` and `family`,
// with dates and times in `calendar`. Empty for an unknown kind.
std::string describeWidget(std::string_view kind, WidgetFamily family, const BoardEntry& entry,
                           const Calendar& calendar);

// Each kind's spoken face, without the kind's name.
QString describeBoardWidget(const BoardEntry& entry, WidgetFamily family, const Calendar& calendar);
QString describeSkyWidget(const BoardEntry& entry, WidgetFamily family, const Calendar& calendar);
QString describeCountdownsWidget(const BoardEntry& entry, WidgetFamily family,
                                 const Calendar& calendar);
QString describeMoonWidget(const BoardEntry& entry, WidgetFamily family, const Calendar& calendar);
QString describeForecastWidget(const BoardEntry& entry, WidgetFamily family,
                               const Calendar& calendar);

}  // namespace solvane::widgets
