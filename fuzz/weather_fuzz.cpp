// Feeds arbitrary bytes to the weather snapshot decoder. Any snapshot it
// accepts must survive a write and a second read unchanged, since both
// programs rewrite the cached snapshot after every fresh fetch; the display
// helpers must cope with whatever numbers got through.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/weather/weather.h"
#include "core/weather/weather_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
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
