#include "app/single_instance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace solvane::app {

namespace {

// Long enough for a busy running copy to answer, short enough that a hung
// one does not leave the user waiting for nothing.
constexpr int kAskTimeoutMs = 3000;

}  // namespace

SingleInstance::Start SingleInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (names == nullptr) {
        return Start::noBus;
    }
    const auto reply =
        names->registerService(kAppBusName, QDBusConnectionInterface::DontQueueService,
                               QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        bus.registerObject(kAppBusPath, this, QDBusConnection::ExportScriptableSlots);
        return Start::first;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kAppBusName, kAppBusPath, kAppBusName,
                                                       QStringLiteral("Activate"));
    call.setAutoStartService(false);
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAskTimeoutMs);
    // A running copy that cannot be reached is no reason to show nothing:
    // this one then opens its own window.
    return answer.type() == QDBusMessage::ReplyMessage ? Start::handedOver : Start::noBus;
}

void SingleInstance::Activate() {
    emit activated();
}

}  // namespace solvane::app
