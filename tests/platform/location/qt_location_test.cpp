// The Qt adapter end to end: a recorded NMEA log through Qt's NMEA plug-in,
// our permission record, and a loopback Nominatim.
#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "event_loop.h"
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
    LocationManager& make(const fs::path& log, int timeoutMilliseconds = 5000) {
        QtLocationAdapter::Options options{QString::fromStdString("nmea:" + log.string()),
                                           permissions, timeoutMilliseconds};
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
    const SavedLocation stored = store.loadLocation();
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
                    "No location service is available. Install GeoClue"},
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

}  // namespace
}  // namespace solvane::platform
