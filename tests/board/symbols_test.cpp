// The board's fonts and symbols, and the text layout built on them.
#include "board/symbols.h"

#include <QFontInfo>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "board/canvas.h"
#include "board/fonts.h"
#include "board/layout.h"
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

// The icon's name shaped through the font's ligatures gives the codepoint's glyph,
// so a wrong codepoint cannot hide behind a right name; every glyph leaves ink.
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

// Kinds of weather a forecast shows side by side keep apart where the font can.
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

// Shapes drawn for missing glyphs leave ink, and those a board shows side by
// side (sunrise and sunset, the horizon's sun, the clouds) stay apart.
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

// Search keeps the catalogue's order: its groups' order, no name twice.
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
    EXPECT_EQ(SymbolLibrary::search("  Moon\t"),
              (Names{"moon", "moon.stars", "moon.circle", "cloud.moon"}));
    EXPECT_TRUE(SymbolLibrary::search("zeppelin").empty());
}

TEST(Fonts, TheBoardFacesAreFoundAndSizedInPointsOnAnyDevice) {
    // Without the bundled faces every reviewed picture would differ.
    EXPECT_EQ(QFontInfo(boardFont({14, FontWeight::medium})).styleName(), "Medium");

    // A device that reports 144 dpi still gets the same pixel size, so a
    // drawing measured on the reference device fits wherever it is painted.
    QImage hiDpi(4, 4, QImage::Format_ARGB32_Premultiplied);
    hiDpi.setDotsPerMeterX(5669);
    hiDpi.setDotsPerMeterY(5669);
    ASSERT_EQ(hiDpi.logicalDpiY(), 144);
    const TextStyle style{12.5, FontWeight::regular, FontDesign::monospaced};
    EXPECT_NEAR(boardFontMetrics(style, &hiDpi).horizontalAdvance("0000"),
                boardFontMetrics(style).horizontalAdvance("0000"), 0.01);
    // A line measured at scale 1 ends where it was measured when painted at
    // scale 2: the rightmost ink of both lies just inside the measured width.
    const TextStyle label{10.5, FontWeight::medium, FontDesign::standard, 0.9};
    const FittedLine line = fitLine("WINTER SOLSTICE", label, 500);
    const auto inkRight = [&](double scale) {
        const QImage image = testing::render({200, 20}, scale, Qt::white, [&](QPainter& p) {
            drawLine(p, QRectF(0, 0, 200, 20), line, Qt::black);
        });
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                right = image.pixelColor(x, y).lightness() < 200 ? x : right;
            }
        }
        return (right + 1) / scale;
    };
    EXPECT_NEAR(inkRight(1), line.width - 0.9, 1.5);
    EXPECT_NEAR(inkRight(2), line.width - 0.9, 1.0);
    // Bad sizes give a tiny font, not a failure.
    EXPECT_GT(boardFont({std::numeric_limits<double>::quiet_NaN()}).pointSizeF(), 0);
}

TEST(Layout, RowSharesRoomAmongSpacersAndShrinksTextsWhenShort) {
    const std::array items = {fixedItem({32, 32}), spacerItem(8),
                              StackItem{{50, 10}, 8, false, true}, spacerItem(0)};
    auto frames = layoutRow(QRectF(10, 0, 200, 40), items, 4, CrossAlign::center);
    // 200 − 32 − 50 − 3 × 4 = 106 of room, 8 of it the first spacer's minimum:
    // the two spacers split the remaining 98.
    EXPECT_EQ(frames[0], QRectF(10, 4, 32, 32));
    EXPECT_EQ(frames[1].width(), 8 + 49);
    EXPECT_EQ(frames[2], QRectF(10 + 32 + 4 + 57 + 4, 15, 50, 10));
    EXPECT_EQ(frames[3].right(), 210);

    // 30 short: only the text gives, the spacer keeps its minimum.
    frames = layoutRow(QRectF(0, 0, 32 + 8 + 20 + 12, 40), items, 4, CrossAlign::leading);
    EXPECT_EQ(frames[1].width(), 8);
    EXPECT_EQ(frames[2].width(), 20);
    EXPECT_EQ(frames[2].top(), 0);
    EXPECT_EQ(frames[3].width(), 0);

    // A text that may only shrink so far leaves the rest of the shortage to
    // the others.
    const std::array texts = {StackItem{{100, 10}, 8, false, true, 70},
                              StackItem{{100, 10}, 8, false, true, 0}, fixedItem({20, 10})};
    frames = layoutRow(QRectF(0, 0, 120, 10), texts, 0, CrossAlign::center);
    EXPECT_EQ(frames[0].width(), 70);
    EXPECT_NEAR(frames[1].width(), 30, 1e-9);
    EXPECT_EQ(frames[2].left(), 100);

    EXPECT_EQ(rowSize(items, 4, CrossAlign::center), QSizeF(32 + 8 + 50 + 12, 32));
}

TEST(Layout, OneLineTextShrinksToItsFloorThenEndsInAnEllipsis) {
    const TextStyle font{40, FontWeight::regular, FontDesign::monospaced};
    const double natural = textWidth("72°", font);

    auto line = fitLine("72°", font, natural + 1, 0.7);
    EXPECT_EQ(line.text, "72°");
    EXPECT_EQ(line.font, font);

    line = fitLine("72°", font, natural * 0.8 + 0.5, 0.7);
    EXPECT_EQ(line.text, "72°");
    EXPECT_GE(line.font.size, 28);
    EXPECT_LT(line.font.size, 40);
    EXPECT_LE(line.width, natural * 0.8 + 0.5);

    // Past its floor a fact shrinks on to the facts' floor and stays whole,
    // noted as overfull; a label is cut at its own floor.
    takeOverfullFacts();
    line = fitLine("72°", font, natural * 0.5, 0.7);
    EXPECT_NEAR(line.font.size, 40 * kFactMinScale, 0.01);
    EXPECT_EQ(line.text, "72°");
    EXPECT_EQ(takeOverfullFacts(), QStringList{"72°"});
    line = fitLine("72°", font, natural * 0.5, 0.7, Fit::label);
    EXPECT_NEAR(line.font.size, 28, 0.01);
    EXPECT_TRUE(line.text.endsWith(QChar(0x2026))) << line.text.toStdString();
    EXPECT_LE(line.width, natural * 0.5);
    EXPECT_TRUE(takeOverfullFacts().isEmpty());

    // Whatever the room, a text that fits at its floor is shrunk, never cut;
    // and a cut never leaves a space before the "…".
    const TextStyle detail{12};
    const QString feels = QStringLiteral("Feels 106° · Wind E 5 mph");
    for (double width = textWidth(feels, detail.scaled(0.75)); width < textWidth(feels, detail);
         width += 0.5) {
        line = fitLine(feels, detail, width, 0.75);
        EXPECT_EQ(line.text, feels) << width;
        EXPECT_LE(line.width, width);
    }
    const TextStyle label{14, FontWeight::medium};
    const QString label70 = QStringLiteral("Mom's 70th birthday party");
    for (double width = 10; width < textWidth(label70, label); width += 1) {
        const QString cut = fitLine(label70, label, width, 1.0, Fit::label).text;
        EXPECT_FALSE(cut.contains(QStringLiteral(" …"))) << cut.toStdString();
    }

    for (double width : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(fitLine("Summer", label, width).text.isEmpty());
    }
}

}  // namespace
}  // namespace solvane
