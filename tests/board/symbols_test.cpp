#include "board/symbols.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "board/canvas.h"
#include "board/fonts.h"
#include "board/symbol_library.h"
#include "core/model/countdown.h"
#include "core/model/presets.h"
#include "core/weather/conditions.h"
#include "core/weather/open_meteo.h"
#include "platform/weatherkit/conditions.h"

namespace solvane {
namespace {

using testing::inkedPixels;
using testing::render;

std::set<std::string> namesTheSystemUses() {
    std::set<std::string> names;
    for (std::string_view name : SymbolLibrary::all()) {
        names.emplace(name);
    }
    for (const WeatherCondition& condition : weatherConditions()) {
        names.emplace(condition.daySymbol);
        names.emplace(condition.nightSymbol);
    }
    names.emplace(openMeteoConditionSymbol(-1, true));
    names.emplace(platform::weatherKitConditionSymbol("NoSuchCode", true));
    // Zones with clock changes offer every preset.
    const auto calendar = Calendar::make("America/New_York", "en_US");
    const PresetRegion region = PresetRegion::of(*calendar, *calendar->date(2030, 1, 1), 40.7);
    for (const auto& preset : catalogue(*calendar, region)) {
        names.emplace(preset.symbol);
    }
    names.emplace(Countdown{}.symbol);
    // The board's own and the application's.
    for (const char* name : {"cloud", "cloud.slash", "sunrise", "sunset", "arrow.up", "arrow.down",
                             "calendar", "plus", "location", "moon", "sun.max", "gift"}) {
        names.emplace(name);
    }
    return names;
}

TEST(Symbols, EveryNameTheSystemUsesHasAGlyph) {
    const auto names = namesTheSystemUses();
    EXPECT_GE(names.size(), 170u);
    for (const std::string& name : names) {
        EXPECT_TRUE(hasSymbol(name)) << name;
    }
}

// Shaping the Material icon's name through the font's ligatures must give the
// glyph the table's codepoint gives, so a wrong codepoint cannot hide behind a
// right-looking name; and every glyph must leave ink.
TEST(Symbols, EachGlyphIsItsMaterialIconAndDrawsInk) {
    ASSERT_FALSE(boardFontFamilies().symbols.isEmpty()) << "the Material Icons font is missing";
    const QFont font = symbolFont(48);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    for (const SymbolGlyph& entry : symbolGlyphs()) {
        const QString glyph = QString::fromUcs4(&entry.codepoint, 1);
        const auto byCodepoint = raw.glyphIndexesForString(glyph);
        ASSERT_EQ(byCodepoint.size(), 1) << entry.name;
        EXPECT_TRUE(raw.supportsCharacter(entry.codepoint)) << entry.name;

        QTextLayout layout(QString::fromLatin1(entry.material.data(),
                                               static_cast<qsizetype>(entry.material.size())),
                           font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const auto runs = layout.glyphRuns();
        ASSERT_EQ(runs.size(), 1) << entry.name;
        EXPECT_EQ(runs[0].glyphIndexes(), byCodepoint)
            << entry.name << " is not " << entry.material;

        const QImage image = render({24, 24}, 1, Qt::white, [&](QPainter& p) {
            drawSymbol(p, entry.name, QRectF(0, 0, 24, 24), 18, Qt::black);
        });
        EXPECT_GT(inkedPixels(image, Qt::white), 15) << entry.name;
    }
}

// Kinds of weather a forecast shows side by side keep apart where the font
// has a shape for each.
TEST(Symbols, WeatherKindsHaveGlyphsOfTheirOwn) {
    std::set<char32_t> glyphs;
    for (const char* name : {"cloud.drizzle", "cloud.rain", "cloud.sun.rain", "cloud.snow",
                             "cloud.bolt.rain", "cloud.fog", "sun.haze", "sun.dust", "wind",
                             "wind.snow", "hurricane", "tropicalstorm", "tornado"}) {
        EXPECT_TRUE(glyphs.insert(symbolCodepoint(name).value_or(0)).second) << name;
    }
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64 ? 1 : 0;
        }
    }
    return n;
}

QImage symbolImage(std::string_view name) {
    return render({24, 24}, 2, Qt::white,
                  [&](QPainter& p) { drawSymbol(p, name, QRectF(0, 0, 24, 24), 18, Qt::black); });
}

TEST(Symbols, UnknownNamesDrawTheFallbackSymbol) {
    const QImage fallback = symbolImage("calendar");
    ASSERT_GT(inkedPixels(fallback, Qt::white), 15);
    for (const char* name : {"", "no.such.symbol", "Cloud", "cloud "}) {
        EXPECT_FALSE(hasSymbol(name)) << name;
        EXPECT_EQ(symbolImage(name), fallback) << name;
    }
}

// The shapes drawn in place of missing glyphs: each leaves ink, and the ones
// a board shows side by side (sunrise beside sunset, a preset's sun on the
// horizon, the weather's clouds) stay apart.
TEST(Symbols, DrawnShapesAreDistinct) {
    const std::vector<std::string_view> names = {"sunrise", "sunset", "sun.horizon", "cloud.sun",
                                                 "cloud"};
    std::vector<QImage> images;
    for (std::string_view name : names) {
        images.push_back(symbolImage(name));
        EXPECT_GT(inkedPixels(images.back(), Qt::white), 60) << name;
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_GT(differingPixels(images[i], images[j]), 40) << names[i] << " and " << names[j];
        }
    }
    // The sun of "cloud.sun" shows above the cloud, where a plain cloud is clear.
    EXPECT_LT(testing::pixelAt(images[3], {8.4, 2.4}, 2).lightness(), 128);
    EXPECT_EQ(testing::pixelAt(images[4], {8.4, 2.4}, 2), QColor(Qt::white));
}

TEST(Symbols, GlyphSitsCentredInItsBox) {
    const QImage image = render({60, 40}, 2, Qt::white, [](QPainter& p) {
        drawSymbol(p, "plus", QRectF(10, 0, 40, 40), 20, Qt::black);
    });
    // The plus's arms cross at the box centre (30, 20); its ends stay inside.
    EXPECT_LT(testing::pixelAt(image, {30, 20}, 2).lightness(), 60);
    EXPECT_EQ(testing::pixelAt(image, {12, 20}, 2), QColor(Qt::white));
    EXPECT_EQ(testing::pixelAt(image, {30, 2}, 2), QColor(Qt::white));
}

// Search keeps the catalogue's order, which is its groups' order with no
// name twice.
TEST(SymbolLibrary, SearchFindsNamesInCatalogueOrder) {
    using Names = std::vector<std::string_view>;
    const auto all = SymbolLibrary::all();
    Names grouped;
    for (const auto& group : SymbolLibrary::groups()) {
        grouped.insert(grouped.end(), group.symbols.begin(), group.symbols.end());
    }
    EXPECT_EQ(grouped, Names(all.begin(), all.end()));
    EXPECT_EQ(std::set<std::string_view>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(SymbolLibrary::search(""), Names(all.begin(), all.end()));
    EXPECT_EQ(SymbolLibrary::search(" \t "), Names(all.begin(), all.end()));
    for (const char* query : {"Cloud Sun", "cloud sun", "cloudsun"}) {
        EXPECT_EQ(SymbolLibrary::search(query), Names{"cloud.sun"}) << query;
    }
    EXPECT_EQ(SymbolLibrary::search("figure"),
              (Names{"figure.hiking", "figure.walk", "figure.run", "figure.yoga",
                     "figure.skiing.downhill", "figure.surfing"}));
    EXPECT_EQ(SymbolLibrary::search("  Moon\t"),
              (Names{"moon", "moon.stars", "moon.circle", "cloud.moon"}));
    EXPECT_TRUE(SymbolLibrary::search("zeppelin").empty());
}

}  // namespace
}  // namespace solvane
