// Desktop-layer surfaces against a real headless compositor, driven by
// virtual devices so that every event arrives the way a user's would; and the
// menu's keyboard walk and hit rows, which the compositor reaches by few paths.
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <QEventLoop>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>

#include "platform/wayland/layer_shell.h"
#include "test_compositor.h"
#include "virtual_input.h"

// Readable failure messages; gtest finds it next to the Qt type.
void PrintTo(const QPointF& p, std::ostream* out) {
    *out << "(" << p.x() << ", " << p.y() << ")";
}

namespace solvane::platform {
namespace {

using namespace std::chrono_literals;
using solvane::testing::TestCompositor;
using solvane::testing::VirtualInput;
using namespace menu;

// Fonts, palettes and socket notifiers need one; Qt needs no display.
QGuiApplication& guiApp() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "platform_wayland_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

const std::string kOneOutput = "output HEADLESS-1 resolution 1280x800 position 0 0";

// Runs the event loop, where the dispatcher blocks and wakes as in the program.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Long enough for anything the compositor already sent to be handled.
void settle() {
    waitUntil([] { return false; }, 300ms);
}

QImage picture(QSize logical, qreal scale) {
    QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(40, 120, 200));
    return image;
}

std::vector<LayerMenuItem> menuItems() {
    return {
        {QStringLiteral("Edit")},
        {QString(), true},
        {QStringLiteral("Unavailable"), false, false, false, false},
        {QStringLiteral("Show seconds"), false, true, true},
        {QStringLiteral("Remove")},
    };
}

// Where to hit `row` of the menu a right click at `click` opened, just below and right.
QPoint menuRow(QPoint click, int row) {
    const MenuLayout layout = layoutMenu(menuItems(), QFontMetrics(QGuiApplication::font()));
    return click + QPoint(1, 1) + layout.rows.at(static_cast<std::size_t>(row)).center();
}

class LayerShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        guiApp();
        if (auto why = TestCompositor::unavailable()) {
            GTEST_SKIP() << *why;
        }
    }

    void TearDown() override {
        widgets_.clear();
        shell_.reset();
        input_.reset();
        compositor_.stop();
        ::unsetenv("WAYLAND_DISPLAY");
    }

    // Starts the compositor, the virtual devices and the shell under test.
    void startDesktop(const std::vector<std::string>& config, int outputs, QSize layout) {
        ASSERT_TRUE(compositor_.start(config, outputs)) << compositor_.log();
        ::setenv("XDG_RUNTIME_DIR", compositor_.runtimeDir().c_str(), 1);
        ::setenv("WAYLAND_DISPLAY", compositor_.socketName().c_str(), 1);
        input_ = std::make_unique<VirtualInput>();
        ASSERT_TRUE(input_->open(layout)) << compositor_.log();
        shell_ = LayerShell::connect();
        ASSERT_TRUE(shell_) << compositor_.log();
    }

    LayerSurface& widget(QSize size, QPoint topLeft) {
        auto surface = shell_->createSurface(size, topLeft, QStringLiteral("solvane-widget"));
        surface->setImage(picture(size, surface->scale()));
        widgets_.push_back(std::move(surface));
        return *widgets_.back();
    }

    // Left button from `from` to `to` in `steps`, each handled before the next as a hand's.
    void drag(QPoint from, QPoint to, int steps) {
        input_->move(from);
        input_->button(BTN_LEFT, true);
        for (int i = 1; i <= steps; ++i) {
            input_->move(from + (to - from) * i / steps);
            waitUntil([] { return false; }, 30ms);
        }
        input_->button(BTN_LEFT, false);
    }

    // Where on `surface` a right click at `at` (global) landed, if it reached it.
    std::optional<QPointF> rightClick(LayerSurface& surface, QPoint at) {
        QSignalSpy spy(&surface, &LayerSurface::contextMenuRequested);
        input_->click(at, BTN_RIGHT);
        settle();
        if (spy.count() != 1) {
            return std::nullopt;
        }
        return spy.at(0).at(0).toPointF();
    }

    TestCompositor compositor_;
    std::unique_ptr<VirtualInput> input_;
    std::unique_ptr<LayerShell> shell_;
    std::vector<std::unique_ptr<LayerSurface>> widgets_;
};

TEST(LayerShellWithoutCompositor, ConnectingGivesNothing) {
    guiApp();
    ::setenv("WAYLAND_DISPLAY", "/nonexistent/solvane-no-compositor", 1);
    EXPECT_EQ(LayerShell::connect(), nullptr);
    EXPECT_FALSE(LayerShell::offeredByCompositor());
    ::unsetenv("WAYLAND_DISPLAY");
    EXPECT_EQ(LayerShell::connect(), nullptr);
    EXPECT_FALSE(LayerShell::offeredByCompositor());
}

TEST_F(LayerShellTest, SitsAtItsPositionBelowWindows) {
    startDesktop({kOneOutput}, 1, QSize(1280, 800));
    EXPECT_TRUE(LayerShell::offeredByCompositor());
    EXPECT_EQ(shell_->outputs(), std::vector<QRect>{QRect(0, 0, 1280, 800)});

    LayerSurface& surface = widget(QSize(160, 100), QPoint(100, 120));
    EXPECT_EQ(surface.scale(), 1);
    settle();
    const struct {
        QPoint at;
        std::optional<QPointF> local;
    } probes[] = {
        {QPoint(105, 125), QPointF(5, 5)}, {QPoint(259, 219), QPointF(159, 99)},
        {QPoint(99, 125), std::nullopt},   {QPoint(105, 119), std::nullopt},
        {QPoint(260, 125), std::nullopt},  {QPoint(105, 220), std::nullopt},
    };
    for (const auto& probe : probes) {
        EXPECT_EQ(rightClick(surface, probe.at), probe.local)
            << "at " << probe.at.x() << "," << probe.at.y();
    }

    // An ordinary window tiles over the whole output; a widget in the bottom
    // layer is then out of the pointer's reach, one above windows is not.
    ASSERT_TRUE(input_->coverDesktop());
    settle();
    EXPECT_EQ(rightClick(surface, QPoint(105, 125)), std::nullopt);
    EXPECT_FALSE(surface.isClosed());
}

TEST_F(LayerShellTest, FollowsADragAndReportsWhereItWasLetGo) {
    startDesktop({kOneOutput}, 1, QSize(1280, 800));
    LayerSurface& surface = widget(QSize(160, 100), QPoint(100, 120));
    QSignalSpy dragged(&surface, &LayerSurface::dragFinished);
    settle();

    drag(QPoint(110, 130), QPoint(310, 230), 10);
    ASSERT_TRUE(waitUntil([&] { return dragged.count() == 1; })) << compositor_.log();
    EXPECT_EQ(dragged.at(0).at(0).toPoint(), QPoint(300, 220));
    EXPECT_EQ(surface.position(), QPoint(300, 220));
    EXPECT_EQ(rightClick(surface, QPoint(305, 225)), QPointF(5, 5));
    EXPECT_EQ(rightClick(surface, QPoint(105, 125)), std::nullopt);

    // A plain click, and a press that wanders under four pixels, are not drags.
    input_->click(QPoint(320, 240), BTN_LEFT);
    drag(QPoint(320, 240), QPoint(322, 241), 2);
    settle();
    EXPECT_EQ(dragged.count(), 1);
    EXPECT_EQ(surface.position(), QPoint(300, 220));

    // A second drag starts from where the first one left it.
    drag(QPoint(305, 225), QPoint(205, 425), 8);
    ASSERT_TRUE(waitUntil([&] { return dragged.count() == 2; }));
    EXPECT_EQ(dragged.at(1).at(0).toPoint(), QPoint(200, 420));
    EXPECT_EQ(rightClick(surface, QPoint(205, 425)), QPointF(5, 5));
}

TEST_F(LayerShellTest, MenuIsPickedByPointerOrKeyboardAndDismissed) {
    startDesktop({kOneOutput}, 1, QSize(1280, 800));
    LayerSurface& surface = widget(QSize(160, 100), QPoint(100, 120));
    QObject::connect(&surface, &LayerSurface::contextMenuRequested,
                     [&](QPointF local) { surface.showMenu(menuItems(), local); });
    QSignalSpy chosen(&surface, &LayerSurface::menuChosen);
    QSignalSpy dismissed(&surface, &LayerSurface::menuClosed);
    settle();
    const QPoint click(110, 130);

    // Pointer: a disabled item does nothing, an enabled one is chosen.
    input_->click(click, BTN_RIGHT);
    settle();
    ASSERT_TRUE(surface.isMenuOpen());
    input_->click(menuRow(click, 2), BTN_LEFT);
    input_->click(menuRow(click, 1), BTN_LEFT);
    settle();
    EXPECT_TRUE(surface.isMenuOpen());
    EXPECT_EQ(chosen.count(), 0);
    input_->click(menuRow(click, 4), BTN_LEFT);
    ASSERT_TRUE(waitUntil([&] { return chosen.count() == 1; })) << compositor_.log();
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 4);
    EXPECT_EQ(dismissed.count(), 0);
    EXPECT_FALSE(surface.isMenuOpen());

    const struct {
        const char* name;
        std::function<void()> act;
    } dismissals[] = {
        {"a click on the empty desktop", [&] { input_->click(QPoint(900, 700), BTN_LEFT); }},
        {"Escape", [&] { input_->key(KEY_ESC); }},
        {"a click on the widget itself", [&] { input_->click(QPoint(104, 200), BTN_LEFT); }},
    };
    for (const auto& d : dismissals) {
        const int before = dismissed.count();
        input_->click(click, BTN_RIGHT);
        settle();
        ASSERT_TRUE(surface.isMenuOpen()) << d.name;
        d.act();
        EXPECT_TRUE(waitUntil([&] { return dismissed.count() == before + 1; })) << d.name;
        EXPECT_FALSE(surface.isMenuOpen()) << d.name;
    }
    EXPECT_EQ(chosen.count(), 1);

    // Keyboard: Down twice passes the separator and the disabled item.
    input_->click(click, BTN_RIGHT);
    settle();
    input_->key(KEY_DOWN);
    input_->key(KEY_DOWN);
    input_->key(KEY_ENTER);
    ASSERT_TRUE(waitUntil([&] { return chosen.count() == 2; })) << compositor_.log();
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 3);

    // Closing the menu gave the keyboard back and lowered the widget again.
    EXPECT_EQ(surface.position(), QPoint(100, 120));
    ASSERT_TRUE(input_->coverDesktop());
    settle();
    EXPECT_EQ(rightClick(surface, QPoint(105, 125)), std::nullopt);
    EXPECT_EQ(dismissed.count(), 3);
    EXPECT_TRUE(shell_->isConnected());
}

TEST_F(LayerShellTest, KeepsToTheOutputUnderItAndItsScale) {
    startDesktop({kOneOutput, "output HEADLESS-2 resolution 800x600 position 1280 0 scale 2"}, 2,
                 QSize(1680, 800));
    ASSERT_TRUE(waitUntil([&] { return shell_->outputs().size() == 2; }));
    EXPECT_EQ(shell_->outputs(),
              (std::vector<QRect>{QRect(0, 0, 1280, 800), QRect(1280, 0, 400, 300)}));

    LayerSurface& right = widget(QSize(100, 80), QPoint(1300, 40));
    EXPECT_EQ(right.scale(), 2);
    settle();
    EXPECT_EQ(rightClick(right, QPoint(1305, 45)), QPointF(5, 5));

    // Dragged across: the surface moves to the other output and hears of its
    // scale.
    LayerSurface& left = widget(QSize(100, 80), QPoint(1100, 100));
    QSignalSpy leftScale(&left, &LayerSurface::scaleChanged);
    QSignalSpy dragged(&left, &LayerSurface::dragFinished);
    settle();
    drag(QPoint(1110, 110), QPoint(1410, 130), 12);
    ASSERT_TRUE(waitUntil([&] { return dragged.count() == 1; }));
    EXPECT_EQ(dragged.at(0).at(0).toPoint(), QPoint(1400, 120));
    ASSERT_TRUE(waitUntil([&] { return leftScale.count() == 1; }));
    EXPECT_EQ(leftScale.at(0).at(0).toReal(), 2.0);
    left.setImage(picture(QSize(100, 80), 2));
    settle();
    EXPECT_EQ(rightClick(left, QPoint(1405, 125)), QPointF(5, 5));

    // Placed back by the program: same again the other way.
    left.setPosition(QPoint(200, 300));
    ASSERT_TRUE(waitUntil([&] { return leftScale.count() == 2; }));
    EXPECT_EQ(leftScale.at(1).at(0).toReal(), 1.0);
    left.setImage(picture(QSize(100, 80), 1));
    settle();
    EXPECT_EQ(rightClick(left, QPoint(205, 305)), QPointF(5, 5));

    // The output's scale changes under a surface that stays.
    QSignalSpy rightScale(&right, &LayerSurface::scaleChanged);
    ASSERT_TRUE(compositor_.command("output HEADLESS-2 scale 1"));
    ASSERT_TRUE(waitUntil([&] { return rightScale.count() == 1; }));
    EXPECT_EQ(rightScale.at(0).at(0).toReal(), 1.0);
    EXPECT_EQ(right.scale(), 1);
    EXPECT_TRUE(waitUntil([&] { return shell_->outputs().at(1) == QRect(1280, 0, 800, 600); }));
    EXPECT_TRUE(shell_->isConnected());
}

TEST_F(LayerShellTest, CompositorGoingAwayClosesEverySurface) {
    startDesktop({kOneOutput}, 1, QSize(1280, 800));
    LayerSurface& first = widget(QSize(160, 100), QPoint(100, 120));
    LayerSurface& second = widget(QSize(80, 80), QPoint(600, 300));
    QObject::connect(&first, &LayerSurface::contextMenuRequested,
                     [&](QPointF local) { first.showMenu(menuItems(), local); });
    QSignalSpy firstClosed(&first, &LayerSurface::closed);
    QSignalSpy secondClosed(&second, &LayerSurface::closed);
    QSignalSpy menuClosed(&first, &LayerSurface::menuClosed);
    settle();
    input_->click(QPoint(110, 130), BTN_RIGHT);
    settle();
    ASSERT_TRUE(first.isMenuOpen());

    compositor_.stop(/*crash=*/true);
    ASSERT_TRUE(waitUntil([&] { return firstClosed.count() == 1 && secondClosed.count() == 1; }));
    // A dead socket stays readable: the shell must stop watching it rather
    // than wake the loop over and over.
    const std::clock_t cpuBefore = std::clock();
    const auto wallBefore = std::chrono::steady_clock::now();
    settle();
    const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    EXPECT_LT(cpu, wall / 2) << "the event loop kept spinning";
    EXPECT_EQ(menuClosed.count(), 1);
    EXPECT_FALSE(shell_->isConnected());

    // Nothing more happens, however the program carries on.
    first.setImage(picture(QSize(50, 50), 1));
    first.setPosition(QPoint(10, 10));
    first.showMenu(menuItems(), QPointF(5, 5));
    auto late =
        shell_->createSurface(QSize(10, 10), QPoint(0, 0), QStringLiteral("solvane-widget"));
    QSignalSpy lateClosed(late.get(), &LayerSurface::closed);
    settle();
    EXPECT_EQ(menuClosed.count(), 2);
    EXPECT_EQ(lateClosed.count(), 1);
    EXPECT_EQ(firstClosed.count(), 1);
    EXPECT_EQ(secondClosed.count(), 1);
}

// --- the menu on its own ------------------------------------------------------

LayerMenuItem item(const char* text, bool enabled = true) {
    return LayerMenuItem{QString::fromUtf8(text), false, false, false, enabled};
}
LayerMenuItem separator() {
    return LayerMenuItem{QString(), true, false, false, true};
}

class LayerMenu : public ::testing::Test {
  protected:
    void SetUp() override { guiApp(); }
};

TEST_F(LayerMenu, KeyboardWalkSkipsWhatCannotBePickedAndWraps) {
    const std::vector<LayerMenuItem> mixed = {item("a"), separator(), item("b", false), item("c"),
                                              separator()};
    const struct {
        const char* name;
        std::vector<LayerMenuItem> items;
        int from, step, expected;
    } cases[] = {
        {"down from nothing starts at the first", mixed, -1, 1, 0},
        {"up from nothing starts at the last", mixed, -1, -1, 3},
        {"down skips a separator and a disabled item", mixed, 0, 1, 3},
        {"up skips them too", mixed, 3, -1, 0},
        {"down from the last wraps past a trailing separator", mixed, 3, 1, 0},
        {"up from the first wraps", mixed, 0, -1, 3},
        {"a stale index past the end starts over", mixed, 9, 1, 0},
        {"one selectable item stays put", {separator(), item("x"), item("y", false)}, 1, 1, 1},
        {"nothing selectable", {separator(), item("y", false)}, -1, 1, -1},
        {"no items", {}, -1, 1, -1},
        {"a step other than one is refused", mixed, 0, 2, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextSelectable(c.items, c.from, c.step), c.expected) << c.name;
    }
}

TEST_F(LayerMenu, EachPointBelongsToOneRowAndPaddingToNone) {
    const std::vector<LayerMenuItem> items = {item("Edit"), separator(), item("Remove")};
    const MenuLayout layout = layoutMenu(items, QFontMetrics(QFont()));
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.size.height(), 2 * kPanelPadding + 2 * kRowHeight + kSeparatorHeight);
    const int x = layout.size.width() / 2;
    const struct {
        qreal y;
        int row;
    } cases[] = {
        {kPanelPadding - 0.5, -1},
        {kPanelPadding, 0},
        {kPanelPadding + kRowHeight - 0.01, 0},
        {kPanelPadding + kRowHeight, 1},  // the boundary goes to the row below only
        {kPanelPadding + kRowHeight + kSeparatorHeight, 2},
        {static_cast<qreal>(layout.size.height() - kPanelPadding), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layout.rowAt(QPointF(x, c.y)), c.row) << "y " << c.y;
    }
    EXPECT_EQ(layout.rowAt(QPointF(-1, kPanelPadding + 1)), -1);
    EXPECT_EQ(layout.rowAt(QPointF(layout.size.width(), kPanelPadding + 1)), -1);
}

TEST_F(LayerMenu, WidthFitsTheLongestTextWithinBounds) {
    const QFontMetrics metrics{QFont()};
    const QString longText(200, QLatin1Char('W'));
    EXPECT_EQ(layoutMenu({item("a")}, metrics).size.width(), kMinWidth);
    EXPECT_EQ(layoutMenu({LayerMenuItem{longText}}, metrics).size.width(), kMaxWidth);
    const QString medium = QStringLiteral("Show the countdown in the menu bar");
    const int expected = kTextLeft + metrics.horizontalAdvance(medium) + kTextRight;
    if (expected > kMinWidth && expected < kMaxWidth) {
        EXPECT_EQ(layoutMenu({item("x"), LayerMenuItem{medium}}, metrics).size.width(), expected);
    }
}

}  // namespace
}  // namespace solvane::platform
