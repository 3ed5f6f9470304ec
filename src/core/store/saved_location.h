// SavedLocation: the place the board is for, and the built-in default used
// until the user picks one.
//
// JSON form {"latitude": 40.7, "longitude": -74.0, "name": "New York"}; all
// three keys are required on reading.
#pragma once

#include <string>
#include <string_view>

#include "core/model/countdown_json.h"  // DecodeError
#include "core/util/result.h"

namespace solvane {

struct SavedLocation {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    std::string name;

    bool operator==(const SavedLocation&) const = default;
};

// The place shown before the user picks one.
SavedLocation defaultLocation();

std::string encodeSavedLocation(const SavedLocation& location);
Result<SavedLocation, DecodeError> decodeSavedLocation(std::string_view json);

}  // namespace solvane
