#include "host/reload_service.h"

#include <QDBusConnectionInterface>
#include <QDBusError>

#include <utility>

#include "platform/dbus/bus_names.h"

namespace solvane::host {

ReloadService::ReloadService(std::function<void()> onReload, GalleryRequest onGallery,
                             QObject* parent)
    : QObject(parent), onReload_(std::move(onReload)), onGallery_(std::move(onGallery)) {}

void ReloadService::ReloadAllTimelines() {
    if (onReload_) {
        onReload_();
    }
}

void ReloadService::ShowGallery(int x, int y, int width, int height) {
    if (onGallery_) {
        // A negative size from a careless caller is no window at all.
        onGallery_(width > 0 && height > 0 ? QRect(x, y, width, height) : QRect());
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
        names->registerService(bus::kDBusService, QDBusConnectionInterface::DontQueueService,
                               QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        if (error != nullptr) {
            *error = reply.isValid() ? QStringLiteral("%1 is already owned").arg(bus::kDBusService)
                                     : reply.error().message();
        }
        return RegisterOutcome::nameTaken;
    }
    if (!bus.registerObject(bus::kDBusPath, &service, QDBusConnection::ExportScriptableSlots)) {
        if (error != nullptr) {
            *error = bus.lastError().message();
        }
        bus.unregisterService(bus::kDBusService);
        return RegisterOutcome::noBus;
    }
    return RegisterOutcome::registered;
}

}  // namespace solvane::host
