// Where widgets go, the route to the desktop, and the widget window as read and drawn.
#include "host/widget_placement.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/desktop_route.h"
#include "host/widget_renderer.h"
#include "host/widget_window.h"
#include "host/x11_desktop.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << "(" << p.x() << ", " << p.y() << ")";
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}
QT_END_NAMESPACE

namespace solvane::host {
namespace {

bool clearOfEachOther(const std::vector<QRect>& rects) {
    for (std::size_t i = 0; i < rects.size(); ++i) {
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            if (rects[i].intersects(rects[j])) {
                return false;
            }
        }
    }
    return true;
}

std::vector<QRect> shownRects(const std::vector<QRect>& stored,
                              const std::vector<ScreenArea>& screens) {
    const std::vector<QPoint> at = placeWidgets(stored, screens);
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        rects.emplace_back(at[i], stored[i].size());
    }
    return rects;
}

TEST(WidgetPlacement, AStoredPlaceThatDoesNotFitShowsWhollyInsideTheFreeArea) {
    // 1280 × 720 with a 30-point panel along the bottom, and a second screen
    // (a real panel, and a screen taken away, are the desktop tests').
    const ScreenArea laptop{{0, 0, 1280, 720}, {0, 0, 1280, 690}};
    const ScreenArea right{{1280, 0, 1920, 1080}, {}};
    struct Case {
        const char* what;
        QRect widget;
        QPoint shownAt;
    };
    const Case cases[] = {
        {"fits: stays", {100, 100, 170, 170}, {100, 100}},
        {"mostly on the second screen", {1180, 40, 724, 360}, {1280, 40}},
        {"across both screens", {1200, 500, 170, 170}, {1280, 500}},
        {"far above and left", {-9000, -9000, 724, 360}, {0, 0}},
        {"larger than the free area", {200, 100, 1400, 800}, {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(placeWidgets({c.widget}, {laptop, right}), std::vector<QPoint>{c.shownAt})
            << c.what;
    }
    EXPECT_EQ(placeWidgets({{5000, 40, 170, 170}}, {}), std::vector<QPoint>{QPoint(5000, 40)});
    // The board after 1920 × 1080 became 1280 × 720: pulled left until all
    // of it shows.
    EXPECT_EQ(placeWidgets({{1180, 40, 724, 360}}, {laptop}), std::vector<QPoint>{QPoint(556, 40)});
}

// A screen made smaller and back is the X11 desktop test's (Xephyr resized).
TEST(WidgetPlacement, PulledBackWidgetsOverlapNoOtherWidget) {
    const ScreenArea screen{{0, 0, 1280, 720}, {}};
    struct Case {
        const char* what;
        std::vector<QRect> stored;
    };
    const Case cases[] = {
        {"two off the same edge",
         {{1200, 100, 170, 170}, {1200, 120, 170, 170}, {1200, 140, 170, 170}}},
        {"pulled onto one that stays", {{1100, 300, 170, 170}, {1250, 300, 170, 170}}},
    };
    for (const auto& c : cases) {
        const auto rects = shownRects(c.stored, {screen});
        for (const QRect& r : rects) {
            EXPECT_TRUE(screen.geometry.contains(r)) << c.what;
        }
        EXPECT_TRUE(clearOfEachOther(rects)) << c.what;
    }
    // Widgets the user put over each other stay where the user put them.
    const std::vector<QRect> overlapping = {{100, 100, 364, 170}, {200, 120, 170, 170}};
    EXPECT_EQ(shownRects(overlapping, {screen}), overlapping);
}

TEST(WidgetPlacement, NewWidgetsGoWhereNothingElseIs) {
    const QSize small(170, 170);
    const QRect screen(0, 0, 1920, 1080);
    // The first down the right-hand side, each next one below it.
    const QPoint first = freePlace(small, screen, {}, {});
    EXPECT_EQ(first, QPoint(1920 - kWidgetGap - 170, kWidgetGap));
    const QRect firstRect(first, small);
    const QPoint second = freePlace(small, screen, {firstRect}, {});
    EXPECT_EQ(second.x(), first.x());
    EXPECT_GE(second.y(), firstRect.bottom() + 1 + kWidgetGap);

    // The Solvane window covering the right half pushes them left of it.
    const QRect app(900, 40, 1000, 800);
    const QRect placed(freePlace(small, screen, {}, {app}), small);
    EXPECT_FALSE(placed.intersects(app.adjusted(-kWidgetGap, -kWidgetGap, kWidgetGap, kWidgetGap)));
    EXPECT_TRUE(screen.contains(placed));
}

// Under a full-screen gallery too, widgets added in a row keep clear of each other.
TEST(WidgetPlacement, SeveralAddedInARowNeverStack) {
    const QRect screen(0, 0, 1280, 720);
    struct Case {
        const char* what;
        std::vector<QRect> windows;
        QSize size;
        int count;
        int clear;  // how many of them the screen holds apart
    };
    const Case cases[] = {
        {"full-screen gallery", {screen}, {364, 170}, 4, 4},
        {"gallery and window", {{438, 118, 420, 460}, {0, 0, 1200, 700}}, {170, 170}, 6, 6},
        {"more than the screen holds", {}, {364, 382}, 5, 3},
    };
    for (const auto& c : cases) {
        std::vector<QRect> shown;
        for (int i = 0; i < c.count; ++i) {
            shown.emplace_back(freePlace(c.size, screen, shown, c.windows), c.size);
            EXPECT_TRUE(screen.contains(shown.back())) << c.what << " #" << i;
        }
        // Past what the screen holds they overlap least, never exactly.
        EXPECT_TRUE(clearOfEachOther({shown.begin(), shown.begin() + c.clear})) << c.what;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_NE(shown[i].topLeft(), shown[j].topLeft()) << c.what;
            }
        }
    }
}

SessionFacts facts(bool wayland, bool x11, const char* qtPlatform, bool layerShell) {
    SessionFacts f;
    f.wayland = wayland;
    f.x11 = x11;
    if (qtPlatform != nullptr) {
        f.qtPlatform = qtPlatform;
    }
    f.layerShell = layerShell;
    return f;
}

TEST(DesktopRoute, FollowsWhatTheSessionOffers) {
    struct Case {
        SessionFacts facts;
        DesktopRoute route;
        std::optional<std::string> qtPlatform;
        bool says;  // one line on stderr tells the user what was done
    };
    using enum DesktopRoute;
    const Case cases[] = {
        // GNOME (through XWayland, or plain without it) and sway (layer-shell)
        // are the desktop tests'.
        {facts(false, true, nullptr, false), x11, std::nullopt, false},
        // What the user named wins, except that a widget must stay on the
        // desktop: an X11 window cannot on a Wayland compositor with
        // layer-shell, a Wayland window cannot on one without.
        {facts(true, true, "xcb", false), x11, std::nullopt, false},
        {facts(false, true, "xcb", false), x11, std::nullopt, false},
        {facts(true, true, "xcb", true), layerShell, std::nullopt, true},
        {facts(true, true, "wayland;xcb", false), x11, "xcb", true},
        {facts(false, true, "wayland;xcb", false), x11, "xcb", true},
        {facts(true, false, "wayland", false), plain, std::nullopt, true},
        {facts(false, false, "wayland", false), plain, std::nullopt, false},
        {facts(true, false, "wayland-egl", true), layerShell, std::nullopt, false},
        {facts(false, true, "offscreen", false), plain, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const RouteChoice chosen = chooseRoute(c.facts);
        const std::string session = std::to_string(c.facts.wayland) + std::to_string(c.facts.x11) +
                                    c.facts.qtPlatform.value_or("-") +
                                    std::to_string(c.facts.layerShell);
        EXPECT_EQ(chosen.route, c.route) << session;
        EXPECT_EQ(chosen.qtPlatform, c.qtPlatform) << session;
        EXPECT_EQ(!chosen.why.empty(), c.says) << session << ": " << chosen.why;
        if (c.facts.qtPlatform && c.says && c.route != plain) {
            EXPECT_NE(chosen.why.find("QT_QPA_PLATFORM=" + *c.facts.qtPlatform), std::string::npos)
                << chosen.why;
        }
    }
    EXPECT_TRUE(needsLayerShellProbe(facts(true, true, nullptr, false)));
    EXPECT_TRUE(needsLayerShellProbe(facts(true, true, "xcb", false)));
    EXPECT_TRUE(needsLayerShellProbe(facts(true, true, "wayland;xcb", false)));
    EXPECT_FALSE(needsLayerShellProbe(facts(true, true, "offscreen", false)));
    EXPECT_FALSE(needsLayerShellProbe(facts(false, true, nullptr, false)));
}

// The Shape extension cuts to rectangles; the rows must follow the card's
// rounded corners and cover exactly the card, each pixel once.
TEST(ShapeRegion, RowsTraceTheRoundedCard) {
    const QSize size(170, 170);
    const auto rows = x11::roundedRectRows(size, 22);
    long area = 0;
    for (const QRect& r : rows) {
        EXPECT_TRUE(QRect(QPoint(), size).contains(r));
        area += long(r.width()) * r.height();
    }
    // A circle's corners cut away (4 − π) r² of the square; whole-pixel rows
    // that stay inside the curve cut a little more, never less.
    const double cut = (4.0 - 3.14159265) * 22 * 22;
    const double cutAway = double(size.width() * size.height() - area);
    EXPECT_GE(cutAway, cut);
    EXPECT_LT(cutAway, cut * 1.2);
    EXPECT_GT(rows.front().x(), 10);  // the top row is well inside the corner
    EXPECT_EQ(rows.front().x(), rows.back().x());
    EXPECT_EQ(x11::roundedRectRows({}, 22).size(), 0u);
    EXPECT_EQ(x11::roundedRectRows(size, 0).size(), 1u);
}

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
