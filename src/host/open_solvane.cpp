#include "host/open_solvane.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "platform/dbus/bus_names.h"

namespace solvane::host {

void openSolvane() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface()->isServiceRegistered(bus::kAppDBusService)) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(bus::kAppDBusService, bus::kAppDBusPath,
                                           bus::kAppDBusInterface, bus::kAppActivateMethod);
        call.setAutoStartService(false);
        // No answer is awaited: a window that is there comes forward.
        if (bus.send(call)) {
            return;
        }
    }
    // A starting copy finds no window to hand over to and opens its own.
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("solvane");
    QProcess::startDetached(QFileInfo(beside).isExecutable() ? beside : QStringLiteral("solvane"),
                            {});
}

}  // namespace solvane::host
