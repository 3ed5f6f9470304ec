#include "widgets/providers.h"

#include <algorithm>
#include <utility>

#include "core/calendar/calendar_sync.h"
#include "core/model/countdown_display.h"
#include "core/store/board_data.h"

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
    // No source: the stored setting decides. No forcing: a fresh cached
    // snapshot answers without the network.
    return WeatherFetcher::fetch(environment.store, environment.weather, place, std::nullopt,
                                 false);
}

}  // namespace

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
    return std::make_shared<const BoardEntry>(
        now,
        BoardData::assemble(BoardSources::load(environment.store, calendar, now, true), now,
                            selection, std::move(weather), calendar),
        style);
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
    BoardSources sources = BoardSources::load(environment.store, calendar, now, true);
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

}  // namespace solvane::widgets
