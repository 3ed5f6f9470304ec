// What the programs follow on disk: the localtime link in a scratch folder,
// replaced the ways desktops and people replace it, and calendar folders.
#include "platform/qt/time_zone_source.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/qt/calendar_watcher.h"
#include "platform/system_zone.h"
#include "support/temp_dir.h"
#include "support/zone_files.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::application;
using testing::waitFor;

// Long enough for the watcher and the settling interval, when nothing is due.
void idle() {
    waitFor([] { return false; }, 400ms);
}

fs::path zoneFile(const std::string& zone) {
    return fs::path("/usr/share/zoneinfo") / zone;
}

// As timedated does it: a new link renamed over the old one.
void pointAt(const fs::path& link, const fs::path& target) {
    const fs::path temp = link.parent_path() / ("." + link.filename().string() + ".new");
    fs::remove(temp);
    fs::create_symlink(target, temp);
    fs::rename(temp, link);
}

std::vector<std::string> gMessages;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    gMessages.push_back(text.toStdString());
}

class TimeZoneSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        fs::create_directories(localtime_.parent_path());
        gMessages.clear();
        previousHandler_ = qInstallMessageHandler(keepMessage);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler_);
        EXPECT_TRUE(gMessages.empty()) << gMessages.front();
    }

    platform::SystemZoneSource& follow(bool systemBus = false) {
        source_ = std::make_unique<platform::SystemZoneSource>(platform::SystemZoneSource::Settings{
            .localtime = localtime_, .pinned = false, .systemBus = systemBus});
        QObject::connect(source_.get(), &platform::ZoneSource::zoneChanged,
                         [this](const QString& zone) { changes_.push_back(zone.toStdString()); });
        return *source_;
    }
    bool changedTo(const std::string& zone) {
        return waitFor([&] { return !changes_.empty() && changes_.back() == zone; }, 2s);
    }

    testing::TempDir dir_;
    fs::path localtime_ = dir_.path() / "etc" / "localtime";
    std::unique_ptr<platform::SystemZoneSource> source_;
    std::vector<std::string> changes_;
    QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(TimeZoneSourceTest, FollowsTheLinkReplacedRemovedAndMadeAgainAndItsTarget) {
    fs::create_symlink(zoneFile("America/New_York"), localtime_);
    auto& source = follow();
    EXPECT_EQ(source.zoneId(), "America/New_York");

    pointAt(localtime_, zoneFile("Europe/Berlin"));
    ASSERT_TRUE(changedTo("Europe/Berlin"));
    EXPECT_EQ(source.zoneId(), "Europe/Berlin");

    // The same zone again, by another spelling of the path: nothing to redo.
    pointAt(localtime_, "../../../usr/share/zoneinfo/posix/Europe/Berlin");
    idle();
    EXPECT_EQ(changes_, std::vector<std::string>{"Europe/Berlin"});

    // By hand: the old link deleted, then a new one made.
    fs::remove(localtime_);
    fs::create_symlink(zoneFile("Asia/Tokyo"), localtime_);
    ASSERT_TRUE(changedTo("Asia/Tokyo"));
    EXPECT_EQ(changes_.size(), 2U);

    // Through a link of the system's own (/etc/localtime -> /var/lib/zone/current),
    // whose change counts too.
    const fs::path current = dir_.path() / "state" / "current";
    fs::create_directories(current.parent_path());
    fs::create_symlink(zoneFile("Asia/Tokyo"), current);
    pointAt(localtime_, current);
    idle();
    pointAt(current, zoneFile("Europe/Berlin"));
    ASSERT_TRUE(changedTo("Europe/Berlin"));
    EXPECT_EQ(source.zoneId(), "Europe/Berlin");
}

TEST_F(TimeZoneSourceTest, AMissingLinkOrAnUnknownZoneKeepsTheLastZoneQuietly) {
    ::unsetenv("TZ");
    ::setenv("SOLVANE_LOCALTIME_PATH", localtime_.c_str(), 1);
    const auto calendar = platform::followedSystemCalendar();

    // Missing from the start: the source still watches for its arrival.
    auto& source = follow();
    EXPECT_FALSE(source.zoneId().empty());
    fs::create_symlink(zoneFile("America/New_York"), localtime_);
    ASSERT_TRUE(changedTo("America/New_York"));
    EXPECT_EQ(calendar().zoneId(), "America/New_York");

    fs::remove(localtime_);
    idle();
    pointAt(localtime_, zoneFile("Nowhere/Atlantis"));
    idle();
    pointAt(localtime_, dir_.path() / "not-a-zone");
    idle();
    EXPECT_EQ(changes_, std::vector<std::string>{"America/New_York"});
    EXPECT_EQ(source.zoneId(), "America/New_York");
    EXPECT_EQ(calendar().zoneId(), "America/New_York");

    pointAt(localtime_, zoneFile("Europe/Berlin"));
    ASSERT_TRUE(changedTo("Europe/Berlin"));
    EXPECT_EQ(calendar().zoneId(), "Europe/Berlin");
    ::unsetenv("SOLVANE_LOCALTIME_PATH");
}

// timedated's announcement on a private stand-in system bus counts for a known zone only.
TEST_F(TimeZoneSourceTest, FollowsTimedatedOnTheSystemBus) {
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!daemon.waitForStarted(5000)) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8().constData(), 1);
    {
        QDBusConnection timedated = QDBusConnection::connectToBus(address, "timedated");
        ASSERT_TRUE(timedated.registerService("org.freedesktop.timedate1"));
        fs::create_symlink(zoneFile("America/New_York"), localtime_);
        auto& source = follow(true);
        const auto announce = [&timedated](const QString& zone) {
            QDBusMessage signal =
                QDBusMessage::createSignal("/org/freedesktop/timedate1",
                                           "org.freedesktop.DBus.Properties", "PropertiesChanged");
            signal << QString("org.freedesktop.timedate1")
                   << QVariantMap{{"Timezone", zone}, {"NTP", true}} << QStringList();
            EXPECT_TRUE(timedated.send(signal));
        };
        announce("Nowhere/Atlantis");
        announce("Europe/Berlin");
        ASSERT_TRUE(changedTo("Europe/Berlin"));
        EXPECT_EQ(changes_, std::vector<std::string>{"Europe/Berlin"});
        EXPECT_EQ(source.zoneId(), "Europe/Berlin");
    }
    QDBusConnection::disconnectFromBus("timedated");
    daemon.terminate();
    daemon.waitForFinished(5000);
}

// A set TZ decides the zone, as for the C library; only its file is watched, and its
// replacement (a tzdata upgrade) makes a followed calendar read the rules again.
TEST_F(TimeZoneSourceTest, APinnedZoneFollowsOnlyTheRulesInItsFile) {
    const fs::path tzdir = dir_.path() / "zoneinfo";
    ASSERT_TRUE(testing::installZone(tzdir, "Test/Here", "Zone Test/Here 3:30 - +0330\n"));
    fs::create_symlink(zoneFile("America/New_York"), localtime_);
    ::setenv("TZDIR", tzdir.c_str(), 1);
    ::setenv("TZ", "Test/Here", 1);
    ::setenv("SOLVANE_LOCALTIME_PATH", localtime_.c_str(), 1);
    EXPECT_TRUE(platform::zonePinnedByEnvironment());
    EXPECT_EQ(platform::systemZoneId(), "Test/Here");
    const auto calendar = platform::followedSystemCalendar();
    platform::SystemZoneSource source;
    int rulesChanges = 0;
    QObject::connect(&source, &platform::ZoneSource::rulesChanged, [&] { ++rulesChanges; });
    EXPECT_EQ(source.zoneId(), "Test/Here");
    EXPECT_EQ(source.watchedPaths(),
              QStringList({QString::fromStdString((tzdir / "Test" / "Here").string()),
                           QString::fromStdString((tzdir / "Test").string())}));

    const Instant june = *parseIso8601("2027-06-15T12:00:00Z");
    EXPECT_EQ(calendar().utcOffset(june), 3 * 3600 + 1800);
    ASSERT_TRUE(testing::installZone(tzdir, "Test/Here", "Zone Test/Here 5:00 - +05\n"));
    ASSERT_TRUE(waitFor([&] { return rulesChanges > 0; }, 2s));
    EXPECT_EQ(calendar().utcOffset(june), 5 * 3600);
    pointAt(localtime_, zoneFile("Europe/Berlin"));
    idle();
    EXPECT_EQ(rulesChanges, 1);
    EXPECT_EQ(source.zoneId(), "Test/Here");
    ::unsetenv("TZ");
    ::unsetenv("TZDIR");
    ::unsetenv("SOLVANE_LOCALTIME_PATH");
}

// Writes the way vdir tools do: a hidden temporary file renamed into place.
void putItem(const fs::path& path, const std::string& text) {
    const fs::path temp = path.parent_path() / ("." + path.filename().string() + ".tmp");
    std::ofstream(temp) << text;
    fs::rename(temp, path);
}

TEST(CalendarWatcher, ABurstOfChangesGivesOneNotificationAndNewCalendarsAreWatched) {
    application();
    testing::TempDir dir;
    const fs::path root = dir.path() / "calendars";
    fs::create_directories(root / "home");
    std::ofstream(root / "work.ics") << "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";

    platform::CalendarWatcher watcher({root}, 150ms);
    int notices = 0;
    QObject::connect(&watcher, &platform::CalendarWatcher::calendarStoreChanged,
                     [&] { ++notices; });
    EXPECT_EQ(watcher.watchedPaths().size(), 3);

    for (int i = 0; i < 20; ++i) {
        putItem(root / "home" / ("item-" + std::to_string(i) + ".ics"), "BEGIN:VCALENDAR\r\n");
    }
    waitFor([&] { return notices > 0; }, 5s);
    idle();
    EXPECT_EQ(notices, 1);

    fs::create_directories(root / "travel");
    waitFor([&] { return notices > 1; }, 5s);
    EXPECT_EQ(notices, 2);
    EXPECT_TRUE(
        watcher.watchedPaths().contains(QString::fromStdString((root / "travel").string())));
    putItem(root / "travel" / "flight.ics", "BEGIN:VCALENDAR\r\n");
    waitFor([&] { return notices > 2; }, 5s);
    EXPECT_EQ(notices, 3);

    // A single-file calendar replaced by a rename is still watched afterwards.
    putItem(root / "work.ics", "BEGIN:VCALENDAR\r\nX-WR-CALNAME:Work\r\nEND:VCALENDAR\r\n");
    waitFor([&] { return notices > 3; }, 5s);
    std::ofstream(root / "work.ics", std::ios::app) << "\r\n";
    waitFor([&] { return notices > 4; }, 5s);
    EXPECT_EQ(notices, 5);
    // An item rewritten in place is reload_latency_test.cpp's, through the host.
}

}  // namespace
}  // namespace solvane
