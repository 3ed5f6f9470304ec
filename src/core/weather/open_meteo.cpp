#include "core/weather/open_meteo.h"

#include "core/time/zone_rules.h"
#include "core/util/translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/model/json_forms.h"
#include "core/time/date_text.h"
#include "core/weather/conditions.h"

namespace solvane {

namespace {

using json_forms::Json;

constexpr std::string_view kCurrentFields =
    "temperature_2m,apparent_temperature,weather_code,is_day,wind_speed_10m,wind_direction_10m,"
    "cloud_cover";
constexpr std::string_view kDailyFields = "temperature_2m_max,temperature_2m_min";
constexpr std::string_view kForecastHourlyFields =
    "temperature_2m,weather_code,precipitation_probability,is_day,apparent_temperature,"
    "wind_speed_10m,wind_direction_10m,wind_gusts_10m,precipitation";
constexpr std::string_view kForecastDailyFields =
    "weather_code,temperature_2m_max,temperature_2m_min,precipitation_probability_max,"
    "wind_speed_10m_max,wind_direction_10m_dominant,wind_gusts_10m_max,precipitation_sum";

// No zone has ever been further from UTC than 14 hours; ISO 8601 allows 18.
constexpr std::int64_t kMaxUtcOffsetSeconds = 18 * 3600;

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
// Well-formed JSON of the right type whose value makes no sense: a time that
// is no time, lists of different lengths, times out of order.
WeatherError dataCorrupted(const std::string& path) {
    return WeatherError::decoding("DecodingError.dataCorrupted(\"" + path + "\")");
}

std::string join(std::string_view parent, std::string_view key) {
    return std::string(parent) + "." + std::string(key);
}

std::string pathOf(std::string_view parent, std::string_view key) {
    return parent.empty() ? std::string(key) : join(parent, key);
}

std::string indexed(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
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
Result<std::int64_t, WeatherError> asInt64(const Json& value, const std::string& path) {
    if (value.is_null()) {
        return Failure{valueNotFound(path)};
    }
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return Failure{typeMismatch(path)};
        }
        return static_cast<std::int64_t>(u);
    }
    if (value.is_number_integer()) {
        return value.get<std::int64_t>();
    }
    return Failure{typeMismatch(path)};
}

Result<std::int64_t, WeatherError> readInt64(const Json& object, std::string_view parent,
                                             const char* key) {
    auto found = member(object, parent, key);
    if (!found) {
        return Failure{found.error()};
    }
    return asInt64(**found, pathOf(parent, key));
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

// --- The forecast ------------------------------------------------------------

// A list member of a block; `length`, when given, is the length of the
// block's time list, which every other list must match entry for entry.
Result<const Json*, WeatherError> readList(const Json& block, std::string_view parent,
                                           const char* key, std::optional<std::size_t> length) {
    auto found = member(block, parent, key);
    if (!found) {
        return Failure{found.error()};
    }
    const std::string path = join(parent, key);
    if (!(*found)->is_array()) {
        return Failure{typeMismatch(path)};
    }
    if (length && (*found)->size() != *length) {
        return Failure{dataCorrupted(path)};
    }
    return *found;
}

// The block's time list: at least one entry and no more than a forecast holds.
Result<const Json*, WeatherError> readTimes(const Json& block, std::string_view parent,
                                            std::size_t most) {
    auto times = readList(block, parent, "time", std::nullopt);
    if (!times) {
        return times;
    }
    if ((*times)->empty() || (*times)->size() > most) {
        return Failure{dataCorrupted(join(parent, "time"))};
    }
    return times;
}

Result<const std::string*, WeatherError> asText(const Json& value, const std::string& path) {
    if (value.is_null()) {
        return Failure{valueNotFound(path)};
    }
    if (!value.is_string()) {
        return Failure{typeMismatch(path)};
    }
    return &value.get_ref<const std::string&>();
}

// Null where the service has no chance to give (beyond the range of the
// models that have one); a percentage, held within 0…100, otherwise.
Result<std::optional<double>, WeatherError> asChance(const Json& value, const std::string& path) {
    if (value.is_null()) {
        return std::optional<double>();
    }
    auto number = asDouble(value, path);
    if (!number) {
        return Failure{number.error()};
    }
    return std::optional<double>(std::clamp(*number, 0.0, 100.0));
}

// "2024-06-14T15:00" read as if it were UTC.
std::optional<Instant> wallClockAsUtc(const std::string& text) {
    if (text.size() != 16 || text[10] != 'T') {
        return std::nullopt;
    }
    return parseIso8601(text + "Z");
}

struct Lists {
    std::vector<const Json*> lists;
    const Json& at(std::size_t list, std::size_t entry) const { return (*lists[list])[entry]; }
};

Result<Lists, WeatherError> readLists(const Json& block, std::string_view parent,
                                      std::initializer_list<const char*> keys, std::size_t length) {
    Lists out;
    for (const char* key : keys) {
        auto list = readList(block, parent, key, length);
        if (!list) {
            return Failure{list.error()};
        }
        out.lists.push_back(*list);
    }
    return out;
}

// A list the forecast can do without: absent, or not as long as the block's
// times, it gives nothing; a value that is not a finite number is not given.
struct ExtraList {
    const Json* list = nullptr;
    std::optional<double> at(std::size_t i) const {
        if (list == nullptr) {
            return std::nullopt;
        }
        const Json& v = (*list)[i];
        return v.is_number() && std::isfinite(v.get<double>()) ? std::optional(v.get<double>())
                                                               : std::nullopt;
    }
};

ExtraList extraList(const Json& block, const char* key, std::size_t length) {
    const auto it = block.find(key);
    if (it == block.end() || !it->is_array() || it->size() != length) {
        return {};
    }
    return {&*it};
}

Result<std::vector<HourForecast>, WeatherError> readHours(const Json& root,
                                                          std::int64_t utcOffset) {
    auto hourly = readObject(root, "hourly");
    if (!hourly) {
        return Failure{hourly.error()};
    }
    auto times = readTimes(**hourly, "hourly", kForecastMaxHours);
    if (!times) {
        return Failure{times.error()};
    }
    const std::size_t count = (*times)->size();
    auto lists =
        readLists(**hourly, "hourly",
                  {"temperature_2m", "weather_code", "precipitation_probability", "is_day"}, count);
    if (!lists) {
        return Failure{lists.error()};
    }

    const ExtraList feelsLike = extraList(**hourly, "apparent_temperature", count);
    const ExtraList wind = extraList(**hourly, "wind_speed_10m", count);
    const ExtraList direction = extraList(**hourly, "wind_direction_10m", count);
    const ExtraList gusts = extraList(**hourly, "wind_gusts_10m", count);
    const ExtraList amount = extraList(**hourly, "precipitation", count);
    std::vector<HourForecast> hours;
    hours.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string timePath = indexed("hourly.time", i);
        auto text = asText((**times)[i], timePath);
        if (!text) {
            return Failure{text.error()};
        }
        // The service writes every hour with the one offset in force when it
        // was asked, across any change of clocks in the days it covers, and
        // says which: the offset, not the zone's rules, undoes it. Read by
        // the zone, the hours after a change would all be an hour out.
        const auto wallClock = wallClockAsUtc(**text);
        if (!wallClock) {
            return Failure{dataCorrupted(timePath)};
        }
        const Instant time = *wallClock - static_cast<double>(utcOffset);
        if (!hours.empty() && !(hours.back().time < time)) {
            return Failure{dataCorrupted(timePath)};
        }
        // A service runs out of model hours at the end of its lists and
        // says so with nulls: such an hour is left out, not the forecast.
        if (lists->at(0, i).is_null() || lists->at(1, i).is_null()) {
            continue;
        }
        auto temperature = asDouble(lists->at(0, i), indexed("hourly.temperature_2m", i));
        if (!temperature) {
            return Failure{temperature.error()};
        }
        auto code = asInt64(lists->at(1, i), indexed("hourly.weather_code", i));
        if (!code) {
            return Failure{code.error()};
        }
        auto chance = asChance(lists->at(2, i), indexed("hourly.precipitation_probability", i));
        if (!chance) {
            return Failure{chance.error()};
        }
        // Asked for so that a reply can be checked whole; the symbol is kept
        // in its daytime form and the views decide the night from the sky.
        if (!lists->at(3, i).is_null()) {
            if (auto isDay = asInt64(lists->at(3, i), indexed("hourly.is_day", i)); !isDay) {
                return Failure{isDay.error()};
            }
        }
        HourForecast hour;
        hour.time = time;
        hour.temperatureC = *temperature;
        hour.condition = std::string(openMeteoConditionText(*code));
        hour.symbol = std::string(openMeteoConditionSymbol(*code, true));
        hour.precipitationChance = *chance;
        hour.feelsLikeC = feelsLike.at(i);
        hour.windKph = wind.at(i);
        hour.windDirection = direction.at(i);
        hour.gustKph = gusts.at(i);
        hour.precipitationMm = amount.at(i);
        hours.push_back(std::move(hour));
    }
    return hours;
}

Result<std::vector<DayForecast>, WeatherError> readDays(const Json& root) {
    auto daily = readObject(root, "daily");
    if (!daily) {
        return Failure{daily.error()};
    }
    auto times = readTimes(**daily, "daily", kForecastMaxDays);
    if (!times) {
        return Failure{times.error()};
    }
    const std::size_t count = (*times)->size();
    auto lists = readLists(**daily, "daily",
                           {"weather_code", "temperature_2m_max", "temperature_2m_min",
                            "precipitation_probability_max"},
                           count);
    if (!lists) {
        return Failure{lists.error()};
    }

    const ExtraList wind = extraList(**daily, "wind_speed_10m_max", count);
    const ExtraList direction = extraList(**daily, "wind_direction_10m_dominant", count);
    const ExtraList gusts = extraList(**daily, "wind_gusts_10m_max", count);
    const ExtraList amount = extraList(**daily, "precipitation_sum", count);
    std::vector<DayForecast> days;
    days.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string timePath = indexed("daily.time", i);
        auto text = asText((**times)[i], timePath);
        if (!text) {
            return Failure{text.error()};
        }
        const auto date = parseIsoDate(**text);
        if (!date) {
            return Failure{dataCorrupted(timePath)};
        }
        if (!days.empty() &&
            std::tie(date->year, date->month, date->day) <=
                std::tie(days.back().date.year, days.back().date.month, days.back().date.day)) {
            return Failure{dataCorrupted(timePath)};
        }
        if (lists->at(0, i).is_null() || lists->at(1, i).is_null() || lists->at(2, i).is_null()) {
            continue;  // a day beyond the models, as for hours
        }
        auto code = asInt64(lists->at(0, i), indexed("daily.weather_code", i));
        if (!code) {
            return Failure{code.error()};
        }
        auto high = asDouble(lists->at(1, i), indexed("daily.temperature_2m_max", i));
        if (!high) {
            return Failure{high.error()};
        }
        auto low = asDouble(lists->at(2, i), indexed("daily.temperature_2m_min", i));
        if (!low) {
            return Failure{low.error()};
        }
        auto chance = asChance(lists->at(3, i), indexed("daily.precipitation_probability_max", i));
        if (!chance) {
            return Failure{chance.error()};
        }
        DayForecast day;
        day.date = *date;
        day.highC = *high;
        day.lowC = *low;
        day.condition = std::string(openMeteoConditionText(*code));
        day.symbol = std::string(openMeteoConditionSymbol(*code, true));
        day.precipitationChance = *chance;
        day.windKph = wind.at(i);
        day.windDirection = direction.at(i);
        day.gustKph = gusts.at(i);
        day.precipitationMm = amount.at(i);
        days.push_back(std::move(day));
    }
    return days;
}

Result<Forecast, WeatherError> readForecastReply(const Json& root, double latitude,
                                                 double longitude, Instant fetched) {
    if (!root.is_object()) {
        return Failure{typeMismatch("")};
    }
    auto offset = readInt64(root, "", "utc_offset_seconds");
    if (!offset) {
        return Failure{offset.error()};
    }
    if (*offset < -kMaxUtcOffsetSeconds || *offset > kMaxUtcOffsetSeconds) {
        return Failure{dataCorrupted("utc_offset_seconds")};
    }
    auto hours = readHours(root, *offset);
    if (!hours) {
        return Failure{hours.error()};
    }
    auto days = readDays(root);
    if (!days) {
        return Failure{days.error()};
    }
    if (hours->empty() || days->empty()) {
        return Failure{valueNotFound("hourly")};
    }
    Forecast f;
    // The zone the service dated the days in (timezone=auto: the place's).
    if (const auto zone = root.find("timezone");
        zone != root.end() && zone->is_string() && isZoneName(zone->get<std::string>())) {
        f.zone = zone->get<std::string>();
    }
    f.fetched = fetched;
    f.latitude = latitude;
    f.longitude = longitude;
    f.source = WeatherSource::openMeteo;
    f.requested = WeatherSource::openMeteo;
    f.hours = std::move(*hours);
    f.days = std::move(*days);
    return f;
}

using QueryItem = std::pair<std::string_view, std::string>;

// {endpoint}/v1/forecast with the items in the order given.
std::string forecastAddress(std::string_view endpoint, std::span<const QueryItem> items) {
    while (!endpoint.empty() && endpoint.back() == '/') {
        endpoint.remove_suffix(1);
    }
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

// One GET under the overall limit; the connect and stall limits are the
// transfer's own, or the overall limit when that is shorter.
Result<std::string, WeatherError> fetchBody(std::string url, double timeoutSeconds,
                                            const net::CancelToken& cancel) {
    net::HttpRequest request;
    request.url = std::move(url);
    request.connectTimeoutSeconds = std::min(timeoutSeconds, request.connectTimeoutSeconds);
    request.totalTimeoutSeconds = timeoutSeconds;
    request.stallSeconds = std::min(timeoutSeconds, request.stallSeconds);
    request.keptHeaders = {"Retry-After"};
    request.cancel = cancel;
    auto reply = net::httpGet(request);
    if (!reply) {
        return Failure{WeatherError::fromHttp(reply.error())};
    }
    // A service that asks to be left alone for a while is; any other error
    // page fails to decode like any unexpected body.
    if ((reply->status == 429 || reply->status == 503) && reply->header("Retry-After")) {
        return Failure{WeatherError::httpStatus("OpenMeteoError", *reply)};
    }
    return std::move(reply->body);
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
    const QueryItem items[] = {
        {"latitude", coordinateText(latitude)},
        {"longitude", coordinateText(longitude)},
        {"current", std::string(kCurrentFields)},
        {"daily", std::string(kDailyFields)},
        {"timezone", "auto"},
        {"forecast_days", "1"},
    };
    return forecastAddress(endpoint, items);
}

std::string openMeteoForecastUrl(std::string_view endpoint, double latitude, double longitude) {
    const QueryItem items[] = {
        {"latitude", coordinateText(latitude)},
        {"longitude", coordinateText(longitude)},
        {"hourly", std::string(kForecastHourlyFields)},
        {"daily", std::string(kForecastDailyFields)},
        {"timezone", "auto"},
        {"forecast_days", "7"},
    };
    return forecastAddress(endpoint, items);
}

std::string_view openMeteoConditionText(std::int64_t code) {
    const WeatherCondition* condition = openMeteoCondition(code);
    return condition != nullptr ? condition->name : "\u2014";
}

std::string_view openMeteoConditionSymbol(std::int64_t code, bool isDay) {
    const WeatherCondition* condition = openMeteoCondition(code);
    // Every unlisted code: the em dash text pairs with the storm symbol on
    // purpose.
    return condition != nullptr ? condition->symbol(isDay) : "cloud.bolt.rain";
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
    auto body = fetchBody(openMeteoUrl(endpoint, latitude, longitude), timeoutSeconds, cancel);
    if (!body) {
        return Failure{body.error()};
    }
    auto snapshot = parseOpenMeteo(*body, latitude, longitude, Instant{});
    if (!snapshot) {
        return snapshot;
    }
    // Stamped after decoding: the record says when it was made, not when the
    // request left.
    snapshot->fetched = clock ? clock() : Instant{};
    return snapshot;
}

Result<Forecast, WeatherError> parseOpenMeteoForecast(std::string_view body, double latitude,
                                                      double longitude, Instant fetched) {
    auto document = json_forms::parseJson(body);
    if (!document) {
        return Failure{dataCorrupted()};
    }
    try {
        return readForecastReply(*document, latitude, longitude, fetched);
    } catch (const nlohmann::json::exception&) {
        return Failure{dataCorrupted()};
    }
}

Result<Forecast, WeatherError> fetchOpenMeteoForecast(std::string_view endpoint, double latitude,
                                                      double longitude,
                                                      const std::function<Instant()>& clock,
                                                      const net::CancelToken& cancel,
                                                      double timeoutSeconds) {
    auto body =
        fetchBody(openMeteoForecastUrl(endpoint, latitude, longitude), timeoutSeconds, cancel);
    if (!body) {
        return Failure{body.error()};
    }
    auto forecast = parseOpenMeteoForecast(*body, latitude, longitude, Instant{});
    if (forecast) {
        forecast->fetched = clock ? clock() : Instant{};
    }
    return forecast;
}

}  // namespace solvane
