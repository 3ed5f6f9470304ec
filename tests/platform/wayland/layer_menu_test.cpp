// The menu's keyboard walk and hit rows, which the compositor tests reach only
// through a few paths.
#include "platform/wayland/layer_menu.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "gui_app.h"

namespace solvane::platform::menu {
namespace {

LayerMenuItem item(const char* text, bool enabled = true) {
    return LayerMenuItem{QString::fromUtf8(text), false, false, false, enabled};
}
LayerMenuItem separator() {
    return LayerMenuItem{QString(), true, false, false, true};
}

class LayerMenu : public ::testing::Test {
  protected:
    void SetUp() override { solvane::testing::guiApp(); }
};

struct WalkCase {
    const char* name;
    std::vector<LayerMenuItem> items;
    int from;
    int step;
    int expected;
};

TEST_F(LayerMenu, KeyboardWalkSkipsWhatCannotBePickedAndWraps) {
    const std::vector<LayerMenuItem> mixed = {item("a"), separator(), item("b", false), item("c"),
                                              separator()};
    const std::vector<WalkCase> cases = {
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
    for (const WalkCase& c : cases) {
        EXPECT_EQ(nextSelectable(c.items, c.from, c.step), c.expected) << c.name;
    }
}

TEST_F(LayerMenu, EachPointBelongsToOneRowAndPaddingToNone) {
    const std::vector<LayerMenuItem> items = {item("Edit"), separator(), item("Remove")};
    const MenuLayout layout = layoutMenu(items, QFontMetrics(QFont()));
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.size.height(), 2 * kPanelPadding + 2 * kRowHeight + kSeparatorHeight);
    const int x = layout.size.width() / 2;
    struct HitCase {
        qreal y;
        int row;
    };
    const std::vector<HitCase> cases = {
        {kPanelPadding - 0.5, -1},
        {kPanelPadding, 0},
        {kPanelPadding + kRowHeight - 0.01, 0},
        {kPanelPadding + kRowHeight, 1},  // the boundary goes to the row below only
        {kPanelPadding + kRowHeight + kSeparatorHeight, 2},
        {static_cast<qreal>(layout.size.height() - kPanelPadding), -1},
    };
    for (const HitCase& c : cases) {
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
}  // namespace solvane::platform::menu
