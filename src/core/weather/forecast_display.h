// What the forecast views take from a forecast: the hours they show, each
// with the symbol of the sky at that hour (a night form after sunset and
// before sunrise, from the sun's altitude at the place, not from the
// service), and the condition each names.
//
//   Forecast shown = forecast;
//   markNightHours(shown, place.latitude, place.longitude);
//   for (const HourForecast& h : hourSteps(shown, now, 3, 6)) …
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/time/calendar.h"
#include "core/weather/forecast.h"

namespace solvane {

// Every hour whose start has the sun's upper limb below the horizon at the
// place takes the night form of its symbol. A place that is not finite
// changes nothing.
void markNightHours(Forecast& forecast, double latitude, double longitude);

// `count` hours `step` hours apart, the first the one `now` falls in; fewer
// when the forecast runs out. A step below 1 counts as 1.
std::vector<HourForecast> hourSteps(const Forecast& forecast, Instant now, int step,
                                    std::size_t count);

// The condition an hour or a day names, in English, for the
// "WeatherCondition" catalogue context: the one the service gave, or for a
// record from before conditions were kept, the one its symbol stands for
// (symbolCondition). The same at night as by day.
std::string_view shownCondition(const HourForecast& hour);
std::string_view shownCondition(const DayForecast& day);

// The highest chance of precipitation over the hours left of the place's day
// of `now` (the hour under way included); absent without a shown forecast
// or a chance in those hours.
std::optional<double> chanceForRestOfDay(const Forecast& forecast, Instant now,
                                         const Calendar& calendar);

}  // namespace solvane
