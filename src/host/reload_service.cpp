#include "host/reload_service.h"

#include <QDBusConnectionInterface>
#include <QDBusError>

#include <utility>

#include "host/dbus_names.h"

namespace solvane::host {

ReloadService::ReloadService(std::function<void()> onReload, QObject* parent)
    : QObject(parent), onReload_(std::move(onReload)) {}

void ReloadService::ReloadAllTimelines() {
    if (onReload_) {
        onReload_();
    }
}

RegisterOutcome registerReloadService(QDBusConnection bus, ReloadService& service, QString* error) {
    if (!bus.isConnected()) {
        if (error != nullptr) {
            *error = bus.lastError().message();
        }
        return RegisterOutcome::noBus;
    }
    QDBusConnectionInterface* names = bus.interface();
    if (names == nullptr) {
        return RegisterOutcome::noBus;
    }
    const auto reply =
        names->registerService(kDBusService, QDBusConnectionInterface::DontQueueService,
                               QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        if (error != nullptr) {
            *error = reply.isValid() ? QStringLiteral("%1 is already owned").arg(kDBusService)
                                     : reply.error().message();
        }
        return RegisterOutcome::nameTaken;
    }
    if (!bus.registerObject(kDBusPath, &service, QDBusConnection::ExportScriptableSlots)) {
        if (error != nullptr) {
            *error = bus.lastError().message();
        }
        bus.unregisterService(kDBusService);
        return RegisterOutcome::noBus;
    }
    return RegisterOutcome::registered;
}

}  // namespace solvane::host
