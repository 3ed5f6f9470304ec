// The window as a screen reader finds it: every custom control has a name
// and a role, the list rows read as what they show, the icon grid's cells
// as the symbol's words, and the preview as the board it draws.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/board_preview.h"
#include "app/countdown_editor.h"
#include "app/countdown_list.h"
#include "app/icon_picker.h"
#include "app/location_section.h"
#include "app/main_window.h"
#include "app/weather_section.h"
#include "app_fakes.h"

namespace solvane::app {
namespace {

using fakes::newYork;
using fakes::waitUntil;

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr) << object->metaObject()->className();
    return iface;
}

// The first child of `parent` with `role` and a name, by name.
QAccessibleInterface* childNamed(QAccessibleInterface* parent, QAccessible::Role role,
                                 const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child != nullptr && child->role() == role && child->text(QAccessible::Name) == name) {
            return child;
        }
    }
    return nullptr;
}

class AccessibilityTest : public fakes::StoreTest {
  protected:
    MainWindow& open() {
        WindowServices services = windowServicesFor(appServices());
        services.answer = [](AccessQuestion) { return false; };
        window_ = std::make_unique<MainWindow>(std::move(services));
        window_->show();
        EXPECT_TRUE(waitUntil([this] { return !window_->state().weatherLoading(); }));
        return *window_;
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(AccessibilityTest, ControlsOfTheWindowHaveNamesAndRoles) {
    Countdown trip = fakes::countdownOn("Trip", *newYork().date(2023, 12, 10));
    trip.symbol = "airplane";
    store_.saveCountdowns({trip});
    MainWindow& window = open();

    // The style picker: a named group of radio buttons, the chosen one checked.
    QAccessibleInterface* styles = accessible(window.stylePicker()->button(0)->parentWidget());
    EXPECT_EQ(styles->role(), QAccessible::Grouping);
    EXPECT_EQ(styles->text(QAccessible::Name), QStringLiteral("Style"));
    QAccessibleInterface* glass = accessible(window.stylePicker()->button(0));
    EXPECT_EQ(glass->role(), QAccessible::RadioButton);
    EXPECT_EQ(glass->text(QAccessible::Name), QStringLiteral("Liquid Glass"));
    EXPECT_TRUE(glass->state().checked);
    QAccessibleInterface* dark = accessible(window.stylePicker()->button(1));
    EXPECT_FALSE(dark->state().checked);
    ASSERT_NE(dark->actionInterface(), nullptr);
    dark->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.preview()->previewStyle(), WidgetStyle::dark);
    EXPECT_TRUE(dark->state().checked);

    // The countdown rows: list items named by the label and what the board shows.
    QAccessibleInterface* list = accessible(window.countdownList()->listView());
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Countdowns"));
    QAccessibleInterface* row = childNamed(list, QAccessible::ListItem, "Trip, 26 days");
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->text(QAccessible::Description).startsWith("Sun, Dec 10"))
        << row->text(QAccessible::Description).toStdString();

    // The preview reads as the board it draws.
    QAccessibleInterface* preview = accessible(window.preview());
    EXPECT_EQ(preview->role(), QAccessible::Graphic);
    EXPECT_EQ(preview->text(QAccessible::Name), QStringLiteral("Preview"));
    const QString board = preview->text(QAccessible::Description);
    EXPECT_TRUE(board.startsWith("Solvane. Tuesday, November 14")) << board.toStdString();
    EXPECT_TRUE(board.contains("Trip in 26 days")) << board.toStdString();

    // The editor's icon grid: a list of cells named in words, the chosen one
    // selected; its segments take their form's labels.
    QAction* add = fakes::findAction(window.countdownList()->addMenu(), "New Countdown");
    ASSERT_NE(add, nullptr);
    add->trigger();
    ASSERT_TRUE(waitUntil([&] { return window.editor() != nullptr; }));
    auto* picker = window.editor()->findChild<IconPicker*>();
    ASSERT_NE(picker, nullptr);
    picker->pickSymbol(QStringLiteral("star.circle"));
    QAccessibleInterface* cell = nullptr;
    for (QObject* object : picker->findChildren<QAbstractButton*>()) {
        if (object->objectName() == QStringLiteral("star.circle")) {
            cell = accessible(object);
        }
    }
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::ListItem);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Star in a circle"));
    EXPECT_TRUE(cell->state().selectable);
    EXPECT_TRUE(cell->state().selected);
    QAccessibleInterface* grid = cell->parent();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::List);
    EXPECT_EQ(grid->text(QAccessible::Name), QStringLiteral("Symbols"));
    QAccessibleInterface* other = childNamed(grid, QAccessible::ListItem, "Gift");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->state().selected);
    other->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(picker->symbol(), QStringLiteral("gift"));

    bool labelled = false;
    for (QWidget* widget : window.editor()->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        if (iface != nullptr && iface->role() == QAccessible::Grouping &&
            iface->text(QAccessible::Name) == QStringLiteral("Count in")) {
            labelled = true;
        }
    }
    EXPECT_TRUE(labelled);
}

// Every visible node of the tree under `root` whose name is `name`; what a
// screen reader can reach, so nodes marked invisible or of no size are left
// out.
int shownNodesNamed(QAccessibleInterface* root, const QString& name, int depth = 0) {
    if (root == nullptr || depth > 40 || root->state().invisible) {
        return 0;
    }
    int found = root->text(QAccessible::Name) == name && !root->rect().isEmpty() ? 1 : 0;
    for (int i = 0; i < root->childCount(); ++i) {
        found += shownNodesNamed(root->child(i), name, depth + 1);
    }
    return found;
}

// Apple Weather chosen, no key, no network: the window says so as it opens
// (and again once it has been closed), and the keyboard reaches the source
// picker on the choice already made.
TEST_F(AccessibilityTest, OfflineAdviceIsShownAndTheFocusedSegmentIsTheCheckedOne) {
    store_.saveSettings(AppSettings{WeatherSource::apple, TempUnit::fahrenheit, {}});
    apple_.failWith(WeatherError::service("WeatherKitError.missingCredentials"));
    openMeteo_.failWith(WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, "offline"}));
    for (int start = 0; start < 2; ++start) {
        MainWindow& window = open();
        WeatherSection* section = window.weatherSection();
        ASSERT_TRUE(waitUntil([&] { return section->fallbackNotice()->isVisibleTo(&window); }))
            << "start " << start;
        EXPECT_EQ(section->noticeHeading()->text(), "Apple Weather needs your WeatherKit key.");
        const QString advice = section->adviceLabel()->text();
        EXPECT_TRUE(advice.contains("weatherkit.json")) << advice.toStdString();
        QAccessibleInterface* root = accessible(&window);
        EXPECT_EQ(shownNodesNamed(root, advice), 1);
        EXPECT_EQ(shownNodesNamed(root, section->noticeHeading()->text()), 1);
    }
    EXPECT_EQ(store_.loadAppleError(), "WeatherKitError.missingCredentials");

    // Tab into the source picker from the field before it.
    MainWindow& window = *window_;
    QButtonGroup* source = window.weatherSection()->sourcePicker();
    const auto focusedSegment = [&] {
        return qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.locationSection()->longitudeField()->setFocus();
    for (int i = 0; i < 5 && !source->buttons().contains(focusedSegment()); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(focusedSegment(), source->button(0)) << "Apple Weather, the checked one";
    QAccessibleInterface* focused = accessible(focusedSegment());
    EXPECT_EQ(focused->role(), QAccessible::RadioButton);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(focused->state().checked);
    QTest::keyClick(focusedSegment(), Qt::Key_Space);
    EXPECT_EQ(store_.loadSettings().weatherSource, WeatherSource::apple) << "Space keeps it";

    // An arrow moves the choice; Tab goes on to the units, one stop later.
    QTest::keyClick(focusedSegment(), Qt::Key_Right);
    EXPECT_EQ(focusedSegment(), source->button(1));
    EXPECT_TRUE(accessible(focusedSegment())->state().checked);
    EXPECT_EQ(store_.loadSettings().weatherSource, WeatherSource::openMeteo);
    EXPECT_TRUE(waitUntil([&] {
        return !window.weatherSection()->fallbackNotice()->isVisibleTo(&window);
    })) << "Apple Weather is no longer asked";
    QTest::keyClick(focusedSegment(), Qt::Key_Tab);
    EXPECT_EQ(focusedSegment(), window.weatherSection()->unitPicker()->button(0)) << "°F";
    QTest::keyClick(focusedSegment(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedSegment(), source->button(1)) << "back to the choice, Open-Meteo";
}

}  // namespace
}  // namespace solvane::app
