#include "core/weather/forecast_display.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/sky/sky_math.h"
#include "core/sky/sun_position.h"
#include "core/sky/sun_times.h"
#include "core/weather/conditions.h"

namespace solvane {

void markNightHours(Forecast& forecast, double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::fabs(latitude) > 90) {
        return;
    }
    const double threshold = std::sin(sky::kSunriseAltitude);
    // One solar track serves a day either side of its epoch, so a week of
    // hours needs a handful of them, not one per hour.
    std::optional<sky::SunTrack> track;
    for (HourForecast& hour : forecast.hours) {
        if (!std::isfinite(hour.time.unixSeconds())) {
            continue;
        }
        const double d = sky::dayNumber(hour.time);
        if (!track || std::fabs(d - track->epoch) > 0.75) {
            track = sky::sunTrack(d);
        }
        if (sky::sunSinAltitudeAt(*track, latitude, longitude, d) < threshold) {
            hour.symbol = std::string(nightSymbol(hour.symbol));
        }
    }
}

std::vector<HourForecast> hourSteps(const Forecast& forecast, Instant now, int step,
                                    std::size_t count) {
    const auto every = static_cast<std::size_t>(std::max(step, 1));
    const std::vector<HourForecast> hours = upcomingHours(forecast, now, every * count);
    std::vector<HourForecast> out;
    for (std::size_t i = 0; i < hours.size() && out.size() < count; i += every) {
        out.push_back(hours[i]);
    }
    return out;
}

namespace {

std::string_view conditionOrSymbols(const std::string& condition, const std::string& symbol) {
    return condition.empty() ? symbolCondition(symbol) : std::string_view(condition);
}

}  // namespace

std::string_view shownCondition(const HourForecast& hour) {
    return conditionOrSymbols(hour.condition, hour.symbol);
}

std::string_view shownCondition(const DayForecast& day) {
    return conditionOrSymbols(day.condition, day.symbol);
}

std::optional<double> chanceForRestOfDay(const Forecast& forecast, Instant now,
                                         const Calendar& user) {
    // The place's day, which is not the computer's when they lie apart.
    const Calendar calendar = placeCalendar(forecast, user);
    if (!forecastShowable(forecast, now, calendar)) {
        return std::nullopt;
    }
    const auto today = calendar.civilDate(now);
    std::optional<double> highest;
    for (const HourForecast& h : upcomingHours(forecast, now, kForecastHoursShown)) {
        if (!today || calendar.civilDate(h.time) != today) {
            break;
        }
        if (h.precipitationChance && std::isfinite(*h.precipitationChance)) {
            highest = std::max(highest.value_or(0.0), *h.precipitationChance);
        }
    }
    return highest;
}

}  // namespace solvane
