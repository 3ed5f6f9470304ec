#include "platform/location/qt_location_adapter.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGeoCoordinate>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QUrl>
#include <QVariantMap>

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace solvane::platform {

namespace {

constexpr QLatin1StringView kNmeaScheme("nmea:");
std::string unavailable() {
    return QCoreApplication::translate(
               "Location",
               "Location services are not available on this desktop. Type a place "
               "instead.")
        .toStdString();
}

// Qt gives an error code and no words. The status line puts these after
// "Couldn't get location: ": first what happened and what to do, then, on a
// line of its own, the code itself for a bug report.
std::string failure(std::string_view sentence, std::string_view technical) {
    return std::string(sentence) + "\n" + std::string(technical);
}

std::string describe(QGeoPositionInfoSource::Error error) {
    switch (error) {
        // GeoClue refuses a client both when no agent runs in the session
        // and when its configuration disallows the program; neither can be
        // mended from here, and the plug-in tells them apart by nothing.
        case QGeoPositionInfoSource::AccessError:
            return failure(unavailable(), "QGeoPositionInfoSource::AccessError");
        case QGeoPositionInfoSource::UpdateTimeoutError:
            return failure(
                QCoreApplication::translate("Location",
                                            "No position was found in time. Check that "
                                            "networking is on, then try again, or type the place "
                                            "in the fields above.")
                    .toStdString(),
                "QGeoPositionInfoSource::UpdateTimeoutError");
        case QGeoPositionInfoSource::ClosedError:
            return failure(QCoreApplication::translate(
                               "Location", "The location service stopped. Try again in a moment.")
                               .toStdString(),
                           "QGeoPositionInfoSource::ClosedError");
        case QGeoPositionInfoSource::UnknownSourceError:
        case QGeoPositionInfoSource::NoError:
            break;
    }
    return failure(QCoreApplication::translate("Location",
                                               "The location service failed. Try again, or "
                                               "type the place in the fields above.")
                       .toStdString(),
                   "QGeoPositionInfoSource::UnknownSourceError");
}

// Whether GeoClue can answer at all: running, or started by the system bus
// on demand. Without it Qt's plug-in waits out the whole timeout before it
// reports anything.
bool geoClueReachable() {
    const QString name = QStringLiteral("org.freedesktop.GeoClue2");
    QDBusConnection bus = QDBusConnection::systemBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (names == nullptr) {
        return false;
    }
    const auto running = names->isServiceRegistered(name);
    if (running.isValid() && running.value()) {
        return true;
    }
    const auto activatable = names->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(name);
}

}  // namespace

QtLocationAdapter::QtLocationAdapter(LocationPermissionPrompt prompt, Options options,
                                     QObject* parent)
    : QObject(parent), prompt_(std::move(prompt)), options_(std::move(options)) {}

QtLocationAdapter::~QtLocationAdapter() {
    // The sources are children and go with the QObject, after this; none of
    // their last words may reach a delegate that is already gone.
    delegate_ = nullptr;
}

QtLocationAdapter::Options QtLocationAdapter::standardOptions() {
    Options options;
    options.source = qEnvironmentVariable("SOLVANE_POSITION_SOURCE");
    options.permissionsFile = standardPermissionsFile();
    return options;
}

void QtLocationAdapter::setDelegate(LocationDelegate* delegate) {
    delegate_ = delegate;
}

LocationAuthorization QtLocationAdapter::authorization() const {
    std::optional<PermissionAnswer> answer;
    if (!options_.permissionsFile.empty()) {
        answer = readPermission(options_.permissionsFile, kLocationPermissionKey);
    }
    if (!answer) {
        answer = unrecordedAnswer_;
    }
    if (!answer) {
        return LocationAuthorization::notDetermined;
    }
    return *answer == PermissionAnswer::granted ? LocationAuthorization::authorizedAlways
                                                : LocationAuthorization::denied;
}

void QtLocationAdapter::requestAuthorization() {
    // The prompt may be a modal dialog; opening it from the event loop rather
    // than inside the caller's click lets the caller finish first (and show
    // "Locating…" behind the dialog).
    QMetaObject::invokeMethod(this, &QtLocationAdapter::askUser, Qt::QueuedConnection);
}

void QtLocationAdapter::askUser() {
    // A second click while the dialog is open waits for the first answer.
    if (asking_) {
        return;
    }
    if (authorization() == LocationAuthorization::notDetermined) {
        asking_ = true;
        // Without a prompt nobody can say yes: refuse for now, remember nothing.
        const bool allowed = prompt_ ? prompt_() : false;
        asking_ = false;
        const PermissionAnswer answer =
            allowed ? PermissionAnswer::granted : PermissionAnswer::denied;
        if (!prompt_ || options_.permissionsFile.empty() ||
            !writePermission(options_.permissionsFile, kLocationPermissionKey, answer)) {
            unrecordedAnswer_ = answer;
        }
    }
    if (delegate_ != nullptr) {
        delegate_->authorizationChanged(authorization());
    }
}

QGeoPositionInfoSource* QtLocationAdapter::makeSource() {
    if (options_.source.startsWith(kNmeaScheme)) {
        const QString file = options_.source.mid(kNmeaScheme.size());
        QVariantMap parameters;
        parameters.insert(QStringLiteral("nmea.source"), QUrl::fromLocalFile(file).toString());
        return QGeoPositionInfoSource::createSource(QStringLiteral("nmea"), parameters, this);
    }
    if (!options_.source.isEmpty()) {
        return nullptr;
    }
    // GeoClue names the asking program in its own permission dialogs.
    QVariantMap parameters;
    parameters.insert(QStringLiteral("desktopId"), QStringLiteral("org.solvane.Solvane"));
    QGeoPositionInfoSource* source = QGeoPositionInfoSource::createDefaultSource(parameters, this);
    if (source != nullptr) {
        // A town-sized fix is all the board needs, and network positioning
        // gives it without waking a satellite receiver.
        source->setPreferredPositioningMethods(
            QGeoPositionInfoSource::NonSatellitePositioningMethods);
    }
    return source;
}

void QtLocationAdapter::requestLocation() {
    if (delegate_ == nullptr) {
        return;
    }
    // Never ask the service behind the user's back.
    if (const auto state = authorization(); state != LocationAuthorization::authorizedAlways) {
        delegate_->authorizationChanged(state);
        return;
    }
    // A fresh source per request: a played log is spent after one fix, and
    // an abandoned request's late answer must not count for the new one.
    if (source_ != nullptr) {
        source_->disconnect(this);
        source_->deleteLater();
    }
    if (options_.source.isEmpty() && !geoClueReachable()) {
        delegate_->failed(
            failure(unavailable(), "org.freedesktop.GeoClue2: not on the system bus"));
        return;
    }
    source_ = makeSource();
    if (source_ == nullptr) {
        delegate_->failed(
            failure(unavailable(), options_.source.isEmpty()
                                       ? "QGeoPositionInfoSource::createDefaultSource: none"
                                       : "no source for " + options_.source.toStdString()));
        return;
    }
    connect(source_, &QGeoPositionInfoSource::positionUpdated, this,
            &QtLocationAdapter::positionArrived);
    connect(source_, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) { sourceFailed(static_cast<int>(error)); });
    source_->requestUpdate(options_.timeoutMilliseconds);
}

void QtLocationAdapter::positionArrived(const QGeoPositionInfo& info) {
    // One answer per request: a source that keeps talking is not heard again.
    if (source_ != nullptr) {
        source_->disconnect(this);
    }
    if (delegate_ == nullptr) {
        return;
    }
    const QGeoCoordinate coordinate = info.coordinate();
    if (!info.isValid() || !coordinate.isValid() || !std::isfinite(coordinate.latitude()) ||
        !std::isfinite(coordinate.longitude())) {
        delegate_->failed(
            failure(QCoreApplication::translate("Location",
                                                "The location service gave no usable position. "
                                                "Try again, or type the place in the fields above.")
                        .toStdString(),
                    "QGeoPositionInfo: invalid coordinate"));
        return;
    }
    delegate_->locationsUpdated({LocationFix{coordinate.latitude(), coordinate.longitude()}});
}

void QtLocationAdapter::sourceFailed(int error) {
    if (source_ != nullptr) {
        source_->disconnect(this);
    }
    if (delegate_ != nullptr) {
        delegate_->failed(describe(static_cast<QGeoPositionInfoSource::Error>(error)));
    }
}

}  // namespace solvane::platform
