// The real widget host on a private session bus (dbus-run-session) with a
// stand-in notification server (python3-dbusmock's notification_daemon
// template), against a store and configuration folder of the test's own.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/store/shared_store.h"
#include "host/host_process.h"

namespace solvane::host {
namespace {

class DayRemindersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        useScratchHome(dir);

        const Calendar calendar = Calendar::current();
        const Instant today = *calendar.startOfDay(Instant::fromUnix(std::time(nullptr)));
        due.id = Uuid::random();
        due.label = "Mum & Dad's <b>day</b> — \"ours\"";
        due.start = DateRule::fixed(today);
        Countdown later = due;
        later.id = Uuid::random();
        later.label = "Later";
        later.start = DateRule::fixed(*calendar.addDays(today, 1));
        ASSERT_TRUE(SharedStore::standard().saveCountdowns({due, later}));
    }

    void TearDown() override { stopServer(); }

    void startServer() {
        server.start(SOLVANE_SYSTEM_PYTHON, {"-m", "dbusmock", "--template", "notification_daemon",
                                             "-l", dir.filePath("notify.log")});
        ASSERT_TRUE(waitFor(
            [] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                    "org.freedesktop.Notifications");
            },
            10000))
            << "the stand-in notification server did not start";
    }

    void stopServer() {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(5000);
        }
    }

    QStringList notifyCalls() {
        QFile log(dir.filePath("notify.log"));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(log.readAll()).split('\n').filter(" Notify ");
    }

    void writeSettings(const QByteArray& json) {
        QFile file(dir.filePath("config/solvane/reminders.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    }

    // Runs the host until it has looked at today; its count of notifications
    // sent, or nullopt when it never said. The host must still be running
    // a moment later.
    std::optional<int> runHost() {
        QProcess host;
        QString log;
        QObject::connect(&host, &QProcess::readyReadStandardError,
                         [&] { log += QString::fromUtf8(host.readAllStandardError()); });
        host.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
        const QRegularExpression checked("reminders checked, (\\d+) sent");
        std::optional<int> sent;
        if (waitFor([&] { return checked.match(log).hasMatch(); }, 15000)) {
            sent = checked.match(log).captured(1).toInt();
        }
        waitFor([] { return false; }, 1000);
        EXPECT_EQ(host.state(), QProcess::Running) << log.toStdString();
        EXPECT_FALSE(log.contains("org.freedesktop")) << log.toStdString();
        host.terminate();
        host.waitForFinished(5000);
        return sent;
    }

    QTemporaryDir dir;
    QProcess server;
    Countdown due;
};

TEST_F(DayRemindersTest, ADayIsAnnouncedOnceAndNotWhenSwitchedOff) {
    startServer();
    ASSERT_EQ(runHost(), 1);
    ASSERT_TRUE(waitFor([&] { return !notifyCalls().isEmpty(); }, 2000));
    const QStringList calls = notifyCalls();
    ASSERT_EQ(calls.size(), 1) << calls.join('\n').toStdString();
    EXPECT_TRUE(calls[0].contains("Notify \"Solvane\" 0 \"org.solvane.Solvane\" \"" +
                                  QString::fromStdString(due.label) + " is today\""))
        << calls[0].toStdString();

    // A restart remembers the day.
    EXPECT_EQ(runHost(), 0);

    // Forgetting it, with the switches off: all reminders, then this one.
    ASSERT_TRUE(QFile::remove(dir.filePath("config/solvane/reminders-sent.json")));
    writeSettings(R"({"notify": false})");
    EXPECT_EQ(runHost(), 0);
    writeSettings(QByteArray(R"({"notify": true, "countdowns": {")") +
                  QByteArray::fromStdString(due.id.toString()) + R"(": false}})");
    EXPECT_EQ(runHost(), 0);
    waitFor([] { return false; }, 500);
    EXPECT_EQ(notifyCalls().size(), 1);
}

TEST_F(DayRemindersTest, WithoutANotificationServerTheHostCarriesOn) {
    EXPECT_EQ(runHost(), 1);
}

}  // namespace
}  // namespace solvane::host

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
