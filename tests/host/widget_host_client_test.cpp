#include "platform/dbus/widget_host_client.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace solvane::host {
namespace {

TEST(ReloadClient, ReturnsAtOnceWithoutASessionBus) {
    // Before the first use: the bus connection is made once per process.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/solvane-test-bus", 1);
    unsetenv("DISPLAY");
    EXPECT_FALSE(bus::requestWidgetReload());
    EXPECT_FALSE(bus::requestWidgetReload());
}

}  // namespace
}  // namespace solvane::host
