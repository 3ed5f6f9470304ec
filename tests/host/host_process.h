// What the tests that run the real widget host share: a scratch home for it
// whose services all point at a closed loopback port, and waiting on Qt's
// loop for something the host does.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <functional>

namespace solvane::host {

inline bool waitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

// Config and data folders inside `dir`, and no way out to the network.
inline void useScratchHome(const QTemporaryDir& dir) {
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("SOLVANE_INFO", SOLVANE_INFO_FILE);
    qputenv("SOLVANE_OPEN_METEO_URL", "http://127.0.0.1:9/v1/forecast");
    qputenv("SOLVANE_WEATHERKIT_URL", "http://127.0.0.1:9/");
    qputenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9/");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir().mkpath(dir.filePath("config/solvane"));
}

}  // namespace solvane::host
