// Feeds arbitrary bytes to the WeatherKit forecast parser, as a hostile or
// broken server might. A reply either fails with its one printable case or
// gives a forecast for the requested place with hours and days in order,
// finite numbers, chances within 0…100 and symbols from the documented set,
// which the store keeps unchanged.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/weather/conditions.h"
#include "core/weather/forecast_json.h"
#include "platform/weatherkit/weatherkit.h"

namespace {

using namespace solvane;
using namespace solvane::platform;

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

// A row's symbol by day or by night, or the plain cloud of an unknown code.
bool documentedSymbol(std::string_view symbol) {
    return symbol == "cloud" ||
           std::ranges::any_of(weatherConditions(), [&](const WeatherCondition& c) {
               return c.daySymbol == symbol || c.nightSymbol == symbol;
           });
}

bool chanceInRange(const std::optional<double>& chance) {
    return !chance || (*chance >= 0 && *chance <= 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Instant stamp{740000000};
    // East of Greenwich, so each day's date is not its UTC one.
    const auto parsed = parseWeatherKitForecast(bytes, 40.5, -74.25, stamp, "Asia/Tokyo");
    if (!parsed) {
        check(parsed.error().printable() == "WeatherKitError.decoding");
        return 0;
    }
    const Forecast& f = *parsed;
    check(f.latitude == 40.5 && f.longitude == -74.25 && f.fetched == stamp);
    check(f.source == WeatherSource::apple && f.requested == WeatherSource::apple);
    check(!f.hours.empty() && f.hours.size() <= kForecastMaxHours);
    check(!f.days.empty() && f.days.size() <= kForecastMaxDays);
    for (std::size_t i = 0; i < f.hours.size(); ++i) {
        const HourForecast& h = f.hours[i];
        check(std::isfinite(h.time.seconds) && std::isfinite(h.temperatureC));
        check(!h.condition.empty() && documentedSymbol(h.symbol));
        check(chanceInRange(h.precipitationChance));
        check(i == 0 || f.hours[i - 1].time < h.time);
    }
    for (std::size_t i = 0; i < f.days.size(); ++i) {
        const DayForecast& d = f.days[i];
        check(std::isfinite(d.highC) && std::isfinite(d.lowC));
        check(!d.condition.empty() && documentedSymbol(d.symbol));
        check(chanceInRange(d.precipitationChance));
        check(i == 0 ||
              std::tie(f.days[i - 1].date.year, f.days[i - 1].date.month, f.days[i - 1].date.day) <
                  std::tie(d.date.year, d.date.month, d.date.day));
    }
    const auto stored = decodeForecast(encodeForecast(f));
    check(stored && *stored == f);
    return 0;
}
