// A forecast reply as the service writes one, for the tests that need a week
// of their own rather than the recorded one.
#pragma once

#include <functional>
#include <string>

#include "core/model/json_forms.h"
#include "core/time/instant.h"

namespace solvane::testing {

struct ReplyHour {
    double temperatureC;
    int code;
    json_forms::Json chance;
    bool isDay;
};

struct ReplyDay {
    int code;
    double highC;
    double lowC;
    json_forms::Json chance;
};

// `hours` hours from local midnight of `firstDay` and `days` days, all
// labelled with the one offset `utcOffset` in force when asked.
inline std::string openMeteoForecastReply(const char* zone, int utcOffset, const char* firstDay,
                                          int hours, int days,
                                          const std::function<ReplyHour(int)>& hour,
                                          const std::function<ReplyDay(int)>& day) {
    using json_forms::Json;
    const Instant midnight = *parseIso8601(std::string(firstDay) + "T00:00Z");
    Json hourly = {{"time", Json::array()},
                   {"temperature_2m", Json::array()},
                   {"weather_code", Json::array()},
                   {"precipitation_probability", Json::array()},
                   {"is_day", Json::array()}};
    for (int i = 0; i < hours; ++i) {
        const ReplyHour h = hour(i);
        // Wall-clock text: the UTC form of midnight plus i hours, cut short.
        hourly["time"].push_back(formatIso8601(midnight + i * 3600.0)->substr(0, 16));
        hourly["temperature_2m"].push_back(h.temperatureC);
        hourly["weather_code"].push_back(h.code);
        hourly["precipitation_probability"].push_back(h.chance);
        hourly["is_day"].push_back(h.isDay ? 1 : 0);
    }
    Json daily = {{"time", Json::array()},
                  {"weather_code", Json::array()},
                  {"temperature_2m_max", Json::array()},
                  {"temperature_2m_min", Json::array()},
                  {"precipitation_probability_max", Json::array()}};
    for (int i = 0; i < days; ++i) {
        const ReplyDay d = day(i);
        daily["time"].push_back(formatIso8601(midnight + i * 86400.0)->substr(0, 10));
        daily["weather_code"].push_back(d.code);
        daily["temperature_2m_max"].push_back(d.highC);
        daily["temperature_2m_min"].push_back(d.lowC);
        daily["precipitation_probability_max"].push_back(d.chance);
    }
    return Json{{"latitude", 52.52},
                {"longitude", 13.419998},
                {"generationtime_ms", 0.09},
                {"utc_offset_seconds", utcOffset},
                {"timezone", zone},
                {"timezone_abbreviation", "GMT+2"},
                {"elevation", 38.0},
                {"hourly", hourly},
                {"daily", daily}}
        .dump();
}

}  // namespace solvane::testing
