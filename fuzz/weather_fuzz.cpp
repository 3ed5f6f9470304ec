// Feeds arbitrary bytes to the decoders of the stored weather records, the
// snapshot and the forecast. Any record either accepts must survive a write
// and a second read unchanged, since both programs rewrite them after every
// fresh fetch; the display helpers must cope with whatever numbers got
// through, and the forecast's next hours must come out in order.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/weather/forecast.h"
#include "core/weather/forecast_json.h"
#include "core/weather/weather.h"
#include "core/weather/weather_json.h"

namespace {

void forecast(std::string_view bytes) {
    const auto first = solvane::decodeForecast(bytes);
    if (!first) {
        return;
    }
    const auto second = solvane::decodeForecast(solvane::encodeForecast(*first));
    if (!second || *second != *first) {
        __builtin_trap();
    }
    // Whatever hour the clock shows, the next hours come in order; the
    // record's zone, whatever it names, gives a clock to read them on.
    static const solvane::Calendar user = *solvane::Calendar::make("America/New_York", "en_US");
    const solvane::Calendar place = solvane::placeCalendar(*first, user);
    for (const solvane::Instant now : {first->fetched, solvane::Instant{0}}) {
        const auto hours = solvane::upcomingHours(*first, now, solvane::kForecastHoursShown);
        for (std::size_t i = 1; i < hours.size(); ++i) {
            if (!(hours[i - 1].time < hours[i].time)) {
                __builtin_trap();
            }
        }
        solvane::forecastShowable(*first, now, place);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    forecast(bytes);
    const auto first = solvane::decodeWeatherSnapshot(bytes);
    if (!first) {
        return 0;
    }
    const auto second = solvane::decodeWeatherSnapshot(solvane::encodeWeatherSnapshot(*first));
    if (!second || *second != *first) {
        __builtin_trap();
    }
    for (const auto unit : solvane::allCases<solvane::TempUnit>()) {
        if (solvane::formatTemperature(first->temperatureC, unit).empty() ||
            solvane::formatWind(*first, unit).empty()) {
            __builtin_trap();
        }
    }
    if (solvane::compassPoint(*first).empty()) {
        __builtin_trap();
    }
    return 0;
}
