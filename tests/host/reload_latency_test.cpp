// The real widget host, started on a private session bus (dbus-run-session),
// against a store in a temporary folder: every save the app makes must reach
// the placed widgets within two seconds, also a second one soon after.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/store/shared_store.h"
#include "host/reload_client.h"

namespace solvane::host {
namespace {

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

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
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("SOLVANE_INFO", SOLVANE_INFO_FILE);
    qputenv("SOLVANE_OPEN_METEO_URL", "http://127.0.0.1:9/v1/forecast");
    qputenv("SOLVANE_WEATHERKIT_URL", "http://127.0.0.1:9/");
    qputenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9/");
    qputenv("QT_QPA_PLATFORM", "offscreen");

    const SharedStore store = SharedStore::standard();
    const Uuid id = Uuid::random();
    ASSERT_TRUE(store.saveCountdowns({named(id, "First")}));
    QDir().mkpath(dir.filePath("config/solvane"));
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

}  // namespace
}  // namespace solvane::host

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
