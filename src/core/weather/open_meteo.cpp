#include "core/weather/open_meteo.h"

#include "core/util/translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/model/json_forms.h"

namespace solvane {

namespace {

using json_forms::Json;

constexpr std::string_view kCurrentFields =
    "temperature_2m,apparent_temperature,weather_code,is_day,wind_speed_10m,wind_direction_10m,"
    "cloud_cover";
constexpr std::string_view kDailyFields = "temperature_2m_max,temperature_2m_min";

// Decimal exponents outside [-4, 16) switch to exponent form, the way the
// usual shortest-repr printers do: 0.0001 stays plain, 0.00001 is 1e-05, and
// 1e16 is 1e+16 rather than seventeen digits of zeros.
constexpr int kSmallestPlainExponent = -4;
constexpr int kFirstExponentForm = 16;

// The decoder's failures, named after the coding path of the member at fault
// ("daily.temperature_2m_max[0]"), so a failure note says where a reply went
// wrong without quoting any of it.
WeatherError keyNotFound(const std::string& path) {
    return WeatherError::decoding("DecodingError.keyNotFound(\"" + path + "\")");
}
WeatherError valueNotFound(const std::string& path) {
    return WeatherError::decoding("DecodingError.valueNotFound(\"" + path + "\")");
}
WeatherError typeMismatch(const std::string& path) {
    return WeatherError::decoding("DecodingError.typeMismatch(\"" + path + "\")");
}
WeatherError dataCorrupted() {
    return WeatherError::decoding("DecodingError.dataCorrupted");
}

std::string join(std::string_view parent, std::string_view key) {
    return std::string(parent) + "." + std::string(key);
}

Result<const Json*, WeatherError> member(const Json& object, std::string_view parent,
                                         const char* key) {
    const auto it = object.find(key);
    const std::string path = parent.empty() ? std::string(key) : join(parent, key);
    if (it == object.end()) {
        return Failure{keyNotFound(path)};
    }
    if (it->is_null()) {
        return Failure{valueNotFound(path)};
    }
    return &*it;
}

// Integers and fractions alike; literals beyond the double range read as
// infinities and are refused, as the platform decoder refuses them.
Result<double, WeatherError> asDouble(const Json& value, const std::string& path) {
    if (value.is_null()) {
        return Failure{valueNotFound(path)};
    }
    if (!value.is_number()) {
        return Failure{typeMismatch(path)};
    }
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        return Failure{typeMismatch(path)};
    }
    return number;
}

Result<double, WeatherError> readDouble(const Json& object, std::string_view parent,
                                        const char* key) {
    auto found = member(object, parent, key);
    if (!found) {
        return Failure{found.error()};
    }
    return asDouble(**found, join(parent, key));
}

// Only a JSON integer token that fits 64 bits: 2.5, 2.0 and 1e2 are all the
// wrong type for a code.
Result<std::int64_t, WeatherError> readInt64(const Json& object, std::string_view parent,
                                             const char* key) {
    auto found = member(object, parent, key);
    if (!found) {
        return Failure{found.error()};
    }
    const Json& value = **found;
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return Failure{typeMismatch(join(parent, key))};
        }
        return static_cast<std::int64_t>(u);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return Failure{typeMismatch(join(parent, key))};
}

// The whole list is checked, not just today's entry: a null anywhere in it
// fails the reply, as it would for the platform decoder.
Result<std::optional<double>, WeatherError> readFirstOfList(const Json& object,
                                                            std::string_view parent,
                                                            const char* key) {
    auto found = member(object, parent, key);
    if (!found) {
        return Failure{found.error()};
    }
    const Json& list = **found;
    const std::string path = join(parent, key);
    if (!list.is_array()) {
        return Failure{typeMismatch(path)};
    }
    std::optional<double> first;
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto number = asDouble(list[i], path + "[" + std::to_string(i) + "]");
        if (!number) {
            return Failure{number.error()};
        }
        if (i == 0) {
            first = *number;
        }
    }
    return first;
}

Result<const Json*, WeatherError> readObject(const Json& root, const char* key) {
    auto found = member(root, "", key);
    if (!found) {
        return Failure{found.error()};
    }
    if (!(*found)->is_object()) {
        return Failure{typeMismatch(key)};
    }
    return *found;
}

Result<WeatherSnapshot, WeatherError> readReply(const Json& root, double latitude, double longitude,
                                                Instant fetched) {
    if (!root.is_object()) {
        return Failure{typeMismatch("")};
    }
    auto current = readObject(root, "current");
    if (!current) {
        return Failure{current.error()};
    }
    const Json& c = **current;

    WeatherSnapshot s;
    s.fetched = fetched;
    s.latitude = latitude;
    s.longitude = longitude;
    s.source = WeatherSource::openMeteo;
    s.requested = WeatherSource::openMeteo;

    for (auto [key, field] : {std::pair{"temperature_2m", &s.temperatureC},
                              std::pair{"apparent_temperature", &s.feelsLikeC}}) {
        auto number = readDouble(c, "current", key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }
    auto code = readInt64(c, "current", "weather_code");
    if (!code) {
        return Failure{code.error()};
    }
    auto isDay = readInt64(c, "current", "is_day");
    if (!isDay) {
        return Failure{isDay.error()};
    }
    for (auto [key, field] : {std::pair{"wind_speed_10m", &s.windKph},
                              std::pair{"wind_direction_10m", &s.windDirection},
                              std::pair{"cloud_cover", &s.cloudCover}}) {
        auto number = readDouble(c, "current", key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }

    auto daily = readObject(root, "daily");
    if (!daily) {
        return Failure{daily.error()};
    }
    auto high = readFirstOfList(**daily, "daily", "temperature_2m_max");
    if (!high) {
        return Failure{high.error()};
    }
    auto low = readFirstOfList(**daily, "daily", "temperature_2m_min");
    if (!low) {
        return Failure{low.error()};
    }
    // No daily entry: today's range collapses to the current reading.
    s.highC = high->value_or(s.temperatureC);
    s.lowC = low->value_or(s.temperatureC);

    s.condition = std::string(openMeteoConditionText(*code));
    s.symbol = std::string(openMeteoConditionSymbol(*code, *isDay == 1));
    return s;
}

}  // namespace

std::string coordinateText(double degrees) {
    if (std::isnan(degrees)) {
        return "nan";
    }
    if (std::isinf(degrees)) {
        return degrees < 0 ? "-inf" : "inf";
    }
    if (degrees == 0) {
        return std::signbit(degrees) ? "-0.0" : "0.0";
    }

    // Shortest round-trip digits in scientific form, "-1.2345e-05", taken
    // apart into sign, digits and decimal exponent and laid out again.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::scientific);
    if (ec != std::errc()) {
        return "nan";
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = text.front() == '-';
    const auto e = text.find('e');
    std::string digits;
    for (const char ch : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (ch != '.') {
            digits += ch;
        }
    }
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string out = negative ? "-" : "";
    if (exponent < kSmallestPlainExponent || exponent >= kFirstExponentForm) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "e-" : "e+";
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
        return out;
    }
    if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0') + ".0";
        } else {
            out += digits.substr(0, whole) + "." + digits.substr(whole);
        }
        return out;
    }
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    return out;
}

std::string openMeteoUrl(std::string_view endpoint, double latitude, double longitude) {
    while (!endpoint.empty() && endpoint.back() == '/') {
        endpoint.remove_suffix(1);
    }
    const std::pair<std::string_view, std::string> items[] = {
        {"latitude", coordinateText(latitude)},
        {"longitude", coordinateText(longitude)},
        {"current", std::string(kCurrentFields)},
        {"daily", std::string(kDailyFields)},
        {"timezone", "auto"},
        {"forecast_days", "1"},
    };
    std::string url(endpoint);
    url += "/v1/forecast";
    char separator = '?';
    for (const auto& [name, value] : items) {
        url += separator;
        url += name;
        url += '=';
        url += net::encodeQueryValue(value);
        separator = '&';
    }
    return url;
}

std::string_view openMeteoConditionText(std::int64_t code) {
    switch (code) {
        case 0:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Clear");
        case 1:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Mostly Clear");
        case 2:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Partly Cloudy");
        case 3:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Cloudy");
        case 45:
        case 48:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Foggy");
        case 51:
        case 53:
        case 55:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Drizzle");
        case 56:
        case 57:
        case 66:
        case 67:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Freezing Rain");
        case 61:
        case 63:
        case 65:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Rain");
        case 71:
        case 73:
        case 75:
        case 77:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Snow");
        case 80:
        case 81:
        case 82:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Showers");
        case 85:
        case 86:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Snow Showers");
        case 95:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Thunderstorms");
        case 96:
        case 99:
            return SOLVANE_TRANSLATE_NOOP("WeatherCondition", "Hail");
        default:
            return "\u2014";
    }
}

std::string_view openMeteoConditionSymbol(std::int64_t code, bool isDay) {
    switch (code) {
        case 0:
            return isDay ? "sun.max" : "moon.stars";
        case 1:
        case 2:
            return isDay ? "cloud.sun" : "cloud.moon";
        case 3:
            return "cloud";
        case 45:
        case 48:
            return "cloud.fog";
        case 51:
        case 53:
        case 55:
            return "cloud.drizzle";
        case 56:
        case 57:
        case 66:
        case 67:
            return "cloud.sleet";
        case 61:
        case 63:
        case 65:
            return "cloud.rain";
        case 71:
        case 73:
        case 75:
        case 77:
        case 85:
        case 86:
            return "cloud.snow";
        case 80:
        case 81:
        case 82:
            return "cloud.heavyrain";
        default:
            // Thunderstorms, hail and every unlisted code: the em dash text
            // pairs with the storm symbol on purpose.
            return "cloud.bolt.rain";
    }
}

Result<WeatherSnapshot, WeatherError> parseOpenMeteo(std::string_view body, double latitude,
                                                     double longitude, Instant fetched) {
    auto document = json_forms::parseJson(body);
    if (!document) {
        return Failure{dataCorrupted()};
    }
    try {
        return readReply(*document, latitude, longitude, fetched);
    } catch (const nlohmann::json::exception&) {
        return Failure{dataCorrupted()};
    }
}

Result<WeatherSnapshot, WeatherError> fetchOpenMeteo(std::string_view endpoint, double latitude,
                                                     double longitude,
                                                     const std::function<Instant()>& clock,
                                                     const net::CancelToken& cancel,
                                                     double timeoutSeconds) {
    net::HttpRequest request;
    request.url = openMeteoUrl(endpoint, latitude, longitude);
    request.connectTimeoutSeconds = std::min(timeoutSeconds, request.connectTimeoutSeconds);
    request.totalTimeoutSeconds = timeoutSeconds;
    request.stallSeconds = std::min(timeoutSeconds, request.stallSeconds);
    request.cancel = cancel;
    auto reply = net::httpGet(request);
    if (!reply) {
        return Failure{WeatherError::fromHttp(reply.error())};
    }
    auto snapshot = parseOpenMeteo(reply->body, latitude, longitude, Instant{});
    if (!snapshot) {
        return snapshot;
    }
    // Stamped after decoding: the record says when it was made, not when the
    // request left.
    snapshot->fetched = clock ? clock() : Instant{};
    return snapshot;
}

}  // namespace solvane
