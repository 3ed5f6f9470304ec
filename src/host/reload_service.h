// The host's side of the reload request: one object on the session bus.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>

namespace solvane::host {

class ReloadService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.solvane.Widgets")

  public:
    explicit ReloadService(std::function<void()> onReload, QObject* parent = nullptr);

  public slots:
    Q_SCRIPTABLE void ReloadAllTimelines();

  private:
    std::function<void()> onReload_;
};

enum class RegisterOutcome { registered, nameTaken, noBus };

// Claims the well-known name first, so a second host finds it taken before
// exporting anything.
RegisterOutcome registerReloadService(QDBusConnection bus, ReloadService& service,
                                      QString* error = nullptr);

}  // namespace solvane::host
