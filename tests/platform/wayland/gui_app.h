// The application object fonts, palettes and socket notifiers need, made once
// per test process.
#pragma once

#include <QGuiApplication>

namespace solvane::testing {

inline QGuiApplication& guiApp() {
    // The tests talk to their compositor themselves; Qt needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "platform_wayland_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

}  // namespace solvane::testing
