#include "core/weather/forecast_json.h"

#include "core/time/zone_rules.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

#include "core/model/json_forms.h"
#include "core/time/date_text.h"

namespace solvane {

namespace {

using json_forms::Json;

constexpr auto fail = json_forms::decodeFailure;
constexpr auto quoted = json_forms::quotedKey;
constexpr auto numberJson = json_forms::wholeOrDouble;

// Symbol names are a few words joined by dots, and a condition is a few
// words (a code the table lacks reads as its own words, at most 64 letters
// and the spaces between them); anything longer is damage.
constexpr std::size_t kMaxSymbolBytes = 64;
constexpr std::size_t kMaxConditionBytes = 128;

std::string at(std::string_view list, std::size_t index, std::string_view key) {
    return std::string(list) + "[" + std::to_string(index) + "]." + std::string(key);
}

std::string wrongType(const std::string& path, std::string_view expected, const Json& value) {
    return quoted(path) + " must be " + std::string(expected) + ", got " + value.type_name();
}

// Present, null or not: each reader decides what a null means.
Result<const Json*, DecodeError> anyMember(const Json& object, const char* key,
                                           const std::string& path) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fail(quoted(path) + " is missing");
    }
    return &*it;
}

Result<double, DecodeError> readNumber(const Json& object, const char* key,
                                       const std::string& path) {
    auto found = anyMember(object, key, path);
    if (!found) {
        return Failure{found.error()};
    }
    const Json& value = **found;
    if (!value.is_number()) {
        return fail(wrongType(path, "a number", value));
    }
    // Literals beyond the double range read as infinities.
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        return fail(quoted(path) + " is not a finite number");
    }
    return number;
}

Result<std::string, DecodeError> readText(const Json& object, const char* key,
                                          const std::string& path, std::size_t most,
                                          std::string_view what) {
    auto found = anyMember(object, key, path);
    if (!found) {
        return Failure{found.error()};
    }
    const Json& value = **found;
    if (!value.is_string()) {
        return fail(wrongType(path, "a string", value));
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() > most) {
        return fail(quoted(path) + " is longer than any " + std::string(what));
    }
    return text;
}

Result<std::string, DecodeError> readSymbol(const Json& object, const std::string& path) {
    return readText(object, "symbol", path, kMaxSymbolBytes, "symbol name");
}

// Records written before conditions were kept have none: the views then
// name the symbol's condition.
Result<std::string, DecodeError> readCondition(const Json& object, const std::string& path) {
    if (!object.contains("condition")) {
        return std::string();
    }
    return readText(object, "condition", path, kMaxConditionBytes, "condition");
}

// The key must be there; null means the service gave no chance.
Result<std::optional<double>, DecodeError> readChance(const Json& object, const std::string& path) {
    auto found = anyMember(object, "precipitationChance", path);
    if (!found) {
        return Failure{found.error()};
    }
    if ((*found)->is_null()) {
        return std::optional<double>();
    }
    auto number = readNumber(object, "precipitationChance", path);
    if (!number) {
        return Failure{number.error()};
    }
    if (*number < 0 || *number > 100) {
        return fail(quoted(path) + " must be a percentage from 0 to 100");
    }
    return std::optional<double>(*number);
}

Result<WeatherSource, DecodeError> readSource(const Json& object, const char* key) {
    auto found = anyMember(object, key, key);
    if (!found) {
        return Failure{found.error()};
    }
    const Json& value = **found;
    if (value.is_string()) {
        if (auto source = enumFromString<WeatherSource>(value.get_ref<const std::string&>())) {
            return *source;
        }
    }
    std::string message = quoted(key) + " must be one of";
    for (const auto& c : EnumCases<WeatherSource>::list) {
        message += ' ';
        message += quoted(c.name);
    }
    return fail(message);
}

Result<const Json*, DecodeError> readList(const Json& object, const char* key, std::size_t most) {
    auto found = anyMember(object, key, key);
    if (!found) {
        return Failure{found.error()};
    }
    if (!(*found)->is_array()) {
        return fail(wrongType(key, "a list", **found));
    }
    if ((*found)->size() > most) {
        return fail(quoted(key) + " holds more than " + std::to_string(most) + " entries");
    }
    return *found;
}

// Figures a service may add: anything but a finite number reads as not
// given, so a record written before they were kept still reads.
void readExtras(const Json& value,
                std::initializer_list<std::pair<const char*, std::optional<double>*>> fields) {
    for (const auto& [key, field] : fields) {
        const auto it = value.find(key);
        if (it != value.end() && it->is_number() && std::isfinite(it->get<double>())) {
            *field = it->get<double>();
        }
    }
}

Result<HourForecast, DecodeError> readHour(const Json& value, std::size_t index) {
    if (!value.is_object()) {
        return fail("hours[" + std::to_string(index) + "] must be an object, got " +
                    value.type_name());
    }
    HourForecast hour;
    auto time = readNumber(value, "time", at("hours", index, "time"));
    if (!time) {
        return Failure{time.error()};
    }
    hour.time = Instant{*time};
    auto temperature = readNumber(value, "temperatureC", at("hours", index, "temperatureC"));
    if (!temperature) {
        return Failure{temperature.error()};
    }
    hour.temperatureC = *temperature;
    auto condition = readCondition(value, at("hours", index, "condition"));
    if (!condition) {
        return Failure{condition.error()};
    }
    hour.condition = std::move(*condition);
    auto symbol = readSymbol(value, at("hours", index, "symbol"));
    if (!symbol) {
        return Failure{symbol.error()};
    }
    hour.symbol = std::move(*symbol);
    auto chance = readChance(value, at("hours", index, "precipitationChance"));
    if (!chance) {
        return Failure{chance.error()};
    }
    hour.precipitationChance = *chance;
    readExtras(value, {{"feelsLikeC", &hour.feelsLikeC},
                       {"windKph", &hour.windKph},
                       {"windDirection", &hour.windDirection},
                       {"gustKph", &hour.gustKph},
                       {"precipitationMm", &hour.precipitationMm}});
    return hour;
}

Result<DayForecast, DecodeError> readDay(const Json& value, std::size_t index) {
    if (!value.is_object()) {
        return fail("days[" + std::to_string(index) + "] must be an object, got " +
                    value.type_name());
    }
    DayForecast day;
    const std::string datePath = at("days", index, "date");
    auto date = anyMember(value, "date", datePath);
    if (!date) {
        return Failure{date.error()};
    }
    if (!(*date)->is_string()) {
        return fail(wrongType(datePath, "a string", **date));
    }
    const auto parsed = parseIsoDate((*date)->get_ref<const std::string&>());
    if (!parsed) {
        return fail(quoted(datePath) + " must be a date written YYYY-MM-DD");
    }
    day.date = *parsed;
    for (auto [key, field] : {std::pair{"highC", &day.highC}, std::pair{"lowC", &day.lowC}}) {
        auto number = readNumber(value, key, at("days", index, key));
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }
    auto condition = readCondition(value, at("days", index, "condition"));
    if (!condition) {
        return Failure{condition.error()};
    }
    day.condition = std::move(*condition);
    auto symbol = readSymbol(value, at("days", index, "symbol"));
    if (!symbol) {
        return Failure{symbol.error()};
    }
    day.symbol = std::move(*symbol);
    auto chance = readChance(value, at("days", index, "precipitationChance"));
    if (!chance) {
        return Failure{chance.error()};
    }
    day.precipitationChance = *chance;
    readExtras(value, {{"windKph", &day.windKph},
                       {"windDirection", &day.windDirection},
                       {"gustKph", &day.gustKph},
                       {"precipitationMm", &day.precipitationMm}});
    return day;
}

bool dateBefore(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

Result<Forecast, DecodeError> readForecast(const Json& value) {
    if (!value.is_object()) {
        return fail(std::string("a forecast must be an object, got ") + value.type_name());
    }
    Forecast f;
    auto fetched = readNumber(value, "fetched", "fetched");
    if (!fetched) {
        return Failure{fetched.error()};
    }
    f.fetched = Instant{*fetched};
    for (auto [key, field] :
         {std::pair{"latitude", &f.latitude}, std::pair{"longitude", &f.longitude}}) {
        auto number = readNumber(value, key, key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }
    for (auto [key, field] :
         {std::pair{"source", &f.source}, std::pair{"requested", &f.requested}}) {
        auto source = readSource(value, key);
        if (!source) {
            return Failure{source.error()};
        }
        *field = *source;
    }
    // Written since forecasts follow the place's zone; older records have none.
    if (const auto zone = value.find("zone");
        zone != value.end() && zone->is_string() && isZoneName(zone->get<std::string>())) {
        f.zone = zone->get<std::string>();
    }

    auto hours = readList(value, "hours", kForecastMaxHours);
    if (!hours) {
        return Failure{hours.error()};
    }
    f.hours.reserve((*hours)->size());
    for (std::size_t i = 0; i < (*hours)->size(); ++i) {
        auto hour = readHour((**hours)[i], i);
        if (!hour) {
            return Failure{hour.error()};
        }
        // Views take the first hours after now as the next ones; a record
        // out of order would show them shuffled.
        if (!f.hours.empty() && !(f.hours.back().time < hour->time)) {
            return fail(quoted(at("hours", i, "time")) + " is not after the hour before it");
        }
        f.hours.push_back(std::move(*hour));
    }

    auto days = readList(value, "days", kForecastMaxDays);
    if (!days) {
        return Failure{days.error()};
    }
    f.days.reserve((*days)->size());
    for (std::size_t i = 0; i < (*days)->size(); ++i) {
        auto day = readDay((**days)[i], i);
        if (!day) {
            return Failure{day.error()};
        }
        if (!f.days.empty() && !dateBefore(f.days.back().date, day->date)) {
            return fail(quoted(at("days", i, "date")) + " is not after the day before it");
        }
        f.days.push_back(std::move(*day));
    }
    return f;
}

}  // namespace

// Only the figures given are written, each a finite number.
void writeExtras(Json& out,
                 std::initializer_list<std::pair<const char*, std::optional<double>>> fields) {
    for (const auto& [key, field] : fields) {
        if (field && std::isfinite(*field)) {
            out[key] = numberJson(*field);
        }
    }
}

std::string encodeForecast(const Forecast& forecast) {
    // A non-finite number has no JSON form: null in its place makes a
    // document that fails to read back, so a store that checks before saving
    // keeps the forecast it had.
    const auto number = [](double v) { return std::isfinite(v) ? numberJson(v) : Json(nullptr); };
    // A chance outside 0…100 would be refused on reading; a NaN one becomes
    // a string so that it is refused too rather than read as "no chance".
    const auto chance = [&](const std::optional<double>& v) {
        return !v ? Json(nullptr) : std::isfinite(*v) ? numberJson(*v) : Json("NaN");
    };
    Json out = Json::object();
    out["fetched"] = number(forecast.fetched.seconds);
    out["latitude"] = number(forecast.latitude);
    out["longitude"] = number(forecast.longitude);
    out["source"] = std::string(toString(forecast.source));
    out["requested"] = std::string(toString(forecast.requested));
    if (!forecast.zone.empty()) {
        out["zone"] = forecast.zone;
    }
    Json hours = Json::array();
    for (const auto& hour : forecast.hours) {
        Json h = Json::object();
        h["time"] = number(hour.time.seconds);
        h["temperatureC"] = number(hour.temperatureC);
        h["condition"] = hour.condition;
        h["symbol"] = hour.symbol;
        h["precipitationChance"] = chance(hour.precipitationChance);
        writeExtras(h, {{"feelsLikeC", hour.feelsLikeC},
                        {"windKph", hour.windKph},
                        {"windDirection", hour.windDirection},
                        {"gustKph", hour.gustKph},
                        {"precipitationMm", hour.precipitationMm}});
        hours.push_back(std::move(h));
    }
    out["hours"] = std::move(hours);
    Json days = Json::array();
    for (const auto& day : forecast.days) {
        Json d = Json::object();
        d["date"] = isoDateText(day.date);
        d["highC"] = number(day.highC);
        d["lowC"] = number(day.lowC);
        d["condition"] = day.condition;
        d["symbol"] = day.symbol;
        d["precipitationChance"] = chance(day.precipitationChance);
        writeExtras(d, {{"windKph", day.windKph},
                        {"windDirection", day.windDirection},
                        {"gustKph", day.gustKph},
                        {"precipitationMm", day.precipitationMm}});
        days.push_back(std::move(d));
    }
    out["days"] = std::move(days);
    return json_forms::dump(out);
}

Result<Forecast, DecodeError> decodeForecast(std::string_view json) {
    auto document = json_forms::parseJson(json);
    if (!document) {
        return Failure{document.error()};
    }
    try {
        return readForecast(*document);
    } catch (const nlohmann::json::exception& e) {
        return fail(std::string("unexpected JSON: ") + e.what());
    }
}

}  // namespace solvane
