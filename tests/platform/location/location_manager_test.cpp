// The location manager, its permission record and the geocoder; then the Qt
// adapter end to end: a recorded NMEA log, or Qt's GeoClue plug-in against a
// stand-in GeoClue on a private bus. The tests' main makes the QCoreApplication.
#include "platform/location/location_manager.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/event_loop.h"
#include "platform/location/location_permission.h"
#include "platform/location/nominatim.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::platform {
namespace {

namespace fs = std::filesystem;
using Auth = LocationAuthorization;
using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::LoopbackHttpServer;
using solvane::testing::settle;
using solvane::testing::waitFor;

// Answers as told and counts requests; a fix comes from inside requestLocation, as Qt's may.
class FakeAdapter : public LocationAdapter {
  public:
    void setDelegate(LocationDelegate* delegate) override { delegate_ = delegate; }
    Auth authorization() const override { return state; }
    void requestAuthorization() override { ++authorizationRequests; }
    void requestLocation() override {
        ++locationRequests;
        if (fix) {
            delegate_->locationsUpdated({*fix});
        }
    }

    LocationDelegate* delegate_ = nullptr;
    Auth state = Auth::notDetermined;
    std::optional<LocationFix> fix;
    int authorizationRequests = 0;
    int locationRequests = 0;
};

class LocationManagerTest : public ::testing::Test {
  protected:
    LocationManager& make(Auth state) {
        auto adapter = std::make_unique<FakeAdapter>();
        fake = adapter.get();
        fake->state = state;
        manager = std::make_unique<LocationManager>(
            std::move(adapter),
            [this](double lat, double lon, const net::CancelToken& cancel) {
                geocodedOffMain = QThread::currentThread() != qApp->thread();
                return geocode(lat, lon, cancel);
            },
            store);
        QObject::connect(manager.get(), &LocationManager::locationUpdated,
                         [this](const SavedLocation& place) { updates.push_back(place); });
        return *manager;
    }

    solvane::testing::TempDir dir;
    SharedStore store{{dir.path() / "g.sqlite", dir.path() / "f.sqlite", dir.path()}, "en_US"};
    std::function<std::optional<PlaceParts>(double, double, const net::CancelToken&)> geocode =
        [](double, double, const net::CancelToken&) {
            return PlaceParts{"Boulder", "CO"};
        };
    FakeAdapter* fake = nullptr;
    std::unique_ptr<LocationManager> manager;
    std::vector<SavedLocation> updates;
    std::atomic<bool> geocodedOffMain = false;
};

// Every way a request goes, from the authorization it meets to the status it ends with.
TEST_F(LocationManagerTest, RequestFlowByAuthorization) {
    const std::string updated = "Updated to Boulder, CO";
    const std::string locating = "Locating\u2026";
    const std::string offOnRequest = location_status::accessOffOnRequest();
    const struct {
        Auth before;
        std::optional<Auth> answer;  // the authorization change that follows
        int authorizationRequests;
        int locationRequests;
        std::string status;
    } cases[] = {
        {Auth::denied, std::nullopt, 0, 0, offOnRequest},
        {Auth::restricted, Auth::denied, 0, 0, "Location access is off."},
        {Auth::authorizedAlways, std::nullopt, 0, 1, updated},
        {Auth::authorizedWhenInUse, std::nullopt, 0, 1, updated},
        {Auth::notDetermined, Auth::authorizedAlways, 1, 1, updated},
        {Auth::notDetermined, Auth::denied, 1, 0, "Location access is off."},
        {Auth::notDetermined, Auth::restricted, 1, 0, "Location access is off."},
        {Auth::notDetermined, Auth::authorizedWhenInUse, 1, 0, locating},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(toString(c.before)) + " then " +
                                 (c.answer ? std::string(toString(*c.answer)) : "nothing");
        const std::size_t updatesBefore = updates.size();
        LocationManager& locator = make(c.before);
        std::vector<QString> statuses;
        QObject::connect(&locator, &LocationManager::statusChanged,
                         [&](const QString& s) { statuses.push_back(s); });
        fake->fix = LocationFix{40.015, -105.2705};
        locator.request();
        if (c.answer) {
            // The platform's answer may come on any thread.
            fake->state = *c.answer;
            std::thread([&] { fake->delegate_->authorizationChanged(*c.answer); }).join();
        }
        if (c.locationRequests > 0) {
            EXPECT_TRUE(waitFor([&] { return updates.size() > updatesBefore; })) << name;
        }
        settle();
        EXPECT_EQ(fake->authorizationRequests, c.authorizationRequests) << name;
        EXPECT_EQ(fake->locationRequests, c.locationRequests) << name;
        EXPECT_EQ(statuses.front(), QString::fromStdString(locating)) << name;
        EXPECT_EQ(locator.status().toStdString(), c.status) << name;
        EXPECT_EQ(locator.wantsLocation(), c.status != updated) << name;
        EXPECT_EQ(updates.size() - updatesBefore, c.status == updated ? 1u : 0u) << name;
    }
    const SavedLocation boulder{40.015, -105.2705, "Boulder, CO"};
    EXPECT_EQ(updates, std::vector(3, boulder));
    EXPECT_EQ(store.loadSavedLocation(), boulder);
    EXPECT_TRUE(geocodedOffMain);
}

TEST_F(LocationManagerTest, NewsOnlyCountsForAPendingRequestWhichAFailureKeeps) {
    LocationManager& locator = make(Auth::authorizedAlways);
    for (const Auth state : allCases<Auth>()) {
        fake->delegate_->authorizationChanged(state);
    }
    fake->delegate_->locationsUpdated({});
    settle();
    EXPECT_EQ(locator.status(), "");
    EXPECT_EQ(fake->locationRequests, 0);

    locator.request();
    fake->delegate_->failed("No position was found in time.");
    settle();
    EXPECT_EQ(locator.status(), "Couldn't get location: No position was found in time.");
    EXPECT_TRUE(locator.wantsLocation());

    fake->fix = LocationFix{1, 2};
    fake->delegate_->authorizationChanged(Auth::authorizedAlways);
    EXPECT_TRUE(waitFor([&] { return !locator.wantsLocation(); }));
}

TEST_F(LocationManagerTest, OnlyTheLastFixCountsAndAnUnnamedOneKeepsItsCoordinates) {
    std::vector<double> asked;
    geocode = [&](double lat, double, const net::CancelToken&) -> std::optional<PlaceParts> {
        asked.push_back(lat);
        if (lat > 12) {
            throw std::runtime_error("the geocoder broke");
        }
        return std::nullopt;  // as the real one fails
    };
    LocationManager& locator = make(Auth::authorizedAlways);
    locator.request();
    fake->delegate_->locationsUpdated({{10, 20}, {11, 21}, {12.346, -56.789}});
    ASSERT_TRUE(waitFor([&] { return !updates.empty(); }));
    EXPECT_EQ(asked, std::vector{12.346});
    EXPECT_EQ(locator.status(), "Updated to 12.35, -56.79");

    // A fix that is no place on Earth is a failure, never a stored place.
    locator.request();
    fake->delegate_->locationsUpdated({{1, 2}, {91, 0}});
    settle();
    EXPECT_EQ(updates.size(), 1u);
    EXPECT_EQ(locator.status(),
              "Couldn't get location: The location service gave no usable position. Try again, or "
              "type the place in the fields above.");
    locator.request();
    fake->delegate_->locationsUpdated({{1.5, 2}});
    ASSERT_TRUE(waitFor([&] { return updates.size() == 2; }));
    EXPECT_EQ(updates.back(), (SavedLocation{1.5, 2, "1.50, 2.00"}));
}

TEST_F(LocationManagerTest, ANewerFixSupersedesASlowLookupAndTeardownStopsIt) {
    std::atomic<int> stopped = 0;
    geocode = [&](double lat, double, const net::CancelToken& cancel) -> std::optional<PlaceParts> {
        while (lat == 1 && !cancel.cancelled()) {
            std::this_thread::yield();
        }
        stopped += lat == 1 ? 1 : 0;
        return PlaceParts{lat == 1 ? "Stale" : "Fresh", std::nullopt};
    };
    LocationManager& locator = make(Auth::authorizedAlways);
    locator.request();
    fake->delegate_->locationsUpdated({{1, 1}});
    settle();
    fake->delegate_->locationsUpdated({{2, 2}});
    ASSERT_TRUE(waitFor([&] { return stopped == 1 && !updates.empty(); }));
    settle();
    EXPECT_EQ(updates, (std::vector{SavedLocation{2, 2, "Fresh"}}));

    fake->delegate_->locationsUpdated({{1, 1}});
    settle();
    manager.reset();
    EXPECT_EQ(stopped, 2);
}

// A server that never answers is one of network_fault_test.cpp's cases.
std::optional<PlaceParts> geocodeWith(int status, std::string body) {
    LoopbackHttpServer server([&](const HttpTestRequest&) { return HttpTestReply{status, body}; });
    NominatimConfig config = NominatimConfig::standard();
    config.endpoint = server.url() + "/";
    config.timeoutSeconds = 5;
    auto parts = reverseGeocode(config, 40.015, -105.2705);
    const HttpTestRequest request = server.requests().at(0);
    EXPECT_EQ(request.target,
              "/reverse?format=jsonv2&lat=40.015&lon=-105.2705&zoom=10&addressdetails=1");
    const std::string agent = request.headers.at("user-agent");
    EXPECT_TRUE(agent.starts_with("Solvane/") && agent.ends_with(" (desktop board)")) << agent;
    return parts;
}

TEST(NominatimGeocoder, RepliesToPlaceParts) {
    const auto parts = [](std::optional<std::string> locality, std::optional<std::string> area) {
        return std::optional(PlaceParts{std::move(locality), std::move(area)});
    };
    const struct {
        int status;
        std::string body;
        std::optional<PlaceParts> expected;
    } cases[] = {
        {200, R"({"address":{"town":"Nederland","country":"United States"}})",
         parts("Nederland", std::nullopt)},
        {200, R"({"address":{"city":"San Jose","state":"California","ISO3166-2-lvl4":"US-CA"}})",
         parts("San Jose", "CA")},
        {200, R"({"address":{"village":"Hallstatt","state":"Upper Austria"}})",
         parts("Hallstatt", "Upper Austria")},
        // city before town before village before hamlet; the coarsest code is the state's.
        {200,
         R"({"address":{"hamlet":"H","town":"T","ISO3166-2-lvl6":"FR-75",)"
         R"("ISO3166-2-lvl4":"FR-IDF"}})",
         parts("T", "IDF")},
        {200, R"({"address":{"city":7,"village":"V","state":"S","ISO3166-2-lvl4":"bad"}})",
         parts("V", "S")},
        {200, R"({"address":{"country":"Antarctica"}})", std::nullopt},
        {200, R"({"error":"Unable to geocode"})", std::nullopt},
        {500, R"({"address":{"city":"C"}})", std::nullopt},
        {200, "<html>busy</html>", std::nullopt},
        {200, "{\"address\":{\"city\":\"\xff\"}}", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(geocodeWith(c.status, c.body), c.expected) << c.body;
    }
}

TEST(NominatimGeocoder, EndpointComesFromTheEnvironment) {
    ::setenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9", 1);
    EXPECT_EQ(NominatimConfig::standard().endpoint, "http://127.0.0.1:9");
    ::unsetenv("SOLVANE_NOMINATIM_URL");
    EXPECT_EQ(NominatimConfig::standard().endpoint, kNominatimEndpoint);
}

std::string contents(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(LocationPermission, RecordsOnlyItsOwnKeyInAPrivateFile) {
    const solvane::testing::TempDir dir;
    const fs::path file = dir.path() / "config" / "solvane" / "permissions.json";
    EXPECT_EQ(readPermission(file, kLocationPermissionKey), std::nullopt);
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::denied));
    EXPECT_EQ(readPermission(file, kLocationPermissionKey), PermissionAnswer::denied);
    EXPECT_EQ(modeOf(file.parent_path()), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);

    // Another service's answer, written meanwhile, survives ours; no temporary file is left.
    std::ofstream(file) << R"({"calendars":"granted","location":"denied"})";
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::granted));
    EXPECT_EQ(contents(file), "{\"calendars\":\"granted\",\"location\":\"granted\"}\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

TEST(LocationPermission, UnreadableRecordsAreUnansweredAndReplaced) {
    const solvane::testing::TempDir dir;
    const fs::path file = dir.path() / "permissions.json";
    for (const std::string& text : std::vector<std::string>{
             "", "garbage", R"(["location"])", R"({"location":"yes"})", R"({"location":true})",
             R"({"location":"granted")",
             R"({"location":"granted","x":")" + std::string(70'000, 'x') + "\"}"}) {
        std::ofstream(file) << text;
        EXPECT_EQ(readPermission(file, kLocationPermissionKey), std::nullopt) << text.size();
    }
    ASSERT_TRUE(writePermission(file, kLocationPermissionKey, PermissionAnswer::granted));
    EXPECT_EQ(contents(file), "{\"location\":\"granted\"}\n");
    // A path under a plain file cannot hold a record.
    EXPECT_FALSE(writePermission(file / "permissions.json", kLocationPermissionKey,
                                 PermissionAnswer::granted));
}

// --- the Qt adapter -----------------------------------------------------------

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

TEST_F(QtLocationTest, TheFirstRequestPromptsOnceAndTheAnswerIsRemembered) {
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

    // A prompt answered no, with no record yet, is recorded and remembered too.
    fs::remove(permissions);
    allow = false;
    LocationManager& refused = make(fs::path(SOLVANE_TEST_DATA_DIR) / "location/boulder.nmea");
    refused.request();
    ASSERT_TRUE(waitFor([&] { return refused.status() == "Location access is off."; }));
    EXPECT_EQ(readPermission(permissions, kLocationPermissionKey), PermissionAnswer::denied);
    refused.request();
    EXPECT_TRUE(refused.status().startsWith("Location access is off. Turn it on in "));
    EXPECT_EQ(prompts, 2);
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

int main(int argc, char** argv) {
    // A proxy from the environment would take loopback requests elsewhere.
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        ::unsetenv(name);
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
