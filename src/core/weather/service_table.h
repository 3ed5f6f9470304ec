// The weather services, each described once: the name people read, how it
// is asked, and which one stands in when it fails. Adding a service is an
// entry here, its client and its case in WeatherSource.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/weather/weather.h"

namespace solvane {

struct WeatherServiceEntry {
    WeatherSource source;
    std::string_view displayName;
    bool timeLimited;                      // asked under the services' time limit
    bool keepsFailureNote;                 // why it last failed is kept ("weather.appleError")
    std::optional<WeatherSource> standIn;  // asked when it fails
};

inline std::span<const WeatherServiceEntry> weatherServiceTable() {
    static constexpr WeatherServiceEntry kTable[] = {
        {WeatherSource::apple, "Apple Weather", true, true, WeatherSource::openMeteo},
        {WeatherSource::openMeteo, "Open-Meteo", false, false, std::nullopt},
    };
    return kTable;
}

inline const WeatherServiceEntry& serviceEntry(WeatherSource source) {
    for (const WeatherServiceEntry& entry : weatherServiceTable()) {
        if (entry.source == source) {
            return entry;
        }
    }
    return weatherServiceTable().back();
}

}  // namespace solvane
