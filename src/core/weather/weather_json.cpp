#include "core/weather/weather_json.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "core/model/json_forms.h"

namespace solvane {

namespace {

using json_forms::Json;

constexpr auto fail = json_forms::decodeFailure;
constexpr auto quoted = json_forms::quotedKey;
constexpr auto wrongType = json_forms::wrongTypeMessage;
constexpr auto numberJson = json_forms::wholeOrDouble;
using json_forms::dump;

template <class T, class Read>
Result<T, DecodeError> guarded(Read read) {
    try {
        return read();
    } catch (const nlohmann::json::exception& e) {
        return fail(std::string("unexpected JSON: ") + e.what());
    }
}

// Every snapshot key is required and none may be null: a snapshot with a
// hole in it is no snapshot at all.
Result<const Json*, DecodeError> required(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fail(quoted(key) + " is missing");
    }
    if (it->is_null()) {
        return fail(quoted(key) + " is null");
    }
    return &*it;
}

Result<double, DecodeError> readNumber(const Json& object, const char* key) {
    auto member = required(object, key);
    if (!member) {
        return Failure{member.error()};
    }
    const Json& value = **member;
    if (!value.is_number()) {
        return fail(wrongType(key, "a number", value));
    }
    // The parser turns literals beyond the double range (1e309) into
    // infinities; those have no place in a stored record.
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        return fail(quoted(key) + " is not a finite number");
    }
    return number;
}

Result<std::string, DecodeError> readText(const Json& object, const char* key) {
    auto member = required(object, key);
    if (!member) {
        return Failure{member.error()};
    }
    if (!(*member)->is_string()) {
        return fail(wrongType(key, "a string", **member));
    }
    return (*member)->get<std::string>();
}

template <class E>
Result<E, DecodeError> enumFrom(const Json& value, const char* key) {
    if (!value.is_string()) {
        return fail(wrongType(key, "a string", value));
    }
    if (auto parsed = enumFromString<E>(value.get_ref<const std::string&>())) {
        return *parsed;
    }
    std::string message = quoted(key) + " must be one of";
    for (const auto& c : EnumCases<E>::list) {
        message += ' ';
        message += quoted(c.name);
    }
    return fail(message);
}

Result<WeatherSnapshot, DecodeError> readSnapshot(const Json& value) {
    if (!value.is_object()) {
        return fail(std::string("a weather snapshot must be an object, got ") + value.type_name());
    }
    WeatherSnapshot s;

    auto fetched = readNumber(value, "fetched");
    if (!fetched) {
        return Failure{fetched.error()};
    }
    s.fetched = Instant{*fetched};

    for (auto [key, field] :
         {std::pair{"latitude", &s.latitude}, std::pair{"longitude", &s.longitude}}) {
        auto number = readNumber(value, key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }

    for (auto [key, field] :
         {std::pair{"source", &s.source}, std::pair{"requested", &s.requested}}) {
        auto member = required(value, key);
        if (!member) {
            return Failure{member.error()};
        }
        auto source = enumFrom<WeatherSource>(**member, key);
        if (!source) {
            return Failure{source.error()};
        }
        *field = *source;
    }

    for (auto [key, field] :
         {std::pair{"temperatureC", &s.temperatureC}, std::pair{"feelsLikeC", &s.feelsLikeC},
          std::pair{"highC", &s.highC}, std::pair{"lowC", &s.lowC}}) {
        auto number = readNumber(value, key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }

    for (auto [key, field] :
         {std::pair{"condition", &s.condition}, std::pair{"symbol", &s.symbol}}) {
        auto text = readText(value, key);
        if (!text) {
            return Failure{text.error()};
        }
        *field = std::move(*text);
    }

    for (auto [key, field] :
         {std::pair{"windKph", &s.windKph}, std::pair{"windDirection", &s.windDirection},
          std::pair{"cloudCover", &s.cloudCover}}) {
        auto number = readNumber(value, key);
        if (!number) {
            return Failure{number.error()};
        }
        *field = *number;
    }
    return s;
}

// Settings are read key by key: a key that is absent or null keeps its
// default, so a record written by an older version (or by hand) still works.
const Json* presentMember(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null()) {
        return nullptr;
    }
    return &*it;
}

Result<AppSettings, DecodeError> readSettings(const Json& value, const AppSettings& defaults) {
    if (!value.is_object()) {
        return fail(std::string("settings must be an object, got ") + value.type_name());
    }
    AppSettings settings = defaults;

    if (const Json* member = presentMember(value, "weatherSource")) {
        auto source = enumFrom<WeatherSource>(*member, "weatherSource");
        if (!source) {
            return Failure{source.error()};
        }
        settings.weatherSource = *source;
    }

    if (const Json* member = presentMember(value, "unit")) {
        auto unit = enumFrom<TempUnit>(*member, "unit");
        if (!unit) {
            return Failure{unit.error()};
        }
        settings.unit = *unit;
    }

    if (const Json* member = presentMember(value, "feedCalendarIDs")) {
        if (!member->is_array()) {
            return fail(wrongType("feedCalendarIDs", "a list of strings", *member));
        }
        std::vector<std::string> ids;
        ids.reserve(member->size());
        for (const Json& item : *member) {
            if (!item.is_string()) {
                return fail(wrongType("feedCalendarIDs", "a list of strings", item));
            }
            ids.push_back(item.get<std::string>());
        }
        settings.feedCalendarIDs = std::move(ids);
    }

    if (const Json* member = presentMember(value, "holidayPlace")) {
        if (!member->is_string()) {
            return fail(wrongType("holidayPlace", "a string", *member));
        }
        settings.holidayPlace = member->get<std::string>();
    }
    return settings;
}

}  // namespace

std::string encodeWeatherSnapshot(const WeatherSnapshot& snapshot) {
    // A non-finite number has no JSON form. Writing null in its place keeps
    // the result a document that simply fails to read back, so a store that
    // saves it reports no weather rather than a made-up value.
    const auto number = [](double v) { return std::isfinite(v) ? numberJson(v) : Json(nullptr); };
    Json out = Json::object();
    out["fetched"] = number(snapshot.fetched.seconds);
    out["latitude"] = number(snapshot.latitude);
    out["longitude"] = number(snapshot.longitude);
    out["source"] = std::string(toString(snapshot.source));
    out["requested"] = std::string(toString(snapshot.requested));
    out["temperatureC"] = number(snapshot.temperatureC);
    out["feelsLikeC"] = number(snapshot.feelsLikeC);
    out["highC"] = number(snapshot.highC);
    out["lowC"] = number(snapshot.lowC);
    out["condition"] = snapshot.condition;
    out["symbol"] = snapshot.symbol;
    out["windKph"] = number(snapshot.windKph);
    out["windDirection"] = number(snapshot.windDirection);
    out["cloudCover"] = number(snapshot.cloudCover);
    return dump(out);
}

Result<WeatherSnapshot, DecodeError> decodeWeatherSnapshot(std::string_view json) {
    auto document = json_forms::parseJson(json);
    if (!document) {
        return Failure{document.error()};
    }
    return guarded<WeatherSnapshot>([&] { return readSnapshot(*document); });
}

std::string encodeAppSettings(const AppSettings& settings) {
    Json out = Json::object();
    out["weatherSource"] = std::string(toString(settings.weatherSource));
    out["unit"] = std::string(toString(settings.unit));
    Json ids = Json::array();
    for (const auto& id : settings.feedCalendarIDs) {
        ids.push_back(id);
    }
    out["feedCalendarIDs"] = std::move(ids);
    // Written only once chosen, so the record stays as it was until then.
    if (!settings.holidayPlace.empty()) {
        out["holidayPlace"] = settings.holidayPlace;
    }
    return dump(out);
}

Result<AppSettings, DecodeError> decodeAppSettings(std::string_view json,
                                                   const AppSettings& defaults) {
    auto document = json_forms::parseJson(json);
    if (!document) {
        return Failure{document.error()};
    }
    return guarded<AppSettings>([&] { return readSettings(*document, defaults); });
}

}  // namespace solvane
