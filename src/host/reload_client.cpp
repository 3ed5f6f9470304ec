#include "host/reload_client.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include "host/dbus_names.h"

namespace solvane::host {

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
    return bus.send(call);
}

}  // namespace solvane::host
