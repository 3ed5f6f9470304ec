// The providers, the configuration panel's countdowns and the plug-in's guards,
// on a temporary store with a fixed clock and counted weather calls.
#include "widgets/providers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/calendar/fake_event_store.h"
#include "core/test_helpers.h"
#include "support/temp_dir.h"
#include "widgets/catalogue.h"
#include "widgets/entities.h"
#include "widgets/solvane_widgets.h"

namespace solvane::widgets {
namespace {

using solvane::testing::labels;
using solvane::testing::newYork;

Instant at(int y, int m, int d, int hour = 0, int minute = 0) {
    return *newYork().date(y, m, d, hour) + minute * 60.0;
}

Countdown countdownOn(std::string label, Instant day, std::string symbol) {
    Countdown c = solvane::testing::named(std::move(label), DateRule::fixed(day));
    c.symbol = std::move(symbol);
    return c;
}

const EventCalendar kFeed{"vdir:feed", "Launches", "#FF8800", "Personal"};

const BoardEntry& board(const std::shared_ptr<const WidgetEntry>& entry) {
    return dynamic_cast<const BoardEntry&>(*entry);
}

class ProvidersTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    SharedStore store{{dir.path() / "config/g/preferences.sqlite", {}, dir.path() / "data"},
                      "en_US"};
    Instant now = at(2030, 3, 12, 10);
    bool online = true;
    std::shared_ptr<solvane::testing::FakeEventStore> events =
        std::make_shared<solvane::testing::FakeEventStore>();
    int weatherCalls = 0;
    std::size_t queriesBeforeWeather = 0;  // the calendar's, when the weather was last asked

    const Countdown a = countdownOn("A", at(2030, 3, 20), "airplane");
    const Countdown b = countdownOn("B", at(2030, 6, 1), "gift");
    Countdown c = countdownOn("C", at(2030, 4, 2), "star");

    void SetUp() override {
        events->calendarList = {kFeed};
        c.customImage = "0A6B1C2D-3E4F-4A5B-8C6D-7E8F9A0B1C2D.png";
        ASSERT_TRUE(store.saveCountdowns({b, a, c}));
    }

    WidgetEnvironment environment() {
        WeatherCall call = [this](
                               double lat, double lon,
                               const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
            ++weatherCalls;
            queriesBeforeWeather = events->queries.size();
            if (!online) {
                return Failure{WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""})};
            }
            WeatherSnapshot s;
            s.fetched = now;
            s.latitude = lat;
            s.longitude = lon;
            s.condition = "Rain";
            s.temperatureC = 3;
            return s;
        };
        return {store,
                [this] { return now; },
                [] { return newYork(); },
                WeatherServices{call, call, [this] { return now; }, 15},
                events,
                {}};
    }

    Configuration chosen(const std::vector<const Countdown*>& list) const {
        Configuration config;
        auto& ids = config.entityLists["countdowns"];
        for (const Countdown* item : list) {
            ids.push_back(item->id.toString());
        }
        return config;
    }
};

TEST_F(ProvidersTest, TimelineHoldsEightQuarterHoursAndReloadsByWeather) {
    for (const bool withWeather : {true, false}) {
        online = withWeather;
        ASSERT_TRUE(store.setRawValue("weather.v2", "null"));
        weatherCalls = 0;
        const Timeline timeline = makeTimeline(environment(), std::nullopt, WidgetStyle::dark);
        EXPECT_EQ(weatherCalls, 1) << withWeather;
        ASSERT_EQ(timeline.entries.size(), 8u);
        for (int i = 0; i < 8; ++i) {
            const BoardEntry& entry = board(timeline.entries[i]);
            EXPECT_EQ(entry.date(), at(2030, 3, 12, 10, 15 * i));
            EXPECT_EQ(entry.style(), WidgetStyle::dark);
            EXPECT_EQ(entry.data().weather.has_value(), withWeather);
        }
        EXPECT_EQ(timeline.reloadAfter,
                  withWeather ? at(2030, 3, 12, 10, 30) : at(2030, 3, 12, 10, 5));
    }
}

TEST_F(ProvidersTest, RowsFollowTheSelection) {
    SolvaneWidgets plugin(environment());
    const auto rowsOf = [&](std::string_view kind, const Configuration& config) {
        return labels(board(plugin.timeline(kind, config).entries.at(0)).data());
    };
    using Labels = std::vector<std::string>;
    EXPECT_EQ(rowsOf("Countdowns", chosen({&b, &a})), (Labels{"B", "A"}));
    EXPECT_EQ(rowsOf("Solvane", {}), (Labels{"A", "C", "B"}));
    EXPECT_EQ(rowsOf("Solvane", chosen({})), (Labels{"A", "C", "B"}));
    // Sky and Moon offer no choice, so a stray list in their configuration is ignored.
    EXPECT_EQ(rowsOf("Sky", chosen({&b})), (Labels{"A", "C", "B"}));

    ASSERT_TRUE(store.saveCountdowns({c}));
    EXPECT_EQ(rowsOf("Countdowns", chosen({&b, &a})), Labels{});
    const auto snap = plugin.snapshot("Countdowns", chosen({&a}));
    EXPECT_TRUE(board(snap).data().countdowns.empty());
}

TEST_F(ProvidersTest, TimelineBoardsAreTheAssembledBoards) {
    ASSERT_TRUE(store.saveLocation({35.68, 139.69, "Tokyo"}));
    AppSettings settings = store.loadSettings();
    settings.unit = TempUnit::celsius;
    ASSERT_TRUE(store.saveSettings(settings));
    const std::optional<std::vector<Uuid>> selections[] = {
        std::nullopt, std::vector<Uuid>{c.id, Uuid::random(), c.id, a.id}};
    for (const auto& selection : selections) {
        const Timeline timeline = makeTimeline(environment(), selection, WidgetStyle::glass);
        for (const auto& entry : timeline.entries) {
            const auto weather = board(entry).data().weather;
            EXPECT_EQ(board(entry).data(),
                      BoardData::assemble(store, entry->date(), selection, weather, newYork()));
        }
    }
}

TEST_F(ProvidersTest, PlaceholderIsGlassWithTheSampleAndFetchesNothing) {
    SolvaneWidgets plugin(environment());
    const auto entry = plugin.placeholder("Countdowns");
    EXPECT_EQ(weatherCalls, 0);
    EXPECT_TRUE(events->queries.empty());
    EXPECT_EQ(board(entry).date(), now);
    EXPECT_EQ(board(entry).style(), WidgetStyle::glass);
    EXPECT_EQ(labels(board(entry).data()), (std::vector<std::string>{"A", "C", "B"}));
    const auto& weather = board(entry).data().weather;
    ASSERT_TRUE(weather);
    EXPECT_EQ(weather->condition, "Partly Cloudy");
    EXPECT_DOUBLE_EQ(weather->latitude, defaultLocation().latitude);
}

// Offline, the snapshot shows the sample and the timeline none (HostDescribeCli
// hears both); back online, the snapshot shows what was fetched.
TEST_F(ProvidersTest, OnlineSnapshotShowsTheFetchedWeather) {
    online = false;
    EXPECT_EQ(makeEntry(environment(), std::nullopt, WidgetStyle::light)->style(),
              WidgetStyle::light);
    online = true;
    EXPECT_EQ(makeEntry(environment(), std::nullopt, WidgetStyle::glass)->data().weather->condition,
              "Rain");
}

TEST_F(ProvidersTest, FeedSyncRunsBeforeTheTimelineIsBuilt) {
    AppSettings settings = store.loadSettings();
    settings.feedCalendarIDs = {kFeed.id};
    ASSERT_TRUE(store.saveSettings(settings));
    events->stored = {{"launch-1", "Launch", at(2030, 3, 15), at(2030, 3, 16), true, kFeed}};

    const Timeline timeline = makeTimeline(environment(), std::nullopt, WidgetStyle::glass);
    EXPECT_GE(queriesBeforeWeather, 1u) << "the weather was asked before the sync";
    for (const auto& entry : timeline.entries) {
        EXPECT_EQ(labels(board(entry).data()), (std::vector<std::string>{"Launch", "A", "C", "B"}));
    }
}

// The Forecast widget (its hour's cache is the fetcher's) marks the night, and
// with none says so and asks again soon; the gallery never asks.
TEST_F(ProvidersTest, ForecastTimelineMarksTheNightAndAsksSoonWithoutOne) {
    int forecastCalls = 0;
    WidgetEnvironment env = environment();
    env.forecast.clock = [this] { return now; };
    env.forecast.openMeteo = [&](double lat, double lon,
                                 const net::CancelToken&) -> Result<Forecast, WeatherError> {
        ++forecastCalls;
        if (!online) {
            return Failure{WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, ""})};
        }
        Forecast f = sampleForecast(now, newYork(), defaultLocation());
        f.latitude = lat;
        f.longitude = lon;
        for (HourForecast& h : f.hours) {
            h.symbol = "sun.max";  // as the service gives it, whatever the hour
        }
        return f;
    };
    const Timeline first = makeForecastTimeline(env, WidgetStyle::dark, false);
    ASSERT_EQ(first.entries.size(), static_cast<std::size_t>(kTimelineEntries));
    EXPECT_EQ(forecastCalls, 1);
    const BoardData& data = board(first.entries.front()).data();
    ASSERT_TRUE(data.forecast);
    EXPECT_TRUE(data.countdowns.empty());
    EXPECT_EQ(board(first.entries.front()).style(), WidgetStyle::dark);
    // 10 AM in New York: this hour is day; 11 PM the same day is night.
    const auto hours = upcomingHours(*data.forecast, now, 24);
    ASSERT_GE(hours.size(), 14u);
    EXPECT_EQ(hours[0].symbol, "sun.max");
    EXPECT_EQ(hours[13].symbol, "moon.stars");
    EXPECT_EQ(first.reloadAfter, now + kReloadWithWeatherSeconds);

    online = false;
    ASSERT_TRUE(store.setRawValue("forecast.v1", "null"));
    const Timeline none = makeForecastTimeline(env, WidgetStyle::dark, true);
    EXPECT_FALSE(board(none.entries.front()).data().forecast);
    EXPECT_TRUE(board(none.entries.front()).showsDays());
    EXPECT_EQ(none.reloadAfter, now + kReloadWithoutWeatherSeconds);

    SolvaneWidgets plugin(env);
    const int before = forecastCalls;
    Configuration days;
    days.choices["show"] = "days";
    const auto snapshot = plugin.snapshot(kForecastKind, days);
    ASSERT_TRUE(snapshot);
    EXPECT_TRUE(board(snapshot).data().forecast && board(snapshot).showsDays()) << "the sample";
    EXPECT_EQ(forecastCalls, before);
    // The sample's nights are the shown place's: 10 AM in New York is
    // midnight in Tokyo.
    ASSERT_TRUE(store.saveLocation({35.68, 139.69, "Tokyo"}));
    const auto tokyo = plugin.snapshot(kForecastKind, days);
    ASSERT_TRUE(tokyo && board(tokyo).data().forecast);
    const auto tokyoHours = upcomingHours(*board(tokyo).data().forecast, now, 1);
    ASSERT_EQ(tokyoHours.size(), 1u);
    EXPECT_TRUE(tokyoHours[0].symbol.find("moon") != std::string::npos) << tokyoHours[0].symbol;
}

// The countdowns the configuration panel offers, read afresh from the store
// at every call.
TEST_F(ProvidersTest, EntitiesFollowTheStoreInTheAskedOrder) {
    const CountdownQuery query{store, [] { return newYork(); }, [this] { return now; }};
    // The plug-in takes identifiers as text and skips what does not parse.
    const auto plugin = makeSolvaneWidgets(environment());
    EXPECT_EQ(
        plugin->entitiesForIdentifiers({b.id.toString(), "garbage", Uuid::random().toString()}),
        (std::vector<Entity>{{b.id.toString(), "B", "gift"}}));
    EXPECT_EQ(plugin->suggestedEntities().size(), 3u);
    EXPECT_EQ(query.entitiesForIdentifiers({c.id, a.id}),
              (std::vector<CountdownEntity>{{c.id, "C", "star"}, {a.id, "A", "airplane"}}));
    // In stored order; the panel shows symbols only, so C's custom image does not count.
    EXPECT_EQ(query.suggestedEntities(),
              (std::vector<CountdownEntity>{
                  {b.id, "B", "gift"}, {a.id, "A", "airplane"}, {c.id, "C", "star"}}));

    ASSERT_TRUE(store.saveCountdowns({b, c}));
    EXPECT_EQ(query.entitiesForIdentifiers({c.id, a.id}),
              (std::vector<CountdownEntity>{{c.id, "C", "star"}}));
    ASSERT_TRUE(store.saveCountdowns({}));
    EXPECT_TRUE(query.suggestedEntities().empty());
}

TEST(WidgetConfiguration, SelectionAndStyleReadBoundedFromAnyConfiguration) {
    Configuration config;
    EXPECT_EQ(selectedCountdowns(config), std::nullopt);
    EXPECT_EQ(selectedStyle(config), WidgetStyle::glass);

    const Uuid first = Uuid::random();
    const Uuid second = Uuid::random();
    config.entityLists["countdowns"] = {second.toString(), "not-an-id", "", first.toString()};
    config.choices["style"] = "dark";
    EXPECT_EQ(selectedCountdowns(config), (std::vector<Uuid>{second, first}));
    EXPECT_EQ(selectedStyle(config), WidgetStyle::dark);

    config.entityLists["countdowns"] = {};
    config.choices["style"] = "neon";
    EXPECT_EQ(selectedCountdowns(config), std::vector<Uuid>{});
    EXPECT_EQ(selectedStyle(config), WidgetStyle::glass);
}

TEST_F(ProvidersTest, PluginAnswersBoundedWhenItsEnvironmentFails) {
    WidgetEnvironment broken = environment();
    broken.calendar = []() -> Calendar { throw std::runtime_error("no calendar"); };
    SolvaneWidgets plugin(std::move(broken));
    EXPECT_EQ(plugin.placeholder("Solvane"), nullptr);
    EXPECT_EQ(plugin.snapshot("Solvane", {}), nullptr);
    const Timeline timeline = plugin.timeline("Solvane", {});
    EXPECT_TRUE(timeline.entries.empty());
    EXPECT_EQ(timeline.reloadAfter, now + 300);
    EXPECT_TRUE(plugin.suggestedEntities().empty());

    // An entry the plug-in did not make is not drawn.
    struct Foreign : WidgetEntry {
        Instant date() const override { return {}; }
    };
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    plugin.paint(painter, QRectF(0, 0, 40, 40), "Moon", WidgetFamily::small,
                 RenderingMode::fullColor, ColorScheme::light, QColor(), Foreign{});
    painter.end();
    EXPECT_EQ(image.pixel(20, 20), 0u);
    EXPECT_EQ(plugin.describe("Moon", WidgetFamily::small, Foreign{}), "");
}

}  // namespace
}  // namespace solvane::widgets
