// The real widget host on a private session bus (dbus-run-session) with a
// stand-in notification server (python3-dbusmock's notification_daemon
// template), against a store and configuration folder of the test's own.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include "core/store/shared_store.h"
#include "host/host_process.h"
#include "platform/dbus/widget_host_client.h"

namespace solvane::host {
namespace {

// Stands in for the Solvane window: counts the requests to come forward.
class FakeWindow : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.solvane.Solvane")
  public:
    int activations = 0;
  public slots:
    Q_SCRIPTABLE void Activate() { ++activations; }
};

class DayRemindersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        useScratchHome(dir);
        due.id = Uuid::random();
        due.label = "Mum & Dad's <b>day</b> — \"ours\"\u2028second line";
        due.start = DateRule::fixed(today());
        later = due;
        later.id = Uuid::random();
        later.label = "Later";
        later.start = DateRule::fixed(*Calendar::current().addDays(today(), 1));
        ASSERT_TRUE(SharedStore::standard().saveCountdowns({due, later}));
    }

    void TearDown() override {
        host.stop();
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(5000);
        }
    }

    static Instant today() {
        return *Calendar::current().startOfDay(Instant::fromUnix(std::time(nullptr)));
    }

    void startServer() {
        server.start(SOLVANE_SYSTEM_PYTHON, {"-m", "dbusmock", "--template", "notification_daemon",
                                             "-l", dir.filePath("notify.log")});
        ASSERT_TRUE(waitFor(
            [] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                    "org.freedesktop.Notifications");
            },
            10s))
            << "the stand-in notification server did not start";
    }

    QStringList notifyCalls() {
        QFile log(dir.filePath("notify.log"));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(log.readAll()).split('\n').filter(" Notify ");
    }

    QByteArray sentRecord() {
        QFile file(dir.filePath("config/solvane/reminders-sent.json"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The counts of every look the host has reported, waiting up to 15 s for one.
    QList<int> checks() {
        const QRegularExpression checked("reminders checked, (\\d+) sent");
        QList<int> counts;
        waitFor(
            [&] {
                counts.clear();
                for (auto it = checked.globalMatch(host.log); it.hasNext();) {
                    counts << it.next().captured(1).toInt();
                }
                return !counts.isEmpty();
            },
            15s);
        return counts;
    }

    // Runs the host until it has looked at today once; that look's count.
    std::optional<int> runHost() {
        host.start();
        const QList<int> counts = checks();
        EXPECT_TRUE(host.running()) << host.log.toStdString();
        EXPECT_FALSE(host.log.contains("org.freedesktop")) << host.log.toStdString();
        host.stop();
        return counts.isEmpty() ? std::nullopt : std::optional<int>(counts.first());
    }

    QTemporaryDir dir;
    QProcess server;
    HeadlessHost host;
    Countdown due;
    Countdown later;
};

TEST_F(DayRemindersTest, ADayIsAnnouncedOnceAndNotWhenSwitchedOff) {
    startServer();
    ASSERT_EQ(runHost(), 1);
    const QStringList calls = notifyCalls();
    ASSERT_EQ(calls.size(), 1) << calls.join('\n').toStdString();
    // One line, whatever the label holds; clicking it is the default action.
    EXPECT_TRUE(
        calls[0].contains("Notify \"Solvane\" 0 \"org.solvane.Solvane\" \"Mum & Dad's "
                          "<b>day</b> — \"ours\" second line is today\""))
        << calls[0].toStdString();
    EXPECT_TRUE(calls[0].contains("[\"default\", \"Open Solvane\"]")) << calls[0].toStdString();

    // A restart remembers the day.
    EXPECT_EQ(runHost(), 0);

    // Forgetting it, with the switch off (the choices' rules are the core's).
    ASSERT_TRUE(QFile::remove(dir.filePath("config/solvane/reminders-sent.json")));
    QFile settings(dir.filePath("config/solvane/reminders.json"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write(R"({"notify": false})") > 0);
    settings.close();
    EXPECT_EQ(runHost(), 0);
    EXPECT_EQ(notifyCalls().size(), 1);
}

TEST_F(DayRemindersTest, WithoutAServerNothingIsRecordedUntilOneAppears) {
    host.start();
    ASSERT_EQ(checks(), QList<int>{0}) << host.log.toStdString();
    EXPECT_FALSE(sentRecord().contains(QByteArray::fromStdString(due.id.toString())));

    startServer();
    ASSERT_TRUE(waitFor([&] { return notifyCalls().size() == 1; }, 5s))
        << "no notification once a server appeared\n"
        << host.log.toStdString();
    ASSERT_TRUE(waitFor([&] {
        return sentRecord().contains(QByteArray::fromStdString(due.id.toString()));
    })) << sentRecord().toStdString();
    EXPECT_EQ(notifyCalls().size(), 1);
    EXPECT_TRUE(host.running()) << host.log.toStdString();
}

TEST_F(DayRemindersTest, ACountdownSavedForTodayIsAnnouncedAtOnceAndOpensSolvane) {
    ASSERT_TRUE(SharedStore::standard().saveCountdowns({later}));
    startServer();
    host.start();
    ASSERT_EQ(checks(), QList<int>{0}) << host.log.toStdString();

    ASSERT_TRUE(SharedStore::standard().saveCountdowns({later, due}));
    bus::requestWidgetReload();
    ASSERT_TRUE(waitFor([&] { return notifyCalls().size() == 1; }, 10s))
        << "not announced after the save";

    // A click on it: the server says so with ActionInvoked.
    FakeWindow window;
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService("org.solvane.Solvane"));
    ASSERT_TRUE(bus.registerObject("/org/solvane/Solvane", &window,
                                   QDBusConnection::ExportScriptableSlots));
    QDBusMessage invoke = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                         "/org/freedesktop/Notifications",
                                                         "org.freedesktop.DBus.Mock", "EmitSignal");
    invoke << QString("org.freedesktop.Notifications") << QString("ActionInvoked") << QString("us")
           << QVariantList{QVariant::fromValue(QDBusVariant(1u)),
                           QVariant::fromValue(QDBusVariant(QString("default")))};
    const QDBusMessage reply = bus.call(invoke);
    ASSERT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(waitFor([&] { return window.activations == 1; }, 2s))
        << "the window was not asked to open";
}

}  // namespace
}  // namespace solvane::host

#include "day_reminders_test.moc"
