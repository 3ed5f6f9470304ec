// The host's object on the session bus: the app's reload request, and the
// request to open the gallery (from the app's "Add Widget…" or from a second
// launch of the host).
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

namespace solvane::host {

class ReloadService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.solvane.Widgets")

  public:
    // `keepClear` is a window of the caller's that new widgets should not
    // cover; empty when there is none.
    using GalleryRequest = std::function<void(QRect keepClear)>;

    explicit ReloadService(std::function<void()> onReload, GalleryRequest onGallery = {},
                           QObject* parent = nullptr);

  public slots:
    Q_SCRIPTABLE void ReloadAllTimelines();
    Q_SCRIPTABLE void ShowGallery(int x, int y, int width, int height);

  private:
    std::function<void()> onReload_;
    GalleryRequest onGallery_;
};

enum class RegisterOutcome { registered, nameTaken, noBus };

// Claims the well-known name first, so a second host finds it taken before
// exporting anything.
RegisterOutcome registerReloadService(QDBusConnection bus, ReloadService& service,
                                      QString* error = nullptr);

}  // namespace solvane::host
