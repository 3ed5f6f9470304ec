// The desktop's location service through Qt Positioning, behind our own
// permission record.
//
// Qt's default position source is GeoClue. SOLVANE_POSITION_SOURCE=nmea:FILE
// replaces it with a recorded NMEA log played through Qt's NMEA plug-in, so
// tests and demos get a real fix on machines without a location service.
//
// The desktop keeps no per-application location switch that we could read,
// so whether Solvane may ask is the "location" answer of permissions.json,
// asked for once with the caller's prompt: no answer is notDetermined,
// "granted" is authorizedAlways, "denied" is denied. When the answer cannot
// be recorded it still holds until the program ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/location/location_adapter.h"
#include "platform/location/location_permission.h"

class QGeoPositionInfoSource;
class QGeoPositionInfo;

namespace solvane::platform {

// Asks the user whether Solvane may use the computer's location; true allows.
// Runs on the main thread and may open a modal dialog.
using LocationPermissionPrompt = std::function<bool()>;

class QtLocationAdapter : public QObject, public LocationAdapter {
    Q_OBJECT

  public:
    struct Options {
        // Empty: Qt's default source. "nmea:FILE": that NMEA log.
        QString source;
        std::filesystem::path permissionsFile;
        // How long one fix may take before it is reported as a failure.
        int timeoutMilliseconds = 30'000;
    };

    QtLocationAdapter(LocationPermissionPrompt prompt, Options options, QObject* parent = nullptr);
    ~QtLocationAdapter() override;

    // $SOLVANE_POSITION_SOURCE and this user's permissions.json.
    static Options standardOptions();

    void setDelegate(LocationDelegate* delegate) override;
    LocationAuthorization authorization() const override;
    void requestAuthorization() override;
    void requestLocation() override;

  private:
    QGeoPositionInfoSource* makeSource();
    void askUser();
    void positionArrived(const QGeoPositionInfo& info);
    void sourceFailed(int error);

    LocationPermissionPrompt prompt_;
    Options options_;
    LocationDelegate* delegate_ = nullptr;
    QPointer<QGeoPositionInfoSource> source_;
    std::optional<PermissionAnswer> unrecordedAnswer_;
    bool asking_ = false;
};

}  // namespace solvane::platform
