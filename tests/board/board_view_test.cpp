// The full board: its layout rules, the standalone surfaces it is drawn on,
// and whole renders held against reviewed pictures.
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "board/backdrop.h"
#include "board/board_view.h"
#include "board/canvas.h"
#include "board/components.h"
#include "board/layout.h"
#include "board/sky_cards.h"
#include "board/sky_drawings.h"
#include "core/time/text_format.h"

#include "core/test_helpers.h"
#include "support/fixed_weather.h"
#include "support/golden.h"

namespace solvane {
namespace {

using testing::at;
using testing::newYork;
using testing::pixelAt;
using testing::render;

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

// The rest of the placement is in the reviewed pictures; a hairline is too
// thin for their tolerance.
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

// However long the place, the date is whole; the place yields first, keeping
// a few characters, and the credit keeps its room. Without weather there is
// no credit and the place ends at the board's edge.
TEST(BoardLayout, HeaderKeepsTheDateWholeAndThePlaceYieldsFirst) {
    const TextStyle dateFont{12, FontWeight::medium};
    const TextStyle placeFont{12};
    BoardData board = sampleBoard(true, true);
    const QString date = QString::fromStdString(longDateLabel(board.date, newYork()));
    const std::string sixty = "Rancho Santa Margarita, California, United States of America";
    ASSERT_EQ(sixty.size(), 60u);
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

// Under the midnight sun the day is 24 hours long and the sun stands on the
// arc by the time of day; in the polar night there is no light, no sun and
// no golden stretch. Hours that never end or never begin read one dash.
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
    EXPECT_EQ(night.allDaySun, AllDaySun::down);
    EXPECT_EQ(dayLengthText(night), "0m light");
    EXPECT_FALSE(night.allDayProgress.has_value());
    EXPECT_EQ(clockSpan(night.goldenStart, night.sunset, oslo), "—");

    const Palette& palette = Palette::forStyle(WidgetStyle::dark);
    const QColor background(22, 22, 24);
    const QRectF box(0, 0, 200, 54);
    const auto arc = [&](const SkySnapshot& sky) {
        return render(box.size(), 1, background,
                      [&](QPainter& p) { paintSunArc(p, box, sky, palette, ColorScheme::dark); });
    };
    const QImage midnightSun = arc(day);
    EXPECT_EQ(pixelAt(midnightSun, skyArcPoint(box, *day.allDayProgress)),
              palette.fg.resolve(ColorScheme::dark));
    const QColor accent = palette.accent.resolve(ColorScheme::dark);
    EXPECT_NE(pixelAt(arc(night), skyArcPoint(box, 0.95)), accent) << "no golden stretch";
}

// The card's colours and the glass wallpaper are in the reviewed pictures;
// these edges are too few pixels for their tolerance to notice.
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
