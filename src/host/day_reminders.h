// The desktop notification on the day a countdown's occurrence starts.
//
// The host is the program that keeps running, so it announces: once when it
// starts and again whenever the local day changes while it runs. What it has
// announced is recorded in its own file, so a restart, or a second host of
// another session, never repeats a day. A desktop without a notification
// server simply gets none.
//
//   DayReminders reminders(clock, platform::ReminderFiles::standard());
//   reminders.start();
#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

#include "core/time/instant.h"
#include "host/timeline_scheduler.h"
#include "platform/reminder_files.h"

namespace solvane::host {

class DayReminders : public QObject {
    Q_OBJECT

  public:
    DayReminders(const SchedulerClock& clock, platform::ReminderFiles files,
                 QObject* parent = nullptr);

    void start();

  public slots:
    // Announces what is due, unless this day was already looked at.
    void check();

  signals:
    // After each look at a new day, with the number of notifications sent.
    void checked(int sent);

  private:
    void notify(const DueReminder& reminder);

    const SchedulerClock& clock_;
    platform::ReminderFiles files_;
    std::optional<Instant> checkedDay_;
    QTimer timer_;
};

}  // namespace solvane::host
