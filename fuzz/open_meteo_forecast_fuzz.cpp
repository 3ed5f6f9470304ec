// Feeds arbitrary bytes to the Open-Meteo forecast parser, as a hostile or
// broken server might. A reply either fails with a decoding error or gives a
// forecast for the requested place that the views can take as it is (hours
// an hour or more apart in order, real days in order, finite numbers,
// chances within 0…100, symbols to draw) and that the store keeps unchanged,
// since the fetcher writes every forecast it gets.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/weather/forecast_json.h"
#include "core/weather/open_meteo.h"

namespace {

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

bool chanceInRange(const std::optional<double>& chance) {
    return !chance || (*chance >= 0 && *chance <= 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace solvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Instant stamp{740000000};
    const auto parsed = parseOpenMeteoForecast(bytes, 40.5, -74.25, stamp);
    if (!parsed) {
        check(parsed.error().kind == WeatherError::Kind::decoding &&
              parsed.error().printable().starts_with("DecodingError."));
        return 0;
    }
    const Forecast& f = *parsed;
    check(f.latitude == 40.5 && f.longitude == -74.25 && f.fetched == stamp);
    check(f.source == WeatherSource::openMeteo && f.requested == WeatherSource::openMeteo);
    check(!f.hours.empty() && f.hours.size() <= kForecastMaxHours);
    check(!f.days.empty() && f.days.size() <= kForecastMaxDays);
    for (std::size_t i = 0; i < f.hours.size(); ++i) {
        const HourForecast& h = f.hours[i];
        check(std::isfinite(h.time.seconds) && std::isfinite(h.temperatureC));
        check(!h.condition.empty() && !h.symbol.empty() && chanceInRange(h.precipitationChance));
        check(i == 0 || f.hours[i - 1].time < h.time);
    }
    for (std::size_t i = 0; i < f.days.size(); ++i) {
        const DayForecast& d = f.days[i];
        check(std::isfinite(d.highC) && std::isfinite(d.lowC));
        check(!d.condition.empty() && !d.symbol.empty() && chanceInRange(d.precipitationChance));
        check(i == 0 ||
              std::tie(f.days[i - 1].date.year, f.days[i - 1].date.month, f.days[i - 1].date.day) <
                  std::tie(d.date.year, d.date.month, d.date.day));
    }
    const auto stored = decodeForecast(encodeForecast(f));
    check(stored && *stored == f);
    return 0;
}
