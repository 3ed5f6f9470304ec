// The real widget host, started on a private session bus (dbus-run-session),
// against a store in a temporary folder: every save the app makes, and a
// change of the system time zone, must reach the placed widgets within two
// seconds.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/store/shared_store.h"
#include "host/host_process.h"
#include "host/reload_client.h"
#include "platform/calendar/calendar_database.h"

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
    QFile placed(dir.filePath("config/solvane/widgets.json"));
    ASSERT_TRUE(placed.open(QIODevice::WriteOnly));
    placed.write(R"({"accentedColours": false, "version": 1, "widgets": [
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "w", "kind": "Countdowns", "size": "medium", "x": 40, "y": 40}]})");
    placed.close();

    QProcess widgetHost;
    QString log;
    QObject::connect(&widgetHost, &QProcess::readyReadStandardError,
                     [&] { log += QString::fromUtf8(widgetHost.readAllStandardError()); });
    widgetHost.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
    ASSERT_TRUE(widgetHost.waitForStarted());
    const auto timelines = [&] { return log.count("solvane-widgets: timeline "); };
    ASSERT_TRUE(waitFor([&] { return timelines() >= 1 && widgetHostRunning(); }, 10000))
        << log.toStdString();

    int seen = timelines();
    for (const char* label : {"Second", "Third"}) {
        ASSERT_TRUE(store.saveCountdowns({named(id, label)}));
        ASSERT_TRUE(requestWidgetReload());
        QElapsedTimer took;
        took.start();
        EXPECT_TRUE(waitFor([&] { return timelines() > seen; }, 2000))
            << label << " reached no widget within 2 s:\n"
            << log.toStdString();
        EXPECT_LT(took.elapsed(), 2000);
        seen = timelines();
        waitFor([] { return false; }, 5000);
    }
    widgetHost.terminate();
    widgetHost.waitForFinished(5000);
}

// The computer flies from New York to Berlin and the desktop replaces the
// localtime link: within two seconds the widget shows Berlin's day and
// Berlin's sunrise, long before its next scheduled reload.
TEST(ZoneChange, TheWidgetShowsTheNewZonesDayWithinTwoSeconds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
    const SharedStore store = SharedStore::standard();
    ASSERT_TRUE(store.saveLocation({52.52, 13.405, "Berlin"}));
    QFile placed(dir.filePath("config/solvane/widgets.json"));
    ASSERT_TRUE(placed.open(QIODevice::WriteOnly));
    placed.write(R"({"accentedColours": false, "version": 1, "widgets": [
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "w", "kind": "Sky", "size": "large", "x": 40, "y": 40}]})");
    placed.close();
    const std::filesystem::path localtime = dir.filePath("localtime").toStdString();
    std::filesystem::create_symlink("/usr/share/zoneinfo/America/New_York", localtime);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("TZ");
    environment.insert("SOLVANE_LOCALTIME_PATH", QString::fromStdString(localtime.string()));
    // 18:30 in New York is already the next day in Berlin.
    environment.insert("SOLVANE_NOW", "2026-01-15T23:30:00Z");
    environment.insert("SOLVANE_TRACE_ENTRIES", "1");
    environment.insert("SOLVANE_INFO", SOLVANE_INFO_FILE);
    environment.insert("SOLVANE_OPEN_METEO_URL", "http://127.0.0.1:9/v1/forecast");
    environment.insert("SOLVANE_WEATHERKIT_URL", "http://127.0.0.1:9/");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // No system bus at all: the link alone has to tell, without complaint.
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + dir.filePath("no-system-bus"));

    QProcess widgetHost;
    widgetHost.setProcessEnvironment(environment);
    QString log;
    QObject::connect(&widgetHost, &QProcess::readyReadStandardError,
                     [&] { log += QString::fromUtf8(widgetHost.readAllStandardError()); });
    widgetHost.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
    ASSERT_TRUE(widgetHost.waitForStarted());
    const QRegularExpression newYorkDay(R"(entry for w: .*Thursday, January 15\..*Sunrise 2:\d\d)");
    const QRegularExpression berlinDay(R"(entry for w: .*Friday, January 16\..*Sunrise 8:\d\d)");
    ASSERT_TRUE(waitFor([&] { return log.contains(newYorkDay); }, 10000)) << log.toStdString();

    const std::filesystem::path moved = dir.filePath(".localtime.new").toStdString();
    std::filesystem::create_symlink("/usr/share/zoneinfo/Europe/Berlin", moved);
    std::filesystem::rename(moved, localtime);
    QElapsedTimer took;
    took.start();
    EXPECT_TRUE(waitFor([&] { return log.contains(berlinDay); }, 2000)) << log.toStdString();
    EXPECT_LT(took.elapsed(), 2000);
    EXPECT_FALSE(log.contains("bus", Qt::CaseInsensitive)) << log.toStdString();
    widgetHost.terminate();
    widgetHost.waitForFinished(5000);
}

// Only the widget host runs (no window): an event added to a folder
// calendar, and the same item rewritten in place, reach a placed widget
// within five seconds, long before the next scheduled reload.
TEST(CalendarFolders, TheHostAloneFollowsAFolderCalendar) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
    const std::filesystem::path root = dir.filePath("calendars").toStdString();
    std::filesystem::create_directories(root / "home");
    qputenv("SOLVANE_CALENDAR_DIRS", QByteArray::fromStdString(root.string()));
    QFile permissions(dir.filePath("config/solvane/permissions.json"));
    ASSERT_TRUE(permissions.open(QIODevice::WriteOnly));
    permissions.write(R"({"calendars":"granted"})");
    permissions.close();
    const auto calendars =
        platform::CalendarDatabase({root}, platform::PermissionRecord::standard()).calendars();
    ASSERT_EQ(calendars.size(), 1u);
    const SharedStore store = SharedStore::standard();
    AppSettings settings = store.loadSettings();
    settings.feedCalendarIDs = {calendars[0].id};
    ASSERT_TRUE(store.saveSettings(settings));
    ASSERT_TRUE(store.saveCountdowns({}));
    QFile placed(dir.filePath("config/solvane/widgets.json"));
    ASSERT_TRUE(placed.open(QIODevice::WriteOnly));
    placed.write(R"({"accentedColours": false, "version": 1, "widgets": [
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "w", "kind": "Countdowns", "size": "medium", "x": 40, "y": 40}]})");
    placed.close();
    qputenv("SOLVANE_NOW", "2030-03-12T15:00:00Z");
    qputenv("SOLVANE_TRACE_ENTRIES", "1");

    QProcess widgetHost;
    QString log;
    QObject::connect(&widgetHost, &QProcess::readyReadStandardError,
                     [&] { log += QString::fromUtf8(widgetHost.readAllStandardError()); });
    widgetHost.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
    ASSERT_TRUE(widgetHost.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return log.contains("entry for w: "); }, 10000)) << log.toStdString();

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
    EXPECT_TRUE(waitFor([&] { return log.contains("Garden party"); }, 5000)) << log.toStdString();
    std::ofstream(file, std::ios::trunc) << item("Party moved indoors");
    EXPECT_TRUE(waitFor([&] { return log.contains("Party moved indoors"); }, 5000))
        << "an item rewritten in place was not seen:\n"
        << log.toStdString();
    widgetHost.terminate();
    widgetHost.waitForFinished(5000);
    qunsetenv("SOLVANE_NOW");
    qunsetenv("SOLVANE_TRACE_ENTRIES");
    qunsetenv("SOLVANE_CALENDAR_DIRS");
}

}  // namespace
}  // namespace solvane::host

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
