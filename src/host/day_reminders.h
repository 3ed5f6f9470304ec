// The desktop notification on the day a countdown's occurrence starts.
//
// The host is the program that keeps running, so it announces: when it
// starts, whenever the local day changes, whenever a program saves a change
// (a countdown made for today is announced at once), and when a notification
// server appears on the bus. An occurrence counts as announced only once the
// server has taken it (Notify answered with an id); it is then recorded in
// the host's own file, so a restart, or a second host of another session,
// never repeats it. Without a server nothing is recorded, and the reminder
// is tried again when one appears or at the next look that day.
//
// Clicking the notification opens Solvane: the notification offers the
// default action, and its ActionInvoked brings the window.
//
//   DayReminders reminders(clock, platform::ReminderFiles::standard());
//   reminders.start();
#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <set>

#include "core/time/instant.h"
#include "host/timeline_scheduler.h"
#include "platform/reminder_files.h"

namespace solvane::host {

class DayReminders : public QObject {
    Q_OBJECT

  public:
    // `open` brings the Solvane window; the real one is openSolvane().
    DayReminders(const SchedulerClock& clock, platform::ReminderFiles files,
                 std::function<void()> open, QObject* parent = nullptr);

    void start();

  public slots:
    // Announces what is due today and not yet announced.
    void check();

  signals:
    // After each look, once the server has answered every notification it
    // led to, with the number it accepted.
    void checked(int sent);

  private slots:
    void actionInvoked(uint id, const QString& action);

  private:
    void notify(const DueReminder& reminder);
    void answered(const ReminderKey& key, std::optional<uint> id);

    const SchedulerClock& clock_;
    platform::ReminderFiles files_;
    std::function<void()> open_;
    std::optional<Instant> checkedDay_;
    // Missed because no server took it: looked at again on the next tick.
    bool owed_ = false;
    std::set<ReminderKey> inFlight_;
    std::set<uint> shown_;  // our notifications, by the server's id
    int acceptedThisRound_ = 0;
    QDBusServiceWatcher serverWatch_;
    QTimer timer_;
};

}  // namespace solvane::host
