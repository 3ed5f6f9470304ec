// The window's side of the reminders: the switch for all of them and the
// editor's switch for one countdown, both kept in the reminders file of the
// programs' own configuration folder (the widget host reads it).
//
//   layout->addWidget(app::makeRemindersSwitch(file, column));
//   app::offerReminderChoice(*editor, countdown, calendar, now, file);
#pragma once

#include <filesystem>

#include "core/model/countdown.h"
#include "core/time/calendar.h"

class QCheckBox;
class QWidget;

namespace solvane {
class CountdownEditor;
}

namespace solvane::app {

QCheckBox* makeRemindersSwitch(const std::filesystem::path& file, QWidget* parent);

// Shows the countdown's current choice in the editor; saving the countdown
// keeps the choice.
void offerReminderChoice(CountdownEditor& editor, const Countdown& countdown,
                         const Calendar& calendar, Instant now, const std::filesystem::path& file);

}  // namespace solvane::app
