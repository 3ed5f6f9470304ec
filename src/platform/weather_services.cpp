#include "platform/weather_services.h"

#include <cstdlib>
#include <string>

#include "core/store/default_place.h"
#include "core/weather/open_meteo.h"
#include "platform/system_clock.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {

namespace {

std::string openMeteoEndpoint() {
    const char* override = std::getenv("SOLVANE_OPEN_METEO_URL");
    return override != nullptr && *override != '\0' ? override : std::string(kOpenMeteoEndpoint);
}

// "de_DE" asks for German texts; WeatherKit takes the language part.
std::string languageOf(const Calendar& calendar) {
    const std::string& locale = calendar.locale();
    std::string language = locale.substr(0, locale.find('_'));
    return language.empty() ? std::string("en") : language;
}

}  // namespace

WeatherServices standardWeatherServices(const Calendar& calendar) {
    WeatherServices services;
    services.clock = systemNow;
    services.apple =
        weatherKitCall(WeatherKitConfig::standard(calendar.zoneId(), languageOf(calendar)));
    services.openMeteo = [endpoint = openMeteoEndpoint()](double latitude, double longitude,
                                                          const net::CancelToken& cancel) {
        return fetchOpenMeteo(endpoint, latitude, longitude, systemNow, cancel);
    };
    return services;
}

WeatherServices standardWeatherServices(std::function<Calendar()> calendar) {
    const Calendar now = calendar();
    WeatherServices services = standardWeatherServices(now);
    services.apple = [calendar = std::move(calendar), language = languageOf(now)](
                         double latitude, double longitude, const net::CancelToken& cancel) {
        return fetchWeatherKit(WeatherKitConfig::standard(calendar().zoneId(), language), latitude,
                               longitude, cancel);
    };
    return services;
}

namespace {

// Apple Weather dates a forecast's days in the zone it is given: the
// place's, not the computer's, so a Tokyo forecast seen from Berlin has
// Tokyo's days.
std::string placeZone(double latitude, double longitude, const Calendar& fallback) {
    return nearestZone(latitude, longitude).value_or(fallback.zoneId());
}

}  // namespace

ForecastServices standardForecastServices(const Calendar& calendar) {
    ForecastServices services;
    services.clock = systemNow;
    services.apple = [calendar, language = languageOf(calendar)](double latitude, double longitude,
                                                                 const net::CancelToken& cancel) {
        return fetchWeatherKitForecast(
            WeatherKitConfig::standard(placeZone(latitude, longitude, calendar), language),
            latitude, longitude, cancel);
    };
    services.openMeteo = [endpoint = openMeteoEndpoint()](double latitude, double longitude,
                                                          const net::CancelToken& cancel) {
        return fetchOpenMeteoForecast(endpoint, latitude, longitude, systemNow, cancel);
    };
    return services;
}

ForecastServices standardForecastServices(std::function<Calendar()> calendar) {
    const Calendar now = calendar();
    ForecastServices services = standardForecastServices(now);
    services.apple = [calendar = std::move(calendar), language = languageOf(now)](
                         double latitude, double longitude, const net::CancelToken& cancel) {
        return fetchWeatherKitForecast(
            WeatherKitConfig::standard(placeZone(latitude, longitude, calendar()), language),
            latitude, longitude, cancel);
    };
    return services;
}

}  // namespace solvane::platform
