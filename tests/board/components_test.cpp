#include "board/components.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "board/canvas.h"
#include "board/custom_icons.h"
#include "board/symbols.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using testing::inkedPixels;
using testing::pixelAt;
using testing::render;

const QColor kBackground(22, 22, 24);
const Palette& dark() {
    return Palette::forStyle(WidgetStyle::dark);
}
QColor fg() {
    return dark().fg.resolve(ColorScheme::dark);
}
QColor line() {
    return dark().line.resolve(ColorScheme::dark);
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
    const QImage empty = draw(0);
    EXPECT_TRUE(near(pixelAt(empty, {1.5, 1.5}, 2), fg()));
    EXPECT_TRUE(near(pixelAt(empty, {4.5, 1.5}, 2), line()));
    EXPECT_TRUE(near(pixelAt(empty, {118.5, 1.5}, 2), line()));
    EXPECT_EQ(pixelAt(empty, {121, 1.5}, 2), kBackground);

    const QImage full = draw(1);
    EXPECT_TRUE(near(pixelAt(full, {60, 1.5}, 2), fg()));
    EXPECT_TRUE(near(pixelAt(full, {118.5, 1.5}, 2), fg()));
    EXPECT_EQ(pixelAt(full, {121, 1.5}, 2), kBackground);

    for (auto [value, width] : {std::pair{0.0, 3.0},
                                {0.01, 3.0},
                                {0.5, 60.0},
                                {1.0, 120.0},
                                {-1.0, 3.0},
                                {7.0, 120.0},
                                {std::numeric_limits<double>::quiet_NaN(), 3.0}}) {
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
    EXPECT_EQ(cloudCoverText(62.4), "Clouds 62%");
    EXPECT_EQ(cloudCoverText(0.5), "Clouds 1%");
    EXPECT_EQ(cloudCoverText(-0.5), "Clouds -1%");
    EXPECT_EQ(cloudCoverText(std::numeric_limits<double>::quiet_NaN()), "Clouds --%");
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

TEST(CountdownIcon, DrawsTheCustomImageOrItsSymbolWhenTheFileIsMissing) {
    testing::TempDir dir;
    const IconStore icons(SharedStore(
        StorePaths{dir.path() / "p.sqlite", dir.path() / "f.sqlite", dir.path() / "container"},
        "en_US"));
    const auto stored = icons.importImage(SOLVANE_TEST_DATA_DIR "/icons/disc.svg");
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
    // The disc, in fg, fills the middle of its 16.5-point square and
    // stays inside it.
    EXPECT_TRUE(near(pixelAt(custom, {10, 10}, 2), fg()));
    EXPECT_EQ(pixelAt(custom, {1, 1}, 2), kBackground);
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

TEST(Components, CreditPanelAndShapesKeepTheirMeasures) {
    EXPECT_EQ(WeatherCredit{}.sizeHint(), QSizeF(0, 0));
    WeatherSnapshot w;
    w.source = WeatherSource::apple;
    const double apple = WeatherCredit{&w}.sizeHint().width();
    w.source = WeatherSource::openMeteo;
    EXPECT_GT(WeatherCredit{&w}.sizeHint().width(), apple);  // "Open-Meteo" is the longer
    EXPECT_GT(apple, symbolSize(9.5).width());

    EXPECT_EQ(Panel::contentRect(QRectF(0, 0, 200, 100)), QRectF(12, 12, 176, 76));
    EXPECT_EQ(Panel::sizeFor(QSizeF(176, 76)), QSizeF(200, 100));

    const QRectF tile(10, 10, 32, 32);
    const QPainterPath path = continuousRoundedRect(tile, 10);
    EXPECT_EQ(path.boundingRect(), tile);
    EXPECT_TRUE(path.contains(QPointF(26, 10.5)));
    EXPECT_FALSE(path.contains(QPointF(11, 11)));
    EXPECT_EQ(continuousRoundedRect(QRectF(0, 0, 20, 20), 500).boundingRect(),
              QRectF(0, 0, 20, 20));
    EXPECT_TRUE(continuousRoundedRect(QRectF(0, 0, 0, 10), 4).isEmpty());
    EXPECT_TRUE(continuousRoundedRect(QRectF(0, 0, std::numeric_limits<double>::infinity(), 10), 4)
                    .isEmpty());
}

TEST(Components, DrawNothingInARectangleThatIsNotFinite) {
    const PaintContext ctx{dark(), ColorScheme::dark};
    CountdownDisplay c;
    c.label = "Winter";
    c.progress = 0.5;
    WeatherSnapshot w;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const QRectF& rect : {QRectF(nan, 0, 100, 50), QRectF(0, 0, inf, 50),
                               QRectF(0, 0, 100, -inf), QRectF(-inf, 0, 10, 10)}) {
        const QImage image = render({120, 60}, 1, kBackground, [&](QPainter& p) {
            CountdownIcon{"gift", "", 15}.paint(p, rect, ctx);
            SectionLabel{"Sun"}.paint(p, rect, ctx);
            Hairline{}.paint(p, rect, ctx);
            Panel{}.paint(p, rect, ctx);
            IconValue{"sunrise", "6:42", 13}.paint(p, rect, ctx);
            ProgressLine{0.5}.paint(p, rect, ctx);
            CountdownRow{c}.paint(p, rect, ctx);
            WeatherHeader{&w, TempUnit::celsius, true}.paint(p, rect, ctx);
            WeatherCredit{&w}.paint(p, rect, ctx);
        });
        EXPECT_EQ(inkedPixels(image, kBackground), 0);
    }
}

}  // namespace
}  // namespace solvane
