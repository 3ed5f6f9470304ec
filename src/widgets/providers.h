// The timeline providers: the quick placeholder, the snapshot for the
// gallery, and the timeline of eight boards a quarter of an hour apart.
//
// Everything the providers touch outside memory comes in through
// WidgetEnvironment, so tests run them on a temporary store, a fixed clock,
// fake weather services and a fake calendar database.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/calendar/event_store.h"
#include "core/store/shared_store.h"
#include "core/store/widget_style.h"
#include "core/time/calendar.h"
#include "core/util/uuid.h"
#include "core/weather/background_fetch.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"
#include "widgets/board_entry.h"
#include "widgets/widget_plugin.h"

namespace solvane::widgets {

inline constexpr int kTimelineEntries = 8;
inline constexpr double kEntrySpacingSeconds = 15 * 60;
// Without weather the widget asks again soon, in case the network is back.
inline constexpr double kReloadWithoutWeatherSeconds = 5 * 60;
inline constexpr double kReloadWithWeatherSeconds = 30 * 60;

struct WidgetEnvironment {
    SharedStore store;
    std::function<Instant()> clock;
    std::function<Calendar()> calendar;
    WeatherServices weather;
    std::shared_ptr<EventStore> events;  // null: no feed sync
    // Brings calendars fetched from elsewhere (subscriptions) up to date
    // without waiting for them; called before each feed sync. Empty: none.
    std::function<void()> refreshCalendars;
    // What the host wants to hear (shared with workers that outlive a call);
    // empty until the host hands them in.
    std::shared_ptr<HostNotices> notices = std::make_shared<HostNotices>();
    // The folders a calendar watch follows, and where a source that reports
    // its own changes (EDS) is told whom to tell; empty: no watching.
    std::function<std::vector<std::filesystem::path>()> watchCalendars{};
    std::function<void(std::function<void()>)> onCalendarChange{};
    // Asked only by the widgets that show a forecast.
    ForecastServices forecast{};
    // In a host that keeps running, fetches run here and timelines show
    // what is stored; none (a one-off render, a test): fetched in the call.
    std::shared_ptr<BackgroundFetch> background{};

    // The user's store, the wall clock, the user's calendar, the real weather
    // services and the user's calendar database (which is only read: the
    // plug-in never asks for access).
    static WidgetEnvironment standard();
};

// The weather shown where none can be had, made at the first call and then
// kept for the life of the process; `clock` gives its fetch time.
const WeatherSnapshot& sampleWeather(const std::function<Instant()>& clock);

// The forecast shown where none can be had (the gallery's picture): a week of
// hours and days from the hour `now` falls in, on the clock and days of
// `calendar`, with the night hours of `place`.
Forecast sampleForecast(Instant now, const Calendar& calendar, const SavedLocation& place);

// All countdowns, the sample weather, glass; no weather fetch, no feed sync.
std::shared_ptr<const BoardEntry> makePlaceholder(const WidgetEnvironment& environment);

// The board for now, with the sample weather when none can be had.
std::shared_ptr<const BoardEntry> makeEntry(const WidgetEnvironment& environment,
                                            const std::optional<std::vector<Uuid>>& selection,
                                            WidgetStyle style);

// Runs the feed sync, takes the weather once and builds the boards for now
// and every quarter hour up to 105 minutes on; no sample weather here, so the
// widget shows that it has none and asks again after 5 minutes, not 30. With
// a background fetch the weather is what is stored, and a fetch that is due
// runs meanwhile: the call never waits for the network.
Timeline makeTimeline(const WidgetEnvironment& environment,
                      const std::optional<std::vector<Uuid>>& selection, WidgetStyle style);

// The Forecast widget's: the place's forecast (an hour's cache, else the
// service) with night hours marked, on boards for now and every quarter
// hour up to 105 minutes on; with none, the boards say so and the widget
// asks again after 5 minutes.
Timeline makeForecastTimeline(const WidgetEnvironment& environment, WidgetStyle style,
                              bool showsDays);

// The gallery's Forecast: the sample forecast.
std::shared_ptr<const BoardEntry> makeForecastPlaceholder(const WidgetEnvironment& environment,
                                                          WidgetStyle style = WidgetStyle::glass,
                                                          bool showsDays = false);

}  // namespace solvane::widgets
