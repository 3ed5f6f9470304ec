// Reverse geocoding over the OpenStreetMap Nominatim service: a coordinate in,
// a town and a state or region out, or nothing at all.
//
//   GET {endpoint}/reverse?format=jsonv2&lat=40.015&lon=-105.2705&zoom=10&addressdetails=1
//
// The locality is the first of the address's city, town, village and hamlet.
// The area is the state's ISO 3166-2 subdivision code without its country
// ("US-CA" → "CA") when the reply carries one, else the state's name. Every
// failure (transport, a status other than 200, a body that is not the
// expected JSON, a reply without an address) is the same absent answer: the
// caller names the place by its coordinates instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/net/http.h"
#include "core/store/place_name.h"

namespace solvane::platform {

inline constexpr std::string_view kNominatimEndpoint = "https://nominatim.openstreetmap.org";

struct NominatimConfig {
    std::string endpoint{kNominatimEndpoint};
    // The service's usage policy asks every client to name itself.
    std::string userAgent;
    double timeoutSeconds = 10;

    // $SOLVANE_NOMINATIM_URL or the public service, with this build's
    // "Solvane/<version> (desktop board)".
    static NominatimConfig standard();
};

std::string nominatimReverseUrl(std::string_view endpoint, double latitude, double longitude);

// The parts of a reply body; nullopt when it is not a JSON object with an
// "address" object, or the address has neither a locality nor an area.
std::optional<PlaceParts> parseNominatimReverse(std::string_view body);

// One blocking request, bounded by the config's timeout and by `cancel`:
// run it off the main thread.
std::optional<PlaceParts> reverseGeocode(const NominatimConfig& config, double latitude,
                                         double longitude, const net::CancelToken& cancel = {});

}  // namespace solvane::platform
