// The real widget host against a weather service that sends one byte a
// second: it never waits for it. The widgets appear from what is stored, the
// host answers D-Bus while the fetch trickles on and quits without waiting for
// it, and the new weather reaches the widget once a fetch completes.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "core/store/shared_store.h"
#include "host/host_process.h"
#include "platform/dbus/bus_names.h"
#include "support/loopback_http_server.h"

namespace solvane::host {
namespace {

// A reload asked for with a short limit: a host whose thread waits for the
// network cannot answer it.
bool reloadAnsweredSoon() {
    QDBusMessage call = QDBusMessage::createMethodCall(bus::kDBusService, bus::kDBusPath,
                                                       bus::kDBusInterface, bus::kDBusReloadMethod);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 2000).type() ==
           QDBusMessage::ReplyMessage;
}

TEST(NetworkWait, TheHostShowsWhatIsStoredWhileAServiceTrickles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    useScratchHome(dir);
    std::atomic<bool> trickle{true};
    std::stringstream good;
    good << std::ifstream(SOLVANE_TEST_DATA_DIR "/open_meteo/full_reply.json").rdbuf();
    testing::LoopbackHttpServer service([&](const testing::HttpTestRequest&) {
        testing::HttpTestReply reply;
        reply.body = trickle ? std::string(64, ' ') : good.str();
        reply.behaviour = trickle ? testing::HttpTestReply::Behaviour::drip
                                  : testing::HttpTestReply::Behaviour::normal;
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

}  // namespace
}  // namespace solvane::host

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
