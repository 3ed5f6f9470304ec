// What the tests that run the real widget host share: a scratch home for it
// whose services all point at a closed loopback port, the host itself with
// its log, and waiting on Qt's loop for something the host does.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>

#include "platform/event_loop.h"

namespace solvane::host {

using namespace std::chrono_literals;
using solvane::testing::waitFor;

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

// One widget, "w", of `kind` and `size`, placed in the scratch home.
inline bool placeWidget(const QTemporaryDir& dir, const QString& kind, const QString& size) {
    QFile placed(dir.filePath("config/solvane/widgets.json"));
    return placed.open(QIODevice::WriteOnly) &&
           placed.write(QString(R"({"accentedColours": false, "version": 1, "widgets": [
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "w", "kind": "%1", "size": "%2", "x": 40, "y": 40}]})")
                            .arg(kind, size)
                            .toUtf8()) > 0;
}

// The host as the session starts it, without a window, its standard error
// gathered in `log`; stopped when the object goes.
class HeadlessHost {
  public:
    ~HeadlessHost() { stop(); }

    bool start(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        log.clear();
        process_.disconnect();
        process_.setProcessEnvironment(environment);
        QObject::connect(&process_, &QProcess::readyReadStandardError,
                         [this] { log += QString::fromUtf8(process_.readAllStandardError()); });
        process_.start(SOLVANE_WIDGETS_PROGRAM, {"--headless-service"});
        return process_.waitForStarted();
    }
    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
        process_.disconnect();
    }
    bool running() const { return process_.state() == QProcess::Running; }
    // SIGTERM, without waiting for the end.
    void terminate() { process_.terminate(); }

    QString log;

  private:
    QProcess process_;
};

}  // namespace solvane::host
