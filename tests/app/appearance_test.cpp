// Following the desktop's appearance: what the desktop says, and texts drawn
// in the secondary tones taking the new palette's colours when it changes.
#include "app/appearance.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "app/section_style.h"

namespace solvane::app {
namespace {

TEST(Appearance, ReadsWhatTheDesktopSays) {
    EXPECT_EQ(schemeFromPortalValue(1), ColorScheme::dark);
    EXPECT_EQ(schemeFromPortalValue(2), ColorScheme::light);
    EXPECT_EQ(schemeFromPortalValue(0), std::nullopt);  // no preference
    EXPECT_EQ(schemeFromPortalValue(7), std::nullopt);

    EXPECT_EQ(schemeFromGtkTheme("Adwaita:dark"), ColorScheme::dark);
    EXPECT_EQ(schemeFromGtkTheme("Yaru-DARK"), ColorScheme::dark);
    EXPECT_EQ(schemeFromGtkTheme("Adwaita"), std::nullopt);
    EXPECT_EQ(schemeFromGtkTheme("Darkish-Light"), std::nullopt);
    EXPECT_EQ(schemeFromGtkTheme(""), std::nullopt);
}

TEST(Appearance, ToneColouredTextsFollowANewPalette) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(windowPalette(ColorScheme::light));
    auto root = std::make_unique<QWidget>();
    QLabel* secondary = makeLabel("caption", captionFont(),
                                  secondaryTextColor(QApplication::palette()), root.get());
    QLabel* notice =
        makeLabel("notice", captionFont(), noticeColor(QApplication::palette()), root.get());
    QLabel* custom = makeLabel("error", captionFont(), QColor(215, 0, 21), root.get());
    auto* segments = new QWidget(root.get());
    addSegments({"One", "Two"}, segments);

    QApplication::setPalette(windowPalette(ColorScheme::dark));
    restyleTextColors(root.get());
    const QPalette dark = QApplication::palette();
    EXPECT_EQ(secondary->palette().color(QPalette::WindowText), secondaryTextColor(dark));
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), noticeColor(dark));
    // A colour that is no tone of the palette stays as it was given.
    EXPECT_EQ(custom->palette().color(QPalette::WindowText), QColor(215, 0, 21));
    EXPECT_FALSE(segments->styleSheet().isEmpty());
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace solvane::app
