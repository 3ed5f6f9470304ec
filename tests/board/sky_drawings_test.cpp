#include "board/sky_drawings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "board/canvas.h"

namespace solvane {
namespace {

using testing::pixelAt;
using testing::render;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const QColor kDarkBackground(28, 28, 30);

QColor resolved(const PaletteColor& c) {
    return c.resolve(ColorScheme::dark);
}

// The moon's lit part filled white on black in a 100 × 100 box, so a pixel's red
// channel is its coverage.
QImage renderLit(double phase, double fraction) {
    return render(QSizeF(100, 100), 1, Qt::black, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(moonLitPath(QRectF(0, 0, 100, 100), phase, fraction), Qt::white);
    });
}

bool lit(const QImage& image, double x, double y) {
    return pixelAt(image, QPointF(x, y)).red() == 255;
}

TEST(SkyArc, FollowsTheUpperHalfEllipseAboveTheBaseline) {
    for (const QPointF origin : {QPointF(0, 0), QPointF(-30, 12.5)}) {
        const QRectF box(origin, QSizeF(200, 60));
        const QPainterPath path = skyArcPath(box, 0, 1);
        ASSERT_EQ(path.elementCount(), 65);
        EXPECT_TRUE(path.elementAt(0).isMoveTo());
        const auto expectAt = [&](int i, double x, double y) {
            EXPECT_NEAR(path.elementAt(i).x, origin.x() + x, 1e-9) << i;
            EXPECT_NEAR(path.elementAt(i).y, origin.y() + y, 1e-9) << i;
        };
        expectAt(0, 6, 58);
        expectAt(32, 100, 6);
        expectAt(64, 194, 58);
        EXPECT_EQ(QPointF(path.elementAt(16)), skyArcPoint(box, 0.25));
    }

    const QRectF box(0, 0, 200, 60);
    const QPainterPath point = skyArcPath(box, 0.3, 0.3);
    ASSERT_GE(point.elementCount(), 1);
    for (int i = 0; i < point.elementCount(); ++i) {
        EXPECT_EQ(QPointF(point.elementAt(i)), skyArcPoint(box, 0.3)) << i;
    }
}

TEST(MoonLit, HalfMoonsLightExactlyTheirHalf) {
    for (const double phase : {0.25, 0.75}) {
        const double side = phase < 0.5 ? 1 : -1;
        const QImage image = renderLit(phase, 0.5);
        int wrong = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                const double dx = x + 0.5 - 50;
                const double d = std::hypot(dx, y + 0.5 - 50);
                const bool clearOfEdges = d < 48 && std::abs(dx) > 2;
                if (d > 51 || (clearOfEdges && side * dx < 0)) {
                    wrong += pixelAt(image, QPointF(x, y)).red() != 0;
                } else if (clearOfEdges) {
                    wrong += !lit(image, x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "phase " << phase;
    }
}

TEST(MoonLit, CrescentsAndGibbousShapesBulgeOnTheLitSide) {
    const QImage waxingCrescent = renderLit(0.1, 0.25);
    EXPECT_FALSE(lit(waxingCrescent, 50, 50));
    EXPECT_TRUE(lit(waxingCrescent, 95, 50));
    EXPECT_FALSE(lit(waxingCrescent, 5, 50));

    const QImage waxingGibbous = renderLit(0.4, 0.75);
    EXPECT_TRUE(lit(waxingGibbous, 50, 50));
    EXPECT_TRUE(lit(waxingGibbous, 95, 50));
    EXPECT_FALSE(lit(waxingGibbous, 5, 50));

    const QImage waningCrescent = renderLit(0.9, 0.25);
    EXPECT_TRUE(lit(waningCrescent, 5, 50));
    EXPECT_FALSE(lit(waningCrescent, 50, 50));

    // A full moon is the disc inscribed in the middle of a box of any shape.
    EXPECT_EQ(moonLitPath(QRectF(0, 0, 160, 100), 0.5, 1).boundingRect().toRect(),
              QRect(30, 0, 100, 100));

    // The terminator retraces the limb: no sliver of light at new moon.
    const QImage dark = render(QSizeF(100, 100), 1, Qt::black, [](QPainter&) {});
    EXPECT_EQ(renderLit(0.0, 0.0), dark);
    EXPECT_EQ(renderLit(0.6, 0.0), dark);
}

TEST(MoonGlyph, LitPartUsesMoonLitOrFgInACentredSquareWithAnInsetOutline) {
    SkySnapshot sky;
    sky.moonPhase = 0.25;
    sky.moonFraction = 0.5;
    for (const WidgetStyle style : {WidgetStyle::dark, WidgetStyle::light}) {
        const Palette& palette = Palette::forStyle(style);
        // A wide box: the glyph is the 100 × 100 square in its middle, x 30…130.
        const QImage image = render(QSizeF(160, 100), 1, kDarkBackground, [&](QPainter& p) {
            paintMoonGlyph(p, QRectF(0, 0, 160, 100), sky, palette, ColorScheme::dark);
        });
        const QColor litColor = resolved(palette.moonLit ? *palette.moonLit : palette.fg);
        EXPECT_EQ(pixelAt(image, {105, 50}), litColor);
        EXPECT_EQ(pixelAt(image, {55, 50}), resolved(palette.disc));
        EXPECT_EQ(pixelAt(image, {29, 50}), kDarkBackground);
        EXPECT_EQ(pixelAt(image, {130, 50}), kDarkBackground);
        const QColor edge = pixelAt(image, {30, 50});
        EXPECT_LE(std::abs(edge.red() - resolved(palette.muted).red()), 8);
    }
}

TEST(MoonGlyph, AccessibleTextTruncatesThePercent) {
    SkySnapshot sky;
    sky.moonPhase = 0.35;
    sky.moonFraction = 0.997;
    EXPECT_EQ(moonGlyphAccessibleText(sky), "Waxing gibbous, 99 percent illuminated");
    sky.moonFraction = 1.0;
    EXPECT_EQ(moonLitPercent(sky), 100);
    sky.moonFraction = kNaN;
    EXPECT_EQ(moonGlyphAccessibleText(sky), "Waxing gibbous, 0 percent illuminated");
}

constexpr double kScale = 4;
const QRectF kArcBox(0, 0, 200, 60);

QImage renderSunArc(const SkySnapshot& sky) {
    return render(kArcBox.size(), kScale, kDarkBackground, [&](QPainter& p) {
        paintSunArc(p, kArcBox, sky, Palette::forStyle(WidgetStyle::dark), ColorScheme::dark);
    });
}

TEST(SunArc, SunAndElapsedDaylightOnlyWhileTheSunIsUp) {
    const Palette& palette = Palette::forStyle(WidgetStyle::dark);
    const QColor fg = resolved(palette.fg);
    const auto at = [](const QImage& image, QPointF p) { return pixelAt(image, p, kScale); };

    SkySnapshot noon;
    noon.sunProgress = 0.5;
    const QImage day = renderSunArc(noon);
    // The sun is centred on the top of the arc, (100, 6).
    for (const QPointF p : {QPointF(100, 3), QPointF(100, 9), QPointF(97, 6), QPointF(103, 6)}) {
        EXPECT_EQ(at(day, p), fg) << p.x() << "," << p.y();
    }
    EXPECT_EQ(at(day, {100, 13}), kDarkBackground);
    EXPECT_EQ(at(day, skyArcPoint(kArcBox, 0.25)), fg);
    EXPECT_NE(at(day, skyArcPoint(kArcBox, 0.75)), fg);
    EXPECT_EQ(at(day, skyArcPoint(kArcBox, 0.95)), resolved(palette.accent));
    // The horizon runs along the baseline, 2 points above the bottom edge.
    EXPECT_EQ(at(day, {1, 58}), resolved(palette.line));
    EXPECT_EQ(at(day, {1, 56.5}), kDarkBackground);
    EXPECT_EQ(at(day, {1, 59.5}), kDarkBackground);

    const QImage night = renderSunArc(SkySnapshot{});
    EXPECT_EQ(at(night, {100, 3}), kDarkBackground);
    EXPECT_EQ(at(night, {100, 9}), kDarkBackground);
    EXPECT_NE(at(night, skyArcPoint(kArcBox, 0.25)), fg);
    EXPECT_EQ(at(night, skyArcPoint(kArcBox, 0.95)), resolved(palette.accent));
    // The track over the top is dashed: some of it drawn, some of it gaps.
    int drawn = 0;
    for (int x = 360; x < 440; ++x) {
        drawn += night.pixelColor(x, 24) != kDarkBackground;
    }
    EXPECT_GT(drawn, 20);
    EXPECT_LT(drawn, 60);
}

TEST(SkyDrawings, OutOfRangeInputsDrawAsTheirNearestValue) {
    const auto sunArc = [](double progress, double golden) {
        SkySnapshot sky;
        sky.sunProgress = progress;
        sky.goldenProgress = golden;
        return renderSunArc(sky);
    };
    EXPECT_EQ(sunArc(kNaN, kInf), sunArc(0, 1));
    EXPECT_EQ(sunArc(7, -kInf), sunArc(1, 0));
    EXPECT_EQ(renderLit(kNaN, kNaN), renderLit(0, 0));
    EXPECT_EQ(renderLit(0.25, 3.0), renderLit(0.25, 1.0));
    EXPECT_EQ(skyArcPath(kArcBox, kNaN, -kInf).boundingRect(), QRectF(6, 58, 0, 0));
}

TEST(SkyDrawings, UnusableBoxesDrawNothing) {
    SkySnapshot sky;
    sky.sunProgress = kNaN;
    sky.moonPhase = kNaN;
    sky.moonFraction = kInf;
    const Palette& palette = Palette::forStyle(WidgetStyle::glass);
    const QImage blank = render(QSizeF(50, 50), 1, kDarkBackground, [](QPainter&) {});
    for (const QRectF box : {QRectF(), QRectF(10, 10, -20, 30), QRectF(kNaN, 0, 40, 40),
                             QRectF(0, 0, kInf, 40), QRectF(1e308, 0, 1e308, 40)}) {
        const QImage image = render(QSizeF(50, 50), 1, kDarkBackground, [&](QPainter& p) {
            paintSunArc(p, box, sky, palette, ColorScheme::light);
            paintMoonGlyph(p, box, sky, palette, ColorScheme::light);
        });
        EXPECT_EQ(image, blank);
    }
    EXPECT_TRUE(skyArcPath(QRectF(kNaN, 0, 1, 1), 0, 1).isEmpty() &&
                moonLitPath(QRectF(0, 0, kInf, 1), 0, 1).isEmpty());

    // A finite but enormous box still paints, clipped to the image, in bounded time.
    render(QSizeF(50, 50), 1, kDarkBackground, [&](QPainter& p) {
        paintSunArc(p, QRectF(-1e9, -1e9, 2e9, 2e9), sky, palette, ColorScheme::dark);
        paintMoonGlyph(p, QRectF(-1e9, -1e9, 2e9, 2e9), sky, palette, ColorScheme::dark);
    });
}

}  // namespace
}  // namespace solvane
