// The seam between the location manager and whatever finds the computer's
// position: the desktop's location service in the program, a scripted fake
// in tests.
#pragma once

#include <string>
#include <vector>

#include "core/store/place_name.h"

namespace solvane::platform {

struct LocationFix {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive

    bool operator==(const LocationFix&) const = default;
};

// The adapter's news. Calls may come on any thread and from inside the
// adapter's own request calls; the receiver copes with both.
class LocationDelegate {
  public:
    virtual void authorizationChanged(LocationAuthorization state) = 0;
    // Oldest first; may be empty.
    virtual void locationsUpdated(std::vector<LocationFix> fixes) = 0;
    // A sentence for the user, after "Couldn't get location: ".
    virtual void failed(std::string description) = 0;

  protected:
    ~LocationDelegate() = default;
};

class LocationAdapter {
  public:
    virtual ~LocationAdapter() = default;

    // Null stops the news. No call reaches a delegate once the adapter is
    // destroyed.
    virtual void setDelegate(LocationDelegate* delegate) = 0;

    virtual LocationAuthorization authorization() const = 0;
    // Asks the user; the answer arrives through authorizationChanged.
    virtual void requestAuthorization() = 0;
    // One fix or one failure, never a stream of updates.
    virtual void requestLocation() = 0;
};

}  // namespace solvane::platform
