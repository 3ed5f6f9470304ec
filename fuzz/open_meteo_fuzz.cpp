// Feeds arbitrary bytes to the Open-Meteo reply parser, as a hostile or broken
// server might. A reply either fails to decode or gives a snapshot for the
// requested place with a condition to show and finite numbers throughout.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/weather/open_meteo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const solvane::Instant stamp{740000000};
    const auto parsed = solvane::parseOpenMeteo(bytes, 40.5, -74.25, stamp);
    if (!parsed) {
        if (parsed.error().printable().empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const solvane::WeatherSnapshot& s = *parsed;
    if (s.latitude != 40.5 || s.longitude != -74.25 || s.fetched != stamp ||
        s.source != solvane::WeatherSource::openMeteo || s.condition.empty() || s.symbol.empty()) {
        __builtin_trap();
    }
    for (double v : {s.temperatureC, s.feelsLikeC, s.highC, s.lowC, s.windKph, s.windDirection,
                     s.cloudCover}) {
        if (!std::isfinite(v)) {
            __builtin_trap();
        }
    }
    return 0;
}
