#include "host/widget_placement.h"

#include <gtest/gtest.h>

#include "host/desktop_route.h"
#include "host/widget_window.h"
#include "host/x11_desktop.h"

namespace solvane::host {
namespace {

const QRect kLeft(0, 0, 1920, 1080);
const QRect kRight(1920, 0, 1280, 1024);

TEST(WidgetPlacement, APositionNoScreenShowsComesBackToTheNearestOne) {
    const std::vector<QRect> screens = {kLeft, kRight};
    struct Case {
        QRect widget;
        QPoint shownAt;
    };
    const Case cases[] = {
        {{100, 100, 170, 170}, {100, 100}},     // on a screen
        {{1850, 500, 170, 170}, {1850, 500}},   // across both
        {{-120, 40, 170, 170}, {-120, 40}},     // half off, still grabbable
        {{-140, 40, 170, 170}, {0, 40}},        // a sliver left: pulled back
        {{5000, 40, 170, 170}, {3030, 40}},     // a screen that is gone
        {{2500, 1500, 364, 382}, {2500, 642}},  // below the right screen
        {{-9000, -9000, 724, 360}, {0, 0}},     // far above and left
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clampOntoScreens(c.widget, screens), c.shownAt)
            << c.widget.x() << "," << c.widget.y();
    }
    EXPECT_EQ(clampOntoScreens({5000, 40, 170, 170}, {}), QPoint(5000, 40));
    // Larger than the screen: its top-left corner shows.
    EXPECT_EQ(clampOntoScreens({3000, 3000, 800, 600}, {{0, 0, 640, 480}}), QPoint(0, 0));
}

TEST(WidgetPlacement, NewWidgetsGoWhereNothingElseIs) {
    const QSize small(170, 170);
    const QRect screen(0, 0, 1920, 1080);
    // The first down the right-hand side, each next one below it.
    const QPoint first = freePlace(small, screen, {});
    EXPECT_EQ(first, QPoint(1920 - kWidgetGap - 170, kWidgetGap));
    const QRect firstRect(first, small);
    const QPoint second = freePlace(small, screen, {firstRect});
    EXPECT_EQ(second.x(), first.x());
    EXPECT_GE(second.y(), firstRect.bottom() + 1 + kWidgetGap);

    // The Solvane window covering the right half pushes them left of it.
    const QRect app(900, 40, 1000, 800);
    const QRect placed(freePlace(small, screen, {app}), small);
    EXPECT_FALSE(placed.intersects(app.adjusted(-kWidgetGap, -kWidgetGap, kWidgetGap, kWidgetGap)));
    EXPECT_TRUE(screen.contains(placed));

    // A full screen still gives a place on it, off the last one.
    const QRect full(0, 0, 1920, 1080);
    const QRect fallback(freePlace(small, screen, {full}), small);
    EXPECT_TRUE(screen.contains(fallback));
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
        RouteChoice expected;
    };
    const RouteChoice x11{DesktopRoute::x11, std::nullopt};
    const RouteChoice layer{DesktopRoute::layerShell, std::nullopt};
    const RouteChoice plain{DesktopRoute::plain, std::nullopt};
    const Case cases[] = {
        {facts(false, true, nullptr, false), x11},
        // GNOME: no layer-shell, so through XWayland.
        {facts(true, true, nullptr, false), {DesktopRoute::x11, "xcb"}},
        {facts(true, true, nullptr, true), layer},
        {facts(true, false, nullptr, false), plain},
        // What the user named wins.
        {facts(true, true, "xcb", true), x11},
        {facts(true, true, "wayland", false), plain},
        {facts(true, false, "wayland-egl", true), layer},
        {facts(false, true, "offscreen", false), plain},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseRoute(c.facts), c.expected)
            << c.facts.wayland << c.facts.x11 << c.facts.qtPlatform.value_or("-")
            << c.facts.layerShell;
    }
    EXPECT_TRUE(needsLayerShellProbe(facts(true, true, nullptr, false)));
    EXPECT_FALSE(needsLayerShellProbe(facts(true, true, "xcb", false)));
    EXPECT_FALSE(needsLayerShellProbe(facts(false, true, nullptr, false)));
}

TEST(WidgetTitle, NamesTheKind) {
    EXPECT_EQ(widgetTitle("Moon"), QString("Solvane \u2014 Moon"));
    EXPECT_EQ(widgetTitle("Solvane"), QString("Solvane \u2014 Board"));
    EXPECT_EQ(widgetTitle(""), QString("Solvane \u2014 Board"));
}

// KWin blurs behind rectangles; the rows must follow the card's rounded
// corners and cover exactly the card, each pixel once.
TEST(BlurRegion, RowsTraceTheRoundedCard) {
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

}  // namespace
}  // namespace solvane::host
