// The pickers from the keyboard and on a small screen: the icon picker's
// symbol grid as one Tab stop and the folder its image chooser opens in, and
// the widget host's gallery showing each kind's text whole.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/icon_picker.h"
#include "app_fakes.h"
#include "core/test_helpers.h"
#include "host/gallery_dialog.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using app::fakes::focusName;

TEST(IconPicker, TheGridIsOneTabStopWalkedWithArrowKeys) {
    IconPicker picker("gift", std::nullopt, nullptr);
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    auto* search = picker.findChild<QLineEdit*>("symbolSearch");
    search->setFocus();
    std::vector<std::string> names;
    for (const QString& name : picker.shownSymbols()) {
        names.push_back(name.toStdString());
    }
    const auto at = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        return focusName();
    };

    // In on the selected cell, and out again with the next key.
    EXPECT_EQ(press(Qt::Key_Tab), "gift");
    const auto gift = at("gift");
    EXPECT_EQ(press(Qt::Key_Right), names[gift + 1]);
    EXPECT_EQ(press(Qt::Key_Down), names[gift + 1 + IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Left), names[gift + IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Up), "gift");
    constexpr int page = IconPicker::kGridHeight / (IconPicker::kCell + IconPicker::kGap);
    EXPECT_EQ(press(Qt::Key_PageDown), names[gift + page * IconPicker::kColumns]);
    EXPECT_EQ(press(Qt::Key_Home), "calendar");
    EXPECT_EQ(press(Qt::Key_Up), "calendar");
    EXPECT_EQ(press(Qt::Key_Left), "calendar");
    EXPECT_EQ(press(Qt::Key_End), names.back());
    EXPECT_EQ(press(Qt::Key_Down), names.back());
    auto* grid = picker.findChild<QScrollArea*>("symbolGrid");
    const QWidget* last = picker.findChild<QWidget*>(QString::fromStdString(names.back()));
    EXPECT_TRUE(grid->viewport()->rect().contains(
        QRect(last->mapTo(grid->viewport(), QPoint(0, 0)), last->size())))
        << "the focused cell is scrolled into view";
    EXPECT_EQ(picker.symbol().toStdString(), "gift") << "moving does not choose";

    // Leaving forgets where the arrows went: back in, it is the selection.
    // (Alone in its window, the picker's Tab order wraps round to Upload.)
    EXPECT_EQ(press(Qt::Key_Tab), "Upload Image…");
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), "gift");
    EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), "symbolSearch");

    QSignalSpy changed(&picker, &IconPicker::changed);
    EXPECT_EQ(press(Qt::Key_Tab), "gift");
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker.symbol().toStdString(), names[gift + 1]);
    press(Qt::Key_Right);
    press(Qt::Key_Enter);
    EXPECT_EQ(picker.symbol().toStdString(), names[gift + 2]);

    // A search that hides the selection enters on the first match; one that
    // finds nothing leaves no stop at all.
    search->setFocus();
    QTest::keyClicks(search, "moon");
    EXPECT_EQ(press(Qt::Key_Tab), "moon");
    EXPECT_EQ(press(Qt::Key_End), "cloud.moon");
    search->setFocus();
    search->clear();
    QTest::keyClicks(search, "zeppelin");
    EXPECT_EQ(press(Qt::Key_Tab), "Upload Image…");
}

TEST(IconPicker, TheImageChooserStartsInPicturesElseHome) {
    const testing::TempDir dir;
    const std::string home = dir.path().string();
    const testing::ScopedEnv homeEnv("HOME", home.c_str());
    const testing::ScopedEnv configEnv("XDG_CONFIG_HOME", (home + "/.config").c_str());
    const auto start = [] { return IconPicker::imageStartFolder().toStdString(); };

    EXPECT_EQ(start(), home) << "no Pictures folder yet";
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / "Pictures"));
    EXPECT_EQ(start(), home + "/Pictures");

    // The folder the user named for pictures, wherever and whatever it is.
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / ".config"));
    ASSERT_TRUE(std::filesystem::create_directory(dir.path() / "Bilder"));
    std::ofstream(dir.path() / ".config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(start(), home + "/Bilder");
}

TEST(GalleryDialog, EachKindsTextIsShownWholeAtAnyWidth) {
    using F = widgets::WidgetFamily;
    std::vector<widgets::WidgetKindSpec> kinds{
        {"Solvane",
         "Solvane",
         "Countdowns, weather, sun and moon at a glance.",
         {F::extraLarge},
         {}},
        {"Countdowns",
         "Countdowns",
         "Count down to the days you care about.",
         {F::small, F::medium, F::large, F::extraLarge},
         {}},
    };
    host::GalleryDialog gallery(kinds);
    gallery.show();
    auto* list = gallery.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(),
              "Solvane\nCountdowns, weather, sun and moon at a glance.\nSizes: Extra Large");
    EXPECT_EQ(list->item(1)->text().section('\n', 2).toStdString(),
              "Sizes: Small, Medium, Large, Extra Large");

    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (const int width : {420, 300, 220}) {
        gallery.resize(width, 460);
        QTest::qWait(20);
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            const QRect needed =
                list->fontMetrics().boundingRect(QRect(0, 0, item.width() - 2 * margin, 10'000),
                                                 Qt::TextWordWrap, list->item(row)->text());
            EXPECT_LE(needed.height(), item.height()) << "row " << row << " at " << width;
            EXPECT_LE(item.right(), list->viewport()->width()) << "row " << row << " at " << width;
        }
    }
}

}  // namespace
}  // namespace solvane
