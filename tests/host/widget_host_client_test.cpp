#include "host/reload_client.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace solvane::host {
namespace {

TEST(ReloadClient, ReturnsAtOnceWithoutASessionBus) {
    // Before the first use: the bus connection is made once per process.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/solvane-test-bus", 1);
    unsetenv("DISPLAY");
    EXPECT_FALSE(requestWidgetReload());
    EXPECT_FALSE(requestWidgetReload());
}

}  // namespace
}  // namespace solvane::host
