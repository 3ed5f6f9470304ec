#include "host/day_reminders.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/store/shared_store.h"
#include "core/util/display_text.h"

namespace solvane::host {

namespace {

// The longest wait between looks at the clock: a timer does not run while
// the computer sleeps, and a wake may cross midnight.
constexpr double kLongestWait = 60.0;
// A server that takes longer than this to show a notification is taken not
// to have shown it; the reminder is tried again later.
constexpr int kNotifyTimeoutMs = 10'000;
// A store another program holds is looked at again this soon.
constexpr int kStoreRetryMs = 5'000;

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";

}  // namespace

DayReminders::DayReminders(const SchedulerClock& clock, platform::ReminderFiles files,
                           std::function<void()> open, QObject* parent)
    : QObject(parent),
      clock_(clock),
      files_(std::move(files)),
      open_(std::move(open)),
      serverWatch_(QString::fromLatin1(kService), QDBusConnection::sessionBus(),
                   QDBusServiceWatcher::WatchForRegistration) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const std::optional<Instant> today = Calendar::current().startOfDay(clock_.wallNow());
        if (owed_ || today != checkedDay_) {
            check();
        } else {
            timer_.start(static_cast<int>(kLongestWait * 1000.0));
        }
    });
    connect(&serverWatch_, &QDBusServiceWatcher::serviceRegistered, this, &DayReminders::check);
    QDBusConnection::sessionBus().connect(
        QString::fromLatin1(kService), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
        QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
}

void DayReminders::start() {
    check();
}

void DayReminders::check() {
    const Instant now = clock_.wallNow();
    const Calendar calendar = Calendar::current();
    const std::optional<Instant> today = calendar.startOfDay(now);
    checkedDay_ = today;
    owed_ = false;
    const ReminderSettings settings = platform::loadReminderSettings(files_.settings);
    const auto stored = today && settings.enabled
                            ? SharedStore::standard().readCountdowns(calendar, now)
                            : StoreRead<std::vector<Countdown>>(std::vector<Countdown>{});
    if (!stored) {
        // The store cannot be read now: the round is owed, and tried again
        // within a minute rather than passed over.
        owed_ = true;
        timer_.start(kStoreRetryMs);
        return;
    }
    if (today && settings.enabled) {
        const std::vector<Countdown>& countdowns = *stored;
        // Only the pruning of long-past days is written now; each occurrence
        // is recorded when the server has taken it.
        const ReminderRound round =
            platform::claimReminders(files_.sent, [&](const SentReminders& before) {
                ReminderRound r = reminderRound(countdowns, settings, calendar, now, before);
                for (const DueReminder& due : r.due) {
                    r.sent.erase(due.key);
                }
                return r;
            });
        for (const DueReminder& reminder : round.due) {
            if (!inFlight_.contains(reminder.key)) {
                notify(reminder);
            }
        }
    }
    if (inFlight_.empty()) {
        emit checked(std::exchange(acceptedThisRound_, 0));
    }
    double wait = kLongestWait;
    if (const auto tomorrow = calendar.addDays(today.value_or(now), 1)) {
        wait = std::clamp(*tomorrow - now, 1.0, kLongestWait);
    }
    // A little after midnight rather than just before it.
    timer_.start(static_cast<int>(std::ceil(wait * 1000.0)) + 200);
}

void DayReminders::notify(const DueReminder& reminder) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.solvane.Solvane"));
    // The default action is what a click on the notification does.
    const QStringList actions{QStringLiteral("default"),
                              QCoreApplication::translate("Reminders", "Open Solvane")};
    call << QStringLiteral("Solvane") << 0u << QStringLiteral("org.solvane.Solvane")
         << QString::fromStdString(oneLine(reminder.summary)) << QString() << actions << hints
         << -1;
    // Without a server the call fails at once; an activatable one is started
    // by the bus first.
    inFlight_.insert(reminder.key);
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call, kNotifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, key = reminder.key](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                answered(key, reply.isValid() ? std::optional<uint>(reply.value()) : std::nullopt);
                w->deleteLater();
            });
}

void DayReminders::answered(const ReminderKey& key, std::optional<uint> id) {
    inFlight_.erase(key);
    if (id) {
        shown_.insert(*id);
        ++acceptedThisRound_;
        platform::claimReminders(files_.sent, [&](const SentReminders& before) {
            ReminderRound r;
            r.sent = before;
            r.sent.insert(key);
            return r;
        });
    } else {
        owed_ = true;
    }
    if (inFlight_.empty()) {
        emit checked(std::exchange(acceptedThisRound_, 0));
    }
}

void DayReminders::actionInvoked(uint id, const QString& action) {
    if (action == QLatin1String("default") && shown_.contains(id) && open_) {
        open_();
    }
}

}  // namespace solvane::host
