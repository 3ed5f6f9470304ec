#include "platform/weather_services.h"

#include <cstdlib>
#include <string>

#include "core/weather/open_meteo.h"
#include "platform/system_clock.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::platform {

WeatherServices standardWeatherServices(const Calendar& calendar) {
    const char* override = std::getenv("SOLVANE_OPEN_METEO_URL");
    std::string openMeteoEndpoint =
        override != nullptr && *override != '\0' ? override : std::string(kOpenMeteoEndpoint);
    // "de_DE" asks for German texts; WeatherKit takes the language part.
    const std::string& locale = calendar.locale();
    std::string language = locale.substr(0, locale.find('_'));
    if (language.empty()) {
        language = "en";
    }

    WeatherServices services;
    services.clock = systemNow;
    services.apple = weatherKitCall(WeatherKitConfig::standard(calendar.zoneId(), language));
    services.openMeteo = [endpoint = std::move(openMeteoEndpoint)](
                             double latitude, double longitude, const net::CancelToken& cancel) {
        return fetchOpenMeteo(endpoint, latitude, longitude, systemNow, cancel);
    };
    return services;
}

WeatherServices standardWeatherServices(std::function<Calendar()> calendar) {
    const Calendar now = calendar();
    WeatherServices services = standardWeatherServices(now);
    const std::string& locale = now.locale();
    std::string language = locale.substr(0, locale.find('_'));
    services.apple = [calendar = std::move(calendar), language = std::move(language)](
                         double latitude, double longitude, const net::CancelToken& cancel) {
        return fetchWeatherKit(WeatherKitConfig::standard(calendar().zoneId(), language), latitude,
                               longitude, cancel);
    };
    return services;
}

}  // namespace solvane::platform
