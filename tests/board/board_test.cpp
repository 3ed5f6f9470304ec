// The board's components, sky drawings, custom icons and layout, probed where the
// reviewed pictures' tolerance would not notice; and the whole board against them.
#include "board/components.h"

#include <QImage>
#include <QPainter>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "board/backdrop.h"
#include "board/board_view.h"
#include "board/canvas.h"
#include "board/custom_icons.h"
#include "board/layout.h"
#include "board/sky_cards.h"
#include "board/sky_drawings.h"
#include "board/symbols.h"
#include "core/test_helpers.h"
#include "core/time/text_format.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using testing::inkedPixels;
using testing::pixelAt;
using testing::render;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const QColor kBackground(22, 22, 24);
const Palette& dark() {
    return Palette::forStyle(WidgetStyle::dark);
}
QColor fg() {
    return dark().fg.resolve(ColorScheme::dark);
}

bool near(const QColor& a, const QColor& b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(ProgressLine, FillIsAtLeastThreePointsAndAtMostTheTrack) {
    const PaintContext ctx{dark(), ColorScheme::dark};
    const auto draw = [&](double value) {
        return render({130, 4}, 2, kBackground, [&](QPainter& p) {
            ProgressLine{value}.paint(p, QRectF(0, 0, 130, 4), ctx);
        });
    };
    // The track in `line` up to 120 points, the fill over it from the start.
    const QImage empty = draw(0);
    const QColor line = dark().line.resolve(ColorScheme::dark);
    EXPECT_TRUE(near(pixelAt(empty, {1.5, 1.5}, 2), fg()));
    EXPECT_TRUE(near(pixelAt(empty, {4.5, 1.5}, 2), line));
    EXPECT_TRUE(near(pixelAt(empty, {118.5, 1.5}, 2), line));
    EXPECT_TRUE(near(pixelAt(draw(1), {118.5, 1.5}, 2), fg()));
    EXPECT_EQ(pixelAt(draw(1), {121, 1.5}, 2), kBackground);

    for (auto [value, width] : {std::pair{0.01, 3.0},
                                {0.5, 60.0},
                                {1.0, 120.0},
                                {-1.0, 3.0},
                                {7.0, 120.0},
                                {kNaN, 3.0}}) {
        EXPECT_EQ(ProgressLine::fillWidth(value), width) << value;
    }
}

TEST(WeatherHeader, WithoutWeatherShowsACloudAndTheNoticeInEitherForm) {
    const PaintContext ctx{dark(), ColorScheme::dark};
    const auto draw = [&](bool detailed) {
        return render({300, 52}, 1, kBackground, [&](QPainter& p) {
            WeatherHeader{nullptr, TempUnit::celsius, detailed}.paint(p, QRectF(0, 0, 300, 52),
                                                                      ctx);
        });
    };
    const QImage detailed = draw(true);
    EXPECT_EQ(detailed, draw(false));
    const QImage cloud = render({300, 52}, 1, kBackground, [](QPainter& p) {
        drawSymbol(p, "cloud.slash", QRectF(QPointF(0, 26 - 14.4), symbolSize(24)), 24, fg());
    });
    // The symbol box holds exactly the cloud; the notice follows 8 points on.
    EXPECT_EQ(detailed.copy(0, 0, 29, 52), cloud.copy(0, 0, 29, 52));
    EXPECT_GT(inkedPixels(detailed.copy(37, 0, 120, 52), kBackground), 200);
    EXPECT_EQ(inkedPixels(detailed.copy(170, 0, 130, 52), kBackground), 0);
}

TEST(WeatherHeader, TextsFollowTheUnitAndRoundHalfAwayFromZero) {
    EXPECT_EQ(cloudCoverText(62.5), "Clouds 63%");
    EXPECT_EQ(cloudCoverText(-0.5), "Clouds -1%");
    EXPECT_EQ(cloudCoverText(kNaN), "Clouds --%");
    EXPECT_EQ(cloudCoverText(1e300), "Clouds 1000000000%");

    WeatherSnapshot w;
    w.feelsLikeC = 20;
    w.highC = 22.2;
    w.lowC = 12.8;
    w.windKph = 16.09;
    w.windDirection = 45;
    EXPECT_EQ(feelsAndWindText(w, TempUnit::fahrenheit), "Feels 68° · Wind NE 10 mph");
    EXPECT_EQ(highLowText(w, TempUnit::celsius, true), "H 22° · L 13°");
    EXPECT_EQ(highLowText(w, TempUnit::celsius, false), "H 22°  L 13°");
}

TEST(WeatherHeader, LongConditionsStayInsideTheRow) {
    WeatherSnapshot w;
    w.temperatureC = -38.6;
    w.condition = "Thunderstorms with heavy rain and hail in the afternoon";
    w.symbol = "cloud.bolt.rain";
    const PaintContext ctx{dark(), ColorScheme::dark};
    for (bool detailed : {true, false}) {
        const QImage image = render({260, 52}, 2, kBackground, [&](QPainter& p) {
            WeatherHeader{&w, TempUnit::fahrenheit, detailed}.paint(p, QRectF(0, 0, 200, 52), ctx);
        });
        EXPECT_GT(inkedPixels(image.copy(0, 0, 400, 104), kBackground), 500);
        EXPECT_EQ(inkedPixels(image.copy(401, 0, 119, 104), kBackground), 0) << detailed;
    }
}

TEST(CountdownRow, ShowsABarOnlyWithProgressAndKeepsLongTextsInside) {
    CountdownDisplay c;
    c.label = "Summer holidays at the lake house with everyone";
    c.symbol = "beach.umbrella";
    c.value = 1234;
    c.unit = "of 12 days";
    c.caption = "Until Mon, Sep 7";
    const PaintContext ctx{dark(), ColorScheme::dark};
    const auto draw = [&](double width) {
        const CountdownRow row{c};
        return render({width + 40, row.height()}, 2, kBackground,
                      [&](QPainter& p) { row.paint(p, QRectF(0, 0, width, row.height()), ctx); });
    };
    // A horizontal run of fg as long as the full track.
    const auto hasBar = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = near(image.pixelColor(x, y), fg()) ? run + 1 : 0;
                if (run >= 236) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_FALSE(hasBar(draw(286)));
    c.progress = 1.0;
    const QImage withBar = draw(286);
    EXPECT_TRUE(hasBar(withBar));
    EXPECT_EQ(inkedPixels(withBar.copy(572, 0, 80, withBar.height()), kBackground), 0);

    // Too narrow for the label: it gives way; the number stays whole.
    const QImage narrow = draw(200);
    EXPECT_EQ(inkedPixels(narrow.copy(400, 0, 80, narrow.height()), kBackground), 0);
    EXPECT_GE(CountdownRow{c}.height(), 32);
}

TEST(Components, NoCreditWithoutWeatherAndTilesWithRoundedCorners) {
    EXPECT_EQ(WeatherCredit{}.sizeHint(), QSizeF(0, 0));
    const QRectF tile(10, 10, 32, 32);
    const QPainterPath path = continuousRoundedRect(tile, 10);
    EXPECT_EQ(path.boundingRect(), tile);
    EXPECT_TRUE(path.contains(QPointF(26, 10.5)));
    EXPECT_FALSE(path.contains(QPointF(11, 11)));
    EXPECT_EQ(continuousRoundedRect(QRectF(0, 0, 20, 20), 500).boundingRect(),
              QRectF(0, 0, 20, 20));
    EXPECT_TRUE(continuousRoundedRect(QRectF(0, 0, 0, 10), 4).isEmpty());
    EXPECT_TRUE(continuousRoundedRect(QRectF(0, 0, kInf, 10), 4).isEmpty());
}

const QColor kDarkBackground(28, 28, 30);

QColor resolved(const PaletteColor& c) {
    return c.resolve(ColorScheme::dark);
}

// The moon's lit part white on black in a 100 × 100 box: red is coverage.
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

TEST(MoonLit, HalvesCrescentsAndGibbousShapesBulgeOnTheLitSide) {
    // A half moon's terminator is the straight line down the middle.
    for (const double phase : {0.25, 0.75}) {
        const QImage half = renderLit(phase, 0.5);
        for (const int y : {5, 50, 94}) {
            EXPECT_TRUE(lit(half, phase < 0.5 ? 52 : 47, y)) << phase << " " << y;
            EXPECT_FALSE(lit(half, phase < 0.5 ? 47 : 52, y)) << phase << " " << y;
        }
    }
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

TEST(MoonLit, PercentIsTruncatedAndNaNIsNone) {
    SkySnapshot sky;
    sky.moonFraction = 0.997;
    EXPECT_EQ(moonLitPercent(sky), 99);
    sky.moonFraction = 1.0;
    EXPECT_EQ(moonLitPercent(sky), 100);
    sky.moonFraction = kNaN;
    EXPECT_EQ(moonLitPercent(sky), 0);
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

    const QImage night = renderSunArc(SkySnapshot{});
    EXPECT_EQ(at(night, {100, 3}), kDarkBackground);
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

// Components draw nothing in a box that is not finite, sky drawings nor in an empty one.
TEST(Components, DrawNothingInABoxThatIsEmptyOrNotFinite) {
    const PaintContext ctx{dark(), ColorScheme::dark};
    CountdownDisplay c;
    c.label = "Winter";
    c.progress = 0.5;
    WeatherSnapshot w;
    SkySnapshot sky;
    sky.sunProgress = kNaN;
    sky.moonPhase = kNaN;
    sky.moonFraction = kInf;
    const Palette& palette = Palette::forStyle(WidgetStyle::glass);
    const auto inkIn = [&](const QRectF& rect, bool components) {
        return inkedPixels(
            render({120, 60}, 1, kBackground,
                   [&](QPainter& p) {
                       paintSunArc(p, rect, sky, palette, ColorScheme::light);
                       paintMoonGlyph(p, rect, sky, palette, ColorScheme::light);
                       if (!components) {
                           return;
                       }
                       CountdownIcon{"gift", "", 15}.paint(p, rect, ctx);
                       SectionLabel{"Sun"}.paint(p, rect, ctx);
                       Hairline{}.paint(p, rect, ctx);
                       Panel{}.paint(p, rect, ctx);
                       IconValue{"sunrise", "6:42", 13}.paint(p, rect, ctx);
                       ProgressLine{0.5}.paint(p, rect, ctx);
                       CountdownRow{c}.paint(p, rect, ctx);
                       WeatherHeader{&w, TempUnit::celsius, true}.paint(p, rect, ctx);
                       WeatherCredit{&w}.paint(p, rect, ctx);
                   }),
            kBackground);
    };
    for (const QRectF& rect : {QRectF(kNaN, 0, 100, 50), QRectF(0, 0, kInf, 50),
                               QRectF(0, 0, 100, -kInf), QRectF(-kInf, 0, 10, 10)}) {
        EXPECT_EQ(inkIn(rect, true), 0) << rect.x() << " " << rect.width();
    }
    for (const QRectF& box : {QRectF(), QRectF(10, 10, -20, 30), QRectF(1e308, 0, 1e308, 40)}) {
        EXPECT_EQ(inkIn(box, false), 0) << box.x() << " " << box.width();
    }
    EXPECT_TRUE(skyArcPath(QRectF(kNaN, 0, 1, 1), 0, 1).isEmpty() &&
                moonLitPath(QRectF(0, 0, kInf, 1), 0, 1).isEmpty());
    // A finite but enormous box still paints, clipped to the image, in bounded time.
    render(QSizeF(50, 50), 1, kBackground, [&](QPainter& p) {
        paintSunArc(p, QRectF(-1e9, -1e9, 2e9, 2e9), sky, palette, ColorScheme::dark);
        paintMoonGlyph(p, QRectF(-1e9, -1e9, 2e9, 2e9), sky, palette, ColorScheme::dark);
    });
}

namespace fs = std::filesystem;

const fs::path kIcons = fs::path(SOLVANE_TEST_DATA_DIR) / "icons";

class CustomIcons : public ::testing::Test {
  protected:
    fs::path container() const { return dir_.path() / "container"; }
    fs::path folder() const { return container() / "Icons"; }
    IconStore store() const {
        return IconStore(SharedStore(
            StorePaths{dir_.path() / "p.sqlite", dir_.path() / "f.sqlite", container()}, "en_US"));
    }
    std::vector<fs::path> filesInFolder() const {
        std::vector<fs::path> files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder(), error)) {
            files.push_back(entry.path().filename());
        }
        return files;
    }
    int alphaAt(const QImage& image, int x, int y) const { return qAlpha(image.pixel(x, y)); }

    testing::TempDir dir_;
};

TEST_F(CustomIcons, ACountdownDrawsItsImageOrItsSymbolWhenTheFileIsMissing) {
    const IconStore icons = store();
    const auto stored = icons.importImage(kIcons / "disc.svg");
    ASSERT_TRUE(stored);
    const std::string missing = "0F0E7B4A-3C1D-4E55-9A8B-7C6D5E4F3A21.png";
    const PaintContext ctx{dark(), ColorScheme::dark, &icons};
    const auto draw = [&](std::string_view custom) {
        return render({20, 20}, 2, kBackground, [&](QPainter& p) {
            CountdownIcon{"gift", custom, 15}.paint(p, QRectF(0, 0, 20, 20), ctx);
        });
    };
    const QImage symbol = draw("");
    EXPECT_GT(inkedPixels(symbol, kBackground), 50);
    EXPECT_EQ(draw(missing), symbol);
    EXPECT_EQ(draw("../escape.png"), symbol);

    const QImage custom = draw(*stored);
    EXPECT_NE(custom, symbol);
    // The disc, in fg, fills the middle of its 16.5-point square and stays inside it.
    EXPECT_TRUE(near(pixelAt(custom, {10, 10}, 2), fg()));
    EXPECT_EQ(pixelAt(custom, {1, 1}, 2), kBackground);
}

TEST_F(CustomIcons, AnOpaquePhotoBecomesAMaskOfItsDarknessInANewPrivatePng) {
    const auto name = store().importImage(kIcons / "photo.jpg");
    ASSERT_TRUE(name);
    EXPECT_TRUE(isCustomImageName(*name));
    EXPECT_EQ(filesInFolder(), std::vector<fs::path>{*name});  // no temporary left behind

    const fs::path file = folder() / *name;
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // PNG header: 128 × 128, 8 bits per channel, colour type 6 (RGBA).
    EXPECT_EQ(testing::readFile(file).substr(12, 14),
              std::string("IHDR\0\0\0\x80\0\0\0\x80\x08\x06", 14));

    const auto icon = store().load(*name);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->size(), QSize(128, 128));
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_EQ(icon->pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
        }
    }
    EXPECT_EQ(alphaAt(*icon, 32, 32), 0);         // white paper: clear
    EXPECT_EQ(alphaAt(*icon, 96, 32), 255);       // black ink: solid
    EXPECT_NEAR(alphaAt(*icon, 32, 96), 128, 4);  // grey 140
    EXPECT_NEAR(alphaAt(*icon, 96, 96), 226, 6);  // red 200, 30, 30
}

TEST_F(CustomIcons, APictureWithTransparencyKeepsItsAlphaAndIsCentred) {
    const auto name = store().importImage(kIcons / "wide.png");
    ASSERT_TRUE(name);
    const auto icon = store().load(*name);
    ASSERT_TRUE(icon);
    // 300 × 100 drawn 128 × 42.67 from y = 42.67: clear bands above and below.
    for (int x : {0, 40, 100, 127}) {
        EXPECT_EQ(alphaAt(*icon, x, 0), 0);
        EXPECT_EQ(alphaAt(*icon, x, 41), 0);
        EXPECT_EQ(alphaAt(*icon, x, 86), 0);
        EXPECT_EQ(alphaAt(*icon, x, 127), 0);
    }
    // Its opaque white half is solid (alpha, not luminance), the clear half clear.
    EXPECT_EQ(alphaAt(*icon, 20, 64), 255);
    EXPECT_EQ(alphaAt(*icon, 60, 50), 255);
    EXPECT_EQ(alphaAt(*icon, 70, 64), 0);
}

TEST_F(CustomIcons, VectorAndOtherBitmapFormatsImportWhateverTheirExtension) {
    // A WebP picture saved under a PNG name is read by its content.
    const fs::path misnamed = dir_.path() / "disc.png";
    fs::copy_file(kIcons / "disc.webp", misnamed);
    for (const fs::path& file :
         {kIcons / "disc.svg", kIcons / "disc.webp", kIcons / "disc.tiff", misnamed}) {
        const auto name = store().importImage(file);
        ASSERT_TRUE(name) << file;
        const auto icon = store().load(*name);
        ASSERT_TRUE(icon) << file;
        EXPECT_EQ(alphaAt(*icon, 64, 64), 255) << file;
        EXPECT_EQ(alphaAt(*icon, 4, 4), 0) << file;
    }
}

// An endless file or a pipe nobody writes to would hang the test.
TEST_F(CustomIcons, AnythingButAReadablePictureFailsAndLeavesNothing) {
    const fs::path fifo = dir_.path() / "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& file :
         {kIcons / "not_an_image.png", kIcons / "bomb.png", kIcons / "missing.png", kIcons,
          fs::path("/dev/zero"), fifo, fs::path()}) {
        EXPECT_FALSE(store().importImage(file)) << file;
    }
    EXPECT_TRUE(filesInFolder().empty());

    const IconStore nowhere(SharedStore(StorePaths{}, "en_US"));
    EXPECT_FALSE(nowhere.importImage(kIcons / "photo.jpg"));
    EXPECT_FALSE(nowhere.folder());
}

// Over 1638 pixels at alpha 199 or less: the picture's alpha is the shape, else its darkness.
TEST_F(CustomIcons, TranslucentPixelCountDecidesBetweenAlphaAndDarkness) {
    struct Case {
        int translucent;
        int alpha;          // of the translucent pixels
        int expectedWhite;  // alpha an opaque white pixel ends with
    };
    for (const Case& c :
         {Case{1638, 0, 0}, Case{1639, 0, 255}, Case{1639, 199, 255}, Case{5000, 200, 0}}) {
        QImage picture(128, 128, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        for (int i = 0; i < c.translucent; ++i) {
            picture.setPixelColor(i % 128, 127 - i / 128, QColor(255, 255, 255, c.alpha));
        }
        const auto icon = makeTemplateIcon(picture);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->format(), QImage::Format_RGBA8888_Premultiplied);
        EXPECT_EQ(qAlpha(icon->pixel(5, 5)), c.expectedWhite)
            << c.translucent << " at alpha " << c.alpha;
    }
    EXPECT_FALSE(makeTemplateIcon(QImage()));
}

TEST_F(CustomIcons, OnlyUuidPngNamesAreEverLoadedOrDeleted) {
    const auto stored = store().importImage(kIcons / "wide.png");
    ASSERT_TRUE(stored);
    const std::string upper = stored->substr(0, 36);
    std::string lower = upper;
    for (char& ch : lower) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    const fs::path victim = dir_.path() / "victim.png";
    for (const fs::path& target : {container() / "x.png", victim, folder() / (upper + ".PNG"),
                                   folder() / (lower + ".png"), folder() / "A.png"}) {
        fs::copy_file(folder() / *stored, target);
    }
    const std::string linked = "0F0E7B4A-3C1D-4E55-9A8B-7C6D5E4F3A21.png";
    fs::create_symlink(victim, folder() / linked);

    // Absolute names only ever point into this test's folder: a broken check
    // must not be able to delete a real file.
    EXPECT_FALSE(store().load("/etc/passwd"));
    for (const std::string& name :
         {std::string("../x.png"), victim.string(), std::string("A.png"), upper + ".PNG",
          lower + ".png", upper, upper + ".png/", " " + *stored, std::string(""), "./" + *stored}) {
        EXPECT_FALSE(isCustomImageName(name)) << name;
        EXPECT_FALSE(store().load(name)) << name;
        store().remove(name);
    }
    // A well-formed name that is a link leads nowhere either.
    EXPECT_TRUE(isCustomImageName(linked));
    EXPECT_FALSE(store().load(linked));
    store().remove(linked);
    store().remove(std::nullopt);
    for (const fs::path& kept :
         {container() / "x.png", victim, folder() / (upper + ".PNG"), folder() / (lower + ".png"),
          folder() / "A.png", folder() / *stored}) {
        EXPECT_TRUE(fs::exists(kept)) << kept;
    }
    EXPECT_TRUE(fs::is_symlink(folder() / linked));

    store().remove(*stored);
    EXPECT_FALSE(fs::exists(folder() / *stored));
    EXPECT_FALSE(store().load(*stored));
}

using testing::at;
using testing::newYork;

WeatherSnapshot sampleWeather() {
    return testing::fixedWeather(at("2025-06-14T15:00:00-04:00"));
}

std::vector<CountdownDisplay> sampleRows(std::size_t n) {
    std::vector<CountdownDisplay> all = {
        {{}, "Summer Fridays", "beach.umbrella", {}, 5, "of 12 days", "Until Fri, Aug 29", {}, {}},
        {{}, "Fourth of July", "sparkles", {}, 20, "days", "Fri, Jul 4", {}, {}},
        {{}, "Fall back", "clock.arrow.circlepath", {}, 21, "weeks", "Sun, Nov 2", {}, {}},
        {{}, "Winter solstice", "snowflake", {}, 190, "days", "Sun, Dec 21", {}, {}},
        {{}, "Mom's birthday", "gift", {}, 244, "days", "Fri, Feb 13", {}, {}},
        {{}, "Lease renewal", "house", {}, 300, "days", "Fri, Apr 10", {}, {}},
    };
    all[0].progress = 0.42;
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(n, all.size()))};
}

BoardData sampleBoard(bool day, bool weather, std::size_t rows = 5) {
    BoardData b;
    b.date = at(day ? "2025-06-14T15:30:00-04:00" : "2025-06-14T22:45:00-04:00");
    b.countdowns = sampleRows(rows);
    if (weather) {
        b.weather = sampleWeather();
    }
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, newYork());
    b.place = "Brooklyn";
    b.unit = TempUnit::fahrenheit;
    return b;
}

const QRectF kBoardRect(QPointF(18, 18), SolvaneView::naturalSize());

// The rest of the placement is in the reviewed pictures; a hairline is below their tolerance.
TEST(BoardLayout, AtMostFourRowsEachUnderItsRuleOrOneRuleAndTheCaption) {
    const BoardLayout l = SolvaneView::layout(kBoardRect, sampleBoard(true, true, 6), newYork());
    ASSERT_EQ(l.rows.size(), 4u);
    ASSERT_EQ(l.hairlines.size(), 4u);
    EXPECT_FALSE(l.emptyCaption.has_value());
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_LT(l.hairlines[i].bottom(), l.rows[i].top() + 0.01) << i;
        EXPECT_GT(l.hairlines[i].top(), i > 0 ? l.rows[i - 1].bottom() : l.header.bottom()) << i;
    }
    EXPECT_LE(l.rows.back().bottom(), kBoardRect.bottom());
    const BoardLayout empty =
        SolvaneView::layout(kBoardRect, sampleBoard(true, true, 0), newYork());
    EXPECT_TRUE(empty.rows.empty());
    ASSERT_EQ(empty.hairlines.size(), 1u);
    ASSERT_TRUE(empty.emptyCaption.has_value());
    EXPECT_GE(empty.emptyCaption->top(), empty.hairlines[0].bottom() + 10);
}

// However long the place, the date is whole: the place yields first, keeping a few
// characters, beside the credit's room, or without weather up to the board's edge.
TEST(BoardLayout, HeaderKeepsTheDateWholeAndThePlaceYieldsFirst) {
    const TextStyle dateFont{12, FontWeight::medium};
    const TextStyle placeFont{12};
    BoardData board = sampleBoard(true, true);
    const QString date = QString::fromStdString(longDateLabel(board.date, newYork()));
    const std::string sixty = "Rancho Santa Margarita, California, United States of America";
    for (const std::string& place : {sixty, sixty + ", " + sixty}) {
        board.place = place;
        const BoardLayout l = SolvaneView::layout(kBoardRect, board, newYork());
        EXPECT_EQ(fitLine(date, dateFont, l.date.width()).text, date) << place;
        EXPECT_GE(l.place.width(), headWidth(QString::fromStdString(place), placeFont, 4)) << place;
        EXPECT_NEAR(l.credit.width(), WeatherCredit{&*board.weather}.sizeHint().width(), 0.01);
        EXPECT_NEAR(l.credit.right(), kBoardRect.right(), 0.01);
    }
    board.weather.reset();
    for (const std::string& place : {sixty + ", " + sixty, std::string("Brooklyn")}) {
        board.place = place;
        const BoardLayout l = SolvaneView::layout(kBoardRect, board, newYork());
        EXPECT_EQ(fitLine(date, dateFont, l.date.width()).text, date);
        EXPECT_NEAR(l.place.right(), kBoardRect.right(), 0.01) << place;
    }
}

TEST(SkyCards, FiguresAndFallbacks) {
    SkySnapshot sky;
    sky.sunrise = at("2025-06-14T05:24:00-04:00");
    EXPECT_EQ(dayLengthText(sky), "0m light");
    sky.sunset = at("2025-06-14T20:29:30-04:00");
    EXPECT_EQ(dayLengthText(sky), "15h 5m light");
    // An empty snapshot still lays out: every time reads "—".
    const SkySnapshot empty;
    EXPECT_GT((SunCard{empty, newYork()}.sizeHint().width()), 100);
    EXPECT_GT((MoonCard{empty, *sky.sunset, newYork()}.sizeHint().height()), 140);
}

// Midnight sun: 24 hours of light, the sun on the arc by the time of day; polar
// night: no light, no golden stretch. Hours that never end or begin read a dash.
TEST(SkyCards, PolarDayAndNight) {
    const Calendar oslo = *Calendar::make("Europe/Oslo", "en_US");
    const SkySnapshot day =
        SkySnapshot::compute(at("2027-06-21T23:30:00+02:00"), 69.65, 18.96, oslo);
    EXPECT_EQ(dayLengthText(day), "24h light");
    EXPECT_EQ(clockSpan(day.goldenStart, day.sunset, oslo), "—");
    EXPECT_EQ(clockSpan(day.blueStart, day.blueEnd, oslo), "—");
    EXPECT_EQ(clockSpan(day.goldenStart, day.goldenStart, oslo).count(QChar(0x2013)), 1);
    ASSERT_TRUE(day.allDayProgress.has_value());
    // Solar noon at Tromsø is about 12:46 in summer time; 23:30 is 10 h 44 min on.
    EXPECT_NEAR(*day.allDayProgress, 0.5 + (10 * 60 + 44) / 1440.0, 0.01);

    const SkySnapshot night =
        SkySnapshot::compute(at("2027-12-21T12:00:00+01:00"), 69.65, 18.96, oslo);
    EXPECT_EQ(dayLengthText(night), "0m light");
    EXPECT_FALSE(night.allDayProgress.has_value());
    EXPECT_EQ(clockSpan(night.goldenStart, night.sunset, oslo), "—");

    const Palette& palette = Palette::forStyle(WidgetStyle::dark);
    EXPECT_EQ(pixelAt(renderSunArc(day), skyArcPoint(kArcBox, *day.allDayProgress), kScale),
              resolved(palette.fg));
    EXPECT_NE(pixelAt(renderSunArc(night), skyArcPoint(kArcBox, 0.95), kScale),
              resolved(palette.accent))
        << "no golden stretch";
}

// The cards' colours are in the reviewed pictures; their edges are below its tolerance.
TEST(BoardBackdrop, CardEdgesOfEachStyle) {
    const BoardData board = sampleBoard(true, true);
    const QImage dark = renderBoardImage(board, newYork(), WidgetStyle::dark, ColorScheme::dark, 1);
    const QImage light =
        renderBoardImage(board, newYork(), WidgetStyle::light, ColorScheme::light, 1);
    EXPECT_EQ(pixelAt(dark, {1, 1}).alpha(), 0);  // outside the rounded corner
    // The light card's inner border darkens its very edge.
    EXPECT_LT(pixelAt(light, {0.5, 200}).red(), 235);
}

// Whole renders against the reviewed pictures in tests/data/goldens.
struct GoldenCase {
    const char* name;
    WidgetStyle style;
    bool weather;
    bool day;
    std::size_t rows;
};

class BoardGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(BoardGolden, MatchesReviewedRender) {
    const GoldenCase& c = GetParam();
    const BoardData board = sampleBoard(c.day, c.weather, c.rows);
    testing::expectMatchesGolden(
        renderBoardImage(board, newYork(), c.style, previewScheme(c.style), 1),
        QStringLiteral(SOLVANE_TEST_DATA_DIR "/goldens/") + c.name + QStringLiteral(".png"));
}

INSTANTIATE_TEST_SUITE_P(
    Renders, BoardGolden,
    ::testing::Values(
        GoldenCase{"board-glass-weather-day", WidgetStyle::glass, true, true, 5},
        GoldenCase{"board-glass-noweather-night", WidgetStyle::glass, false, false, 3},
        GoldenCase{"board-dark-weather-night", WidgetStyle::dark, true, false, 5},
        GoldenCase{"board-dark-noweather-day", WidgetStyle::dark, false, true, 0},
        GoldenCase{"board-light-weather-day", WidgetStyle::light, true, true, 5},
        GoldenCase{"board-light-noweather-night", WidgetStyle::light, false, false, 2}),
    [](const auto& info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), '-', '_');
        return n;
    });

}  // namespace
}  // namespace solvane
