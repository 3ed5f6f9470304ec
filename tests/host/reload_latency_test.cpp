// The real widget host, started on a private session bus (dbus-run-session),
// against a store in a temporary folder: every save the app makes, a change of
// the system time zone and a folder calendar's change reach the placed widgets
// at once, not at their next scheduled reload; and a trickling weather service
// never holds the host up. Also the reload service itself on that bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/store/shared_store.h"
#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/host_controller.h"
#include "host/host_process.h"
#include "host/reload_service.h"
#include "platform/calendar/calendar_database.h"
#include "platform/dbus/bus_names.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/event_loop.h"
#include "support/loopback_http_server.h"

namespace solvane::host {
namespace {

Countdown named(const Uuid& id, const std::string& label) {
    Countdown c;
    c.id = id;
    c.label = label;
    c.start = DateRule::season(3);
    return c;
}

TEST(ReloadLatency, EveryRenameReachesAPlacedWidgetWithinTwoSeconds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);

    const SharedStore store = SharedStore::standard();
    const Uuid id = Uuid::random();
    ASSERT_TRUE(store.saveCountdowns({named(id, "First")}));
    ASSERT_TRUE(placeWidget(dir, "Countdowns", "medium"));

    HeadlessHost host;
    ASSERT_TRUE(host.start());
    const auto timelines = [&] { return host.log.count("solvane-widgets: timeline "); };
    ASSERT_TRUE(waitFor([&] { return timelines() >= 1 && bus::widgetHostRunning(); }, 10s))
        << host.log.toStdString();

    int seen = timelines();
    for (const char* label : {"Second", "Third"}) {
        ASSERT_TRUE(store.saveCountdowns({named(id, label)}));
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
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
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
    // Long before the next scheduled reload (the next day), whatever the
    // machine's load.
    EXPECT_TRUE(waitFor([&] { return log.contains(berlinDay); }, 10s)) << log.toStdString();
    EXPECT_FALSE(log.contains("bus", Qt::CaseInsensitive)) << log.toStdString();
}

// Only the widget host runs (no window): an event added to a folder calendar,
// and the same item rewritten in place, reach a placed widget.
TEST(CalendarFolders, TheHostAloneFollowsAFolderCalendar) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
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

// A reload asked for with a short limit: a host whose thread waits for the
// network cannot answer it.
bool reloadAnsweredSoon() {
    QDBusMessage call = QDBusMessage::createMethodCall(bus::kDBusService, bus::kDBusPath,
                                                       bus::kDBusInterface, bus::kDBusReloadMethod);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 2000).type() ==
           QDBusMessage::ReplyMessage;
}

// A weather service that sends one byte a second: the widgets show what is
// stored, the host answers D-Bus and quits without waiting for the fetch, and
// the new weather reaches the widget once a fetch completes.
TEST(NetworkWait, TheHostShowsWhatIsStoredWhileAServiceTrickles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
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

    // Weather stored two hours ago for the place: due again, and shown
    // meanwhile.
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
    // Told to quit, it does not first sit out the request (the guard is far
    // below the request's own 15 s).
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

    // No host yet: the app's request must not fail (nor wait: it is sent
    // without a reply).
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

    // Called the way any other program would, from its own connection; not
    // through QDBusInterface, whose blocking introspection would wait on this
    // very thread.
    clock.advance(61.0);
    QDBusPendingCallWatcher call(other.asyncCall(QDBusMessage::createMethodCall(
        bus::kDBusService, bus::kDBusPath, bus::kDBusInterface, bus::kDBusReloadMethod)));
    ASSERT_TRUE(waitFor([&] { return call.isFinished(); }));
    EXPECT_FALSE(call.isError()) << call.error().message().toStdString();
    EXPECT_EQ(plugin.timelineCalls, 2);
    EXPECT_EQ(received, 1);
    QDBusConnection::disconnectFromBus("second-host");
}

}  // namespace
}  // namespace solvane::host

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
