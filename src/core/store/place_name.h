// How the current location is named and how its progress reads in the window,
// kept free of any location service so both can be checked on their own.
//
//   placeName(PlaceParts{"Boulder", "CO"}, 40.01, -105.27)   → "Boulder, CO"
//   placeName(std::nullopt, 12.345, -56.789)                 → "12.35, -56.79"
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/util/enum_strings.h"

namespace solvane {

// What a reverse geocoder found for a fix: the town and the state or region,
// each absent when the answer had none.
struct PlaceParts {
    std::optional<std::string> locality;
    std::optional<std::string> area;

    bool operator==(const PlaceParts&) const = default;
};

// "%.2f, %.2f" of the coordinates: the name of a place nobody could name.
std::string coordinatePlaceName(double latitude, double longitude);

// Locality and area joined by ", ", keeping whichever are present and not
// empty; the coordinate name when the geocoder failed or found neither.
std::string placeName(const std::optional<PlaceParts>& parts, double latitude, double longitude);

// Whether this program may ask for the computer's position.
enum class LocationAuthorization {
    notDetermined,
    restricted,
    denied,
    authorizedAlways,
    authorizedWhenInUse,
};

template <>
struct EnumCases<LocationAuthorization> {
    static constexpr std::array<EnumCase<LocationAuthorization>, 5> list{{
        {LocationAuthorization::notDetermined, "notDetermined"},
        {LocationAuthorization::restricted, "restricted"},
        {LocationAuthorization::denied, "denied"},
        {LocationAuthorization::authorizedAlways, "authorizedAlways"},
        {LocationAuthorization::authorizedWhenInUse, "authorizedWhenInUse"},
    }};
};

// True for the two states in which no fix may be asked for.
constexpr bool accessIsOff(LocationAuthorization state) {
    return state == LocationAuthorization::restricted || state == LocationAuthorization::denied;
}

// The one-line status under the window's Location section. An empty status
// hides the line.
namespace location_status {

// In the user's language.
std::string locating();
// Asked while access is denied: the switch that turns it back on is this
// app's own, in the Solvane menu's "Privacy & Security…" window.
std::string accessOffOnRequest();
// Access went off while a request was waiting for it.
std::string accessOff();

std::string updated(std::string_view placeName);
std::string failed(std::string_view errorDescription);

}  // namespace location_status

}  // namespace solvane
