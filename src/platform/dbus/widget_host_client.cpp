#include "platform/dbus/widget_host_client.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>

#include "platform/dbus/bus_names.h"

namespace solvane::bus {

bool requestWidgetReload() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kDBusService, kDBusPath, kDBusInterface, kDBusReloadMethod);
    // A host that is not running must not be started by the bus on our behalf,
    // and the caller must never wait for an answer.
    call.setAutoStartService(false);
    call.setDelayedReply(false);
    const bool sent = bus.send(call);
    announceStoreChanged();
    return sent;
}

bool announceStoreChanged() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() &&
           bus.send(QDBusMessage::createSignal(kDBusPath, kDBusInterface, kDBusChangedSignal));
}

bool widgetHostRunning() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (names == nullptr) {
        return false;
    }
    const auto reply = names->isServiceRegistered(kDBusService);
    return reply.isValid() && reply.value();
}

bool requestWidgetGallery(QRect keepClear) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kDBusService, kDBusPath, kDBusInterface, kDBusGalleryMethod);
    call << keepClear.x() << keepClear.y() << keepClear.width() << keepClear.height();
    call.setAutoStartService(false);
    return bus.send(call);
}

bool openWidgetGallery(const QString& hostProgram, QRect keepClear) {
    if (widgetHostRunning()) {
        return requestWidgetGallery(keepClear);
    }
    return QProcess::startDetached(hostProgram, {QStringLiteral("--gallery")});
}

}  // namespace solvane::bus
