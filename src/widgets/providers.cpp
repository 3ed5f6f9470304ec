#include "widgets/providers.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/calendar/calendar_sync.h"
#include "core/model/countdown_display.h"
#include "core/store/board_data.h"
#include "core/weather/forecast_display.h"

namespace solvane::widgets {

const WeatherSnapshot& sampleWeather(const std::function<Instant()>& clock) {
    static const WeatherSnapshot sample = [&] {
        const SavedLocation place = defaultLocation();
        WeatherSnapshot s;
        s.fetched = clock();
        s.latitude = place.latitude;
        s.longitude = place.longitude;
        s.source = WeatherSource::openMeteo;
        s.requested = WeatherSource::openMeteo;
        s.temperatureC = 14.4;
        s.feelsLikeC = 12.8;
        s.highC = 16.7;
        s.lowC = 8.3;
        s.condition = "Partly Cloudy";
        s.symbol = "cloud.sun";
        s.windKph = 14.5;
        s.windDirection = 225;
        s.cloudCover = 40;
        return s;
    }();
    return sample;
}

namespace {

std::optional<WeatherSnapshot> fetchWeather(const WidgetEnvironment& environment,
                                            const SavedLocation& place) {
    if (!environment.background) {
        // No source: the stored setting decides. No forcing: a fresh cached
        // snapshot answers without the network.
        return WeatherFetcher::fetch(environment.store, environment.weather, place, std::nullopt,
                                     false);
    }
    // The host's thread shows what is stored; the widgets are built again
    // when the fetch has stored something new.
    if (WeatherFetcher::due(environment.store, environment.weather, place)) {
        environment.background->weather(place);
    }
    return WeatherFetcher::stored(environment.store, place);
}

std::optional<Forecast> fetchForecast(const WidgetEnvironment& environment,
                                      const SavedLocation& place) {
    if (!environment.background) {
        return ForecastFetcher::fetch(environment.store, environment.forecast, place, std::nullopt,
                                      false);
    }
    if (ForecastFetcher::due(environment.store, environment.forecast, place)) {
        environment.background->forecast(place);
    }
    return ForecastFetcher::cached(environment.store, place);
}

}  // namespace

Forecast sampleForecast(Instant now, const Calendar& calendar, const SavedLocation& place) {
    Forecast f;
    f.fetched = now;
    f.latitude = place.latitude;
    f.longitude = place.longitude;
    const double hourStart = std::floor(now.unixSeconds() / 3600) * 3600;
    // A mild week: a day's swing of ten degrees, a wet spell in the middle.
    static constexpr const char* kSymbols[] = {"sun.max",    "cloud.sun", "cloud",
                                               "cloud.rain", "cloud.sun", "sun.max"};
    for (int h = 0; h < 7 * 24; ++h) {
        HourForecast hour;
        hour.time = Instant::fromUnix(hourStart + h * 3600.0);
        // Warmest at 3 PM on the place's clock, coldest at 3 AM.
        const auto midnight = calendar.startOfDay(hour.time);
        const double clockHour =
            midnight ? (hour.time.unixSeconds() - midnight->unixSeconds()) / 3600.0 : 0;
        hour.temperatureC = 12 + 5 * std::sin((clockHour - 9) * 3.14159265 / 12) - h / 48.0;
        hour.symbol = kSymbols[(h / 8) % 6];
        hour.precipitationChance = hour.symbol == "cloud.rain" ? 60.0 : 0.0;
        f.hours.push_back(hour);
    }
    for (int d = 0; d < 7; ++d) {
        const auto day0 = calendar.addDays(now, d);
        const auto date = day0 ? calendar.civilDate(*day0) : std::nullopt;
        if (!date) {
            break;
        }
        DayForecast day;
        day.date = *date;
        day.highC = 17 - d * 0.5 + (d % 3);
        day.lowC = 7 - d * 0.5;
        day.symbol = kSymbols[d % 6];
        day.precipitationChance = day.symbol == "cloud.rain" ? 70.0 : 10.0;
        f.days.push_back(day);
    }
    markNightHours(f, place.latitude, place.longitude);
    return f;
}

std::shared_ptr<const BoardEntry> makePlaceholder(const WidgetEnvironment& environment) {
    const Instant now = environment.clock();
    const Calendar calendar = environment.calendar();
    return std::make_shared<const BoardEntry>(
        now,
        BoardData::assemble(environment.store, now, std::nullopt, sampleWeather(environment.clock),
                            calendar),
        WidgetStyle::glass);
}

std::shared_ptr<const BoardEntry> makeEntry(const WidgetEnvironment& environment,
                                            const std::optional<std::vector<Uuid>>& selection,
                                            WidgetStyle style) {
    const Calendar calendar = environment.calendar();
    std::optional<WeatherSnapshot> weather =
        fetchWeather(environment, environment.store.loadLocation(calendar));
    if (!weather) {
        weather = sampleWeather(environment.clock);
    }
    const Instant now = environment.clock();
    const BoardSources sources =
        BoardSources::load(environment.store, calendar, now, true)
            .valueOr(BoardSources::withoutCountdowns(environment.store, calendar));
    return std::make_shared<const BoardEntry>(
        now, BoardData::assemble(sources, now, selection, std::move(weather), calendar), style);
}

Timeline makeTimeline(const WidgetEnvironment& environment,
                      const std::optional<std::vector<Uuid>>& selection, WidgetStyle style) {
    const Calendar calendar = environment.calendar();
    if (environment.refreshCalendars) {
        environment.refreshCalendars();
    }
    if (environment.events) {
        // What it saved is read below with the rest of the store; the other
        // programs showing the list hear of a change from the host.
        const FeedSyncOutcome sync =
            syncFeeds(environment.store, *environment.events, environment.clock(), calendar);
        if (sync.changed && sync.saved && environment.notices->storeWritten) {
            environment.notices->storeWritten();
        }
    }
    const SavedLocation place = environment.store.loadLocation(calendar);
    const std::optional<WeatherSnapshot> weather = fetchWeather(environment, place);

    // Each store read opens the database afresh, which costs more than all
    // eight boards together; one read after the feed sync serves every entry,
    // and the entries agree with each other even while the application saves.
    // One `now` for all entries, so they fall exactly a quarter hour apart.
    const Instant now = environment.clock();
    auto read = BoardSources::load(environment.store, calendar, now, true);
    if (!read) {
        // No entries: the host keeps what it shows and asks again soon,
        // rather than showing defaults as the user's countdowns.
        return Timeline{{}, now + kReloadWithoutWeatherSeconds};
    }
    BoardSources sources = std::move(*read);
    sources.place = place;
    Timeline timeline;
    timeline.entries.reserve(kTimelineEntries);
    for (int i = 0; i < kTimelineEntries; ++i) {
        const Instant moment = now + i * kEntrySpacingSeconds;
        timeline.entries.push_back(std::make_shared<const BoardEntry>(
            moment, BoardData::assemble(sources, moment, selection, weather, calendar), style));
    }
    timeline.reloadAfter =
        now + (weather ? kReloadWithWeatherSeconds : kReloadWithoutWeatherSeconds);
    return timeline;
}

Timeline makeForecastTimeline(const WidgetEnvironment& environment, WidgetStyle style,
                              bool showsDays) {
    const Calendar calendar = environment.calendar();
    const SavedLocation place = environment.store.loadLocation(calendar);
    std::optional<Forecast> forecast = fetchForecast(environment, place);
    if (forecast) {
        // Once per timeline: every entry shows the same hours.
        markNightHours(*forecast, place.latitude, place.longitude);
    }
    const Instant now = environment.clock();
    // The face shows no countdowns: none are read, and each board has none to sort.
    const BoardSources sources{place, {}, environment.store.loadSettings().unit};
    Timeline timeline;
    timeline.entries.reserve(kTimelineEntries);
    for (int i = 0; i < kTimelineEntries; ++i) {
        const Instant moment = now + i * kEntrySpacingSeconds;
        BoardData data = BoardData::assemble(sources, moment, std::nullopt, std::nullopt, calendar);
        data.forecast = forecast;
        timeline.entries.push_back(
            std::make_shared<const BoardEntry>(moment, std::move(data), style, showsDays));
    }
    timeline.reloadAfter =
        now + (forecast ? kReloadWithWeatherSeconds : kReloadWithoutWeatherSeconds);
    return timeline;
}

std::shared_ptr<const BoardEntry> makeForecastPlaceholder(const WidgetEnvironment& environment,
                                                          WidgetStyle style, bool showsDays) {
    const Instant now = environment.clock();
    const Calendar calendar = environment.calendar();
    const BoardSources sources{
        environment.store.loadLocation(calendar), {}, environment.store.loadSettings().unit};
    BoardData data = BoardData::assemble(sources, now, std::nullopt, std::nullopt, calendar);
    data.forecast = sampleForecast(now, calendar, sources.place);
    return std::make_shared<const BoardEntry>(now, std::move(data), style, showsDays);
}

}  // namespace solvane::widgets
