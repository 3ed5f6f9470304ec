// The Qt adapter end to end: a recorded NMEA log, or Qt's GeoClue plug-in against a
// stand-in GeoClue on a private bus; our permission record; a loopback Nominatim.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/event_loop.h"
#include "platform/location/location_manager.h"
#include "platform/location/nominatim.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::platform {
namespace {

namespace fs = std::filesystem;
using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::waitFor;

class QtLocationTest : public ::testing::Test {
  protected:
    // An empty log: the desktop's own service.
    LocationManager& make(const fs::path& log, int timeoutMilliseconds = 5000) {
        QtLocationAdapter::Options options{
            log.empty() ? QString() : QString::fromStdString("nmea:" + log.string()), permissions,
            timeoutMilliseconds};
        NominatimConfig config;
        config.endpoint = nominatim.url();
        manager = std::make_unique<LocationManager>(
            std::make_unique<QtLocationAdapter>([this] { return ++prompts, allow; }, options),
            [config](double lat, double lon, const net::CancelToken& cancel) {
                return reverseGeocode(config, lat, lon, cancel);
            },
            store);
        return *manager;
    }

    solvane::testing::TempDir dir;
    fs::path permissions = dir.path() / "solvane" / "permissions.json";
    SharedStore store{{dir.path() / "g.sqlite", dir.path() / "f.sqlite", dir.path()}, "en_US"};
    solvane::testing::LoopbackHttpServer nominatim{[](const HttpTestRequest&) {
        HttpTestReply reply;
        reply.body =
            R"({"address":{"city":"Boulder","state":"Colorado","ISO3166-2-lvl4":"US-CO"}})";
        return reply;
    }};
    int prompts = 0;
    bool allow = true;
    std::unique_ptr<LocationManager> manager;
};

TEST_F(QtLocationTest, GrantedFirstRequestReadsTheLogAndNamesTheFix) {
    LocationManager& locator = make(fs::path(SOLVANE_TEST_DATA_DIR) / "location/boulder.nmea");
    locator.request();
    ASSERT_TRUE(waitFor([&] { return !locator.wantsLocation(); }))
        << locator.status().toStdString();
    EXPECT_EQ(locator.status(), "Updated to Boulder, CO");
    const SavedLocation stored = store.loadSavedLocation().value_or(SavedLocation{});
    EXPECT_NEAR(stored.latitude, 40.015, 1e-9);
    EXPECT_NEAR(stored.longitude, -105.2705, 1e-9);
    EXPECT_EQ(readPermission(permissions, kLocationPermissionKey), PermissionAnswer::granted);

    // The answer is remembered: a second request asks nobody.
    locator.request();
    ASSERT_TRUE(waitFor([&] { return !locator.wantsLocation(); }));
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(nominatim.requestCount(), 2u);
}

TEST_F(QtLocationTest, DeniedPromptIsRecordedAndRemembered) {
    allow = false;
    LocationManager& locator = make(fs::path(SOLVANE_TEST_DATA_DIR) / "location/boulder.nmea");
    locator.request();
    ASSERT_TRUE(waitFor([&] { return locator.status() == "Location access is off."; }));
    EXPECT_EQ(readPermission(permissions, kLocationPermissionKey), PermissionAnswer::denied);
    locator.request();
    EXPECT_TRUE(locator.status().startsWith("Location access is off. Turn it on in "));
    EXPECT_EQ(prompts, 1);
}

TEST_F(QtLocationTest, SourcesThatCannotAnswerEndInAFailureText) {
    ASSERT_TRUE(writePermission(permissions, kLocationPermissionKey, PermissionAnswer::granted));
    std::ofstream(dir.path() / "garbage.nmea") << "$GPXYZ,not,a,fix*00\r\nhello\r\n";
    for (const auto& [log, status] :
         {std::pair{dir.path() / "missing.nmea",
                    "Location services are not available on this desktop. Type a place instead."},
          std::pair{dir.path() / "garbage.nmea",
                    "No position was found in time. Check that networking is on"}}) {
        LocationManager& locator = make(log, 300);
        locator.request();
        // What happened and what to do, then the technical words on their own line.
        EXPECT_TRUE(waitFor([&] {
            const QStringList lines = locator.status().split(QLatin1Char('\n'));
            return lines.size() == 2 && lines[0].startsWith("Couldn't get location: ") &&
                   lines[0].contains(status) && !lines[1].isEmpty();
        })) << locator.status().toStdString();
    }
    EXPECT_EQ(prompts, 0);
}

// A private bus stands in for the system bus; Qt connects once per process, so it
// lasts for all the tests, and each test starts its own stand-in service.
class GeoClueTest : public QtLocationTest {
  protected:
    static void SetUpTestSuite() {
        static solvane::testing::TempDir busDir;
        QFile config(QString::fromStdString((busDir.path() / "bus.conf").string()));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(R"(<busconfig><type>system</type><listen>unix:tmpdir=/tmp</listen>
            <policy context="default"><allow send_destination="*" eavesdrop="true"/>
            <allow eavesdrop="true"/><allow own="*"/></policy>
            </busconfig>)");
        config.close();
        bus = new QProcess;
        bus->start("dbus-daemon",
                   {"--nofork", "--print-address=1", "--config-file=" + config.fileName()});
        ASSERT_TRUE(bus->waitForReadyRead(5000)) << "dbus-daemon did not start";
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus->readLine().trimmed());
        ASSERT_TRUE(QDBusConnection::systemBus().isConnected());
    }
    static void TearDownTestSuite() {
        if (bus != nullptr) {
            bus->terminate();
            bus->waitForFinished(5000);
            delete bus;
            bus = nullptr;
        }
    }

    void TearDown() override {
        if (geoclue.state() != QProcess::NotRunning) {
            geoclue.terminate();
            geoclue.waitForFinished(5000);
        }
    }

    // Parameters of geoclue_refusing.py, as JSON.
    void startGeoClue(const QString& parameters) {
        geoclue.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        geoclue.start(SOLVANE_SYSTEM_PYTHON,
                      {"-m", "dbusmock", "--template",
                       QString::fromStdString(
                           (fs::path(SOLVANE_TEST_SOURCE_DIR) / "geoclue_refusing.py").string()),
                       "-p", parameters, "-l", QString::fromStdString(callLog.string())});
        ASSERT_TRUE(waitFor(
            [] {
                return QDBusConnection::systemBus().interface()->isServiceRegistered(
                    "org.freedesktop.GeoClue2");
            },
            std::chrono::seconds(10)))
            << "the stand-in GeoClue did not start";
    }

    // A refusal: a request left to run out its ten seconds would say the timeout's words.
    void expectUnavailable() {
        ASSERT_TRUE(
            writePermission(permissions, kLocationPermissionKey, PermissionAnswer::granted));
        LocationManager& locator = make({}, 10'000);
        locator.request();
        EXPECT_TRUE(waitFor(
            [&] {
                return locator.status().startsWith(
                    "Couldn't get location: Location services are not available on this "
                    "desktop. Type a place instead.");
            },
            std::chrono::seconds(15)))
            << locator.status().toStdString();
    }

    static inline QProcess* bus = nullptr;
    QProcess geoclue;
    fs::path callLog = dir.path() / "geoclue.log";
};

// No agent, refused by configuration, no client, no service: all say to type a place.
TEST_F(GeoClueTest, RefusalsAndAMissingServiceSayToTypeAPlace) {
    startGeoClue(R"({"refusal": "'org.solvane.Solvane' disallowed, no agent for UID 1000"})");
    expectUnavailable();
    std::string calls;
    std::getline(std::ifstream(callLog), calls, '\0');
    EXPECT_NE(calls.find("DesktopId \"org.solvane.Solvane\""), std::string::npos) << calls;
    for (const char* parameters :
         {R"({"refusal": "'org.solvane.Solvane' disallowed by configuration"})",
          R"({"no-client": true})", ""}) {
        geoclue.terminate();
        geoclue.waitForFinished(5000);
        if (*parameters != '\0') {
            startGeoClue(parameters);
        }
        expectUnavailable();
    }
}

}  // namespace
}  // namespace solvane::platform
