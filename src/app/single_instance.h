// One Solvane window per session. The first program to start holds the name
// org.solvane.Solvane on the session bus; a later one asks it to bring its
// window forward (Activate) and leaves, so a second click on the launcher,
// the tray's "Open Solvane" or the widget host's link all end at one window.
//
//   SingleInstance instance;
//   if (instance.claim() == SingleInstance::Start::handedOver) return 0;
//   connect(&instance, &SingleInstance::activated, window, &Window::bringForward);
#pragma once

#include <QObject>

#include "platform/dbus/bus_names.h"

namespace solvane::app {

inline constexpr const char* kAppBusName = bus::kAppDBusService;
inline constexpr const char* kAppBusPath = bus::kAppDBusPath;

class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.solvane.Solvane")

  public:
    enum class Start {
        first,       // this program holds the name: it is the one window
        handedOver,  // another one runs and was asked to come forward
        noBus,       // no session bus: nothing to coordinate with
    };

    using QObject::QObject;

    Start claim();

  public slots:
    Q_SCRIPTABLE void Activate();

  signals:
    void activated();
};

}  // namespace solvane::app
