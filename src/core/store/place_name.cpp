#include "core/store/place_name.h"

#include <cstdio>
#include <string>

#include "core/util/translation.h"

namespace solvane {

std::string coordinatePlaceName(double latitude, double longitude) {
    // "%.2f" of a huge double runs to hundreds of digits, so the buffer is
    // sized by a first, counting pass rather than guessed.
    const int length = std::snprintf(nullptr, 0, "%.2f, %.2f", latitude, longitude);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.2f, %.2f", latitude, longitude);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string placeName(const std::optional<PlaceParts>& parts, double latitude, double longitude) {
    std::string name;
    if (parts) {
        for (const auto& part : {parts->locality, parts->area}) {
            if (!part || part->empty()) {
                continue;
            }
            if (!name.empty()) {
                name += ", ";
            }
            name += *part;
        }
    }
    return name.empty() ? coordinatePlaceName(latitude, longitude) : name;
}

namespace location_status {

std::string locating() {
    return translate("Location", "Locating…");
}

std::string accessOffOnRequest() {
    return translate("Location",
                     "Location access is off. Turn it on in Solvane › Privacy & Security › "
                     "Location.");
}

std::string accessOff() {
    return translate("Location", "Location access is off.");
}

std::string updated(std::string_view placeName) {
    return withArguments(translate("Location", "Updated to %1"), {placeName});
}

std::string failed(std::string_view errorDescription) {
    return withArguments(translate("Location", "Couldn't get location: %1"), {errorDescription});
}

}  // namespace location_status

}  // namespace solvane
