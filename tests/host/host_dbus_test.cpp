// Runs on a private session bus (dbus-run-session), never the user's; the
// app's own requests reaching a real host are HostReloadLatency's.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/host_controller.h"
#include "host/reload_service.h"
#include "platform/dbus/bus_names.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/event_loop.h"

namespace solvane::host {
namespace {

using solvane::testing::waitFor;

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
