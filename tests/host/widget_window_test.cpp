// A widget window as a screen reader finds it: a window named by its kind,
// described by what the plug-in says its current entry shows.
#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/widget_window.h"

namespace solvane::host {
namespace {

TEST(WidgetWindow, ReadsAsAWindowNamedByItsKindAndDescribedByItsEntry) {
    int argc = 1;
    char name[] = "widget_window_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir dir;
    testing::FakeClock clock;
    testing::FakePlugin plugin;
    HostController controller(plugin, dir.filePath("widgets.json"), clock);
    controller.start();
    const std::string id = controller.addWidget("Moon", widgets::WidgetFamily::small, {10, 20});
    Desktop desktop(controller, DesktopRoute::plain);
    WidgetWindow window(controller, desktop, id, DesktopRoute::plain);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Window);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Moon"));
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("Moon."));
}

}  // namespace
}  // namespace solvane::host
