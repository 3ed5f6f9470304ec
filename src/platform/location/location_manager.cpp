#include "platform/location/location_manager.h"

#include <QCoreApplication>

#include <cmath>
#include <utility>

#include "platform/location/nominatim.h"

namespace solvane::platform {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool usable(const LocationFix& fix) {
    return std::isfinite(fix.latitude) && std::isfinite(fix.longitude) &&
           std::fabs(fix.latitude) <= 90 && std::fabs(fix.longitude) <= 180;
}

}  // namespace

LocationManager::LocationManager(std::unique_ptr<LocationAdapter> adapter, Geocoder geocoder,
                                 SharedStore store, QObject* parent)
    : QObject(parent),
      adapter_(std::move(adapter)),
      geocoder_(std::move(geocoder)),
      store_(std::move(store)) {
    if (adapter_ != nullptr) {
        adapter_->setDelegate(this);
    }
}

LocationManager::~LocationManager() {
    // The adapter goes first so no more news is posted; then the lookups
    // still running are told to stop and waited for, so none outlives the
    // object whose thread it reports to.
    adapter_.reset();
    geocodeCancel_.cancel();
    workers_.waitForDone();
}

std::unique_ptr<LocationManager> LocationManager::standard(LocationPermissionPrompt prompt,
                                                           QObject* parent) {
    auto adapter = std::make_unique<QtLocationAdapter>(std::move(prompt),
                                                       QtLocationAdapter::standardOptions());
    Geocoder geocoder = [config = NominatimConfig::standard()](double latitude, double longitude,
                                                               const net::CancelToken& cancel) {
        return reverseGeocode(config, latitude, longitude, cancel);
    };
    return std::make_unique<LocationManager>(std::move(adapter), std::move(geocoder),
                                             SharedStore::standard(), parent);
}

void LocationManager::request() {
    wantsLocation_ = true;
    setStatus(qText(location_status::locating()));
    if (adapter_ == nullptr) {
        setStatus(qText(location_status::failed(
            QCoreApplication::translate(
                "Location", "No location service is available. Type the place in the fields above.")
                .toStdString())));
        return;
    }
    const LocationAuthorization state = adapter_->authorization();
    if (accessIsOff(state)) {
        setStatus(qText(location_status::accessOffOnRequest()));
        return;
    }
    if (state == LocationAuthorization::notDetermined) {
        adapter_->requestAuthorization();
    } else {
        adapter_->requestLocation();
    }
}

// The three delegate calls may come on any thread, even from inside a
// request call on this one; each is posted to this object's thread and runs
// from its event loop.
void LocationManager::authorizationChanged(LocationAuthorization state) {
    QMetaObject::invokeMethod(
        this, [this, state] { handleAuthorization(state); }, Qt::QueuedConnection);
}

void LocationManager::locationsUpdated(std::vector<LocationFix> fixes) {
    QMetaObject::invokeMethod(
        this, [this, fixes = std::move(fixes)] { handleFixes(fixes); }, Qt::QueuedConnection);
}

void LocationManager::failed(std::string description) {
    QMetaObject::invokeMethod(
        this,
        [this, text = qText(location_status::failed(description))] {
            // wantsLocation stays, so a later grant still completes the
            // request.
            setStatus(text);
        },
        Qt::QueuedConnection);
}

void LocationManager::handleAuthorization(LocationAuthorization state) {
    if (!wantsLocation_ || adapter_ == nullptr) {
        return;
    }
    if (accessIsOff(state)) {
        setStatus(qText(location_status::accessOff()));
    } else if (state == LocationAuthorization::authorizedAlways) {
        adapter_->requestLocation();
    }
}

void LocationManager::handleFixes(const std::vector<LocationFix>& fixes) {
    if (fixes.empty()) {
        return;
    }
    // The newest fix is the last one.
    const LocationFix fix = fixes.back();
    if (!usable(fix)) {
        setStatus(qText(location_status::failed(
            QCoreApplication::translate("Location",
                                        "The location service gave no usable position. Try "
                                        "again, or type the place in the fields above.")
                .toStdString())));
        return;
    }
    geocodeCancel_.cancel();
    geocodeCancel_ = net::CancelToken();
    const std::uint64_t job = ++geocodeJob_;
    workers_.start([this, job, fix, geocoder = geocoder_, cancel = geocodeCancel_] {
        std::optional<PlaceParts> parts;
        if (geocoder) {
            // A geocoder that throws has simply named nothing.
            try {
                parts = geocoder(fix.latitude, fix.longitude, cancel);
            } catch (...) {
                parts.reset();
            }
        }
        QMetaObject::invokeMethod(
            this, [this, job, fix, parts = std::move(parts)] { deliver(job, fix, parts); },
            Qt::QueuedConnection);
    });
}

void LocationManager::deliver(std::uint64_t job, LocationFix fix,
                              const std::optional<PlaceParts>& parts) {
    if (job != geocodeJob_) {
        return;
    }
    SavedLocation place{fix.latitude, fix.longitude, placeName(parts, fix.latitude, fix.longitude)};
    store_.saveLocation(place);
    wantsLocation_ = false;
    setStatus(qText(location_status::updated(place.name)));
    emit locationUpdated(place);
}

void LocationManager::setStatus(const QString& status) {
    if (status == status_) {
        return;
    }
    status_ = status;
    emit statusChanged(status_);
}

}  // namespace solvane::platform
