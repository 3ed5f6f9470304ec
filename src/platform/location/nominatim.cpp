#include "platform/location/nominatim.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "core/model/json_forms.h"
#include "core/weather/open_meteo.h"

#ifndef SOLVANE_VERSION_TEXT
#define SOLVANE_VERSION_TEXT "0"
#endif

namespace solvane::platform {

namespace {

using json_forms::Json;

// A reverse lookup answers with a few kilobytes; anything far beyond that is
// not an answer worth reading.
constexpr std::size_t kLargestReply = 256 * 1024;
// Names longer than this are not names a one-line status can show.
constexpr std::size_t kLongestName = 200;

std::optional<std::string> textMember(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) {
        return std::nullopt;
    }
    const auto& text = it->get_ref<const std::string&>();
    if (text.empty() || text.size() > kLongestName) {
        return std::nullopt;
    }
    return text;
}

// "US-CA" → "CA": a two-letter country, a hyphen, then one to three letters
// or digits, the shape every ISO 3166-2 code has.
std::optional<std::string> subdivisionCode(std::string_view code) {
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (code.size() < 4 || code.size() > 6 || !upper(code[0]) || !upper(code[1]) ||
        code[2] != '-') {
        return std::nullopt;
    }
    const std::string_view suffix = code.substr(3);
    if (!std::all_of(suffix.begin(), suffix.end(), alnum)) {
        return std::nullopt;
    }
    return std::string(suffix);
}

// Nominatim tags subdivision codes by administrative level
// ("ISO3166-2-lvl4", "ISO3166-2-lvl6"); the coarsest level present is the
// state or region, the finer ones are counties and districts.
std::optional<std::string> stateCode(const Json& address) {
    constexpr std::string_view prefix = "ISO3166-2-lvl";
    std::optional<int> bestLevel;
    std::optional<std::string> best;
    for (const auto& [key, value] : address.items()) {
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0 ||
            !value.is_string()) {
            continue;
        }
        int level = 0;
        const char* first = key.data() + prefix.size();
        const char* last = key.data() + key.size();
        const auto [end, ec] = std::from_chars(first, last, level);
        if (ec != std::errc() || end != last) {
            continue;
        }
        auto code = subdivisionCode(value.get_ref<const std::string&>());
        if (code && (!bestLevel || level < *bestLevel)) {
            bestLevel = level;
            best = std::move(code);
        }
    }
    return best;
}

}  // namespace

NominatimConfig NominatimConfig::standard() {
    NominatimConfig config;
    if (const char* url = std::getenv("SOLVANE_NOMINATIM_URL"); url != nullptr && *url != '\0') {
        config.endpoint = url;
    }
    config.userAgent = "Solvane/" SOLVANE_VERSION_TEXT " (desktop board)";
    return config;
}

std::string nominatimReverseUrl(std::string_view endpoint, double latitude, double longitude) {
    std::string base(endpoint);
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base + "/reverse?format=jsonv2&lat=" + net::encodeQueryValue(coordinateText(latitude)) +
           "&lon=" + net::encodeQueryValue(coordinateText(longitude)) + "&zoom=10&addressdetails=1";
}

std::optional<PlaceParts> parseNominatimReverse(std::string_view body) {
    auto parsed = json_forms::parseJson(body);
    if (!parsed || !parsed->is_object()) {
        return std::nullopt;
    }
    const auto address = parsed->find("address");
    if (address == parsed->end() || !address->is_object()) {
        return std::nullopt;
    }
    PlaceParts parts;
    for (const char* key : {"city", "town", "village", "hamlet"}) {
        if ((parts.locality = textMember(*address, key))) {
            break;
        }
    }
    parts.area = stateCode(*address);
    if (!parts.area) {
        parts.area = textMember(*address, "state");
    }
    if (!parts.locality && !parts.area) {
        return std::nullopt;
    }
    return parts;
}

std::optional<PlaceParts> reverseGeocode(const NominatimConfig& config, double latitude,
                                         double longitude, const net::CancelToken& cancel) {
    net::HttpRequest request;
    request.url = nominatimReverseUrl(config.endpoint, latitude, longitude);
    request.headers = {{"User-Agent", config.userAgent}, {"Accept", "application/json"}};
    request.connectTimeoutSeconds = std::min(config.timeoutSeconds, request.connectTimeoutSeconds);
    request.totalTimeoutSeconds = config.timeoutSeconds;
    request.stallSeconds = std::min(config.timeoutSeconds, request.stallSeconds);
    request.maxBodyBytes = kLargestReply;
    request.cancel = cancel;
    const auto reply = net::httpGet(request);
    if (!reply || reply->status != 200) {
        return std::nullopt;
    }
    return parseNominatimReverse(reply->body);
}

}  // namespace solvane::platform
