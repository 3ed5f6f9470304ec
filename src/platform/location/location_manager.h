// LocationManager: replaces the board's place with the computer's current
// location, on request and one fix at a time.
//
// request() asks the adapter (for permission first when nobody has answered
// yet), names the fix through the geocoder on a worker thread, writes the new
// SavedLocation to the store and then emits locationUpdated. Progress and
// failures go to the one-line status the window shows under its Location
// section. The adapter's news may arrive on any thread, and each piece is
// handled on the manager's own thread, so status, store and signals are only
// ever touched there.
//
//   auto locator = LocationManager::standard([&] { return askUser(); });
//   connect(locator.get(), &LocationManager::locationUpdated, window, &Window::placeChanged);
//   connect(button, &QPushButton::clicked, locator.get(), &LocationManager::request);
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/net/http.h"
#include "core/store/place_name.h"
#include "core/store/shared_store.h"
#include "platform/location/location_adapter.h"
#include "platform/location/qt_location_adapter.h"

namespace solvane::platform {

class LocationManager : public QObject, private LocationDelegate {
    Q_OBJECT
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)

  public:
    // Names a fix, or gives nullopt. Runs on a worker thread, so it must be
    // safe to call from one, and it should stop soon after `cancel` fires.
    using Geocoder = std::function<std::optional<PlaceParts>(double latitude, double longitude,
                                                             const net::CancelToken& cancel)>;

    LocationManager(std::unique_ptr<LocationAdapter> adapter, Geocoder geocoder, SharedStore store,
                    QObject* parent = nullptr);
    ~LocationManager() override;

    // Qt Positioning behind permissions.json, Nominatim and this user's
    // store. `prompt` asks the user the first time.
    static std::unique_ptr<LocationManager> standard(LocationPermissionPrompt prompt,
                                                     QObject* parent = nullptr);

    // Empty when the window shows no status line.
    QString status() const { return status_; }
    // True from a request until a place has been delivered.
    bool wantsLocation() const { return wantsLocation_; }

  public slots:
    // The "Use Current Location" button.
    void request();

  signals:
    void statusChanged(const QString& status);
    // Once per delivered place, after the store holds it.
    void locationUpdated(const solvane::SavedLocation& place);

  private:
    void authorizationChanged(LocationAuthorization state) override;
    void locationsUpdated(std::vector<LocationFix> fixes) override;
    void failed(std::string description) override;

    void handleAuthorization(LocationAuthorization state);
    void handleFixes(const std::vector<LocationFix>& fixes);
    void deliver(std::uint64_t job, LocationFix fix, const std::optional<PlaceParts>& parts);
    void setStatus(const QString& status);

    std::unique_ptr<LocationAdapter> adapter_;
    Geocoder geocoder_;
    SharedStore store_;
    QString status_;
    bool wantsLocation_ = false;
    // Only the newest fix's name counts; an older lookup still running is
    // cancelled and its answer dropped.
    std::uint64_t geocodeJob_ = 0;
    net::CancelToken geocodeCancel_;
    QThreadPool workers_;
};

}  // namespace solvane::platform
