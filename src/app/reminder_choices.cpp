#include "app/reminder_choices.h"

#include <QCheckBox>
#include <QCoreApplication>

#include "app/countdown_editor.h"
#include "app/wrapping_check_box.h"
#include "platform/reminder_files.h"

namespace solvane::app {

QCheckBox* makeRemindersSwitch(const std::filesystem::path& file, QWidget* parent) {
    auto* toggle = new WrappingCheckBox(
        QCoreApplication::translate("Reminders", "Notify me when a countdown's day comes"), parent);
    toggle->setObjectName(QStringLiteral("reminders"));
    toggle->setChecked(platform::loadReminderSettings(file).enabled);
    QObject::connect(toggle, &QCheckBox::toggled, toggle, [file](bool on) {
        platform::changeReminderSettings(
            file, [on](ReminderSettings& settings) { settings.enabled = on; });
    });
    return toggle;
}

void offerReminderChoice(CountdownEditor& editor, const Countdown& countdown,
                         const Calendar& calendar, Instant now, const std::filesystem::path& file) {
    editor.offerReminder(
        wantsReminder(countdown, platform::loadReminderSettings(file), calendar, now));
    QObject::connect(&editor, &CountdownEditor::saved, &editor,
                     [&editor, file](const Countdown& saved) {
                         const auto on = editor.reminderChoice();
                         if (!on) {
                             return;
                         }
                         platform::changeReminderSettings(file, [&](ReminderSettings& settings) {
                             settings.countdowns[saved.id.toString()] = *on;
                         });
                     });
}

}  // namespace solvane::app
