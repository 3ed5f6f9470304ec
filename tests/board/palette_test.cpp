#include "board/palette.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

TEST(Palette, GlassIsTheDefaultAndOnlyLightHasAMoonColour) {
    EXPECT_EQ(Palette::forStyle(WidgetStyle::glass), Palette::standard());
    EXPECT_FALSE(Palette::forStyle(WidgetStyle::glass).moonLit.has_value());
    EXPECT_FALSE(Palette::forStyle(WidgetStyle::dark).moonLit.has_value());
    ASSERT_TRUE(Palette::forStyle(WidgetStyle::light).moonLit.has_value());
    EXPECT_EQ(Palette::forStyle(WidgetStyle::light).moonLit->resolve(ColorScheme::dark),
              QColor(230, 225, 211));
}

TEST(Palette, GlassFollowsTheSchemeAndFixedStylesDoNot) {
    const Palette& glass = Palette::forStyle(WidgetStyle::glass);
    EXPECT_LT(glass.fg.resolve(ColorScheme::light).lightness(), 40);
    EXPECT_GT(glass.fg.resolve(ColorScheme::dark).lightness(), 215);
    // Secondary text reads at reduced contrast on both schemes.
    EXPECT_LT(glass.muted.resolve(ColorScheme::light).alphaF(), 1.0);
    EXPECT_NEAR(glass.line.resolve(ColorScheme::dark).alphaF(), 0.14, 0.01);
    const Palette& dark = Palette::forStyle(WidgetStyle::dark);
    EXPECT_EQ(dark.fg.resolve(ColorScheme::light), dark.fg.resolve(ColorScheme::dark));
    EXPECT_EQ(Palette::forStyle(WidgetStyle::light).panel.resolve(ColorScheme::dark),
              QColor(255, 255, 255));
}

}  // namespace
}  // namespace solvane
