// The widgets' faces: the glass sky through the day, the Countdowns and Moon
// faces' rules, every face against reviewed pictures, accented text that reads,
// what a screen reader hears; and every shipped language with the catalogues the
// build compiled, as its readers meet it.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unicode/locid.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board/canvas.h"
#include "board/layout.h"
#include "board/sky_drawings.h"
#include "core/model/countdown_display.h"
#include "core/model/presets.h"
#include "core/sky/sky_snapshot.h"
#include "core/time/text_format.h"
#include "core/util/enum_strings.h"
#include "core/util/translation.h"
#include "core/weather/forecast_display.h"
#include "core/weather/weather.h"
#include "platform/qt/translations.h"
#include "widgets/catalogue.h"
#include "widgets/countdown_views.h"
#include "widgets/sky_views.h"
#include "widgets/styled.h"
#include "widgets/widget_description.h"
#include "widgets/widget_views.h"

#include "core/test_helpers.h"
#include "support/golden.h"

namespace solvane::widgets {
namespace {

using solvane::testing::inkedPixels;
using solvane::testing::pixelAt;
using solvane::testing::render;

using solvane::testing::at;
using solvane::testing::newYork;

// The reviewed widget pictures' board: five countdowns, one under way, a quarter
// of an hour before sunset in Brooklyn, when the glass sky is at its warmest.
// A week from 8 PM that evening: a warm day cooling into a showery night, a wet
// Tuesday, then clearing; night hours marked from the sky over Brooklyn.
Forecast goldenForecast(Instant fetched) {
    Forecast f;
    f.fetched = fetched;
    f.latitude = 40.68;
    f.longitude = -73.94;
    const Instant start = at("2025-06-14T20:00:00-04:00");
    static constexpr const char* kHourSymbols[] = {"cloud.sun",  "cloud.sun",  "cloud",
                                                   "cloud.rain", "cloud.rain", "cloud",
                                                   "sun.max",    "sun.max"};
    for (int h = 0; h < 7 * 24; ++h) {
        HourForecast hour;
        hour.time = start + h * 3600.0;
        const int local = (20 + h) % 24;
        hour.temperatureC = 22 + 6 * std::sin((local - 9) * 3.14159265358979 / 12) - h / 60.0;
        hour.symbol = kHourSymbols[(h / 3) % 8];
        hour.precipitationChance = hour.symbol == std::string("cloud.rain") ? 70.0 - h % 3 * 10
                                   : hour.symbol == std::string("cloud")    ? 20.0
                                                                            : 0.0;
        f.hours.push_back(hour);
    }
    const struct {
        int day;
        double high, low;
        const char* symbol;
        double chance;
    } kDays[] = {{14, 29, 19, "cloud.sun", 10},      {15, 27, 18, "cloud.rain", 80},
                 {16, 24, 17, "cloud.rain", 60},     {17, 26, 16, "cloud", 20},
                 {18, 30, 18, "sun.max", 0},         {19, 33, 21, "sun.max", 0},
                 {20, 31, 22, "cloud.bolt.rain", 40}};
    for (const auto& d : kDays) {
        f.days.push_back({{2025, 6, d.day}, d.high, d.low, "", d.symbol, d.chance});
    }
    markNightHours(f, f.latitude, f.longitude);
    return f;
}

BoardData goldenBoard() {
    BoardData b;
    b.date = at("2025-06-14T20:15:00-04:00");
    b.countdowns = {
        {{}, "Fourth of July", "sparkles", {}, 20, "days", "Fri, Jul 4", {}, {}},
        {{}, "Summer Fridays", "beach.umbrella", {}, 5, "of 12 days", "Until Fri, Aug 29", {}, {}},
        {{}, "Fall back", "clock.arrow.circlepath", {}, 21, "weeks", "Sun, Nov 2", {}, {}},
        {{}, "Winter solstice", "snowflake", {}, 190, "days", "Sun, Dec 21", {}, {}},
        {{}, "Mom's birthday", "gift", {}, 244, "days", "Fri, Feb 13", {}, {}},
    };
    b.countdowns[1].progress = 0.42;
    b.weather = solvane::testing::fixedWeather(at("2025-06-14T19:45:00-04:00"));
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, newYork());
    b.place = "Brooklyn";
    b.unit = TempUnit::fahrenheit;
    b.forecast = goldenForecast(at("2025-06-14T19:50:00-04:00"));
    return b;
}

constexpr double kMinute = 60;
const QColor kTint(0x30, 0x8c, 0xc6);
const Instant kNoon = at("2025-06-14T12:57:00-04:00");

SkySnapshot sunTimes() {
    SkySnapshot sky;
    sky.sunrise = at("2025-06-14T05:24:00-04:00");
    sky.sunset = at("2025-06-14T20:29:00-04:00");
    return sky;
}

GlassLight lightAt(const SkySnapshot& sky, Instant date) {
    return TimeOfDayGlass{&sky, date}.light();
}

// Glows peak at their anchors and fade over their half widths; night runs from
// three quarters of an hour after sunset to half an hour before sunrise.
TEST(GlassLight, GlowsAndNightFollowTheSunTimes) {
    EXPECT_DOUBLE_EQ(glowWeight(35, 70, 50), 0.5);
    EXPECT_DOUBLE_EQ(glowWeight(-25, 70, 50), 0.5);
    const SkySnapshot sky = sunTimes();
    const auto at = [&](bool fromSunset, double minutes) {
        return lightAt(sky, (fromSunset ? *sky.sunset : *sky.sunrise) + minutes * kMinute);
    };
    EXPECT_DOUBLE_EQ(at(false, 10).sunriseGlow, 1);
    EXPECT_DOUBLE_EQ(at(false, 80).sunriseGlow, 0);
    EXPECT_DOUBLE_EQ(at(false, -40).sunriseGlow, 0);
    EXPECT_GT(at(false, -39).sunriseGlow, 0);
    EXPECT_DOUBLE_EQ(at(true, -5).sunsetGlow, 1);
    EXPECT_DOUBLE_EQ(at(true, 30).sunsetGlow, 0);
    EXPECT_DOUBLE_EQ(at(true, 22).duskGlow, 1);
    EXPECT_DOUBLE_EQ(at(true, 52).duskGlow, 0);
    EXPECT_DOUBLE_EQ(at(true, 2).duskGlow, 0);
    EXPECT_EQ(lightAt(sky, kNoon), GlassLight{});
    EXPECT_TRUE(at(false, -40).night);
    EXPECT_FALSE(at(false, -20).night);
    EXPECT_FALSE(at(true, 40).night);
    EXPECT_TRUE(at(true, 50).night);

    // Without both sun times (a polar day or night): day gradient, no glow.
    SkySnapshot polar = sky;
    polar.sunset.reset();
    EXPECT_EQ(lightAt(polar, *sky.sunrise - 3 * 60 * kMinute), GlassLight{});
    EXPECT_EQ(TimeOfDayGlass{}.light(), GlassLight{});
}

BoardEntry entryAt(Instant date, WidgetStyle style, std::vector<CountdownDisplay> rows = {}) {
    BoardData data;
    data.date = date;
    data.sky = sunTimes();
    data.countdowns = std::move(rows);
    return BoardEntry(date, std::move(data), style);
}

QImage face(std::string_view kind, WidgetFamily family, const BoardEntry& entry,
            RenderingMode mode = RenderingMode::fullColor, ColorScheme desktop = ColorScheme::light,
            const Calendar& calendar = newYork()) {
    const ViewContext context{family, mode, desktop, &calendar, nullptr, kTint};
    return render(familySize(family), 1, Qt::transparent, [&](QPainter& p) {
        paintWidget(p, QRectF(QPointF(), familySize(family)), kind, entry, context);
    });
}

CountdownDisplay row(const char* label, std::int64_t value, const char* unit) {
    return {{}, label, "gift", {}, value, unit, "Fri, Jul 4", {}, {}};
}

TEST(CountdownSmallView, WeeksTextOnlyForTwoWeeksOrMoreInDays) {
    EXPECT_EQ(CountdownSmallView::weeksText(row("a", 14, "days")), QStringLiteral("2 wks"));
    EXPECT_EQ(CountdownSmallView::weeksText(row("a", 13, "days")), std::nullopt);
    EXPECT_EQ(CountdownSmallView::weeksText(row("a", 30, "weeks")), std::nullopt);
    EXPECT_EQ(CountdownSmallView::weeksText(row("a", 30, "of 40 days")), std::nullopt);

    // The weeks text is the only ink in the top row's trailing half.
    const QRectF corner(100, 16, 54, 20);
    const auto cornerInk = [&](std::int64_t days) {
        const QImage img = face("Countdowns", WidgetFamily::small,
                                entryAt(kNoon, WidgetStyle::dark, {row("Trip", days, "days")}));
        return inkedPixels(img.copy(corner.toRect()), kDarkWidgetFill);
    };
    EXPECT_GT(cornerInk(20), 20);
    EXPECT_EQ(cornerInk(13), 0);
}

TEST(CountdownsMediumView, AtMostThreeEqualColumnsWithARuleBetweenNeighbours) {
    const QRectF content(16, 16, 332, 138);
    const MediumLayout five = CountdownsMediumView::layout(content, 5);
    ASSERT_EQ(five.columns.size(), 3u);
    ASSERT_EQ(five.rules.size(), 2u);
    EXPECT_DOUBLE_EQ(five.columns[2].width(), five.columns[0].width());
    EXPECT_DOUBLE_EQ(five.columns[1].left(), five.rules[0].right());
    EXPECT_DOUBLE_EQ(five.columns[2].right(), content.right());

    EXPECT_EQ(CountdownsMediumView::layout(content, 1).columns, std::vector<QRectF>{content});
    EXPECT_TRUE(CountdownsMediumView::layout(content, 1).rules.empty());
    EXPECT_TRUE(CountdownsMediumView::layout(content, 0).columns.empty());

    // Drawn: the rules in `line`.
    std::vector<CountdownDisplay> rows(5, row("Trip", 20, "days"));
    const QImage img =
        face("Countdowns", WidgetFamily::medium, entryAt(kNoon, WidgetStyle::dark, rows));
    const QColor line = Palette::forStyle(WidgetStyle::dark).line.color;
    for (const QRectF& rule : five.rules) {
        EXPECT_EQ(pixelAt(img, {rule.left() + 0.5, content.center().y()}), line);
    }
}

TEST(MoonSmallView, PercentIsTruncatedAndAbsentTimesReadADash) {
    SkySnapshot sky;
    sky.moonFraction = 0.996;
    EXPECT_EQ(moonPercentText(sky), QStringLiteral("99%"));
    EXPECT_EQ(shortTimeText(std::nullopt, newYork()), QStringLiteral("—"));
    EXPECT_TRUE(shortTimeText(at("2025-06-14T20:29:00-04:00"), newYork()).startsWith("8:29"));
}

// Boards at the edges of what the faces must hold (long place, hot day, polar
// day and night, no or many countdowns, long label, a 24-hour clock).
const Calendar& oslo() {
    static const Calendar calendar = *Calendar::make("Europe/Oslo", "en_US");
    return calendar;
}

const Calendar& berlin() {
    static const Calendar calendar = *Calendar::make("Europe/Berlin", "de_DE");
    return calendar;
}

const std::string kLongPlace = "Rancho Santa Margarita, California, United States of America";

void makeHotDay(BoardData& b) {
    WeatherSnapshot& w = *b.weather;
    w.temperatureC = 38.4;  // 101 °F
    w.feelsLikeC = 41.2;    // 106 °F
    w.highC = 40.1;
    w.lowC = 28.3;
    w.condition = "Sunny";
    w.symbol = "sun.max";
    w.windKph = 8;  // 5 mph
    w.windDirection = 90;
    w.cloudCover = 3;
}

void moveToTromso(BoardData& b, const char* iso) {
    b.date = at(iso);
    b.sky = SkySnapshot::compute(b.date, 69.65, 18.96, oslo());
    b.place = "Tromsø";
    b.weather.reset();
}

void moveToBerlin(BoardData& b) {
    b.date = at("2025-06-14T21:15:00+02:00");
    b.sky = SkySnapshot::compute(b.date, 52.5, 13.3667, berlin());
    b.place = "Berlin";
    b.unit = TempUnit::celsius;
}

struct GoldenCase {
    const char* kind;
    WidgetFamily family;
    const char* name;
};

// Every face, by the name of its reviewed pictures.
const GoldenCase kXl{"Solvane", WidgetFamily::extraLarge, "solvane-xl"};
const GoldenCase kSky{"Sky", WidgetFamily::large, "sky-large"};
const GoldenCase kSmall{"Countdowns", WidgetFamily::small, "countdowns-small"};
const GoldenCase kMedium{"Countdowns", WidgetFamily::medium, "countdowns-medium"};
const GoldenCase kMoon{"Moon", WidgetFamily::small, "moon-small"};
const GoldenCase kForecastMedium{"Forecast", WidgetFamily::medium, "forecast-medium"};
const GoldenCase kForecastLarge{"Forecast", WidgetFamily::large, "forecast-large"};
const GoldenCase kFaces[] = {kXl, kSky, kSmall, kMedium, kMoon, kForecastMedium, kForecastLarge};

struct Scenario {
    const char* name;  // empty for the usual board
    void (*change)(BoardData&);
    const Calendar& (*calendar)() = newYork;
    bool showsDays = false;  // a medium Forecast set to the next days
};

struct GoldenParam {
    GoldenCase widget;
    WidgetStyle style;
    RenderingMode mode;
    ColorScheme desktop = ColorScheme::light;
    Scenario scenario{"", [](BoardData&) {}};
};

// Accented glass follows the desktop's scheme, so it is named by it.
std::string goldenName(const GoldenParam& p) {
    std::string name = std::string(p.widget.name) + "-" + std::string(toString(p.style)) + "-" +
                       std::string(toString(p.mode));
    if (p.style == WidgetStyle::glass && p.mode == RenderingMode::accented) {
        name += "-" + std::string(toString(p.desktop));
    }
    if (*p.scenario.name) {
        name += "-" + std::string(p.scenario.name);
    }
    return name;
}

class WidgetGolden : public ::testing::TestWithParam<GoldenParam> {};

TEST_P(WidgetGolden, MatchesReviewedRender) {
    const GoldenParam& c = GetParam();
    BoardData board = goldenBoard();
    c.scenario.change(board);
    const Instant date = board.date;
    testing::expectMatchesGolden(
        face(c.widget.kind, c.widget.family,
             BoardEntry(date, std::move(board), c.style, c.scenario.showsDays), c.mode, c.desktop,
             c.scenario.calendar()),
        QStringLiteral(SOLVANE_TEST_DATA_DIR "/goldens/widgets/") +
            QString::fromStdString(goldenName(c)) + QStringLiteral(".png"));
}

std::vector<GoldenParam> goldenParams() {
    std::vector<GoldenParam> out;
    for (const GoldenCase& w : kFaces) {
        for (WidgetStyle style : {WidgetStyle::glass, WidgetStyle::dark, WidgetStyle::light}) {
            out.push_back({w, style, RenderingMode::fullColor});
            out.push_back({w, style, RenderingMode::accented});
        }
        out.push_back({w, WidgetStyle::glass, RenderingMode::accented, ColorScheme::dark});
    }
    const Scenario longPlace{"longplace", [](BoardData& b) { b.place = kLongPlace; }};
    const Scenario hotDay{"hotday", makeHotDay};
    const Scenario polarDay{
        "polarday", [](BoardData& b) { moveToTromso(b, "2027-06-21T23:30:00+02:00"); }, oslo};
    const Scenario polarNight{
        "polarnight", [](BoardData& b) { moveToTromso(b, "2027-12-21T12:00:00+01:00"); }, oslo};
    const Scenario noRows{"nocountdowns", [](BoardData& b) { b.countdowns.clear(); }};
    const Scenario sixRows{
        "sixcountdowns", [](BoardData& b) {
            b.countdowns.push_back(
                {{}, "Lease renewal", "house", {}, 300, "days", "Fri, Apr 10", {}, {}});
        }};
    const Scenario longLabel{
        "longlabel", [](BoardData& b) {
            b.countdowns.front().label = "Mom's 70th birthday party at the lake house";
            b.countdowns.front().caption = "Saturday, July 4, with the whole family";
        }};
    const Scenario twentyFour{"24h", moveToBerlin, berlin};
    const Scenario days{"days", [](BoardData&) {}, newYork, true};
    const Scenario noForecast{"noforecast", [](BoardData& b) { b.forecast.reset(); }};
    const std::pair<Scenario, std::vector<GoldenCase>> edges[] = {
        {longPlace, {kXl, kSky, kForecastLarge}},
        {hotDay, {kXl}},
        {polarDay, {kXl, kSky}},
        {polarNight, {kXl, kSky}},
        {noRows, {kXl, kSmall, kMedium}},
        {sixRows, {kXl, kMedium}},
        {longLabel, {kXl, kSmall, kMedium}},
        {twentyFour, {kXl, kSky, kMoon, kForecastLarge}},
        {days, {kForecastMedium}},
        {noForecast, {kForecastMedium, kForecastLarge}},
    };
    for (const auto& [scenario, faces] : edges) {
        for (const GoldenCase& w : faces) {
            out.push_back(
                {w, WidgetStyle::dark, RenderingMode::fullColor, ColorScheme::light, scenario});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Renders, WidgetGolden, ::testing::ValuesIn(goldenParams()),
                         [](const auto& info) {
                             std::string n = goldenName(info.param);
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

// However long the place, the Sky header's date is whole where a short one has it.
TEST(SkyView, TheDateIsNeverCutForThePlace) {
    // The date and its margin: without weather the place may come up to it.
    const auto dateCorner = [](const std::string& place, bool weather) {
        BoardData b = goldenBoard();
        b.place = place;
        if (!weather) {
            b.weather.reset();
        }
        const Instant date = b.date;
        const QImage img =
            face("Sky", WidgetFamily::large, BoardEntry(date, std::move(b), WidgetStyle::dark));
        const QString text = QString::fromStdString(shortDateLabel(date, newYork()));
        const int width = static_cast<int>(std::ceil(textWidth(text, TextStyle{12}))) + 20;
        return img.copy(img.width() - width, 0, width, 40);
    };
    EXPECT_EQ(dateCorner(kLongPlace, true), dateCorner("Brooklyn", true));
    EXPECT_GT(inkedPixels(dateCorner(kLongPlace, true), kDarkWidgetFill), 40);
    EXPECT_EQ(dateCorner(kLongPlace, false), dateCorner("Brooklyn", false));
}

using ::testing::HasSubstr;
using ::testing::Not;

BoardData board(bool weather) {
    BoardData data;
    data.date = at("2025-12-05T12:00:00-05:00");
    data.place = "Brooklyn";
    data.unit = TempUnit::fahrenheit;
    if (weather) {
        data.weather = testing::fixedWeather(data.date);
    }
    data.sky.sunrise = at("2025-12-05T07:06:00-05:00");
    data.sky.sunset = at("2025-12-05T16:29:00-05:00");
    data.sky.goldenStart = at("2025-12-05T15:50:00-05:00");
    data.sky.blueStart = at("2025-12-05T16:40:00-05:00");
    data.sky.blueEnd = at("2025-12-05T16:55:00-05:00");
    data.sky.moonFraction = 0.99;
    data.sky.moonPhase = 0.49;
    data.sky.moonRise = at("2025-12-05T16:10:00-05:00");
    data.sky.moonSet = at("2025-12-06T07:30:00-05:00");
    data.sky.nextFull = at("2025-12-05T18:00:00-05:00");
    data.sky.nextNew = at("2025-12-19T20:00:00-05:00");
    data.countdowns = {
        {{}, "Winter solstice", "snowflake", {}, 16, "days", {}, {}, at("2025-12-21T00:00-05:00")},
        {{}, "Spring forward", "snowflake", {}, 93, "days", {}, {}, at("2026-03-08T00:00-05:00")},
        {{}, "Party", "snowflake", {}, 0, "days", {}, {}, at("2025-12-05T00:00-05:00")},
        {{}, "Trip", "snowflake", {}, 40, "days", {}, {}, at("2026-01-14T00:00-05:00")}};
    return data;
}

std::string describe(std::string_view kind, WidgetFamily family, BoardData data) {
    const BoardEntry entry(data.date, std::move(data), WidgetStyle::glass);
    return describeWidget(kind, family, entry, newYork());
}

void expectSpokenOnly(const std::string& text) {
    for (const char* symbol : {"\u00B0", "\u2014", "\u2013", "\u00B7", "%"}) {
        EXPECT_THAT(text, Not(HasSubstr(symbol))) << text;
    }
}

// Face order: the place and today's range, the hours three apart from the one
// under way (the chance only where the face shows one), then the week.
TEST(DescribeWidget, ForecastHoursThenTheWeekOrUnavailable) {
    BoardData data = board(true);
    Forecast f;
    f.fetched = data.date;
    f.zone = "America/New_York";
    for (int h = 0; h < 48; ++h) {
        f.hours.push_back({data.date + h * 3600.0, 4.0 - h * 0.1, "Mostly Cloudy",
                           h < 5 ? "cloud.sun" : "cloud.moon",
                           h == 3 ? std::optional<double>(60) : std::optional<double>(5)});
    }
    // Days stored before conditions were kept name their symbol's.
    for (int d = 0; d < 7; ++d) {
        f.days.push_back({{2025, 12, 5 + d}, 6.0 + d, -1.0, "", "cloud.rain", 30.0});
    }
    data.forecast = f;
    const std::string large = describe("Forecast", WidgetFamily::large, data);
    EXPECT_THAT(large, HasSubstr("Forecast. Brooklyn. Today: high 43 degrees, low 30 degrees. "
                                 "Now: 39 degrees, mostly cloudy. 3 PM: 39 degrees, mostly "
                                 "cloudy, 60 percent chance of precipitation. 6 PM: 38 degrees"))
        << large;
    // Spoken, the weekday is whole where the face abbreviates it.
    EXPECT_THAT(large,
                HasSubstr("Saturday: high 45 degrees, low 30 degrees, rain, 30 percent chance"));
    expectSpokenOnly(large);
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data), Not(HasSubstr("Saturday:")));

    // An old forecast still speaks while enough of it lies ahead, and says when it was made.
    data.forecast->fetched = data.date - 7 * 3600;
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data),
                HasSubstr("Brooklyn. Updated 5:00 AM. Today:"));
    data.forecast->hours.resize(2);
    EXPECT_THAT(describe("Forecast", WidgetFamily::medium, data),
                HasSubstr("Brooklyn. Forecast unavailable."));
}

TEST(DescribeWidget, CountdownsInTheOrderShownWithTodayAndTheEmptyList) {
    const std::string small = describe("Countdowns", WidgetFamily::small, board(true));
    EXPECT_EQ(small, "Countdowns. Winter solstice in 16 days, Sunday, December 21.");

    const std::string medium = describe("Countdowns", WidgetFamily::medium, board(true));
    EXPECT_THAT(medium, HasSubstr("Spring forward in 93 days, Sunday, March 8. "
                                  "Party today, Friday, December 5."));
    EXPECT_THAT(medium, Not(HasSubstr("Trip")));  // three columns at most

    BoardData happening = board(true);
    happening.countdowns.front().value = 3;
    happening.countdowns.front().unit = "of 10 days";
    happening.countdowns.front().caption = "Until Mon, Dec 15";
    happening.countdowns.front().progress = 0.3;
    EXPECT_EQ(describe("Countdowns", WidgetFamily::small, happening),
              "Countdowns. Winter solstice, day 3 of 10 days, until Mon, Dec 15.");

    BoardData none = board(true);
    none.countdowns.clear();
    EXPECT_EQ(describe("Countdowns", WidgetFamily::medium, none),
              "Countdowns. Add a countdown in the Solvane app.");
    EXPECT_THAT(describe("Solvane", WidgetFamily::extraLarge, none),
                HasSubstr("Countdowns: Add countdowns in the Solvane app."));
}

TEST(DescribeWidget, WeatherAndSkyInWords) {
    const std::string sky = describe("Sky", WidgetFamily::large, board(true));
    EXPECT_THAT(sky, HasSubstr("Sky. Brooklyn, Friday, December 5. Weather from Open-Meteo. "
                               "76 degrees, partly cloudy, high 81 degrees, low 65 degrees."));
    EXPECT_THAT(sky, HasSubstr("Sunrise 7:06 AM, sunset 4:29 PM, 9 hours 23 minutes of light."));
    EXPECT_THAT(sky, HasSubstr("Golden hour from 3:50, blue hour 4:40 to 4:55."));
    expectSpokenOnly(sky);

    const std::string full = describe("Solvane", WidgetFamily::extraLarge, board(true));
    EXPECT_THAT(full, HasSubstr("Solvane. Friday, December 5, Brooklyn."));
    EXPECT_THAT(full, HasSubstr("Weather: 76 degrees, partly cloudy, feels like 77 degrees, "
                                "wind south 9 miles per hour, high 81 degrees, low 65 degrees, "
                                "clouds 38 percent."));
    EXPECT_THAT(full, HasSubstr("Sun: 9 hours 23 minutes of light. Sunrise 7:06, sunset 4:29. "
                                "Golden hour 3:50 to 4:29, blue hour 4:40 to 4:55."));
    EXPECT_THAT(full, HasSubstr("Moon: 99 percent lit."));
    EXPECT_THAT(full, HasSubstr("full moon today"));

    // Without weather it is unavailable, nothing invented: HostDescribeCli's.
}

TEST(DescribeWidget, MoonAndTheSunUpOrDownAllDay) {
    const std::string moon = describe("Moon", WidgetFamily::small, board(true));
    EXPECT_EQ(moon,
              "Moon. 99 percent lit, full moon today. Full moon. "
              "Moonrise 4:10 PM, moonset 7:30 AM.");

    BoardData midnightSun = board(true);
    midnightSun.sky.sunrise.reset();
    midnightSun.sky.sunset.reset();
    midnightSun.sky.blueStart.reset();
    midnightSun.sky.blueEnd.reset();
    midnightSun.sky.allDaySun = AllDaySun::up;
    const std::string up = describe("Solvane", WidgetFamily::extraLarge, midnightSun);
    EXPECT_THAT(up, HasSubstr("Sun: 24 hours of light. The sun stays up all day."));
    EXPECT_THAT(up, HasSubstr("No golden hour, no blue hour."));
    expectSpokenOnly(up);

    BoardData polarNight = midnightSun;
    polarNight.sky.goldenStart.reset();
    polarNight.sky.allDaySun = AllDaySun::down;
    polarNight.sky.moonRise.reset();
    const std::string down = describe("Sky", WidgetFamily::large, polarNight);
    EXPECT_THAT(down, HasSubstr("The sun stays down all day, no daylight."));
    EXPECT_THAT(down, HasSubstr("No moonrise, moonset"));
    expectSpokenOnly(down);

    EXPECT_EQ(describe("Clock", WidgetFamily::small, board(true)), "");
}

// Accented rendering draws in one neutral colour and the tint: every face's
// text, and the moon's outline in every style, must still read against its card.
constexpr double kScale = 2;

double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// `over` seen through `colour`.
QRgb composite(const QColor& colour, QRgb over) {
    const double a = colour.alphaF();
    const auto mix = [&](int top, int bottom) {
        return static_cast<int>(std::lround(top * a + bottom * (1 - a)));
    };
    return qRgb(mix(colour.red(), qRed(over)), mix(colour.green(), qGreen(over)),
                mix(colour.blue(), qBlue(over)));
}

QRgb mostFrequent(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
    return std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
}

// The reviewed pictures' board with three countdowns and a nearly full moon.
BoardEntry busyEntry(WidgetStyle style) {
    BoardData b = goldenBoard();
    b.countdowns.resize(3);
    b.sky.moonPhase = 0.49;
    b.sky.moonFraction = 0.99;
    return BoardEntry(b.date, std::move(b), style);
}

struct Look {
    WidgetStyle style;
    ColorScheme desktop;
    std::vector<QColor> wallpapers;  // what shows through a glass widget
};

const std::vector<Look> kLooks = {
    {WidgetStyle::glass, ColorScheme::dark, {QColor(128, 128, 128), Qt::white}},
    {WidgetStyle::glass, ColorScheme::light, {QColor(128, 128, 128), Qt::black}},
    {WidgetStyle::dark, ColorScheme::light, {Qt::black}},
    {WidgetStyle::light, ColorScheme::dark, {Qt::black}},
};

QImage accentedFace(const GoldenCase& face, const Look& look, const QColor& wallpaper,
                    const QColor& tint = kTint) {
    const ViewContext context{
        face.family, RenderingMode::accented, look.desktop, &newYork(), nullptr, tint};
    const BoardEntry entry = busyEntry(look.style);
    return testing::render(familySize(face.family), kScale, wallpaper, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintWidget(p, QRectF(QPointF(), familySize(face.family)), face.kind, entry, context);
    });
}

struct Cluster {
    QRect bounds;
    std::vector<QRgb> pixels;
};

// Connected runs of pixels that are neither card nor panel nor accent content
// (what changes with the tint): text, glyphs, the moon, rules and tracks.
std::vector<Cluster> inkClusters(const QImage& image, const QImage& otherTint,
                                 const std::vector<QRgb>& surfaces) {
    const int w = image.width();
    const int size = w * image.height();
    std::vector<char> ink(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const QRgb c = image.pixel(i % w, i / w);
        ink[i] = std::ranges::none_of(surfaces, [&](QRgb s) { return near(c, s, 6); }) &&
                 near(c, otherTint.pixel(i % w, i / w), 2);
    }
    std::vector<Cluster> out;
    for (int first = 0; first < size; ++first) {
        if (!ink[first]) {
            continue;
        }
        Cluster cluster{QRect(first % w, first / w, 1, 1), {}};
        std::vector<int> stack{first};
        ink[first] = 0;
        while (!stack.empty()) {
            const QPoint p(stack.back() % w, stack.back() / w);
            stack.pop_back();
            cluster.pixels.push_back(image.pixel(p));
            cluster.bounds |= QRect(p, QSize(1, 1));
            for (int d = 0; d < 9; ++d) {
                const QPoint n = p + QPoint(d % 3 - 1, d / 3 - 1);
                if (image.rect().contains(n) && ink[n.y() * w + n.x()]) {
                    ink[n.y() * w + n.x()] = 0;
                    stack.push_back(n.y() * w + n.x());
                }
            }
        }
        out.push_back(std::move(cluster));
    }
    return out;
}

// Shaped like a letter or glyph, not a rule, track or dash drawn faint on purpose.
bool textLike(const Cluster& c) {
    const int w = c.bounds.width();
    const int h = c.bounds.height();
    return c.pixels.size() >= 24 && w >= 6 && h >= 8 && w <= 24 * h && h <= 24 * w;
}

TEST(Accented, EveryTextReadsAgainstItsCard) {
    for (const GoldenCase& face : kFaces) {
        for (const Look& look : kLooks) {
            for (const QColor& wallpaper : look.wallpapers) {
                const std::string name =
                    std::string(face.kind) + " " + std::string(toString(face.family)) + " " +
                    std::string(toString(look.style)) + " on " +
                    std::string(toString(look.desktop)) + " over " + wallpaper.name().toStdString();
                const QImage image = accentedFace(face, look, wallpaper);
                const QImage otherTint =
                    accentedFace(face, look, wallpaper, QColor(0xd0, 0x40, 0x30));
                const QRgb card = mostFrequent(image);
                const ColorScheme scheme =
                    Styled{look.style, nullptr, {}, RenderingMode::accented, look.desktop}.scheme();
                const Palette palette = Palette::accented(scheme, kTint);
                const QRgb panel = composite(palette.panel.resolve(scheme), card);
                int texts = 0;
                for (const Cluster& cluster : inkClusters(image, otherTint, {card, panel})) {
                    if (!textLike(cluster)) {
                        continue;
                    }
                    ++texts;
                    // The fifth strongest pixel, so one stray pixel cannot pass a faint text.
                    std::vector<double> strengths;
                    for (QRgb c : cluster.pixels) {
                        strengths.push_back(std::min(contrast(c, card), contrast(c, panel)));
                    }
                    std::ranges::sort(strengths, std::greater<>());
                    const double reached =
                        strengths[std::min<std::size_t>(4, strengths.size() - 1)];
                    EXPECT_GE(reached, 4.5)
                        << name << ": ink at (" << cluster.bounds.x() / kScale << ", "
                        << cluster.bounds.y() / kScale << ") points, card "
                        << QColor(card).name().toStdString();
                }
                EXPECT_GE(texts, 5) << name;
            }
        }
    }
}

// A full moon is the hard case for the light style, whose lit colour is close
// to its card; a new moon for the dark ones, whose disc is.
TEST(Accented, MoonOutlineReadsInEveryStyleSchemeAndMode) {
    const Instant dusk = *parseIso8601("2025-06-14T20:15:00-04:00");
    const SkySnapshot times = SkySnapshot::compute(dusk, 40.68, -73.94, newYork());
    for (RenderingMode mode : {RenderingMode::fullColor, RenderingMode::accented}) {
        for (const Look& look : kLooks) {
            const Styled styled{look.style, &times, dusk, mode, look.desktop, kTint};
            const Palette palette = styled.contentPalette();
            for (double fraction : {1.0, 0.0}) {
                SkySnapshot sky = times;
                sky.moonPhase = 0.5 * fraction;
                sky.moonFraction = fraction;
                const QRectF disc(40, 40, 60, 60);
                const QImage image =
                    testing::render({140, 140}, kScale, look.wallpapers.front(), [&](QPainter& p) {
                        p.setRenderHint(QPainter::Antialiasing);
                        styled.paintBackground(p, {0, 0, 140, 140});
                        paintMoonGlyph(p, disc, sky, palette, styled.scheme());
                    });
                for (int step = 0; step < 8; ++step) {
                    const double angle = step * std::numbers::pi / 4 + 0.2;
                    const auto point = [&](double r) {
                        return QPointF(70 + r * std::cos(angle), 70 + r * std::sin(angle));
                    };
                    const QRgb card = testing::pixelAt(image, point(36), kScale).rgb();
                    double best = 1;
                    for (double r = 26; r <= 31; r += 0.25) {
                        best = std::max(
                            best, contrast(testing::pixelAt(image, point(r), kScale).rgb(), card));
                    }
                    EXPECT_GE(best, 3.0)
                        << toString(look.style) << " on " << toString(look.desktop) << ", "
                        << toString(mode) << ", lit " << fraction << ", angle step " << step;
                }
            }
        }
    }
}

// The language's catalogue and its calendar, numbers and dates in `locale`.
struct InLanguage {
    InLanguage(const QString& language, const std::string& locale)
        : calendar(*Calendar::make("America/New_York", locale)) {
        qputenv("SOLVANE_TRANSLATIONS", SOLVANE_TRANSLATIONS_DIR);
        platform::installTranslations(language);
        setNumberLocale(locale);
    }
    ~InLanguage() {
        platform::installTranslations(QStringLiteral("en_US"));
        setNumberLocale("en_US");
    }
    Calendar calendar;
};

// The shipped languages, each where its readers likely live ("de" → "de_DE"),
// and locales read in an English window.
std::vector<std::pair<QString, std::string>> shippedLanguages() {
    std::vector<std::pair<QString, std::string>> out;
    for (const QString& file : QDir(QStringLiteral(SOLVANE_TRANSLATIONS_DIR))
                                   .entryList({QStringLiteral("solvane_*.qm")}, QDir::Files)) {
        const QString language = file.mid(8).chopped(3);
        if (language == QLatin1String("en_XA")) {
            continue;  // the pseudo-locale, for tests
        }
        icu::Locale likely(language.toStdString().c_str());
        UErrorCode status = U_ZERO_ERROR;
        likely.addLikelySubtags(status);
        out.emplace_back(language, std::string(likely.getLanguage()) + "_" + likely.getCountry());
    }
    // English, and English windows around other scripts' dates and digits.
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "hi_IN", "he_IL"}) {
        out.emplace_back(QString::fromLatin1(locale), locale);
    }
    return out;
}

TEST(Languages, OrdinalWeekdayPhrasesInEachLanguagesGrammar) {
    const struct {
        const char* language;
        const char* locale;
        DateRule rule;
        const char* text;
    } cases[] = {
        {"it", "it_IT", DateRule::nthWeekday(-1, 2, 5, 0), "Ultimo lunedì di maggio"},
        {"it", "it_IT", DateRule::nthWeekday(2, 1, 1, 0), "Seconda domenica di gennaio"},
        {"fr", "fr_FR", DateRule::nthWeekday(-1, 2, 5, 0), "Dernier lundi de mai"},
        {"fr", "fr_FR", DateRule::nthWeekday(2, 2, 1, 0), "2e lundi de janvier"},
        {"fr", "fr_FR", DateRule::nthWeekday(1, 1, 4, 0), "1er dimanche d’avril"},
        {"ru", "ru_RU", DateRule::nthWeekday(2, 2, 1, 0), "Второй понедельник января"},
        {"ru", "ru_RU", DateRule::nthWeekday(-1, 2, 5, 0), "Последний понедельник мая"},
        {"ru", "ru_RU", DateRule::nthWeekday(2, 1, 5, 0), "Второе воскресенье мая"},
        {"ru", "ru_RU", DateRule::nthWeekday(1, 6, 3, 0), "Первая пятница марта"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(2, 2, 1, 0), "Segunda segunda-feira de janeiro"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(-1, 2, 5, 0), "Última segunda-feira de maio"},
        {"pt_BR", "pt_BR", DateRule::nthWeekday(2, 1, 5, 0), "Segundo domingo de maio"},
        {"de", "de_DE", DateRule::nthWeekday(-1, 2, 5, -3), "Letzter Montag im Mai, 3 Tage davor"},
        {"es", "es_ES", DateRule::nthWeekday(3, 7, 12, 0), "Tercer sábado de diciembre"},
        {"ja", "ja_JP", DateRule::nthWeekday(-1, 2, 5, 0), "5月の最終月曜日"},
        {"zh_CN", "zh_CN", DateRule::nthWeekday(2, 1, 5, 0), "五月第二个星期日"},
        {"pl", "pl_PL", DateRule::nthWeekday(-1, 2, 5, 0), "Ostatni poniedziałek maja"},
        {"pl", "pl_PL", DateRule::nthWeekday(2, 1, 1, 0), "Druga niedziela stycznia"},
        {"uk", "uk_UA", DateRule::nthWeekday(1, 6, 3, 0), "Перша пʼятниця березня"},
        {"cs", "cs_CZ", DateRule::nthWeekday(2, 2, 5, 0), "Druhé pondělí května"},
        {"cs", "cs_CZ", DateRule::nthWeekday(4, 5, 11, 0), "Čtvrtý čtvrtek listopadu"},
        {"sv", "sv_SE", DateRule::nthWeekday(2, 1, 5, 0), "Andra söndagen i maj"},
        {"tr", "tr_TR", DateRule::nthWeekday(-1, 2, 5, 0), "Mayıs ayının son Pazartesi günü"},
        {"ko", "ko_KR", DateRule::nthWeekday(2, 1, 5, 0), "5월 둘째 일요일"},
        {"nl", "nl_NL", DateRule::nthWeekday(2, 1, 5, 0), "Tweede zondag van mei"},
    };
    for (const auto& c : cases) {
        const InLanguage in(QString::fromLatin1(c.language), c.locale);
        EXPECT_EQ(ruleDescription(c.rule, in.calendar), c.text) << c.language;
    }
}

// Qt's own Arabic and Hebrew catalogues would mirror the window; without a
// catalogue of Solvane's the window is English, so it stays left to right.
TEST(Languages, AWindowWithoutACatalogueIsEnglishAndLeftToRight) {
    for (const char* locale : {"ar_EG", "he_IL", "fa_IR"}) {
        const InLanguage in(QString::fromLatin1(locale), locale);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight) << locale;
        EXPECT_EQ(translate("Presets", "Fall equinox"), "Fall equinox") << locale;
    }
}

// The zero of the digits in `text` (0 with none); -1 when it mixes systems.
int digitZero(const QString& text) {
    int zero = 0;
    for (const QChar c : text) {
        if (c.isDigit()) {
            const int mine = c.unicode() - c.digitValue();
            if (zero != 0 && zero != mine) {
                return -1;
            }
            zero = mine;
        }
    }
    return zero;
}

BoardData longestBoard(const Calendar& calendar) {
    BoardData b = goldenBoard();
    std::vector<Countdown> countdowns;
    for (const CountdownPreset& preset :
         catalogue(calendar, PresetRegion::of(calendar, b.date, 40.68))) {
        countdowns.push_back(makeCountdown(preset));
    }
    b.countdowns = sortedDisplays(countdowns, b.date, calendar);
    // Each place's own unit; where it is Fahrenheit, three digits of it.
    b.unit = defaultTempUnit(calendar.locale());
    b.weather->temperatureC = b.unit == TempUnit::fahrenheit ? 38.4 : -12.4;  // 101 °F, -12 °C
    b.weather->highC = b.unit == TempUnit::fahrenheit ? 40.1 : -10.2;
    b.weather->cloudCover = 88;
    b.place = "Rancho Santa Margarita, California, United States of America";
    b.sky = SkySnapshot::compute(b.date, 40.68, -73.94, calendar);
    return b;
}

// Each spoken description is one line: every number in it, dates' too, in one system.
TEST(Languages, EachLineReadsOneDigitSystem) {
    const struct {
        const char* locale;
        char16_t zero;
    } cases[] = {{"ar_EG", u'\u0660'}, {"fa_IR", u'\u06F0'}, {"hi_IN", u'0'}};
    for (const auto& c : cases) {
        const InLanguage in(QString::fromLatin1(c.locale), c.locale);
        const BoardData board = longestBoard(in.calendar);
        std::vector<QString> lines = {
            QString::fromStdString(durationText(37500)),
            QString::fromStdString(formatTemperature(-12, TempUnit::celsius)),
            QString::fromStdString(
                relativeDayText(board.date + 14 * 86400.0, board.date, in.calendar)),
            QString::fromStdString(clockTextAP(board.date, in.calendar)),
            QString::fromStdString(
                ruleDescription(DateRule::nthWeekday(-1, 2, 5, -3), in.calendar)),
        };
        for (const CountdownDisplay& row : board.countdowns) {
            lines.push_back(QString::fromStdString(row.unit + " " + row.caption));
        }
        for (const WidgetKindSpec& spec : widgetCatalogue()) {
            for (WidgetFamily family : spec.families) {
                lines.push_back(QString::fromStdString(describeWidget(
                    spec.kind, family, BoardEntry(board.date, BoardData(board), WidgetStyle::dark),
                    in.calendar)));
            }
        }
        for (const QString& line : lines) {
            EXPECT_EQ(digitZero(line), static_cast<int>(c.zero))
                << c.locale << ": " << line.toStdString();
        }
    }
}

// Every face in every shipped language with all the presets as countdowns, a
// three-digit temperature and a long place: no fact is wider than its room.
TEST(Languages, NoFaceCutsAFactInAnyLanguage) {
    std::set<std::string> overfull;
    for (const auto& [language, locale] : shippedLanguages()) {
        // Without a face for its script a text is measured in boxes; the
        // package recommends one, a test machine may not have it.
        if (locale == "hi_IN" && QFontDatabase::families(QFontDatabase::Devanagari).isEmpty()) {
            std::cout << "hi_IN not drawn: no Devanagari face installed\n";
            continue;
        }
        const InLanguage in(language, locale);
        const BoardData board = longestBoard(in.calendar);
        takeOverfullFacts();
        for (const WidgetKindSpec& spec : widgetCatalogue()) {
            for (WidgetFamily family : spec.families) {
                for (bool days : {false, true}) {
                    // Each row has its turn at the top, where the smaller
                    // faces show theirs.
                    for (std::size_t first = 0; first < board.countdowns.size(); ++first) {
                        BoardData turn = board;
                        std::rotate(turn.countdowns.begin(),
                                    turn.countdowns.begin() + static_cast<std::ptrdiff_t>(first),
                                    turn.countdowns.end());
                        face(spec.kind, family,
                             BoardEntry(turn.date, std::move(turn), WidgetStyle::dark, days),
                             RenderingMode::fullColor, ColorScheme::light, in.calendar);
                        if (spec.kind != kCountdownsKind && spec.kind != kSolvaneKind) {
                            break;  // the rows are not on this face
                        }
                    }
                }
                for (const QString& text : takeOverfullFacts()) {
                    overfull.insert(language.toStdString() + " " + spec.kind + " " +
                                    std::string(toString(family)) + ": " + text.toStdString());
                }
            }
        }
    }
    for (const std::string& cut : overfull) {
        ADD_FAILURE() << cut;
    }
}

}  // namespace
}  // namespace solvane::widgets
