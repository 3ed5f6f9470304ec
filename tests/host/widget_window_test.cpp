// A widget window as a screen reader finds it: a window named by its kind,
// described by what the plug-in says its current entry shows.
#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/widget_renderer.h"
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

// At 1.25 a 170-point widget is 212.5 pixels; the window has 213, and a
// picture that leaves the last one half covered shows a light seam.
TEST(WidgetRenderer, FillsEveryDevicePixelAtFractionalScales) {
    testing::FakePlugin plugin;
    const GuardedPlugin guarded(plugin);
    const auto entry = guarded.placeholder("Moon");
    ASSERT_NE(entry, nullptr);
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        RenderSettings settings;
        settings.scale = scale;
        const QImage image = renderWidget(guarded, "Moon", *entry, settings);
        const int pixels = qRound(170 * scale);
        ASSERT_EQ(image.size(), QSize(pixels, pixels)) << scale;
        EXPECT_EQ(qAlpha(image.pixel(pixels - 1, pixels / 2)), 255) << "right edge at " << scale;
        EXPECT_EQ(qAlpha(image.pixel(pixels / 2, pixels - 1)), 255) << "bottom edge at " << scale;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "rounded corner at " << scale;
    }
}

}  // namespace
}  // namespace solvane::host
