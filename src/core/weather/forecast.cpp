#include "core/weather/forecast.h"

#include <tuple>

#include "core/store/default_place.h"

namespace solvane {
namespace {

constexpr double kSecondsPerHour = 3600;

struct SymbolPair {
    std::string_view day;
    std::string_view night;
};

// The sky-dependent names of the condition table (conditions.h); every other
// name draws the same by day and by night.
constexpr SymbolPair kPairs[] = {
    {"sun.max", "moon.stars"},
    {"cloud.sun", "cloud.moon"},
    {"sun.haze", "moon.haze"},
    {"sun.dust", "moon.dust"},
    {"cloud.sun.rain", "cloud.moon.rain"},
    {"cloud.sun.bolt", "cloud.moon.bolt"},
};

// Flurries in sunshine have no moon form: at night they are snow from a
// cloud, as the condition table draws them. The way back is not taken,
// since "cloud.snow" is a daytime name of its own.
constexpr SymbolPair kOneWay{"sun.snow", "cloud.snow"};

bool before(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

}  // namespace

std::string_view nightSymbol(std::string_view symbol) {
    for (const auto& pair : kPairs) {
        if (symbol == pair.day) {
            return pair.night;
        }
    }
    return symbol == kOneWay.day ? kOneWay.night : symbol;
}

std::string_view daySymbol(std::string_view symbol) {
    for (const auto& pair : kPairs) {
        if (symbol == pair.night) {
            return pair.day;
        }
    }
    return symbol;
}

std::vector<HourForecast> upcomingHours(const Forecast& forecast, Instant now, std::size_t count) {
    std::vector<HourForecast> out;
    for (const auto& hour : forecast.hours) {
        if (out.size() >= count) {
            break;
        }
        // The hour under way still counts; written so that a NaN anywhere
        // keeps the hour out.
        if (now < hour.time + kSecondsPerHour) {
            out.push_back(hour);
        }
    }
    return out;
}

std::vector<DayForecast> upcomingDays(const Forecast& forecast, const CivilDate& today,
                                      std::size_t count) {
    std::vector<DayForecast> out;
    for (const auto& day : forecast.days) {
        if (out.size() >= count) {
            break;
        }
        if (!before(day.date, today)) {
            out.push_back(day);
        }
    }
    return out;
}

bool forecastShowable(const Forecast& forecast, Instant now, const Calendar& place) {
    const auto today = place.civilDate(now);
    return today &&
           upcomingHours(forecast, now, kForecastLeastShown).size() == kForecastLeastShown &&
           upcomingDays(forecast, *today, kForecastLeastShown).size() == kForecastLeastShown;
}

Calendar placeCalendar(const Forecast& forecast, const Calendar& user) {
    if (!forecast.zone.empty()) {
        if (auto own = Calendar::make(forecast.zone, user.locale())) {
            return *own;
        }
    }
    if (const auto zone = nearestZone(forecast.latitude, forecast.longitude)) {
        if (auto near = Calendar::make(*zone, user.locale())) {
            return *near;
        }
    }
    return user;
}

}  // namespace solvane
