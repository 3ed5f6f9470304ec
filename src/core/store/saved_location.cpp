#include "core/store/saved_location.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "core/model/json_forms.h"

namespace solvane {

namespace {

using json_forms::Json;

Json coordinateJson(double degrees) {
    // A non-finite coordinate has no JSON form: it goes out as null, which no
    // reader accepts, so the store refuses to save such a place rather than
    // invent one.
    if (!std::isfinite(degrees)) {
        return Json(nullptr);
    }
    return json_forms::wholeOrDouble(degrees);
}

constexpr auto fail = json_forms::decodeFailure;

Result<double, DecodeError> readCoordinate(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fail(std::string("\"") + key + "\" is missing");
    }
    if (!it->is_number()) {
        return fail(std::string("\"") + key + "\" must be a number, got " + it->type_name());
    }
    const double degrees = it->get<double>();
    // Numbers too large for a double arrive as infinity; nothing downstream
    // can place the board there.
    if (!std::isfinite(degrees)) {
        return fail(std::string("\"") + key + "\" is not a finite number");
    }
    return degrees;
}

}  // namespace

SavedLocation defaultLocation() {
    return SavedLocation{40.7128, -74.0060, "New York"};
}

std::string encodeSavedLocation(const SavedLocation& location) {
    Json out = Json::object();
    out["latitude"] = coordinateJson(location.latitude);
    out["longitude"] = coordinateJson(location.longitude);
    out["name"] = location.name;
    // Place names come from the user or a geocoder; a stray bad byte is
    // replaced rather than losing the whole place.
    return out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

Result<SavedLocation, DecodeError> decodeSavedLocation(std::string_view json) {
    auto document = json_forms::parseJson(json);
    if (!document) {
        return Failure{document.error()};
    }
    const Json& value = *document;
    if (!value.is_object()) {
        return fail(std::string("a location must be an object, got ") + value.type_name());
    }
    auto latitude = readCoordinate(value, "latitude");
    if (!latitude) {
        return Failure{latitude.error()};
    }
    auto longitude = readCoordinate(value, "longitude");
    if (!longitude) {
        return Failure{longitude.error()};
    }
    const auto name = value.find("name");
    if (name == value.end()) {
        return fail("\"name\" is missing");
    }
    if (!name->is_string()) {
        return fail(std::string("\"name\" must be a string, got ") + name->type_name());
    }
    return SavedLocation{*latitude, *longitude, name->get<std::string>()};
}

}  // namespace solvane
