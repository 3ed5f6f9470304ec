#include "host/day_reminders.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

#include "core/store/shared_store.h"

namespace solvane::host {

namespace {

// The longest wait between looks at the clock: a timer does not run while
// the computer sleeps, and a wake may cross midnight.
constexpr double kLongestWait = 60.0;

}  // namespace

DayReminders::DayReminders(const SchedulerClock& clock, platform::ReminderFiles files,
                           QObject* parent)
    : QObject(parent), clock_(clock), files_(std::move(files)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DayReminders::check);
}

void DayReminders::start() {
    check();
}

void DayReminders::check() {
    const Instant now = clock_.wallNow();
    const Calendar calendar = Calendar::current();
    const std::optional<Instant> today = calendar.startOfDay(now);
    if (today && today != checkedDay_) {
        checkedDay_ = today;
        const ReminderSettings settings = platform::loadReminderSettings(files_.settings);
        int sent = 0;
        if (settings.enabled) {
            const std::vector<Countdown> countdowns =
                SharedStore::standard().loadCountdowns(calendar, now);
            const ReminderRound round =
                platform::claimReminders(files_.sent, [&](const SentReminders& before) {
                    return reminderRound(countdowns, settings, calendar, now, before);
                });
            for (const DueReminder& reminder : round.due) {
                notify(reminder);
            }
            sent = static_cast<int>(round.due.size());
        }
        emit checked(sent);
    }
    double wait = kLongestWait;
    if (const auto tomorrow = calendar.addDays(today.value_or(now), 1)) {
        wait = std::clamp(*tomorrow - now, 1.0, kLongestWait);
    }
    // A little after midnight rather than just before it.
    timer_.start(static_cast<int>(std::ceil(wait * 1000.0)) + 200);
}

void DayReminders::notify(const DueReminder& reminder) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.solvane.Solvane"));
    call << QStringLiteral("Solvane") << 0u << QStringLiteral("org.solvane.Solvane")
         << QString::fromStdString(reminder.summary) << QString() << QStringList() << hints << -1;
    // No answer is awaited: without a notification server the call fails
    // and nobody needs to hear about it.
    QDBusConnection::sessionBus().send(call);
}

}  // namespace solvane::host
