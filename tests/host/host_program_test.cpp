// The real widget host on a private session bus (dbus-run-session), its store
// and folders temporary, its services on a closed port: saves, a zone change
// and a folder calendar's change reach the placed widgets at once; a trickling
// weather service never holds it up; the day's reminders reach a stand-in
// notification server (python3-dbusmock). Also the reload service on that bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/store/shared_store.h"
#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/host_controller.h"
#include "host/reload_service.h"
#include "platform/calendar/calendar_database.h"
#include "platform/dbus/bus_names.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/event_loop.h"
#include "support/loopback_http_server.h"

namespace solvane::host {
namespace {

using namespace std::chrono_literals;
using solvane::testing::waitFor;

// Config and data folders inside `dir`, and no way out to the network; false
// when there is no `dir`.
bool useScratchHome(const QTemporaryDir& dir) {
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("SOLVANE_INFO", SOLVANE_INFO_FILE);
    qputenv("SOLVANE_OPEN_METEO_URL", "http://127.0.0.1:9/v1/forecast");
    qputenv("SOLVANE_WEATHERKIT_URL", "http://127.0.0.1:9/");
    qputenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9/");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return dir.isValid() && QDir().mkpath(dir.filePath("config/solvane"));
}

// One widget, "w", of `kind` and `size`, placed in the scratch home.
inline bool placeWidget(const QTemporaryDir& dir, const QString& kind, const QString& size) {
    QFile placed(dir.filePath("config/solvane/widgets.json"));
    return placed.open(QIODevice::WriteOnly) &&
           placed.write(QString(R"({"accentedColours": false, "version": 1, "widgets": [
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "w", "kind": "%1", "size": "%2", "x": 40, "y": 40}]})")
                            .arg(kind, size)
                            .toUtf8()) > 0;
}

// The host as the session starts it, without a window, its stderr in `log`.
class HeadlessHost {
  public:
    ~HeadlessHost() { stop(); }

    bool start(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        log.clear();
        process_.disconnect();
        process_.setProcessEnvironment(environment);
        QObject::connect(&process_, &QProcess::readyReadStandardError,
                         [this] { log += QString::fromUtf8(process_.readAllStandardError()); });
        process_.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
        return process_.waitForStarted();
    }
    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
        process_.disconnect();
    }
    bool running() const { return process_.state() == QProcess::Running; }
    // SIGTERM, without waiting for the end.
    void terminate() { process_.terminate(); }

    QString log;

  private:
    QProcess process_;
};

TEST(ReloadLatency, EveryRenameReachesAPlacedWidgetWithinTwoSeconds) {
    QTemporaryDir dir;
    ASSERT_TRUE(useScratchHome(dir));

    const SharedStore store = SharedStore::standard();
    Countdown c;
    c.id = Uuid::random();
    c.label = "First";
    c.start = DateRule::season(3);
    ASSERT_TRUE(store.saveCountdowns({c}));
    ASSERT_TRUE(placeWidget(dir, "Countdowns", "medium"));

    HeadlessHost host;
    ASSERT_TRUE(host.start());
    const auto timelines = [&] { return host.log.count("solvane-widgets: timeline "); };
    ASSERT_TRUE(waitFor([&] { return timelines() >= 1 && bus::widgetHostRunning(); }, 10s))
        << host.log.toStdString();

    int seen = timelines();
    for (const char* label : {"Second", "Third"}) {
        c.label = label;
        ASSERT_TRUE(store.saveCountdowns({c}));
        ASSERT_TRUE(bus::requestWidgetReload());
        EXPECT_TRUE(waitFor([&] { return timelines() > seen; }, 10s))
            << label << " reached no widget:\n"
            << host.log.toStdString();
        seen = timelines();
    }
}

// The computer flies from New York to Berlin and the desktop replaces the
// localtime link: the widget shows Berlin's day and sunrise at once.
TEST(ZoneChange, TheWidgetShowsTheNewZonesDayWithinTwoSeconds) {
    QTemporaryDir dir;
    ASSERT_TRUE(useScratchHome(dir));
    const SharedStore store = SharedStore::standard();
    ASSERT_TRUE(store.saveLocation({52.52, 13.405, "Berlin"}));
    ASSERT_TRUE(placeWidget(dir, "Sky", "large"));
    const std::filesystem::path localtime = dir.filePath("localtime").toStdString();
    std::filesystem::create_symlink("/usr/share/zoneinfo/America/New_York", localtime);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("TZ");
    environment.insert("SOLVANE_LOCALTIME_PATH", QString::fromStdString(localtime.string()));
    // 18:30 in New York is already the next day in Berlin.
    environment.insert("SOLVANE_NOW", "2026-01-15T23:30:00Z");
    environment.insert("SOLVANE_TRACE_ENTRIES", "1");
    // No system bus at all: the link alone has to tell, without complaint.
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + dir.filePath("no-system-bus"));

    HeadlessHost host;
    ASSERT_TRUE(host.start(environment));
    const QString& log = host.log;
    const QRegularExpression newYorkDay(R"(entry for w: .*Thursday, January 15\..*Sunrise 2:\d\d)");
    const QRegularExpression berlinDay(R"(entry for w: .*Friday, January 16\..*Sunrise 8:\d\d)");
    ASSERT_TRUE(waitFor([&] { return log.contains(newYorkDay); }, 10s)) << log.toStdString();

    const std::filesystem::path moved = dir.filePath(".localtime.new").toStdString();
    std::filesystem::create_symlink("/usr/share/zoneinfo/Europe/Berlin", moved);
    std::filesystem::rename(moved, localtime);
    // Long before the next scheduled reload (the next day).
    EXPECT_TRUE(waitFor([&] { return log.contains(berlinDay); }, 10s)) << log.toStdString();
    EXPECT_FALSE(log.contains("bus", Qt::CaseInsensitive)) << log.toStdString();
}

// The host alone: a folder calendar's new event, and the item rewritten, reach a widget.
TEST(CalendarFolders, TheHostAloneFollowsAFolderCalendar) {
    QTemporaryDir dir;
    ASSERT_TRUE(useScratchHome(dir));
    const std::filesystem::path root = dir.filePath("calendars").toStdString();
    std::filesystem::create_directories(root / "home");
    const auto permissions = platform::PermissionRecord::standard();
    ASSERT_TRUE(
        permissions.record(platform::kCalendarsPermissionKey, platform::kPermissionGranted));
    const auto calendars = platform::CalendarDatabase({root}, permissions).calendars();
    ASSERT_EQ(calendars.size(), 1u);
    const SharedStore store = SharedStore::standard();
    AppSettings settings = store.loadSettings();
    settings.feedCalendarIDs = {calendars[0].id};
    ASSERT_TRUE(store.saveSettings(settings));
    ASSERT_TRUE(store.saveCountdowns({}));
    ASSERT_TRUE(placeWidget(dir, "Countdowns", "medium"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SOLVANE_CALENDAR_DIRS", QString::fromStdString(root.string()));
    environment.insert("SOLVANE_NOW", "2030-03-12T15:00:00Z");
    environment.insert("SOLVANE_TRACE_ENTRIES", "1");

    HeadlessHost host;
    ASSERT_TRUE(host.start(environment));
    const QString& log = host.log;
    ASSERT_TRUE(waitFor([&] { return log.contains("entry for w: "); }, 10s)) << log.toStdString();

    const auto item = [&](const char* summary) {
        return std::string("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:party\r\n") +
               "SUMMARY:" + summary +
               "\r\nDTSTART;VALUE=DATE:20300401\r\nDTEND;VALUE=DATE:20300402\r\n"
               "END:VEVENT\r\nEND:VCALENDAR\r\n";
    };
    const std::filesystem::path file = root / "home" / "party.ics";
    {
        std::ofstream(root / "home" / ".party.tmp") << item("Garden party");
        std::filesystem::rename(root / "home" / ".party.tmp", file);
    }
    EXPECT_TRUE(waitFor([&] { return log.contains("Garden party"); }, 5s)) << log.toStdString();
    std::ofstream(file, std::ios::trunc) << item("Party moved indoors");
    EXPECT_TRUE(waitFor([&] { return log.contains("Party moved indoors"); }, 5s))
        << "an item rewritten in place was not seen:\n"
        << log.toStdString();
}

// A reload with a short limit, which a host waiting on the network cannot answer.
bool reloadAnsweredSoon() {
    QDBusMessage call = QDBusMessage::createMethodCall(bus::kDBusService, bus::kDBusPath,
                                                       bus::kDBusInterface, bus::kDBusReloadMethod);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 2000).type() ==
           QDBusMessage::ReplyMessage;
}

// A service sending a byte a second: the widgets show what is stored, the host
// answers and quits without waiting, and a completed fetch reaches the widget.
TEST(NetworkWait, TheHostShowsWhatIsStoredWhileAServiceTrickles) {
    QTemporaryDir dir;
    ASSERT_TRUE(useScratchHome(dir));
    std::atomic<bool> trickle{true};
    std::stringstream good;
    good << std::ifstream(SOLVANE_TEST_DATA_DIR "/open_meteo/full_reply.json").rdbuf();
    solvane::testing::LoopbackHttpServer service([&](const solvane::testing::HttpTestRequest&) {
        solvane::testing::HttpTestReply reply;
        reply.body = trickle ? std::string(64, ' ') : good.str();
        reply.behaviour = trickle ? solvane::testing::HttpTestReply::Behaviour::drip
                                  : solvane::testing::HttpTestReply::Behaviour::normal;
        return reply;
    });
    qputenv("SOLVANE_OPEN_METEO_URL", (service.url() + "/").c_str());

    // Weather stored two hours ago for the place: due again, and shown meanwhile.
    const SharedStore store = SharedStore::standard();
    const SavedLocation place = defaultLocation();
    ASSERT_TRUE(store.saveLocation(place));
    WeatherSnapshot stored;
    stored.fetched = Instant::fromUnix(static_cast<double>(std::time(nullptr))) - 7200;
    stored.latitude = place.latitude;
    stored.longitude = place.longitude;
    stored.temperatureC = 23.4;  // 74°F
    stored.condition = "Clear";
    stored.symbol = "sun.max";
    ASSERT_TRUE(store.saveWeather(stored));
    ASSERT_TRUE(placeWidget(dir, "Solvane", "extraLarge"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SOLVANE_TRACE_ENTRIES", "1");
    HeadlessHost host;
    ASSERT_TRUE(host.start(environment));
    // Well before a trickling request could end (15 s).
    ASSERT_TRUE(waitFor([&] { return host.log.contains("Weather: 74 degrees"); }, 8s))
        << host.log.toStdString();
    ASSERT_TRUE(waitFor([&] { return service.requestCount() > 0; }, 8s));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(reloadAnsweredSoon()) << "the host did not answer while the fetch trickled";
    }
    EXPECT_TRUE(host.running());
    // Told to quit, it does not first sit out the request (its own limit is 15 s).
    host.terminate();
    EXPECT_TRUE(waitFor([&] { return !host.running(); }, 4s)) << "SIGTERM waited on the fetch";

    // Once a fetch completes, the widget that shows the weather is redrawn.
    trickle = false;
    ASSERT_TRUE(host.start(environment));
    ASSERT_TRUE(waitFor([&] { return host.log.contains("Weather: 76 degrees"); }, 20s))
        << host.log.toStdString();
}

TEST(HostDBus, ReloadRequestReachesTheHostOnce) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";

    // No host yet: the app's request, sent without a reply, must not fail.
    bus::requestWidgetReload();

    QTemporaryDir dir;
    testing::FakeClock clock;
    testing::FakePlugin plugin;
    HostController host(plugin, dir.filePath("widgets.json"), clock);
    host.start();
    host.addWidget("Moon", widgets::WidgetFamily::small, {0, 0});
    ASSERT_EQ(plugin.timelineCalls, 1);

    int received = 0;
    ReloadService service([&] {
        ++received;
        host.reloadAllTimelines();
    });
    ASSERT_EQ(registerReloadService(QDBusConnection::sessionBus(), service),
              RegisterOutcome::registered);

    // A second host in the same session finds the name taken.
    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "second-host");
    ReloadService second([] {});
    EXPECT_EQ(registerReloadService(other, second), RegisterOutcome::nameTaken);

    // From another connection, as any program would; not through QDBusInterface,
    // whose blocking introspection would wait on this very thread.
    clock.advance(61.0);
    QDBusPendingCallWatcher call(other.asyncCall(QDBusMessage::createMethodCall(
        bus::kDBusService, bus::kDBusPath, bus::kDBusInterface, bus::kDBusReloadMethod)));
    ASSERT_TRUE(waitFor([&] { return call.isFinished(); }));
    EXPECT_FALSE(call.isError()) << call.error().message().toStdString();
    EXPECT_EQ(plugin.timelineCalls, 2);
    EXPECT_EQ(received, 1);
    QDBusConnection::disconnectFromBus("second-host");
}

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
        ASSERT_TRUE(useScratchHome(dir));
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "host_program_test.moc"
