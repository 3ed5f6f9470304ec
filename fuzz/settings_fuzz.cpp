// Feeds arbitrary bytes to the settings decoder. Whatever it accepts must come
// back unchanged after a write and a second read: the window rewrites the
// whole record each time the user touches a setting.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/weather/weather_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A fixed locale keeps each run repeatable whatever the fuzzing machine's.
    static const solvane::AppSettings defaults = solvane::AppSettings::defaults("en_US");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto first = solvane::decodeAppSettings(bytes, defaults);
    if (!first) {
        return 0;
    }
    const auto second = solvane::decodeAppSettings(solvane::encodeAppSettings(*first), defaults);
    if (!second || *second != *first) {
        __builtin_trap();
    }
    return 0;
}
