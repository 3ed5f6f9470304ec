// A helper the desktop tests run beside the widget host, standing in for what
// a user's desktop would have or show:
//
//   desktop_probe pixel X Y      the colour on screen at X,Y, as #rrggbb
//   desktop_probe shot FILE.png  the whole screen as a PNG
//   desktop_probe sni-watcher    a panel's tray on the session bus; prints
//                                "registered SERVICE" for each item that
//                                registers with it, then keeps running
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace {

// The watcher end of the StatusNotifierItem protocol, as much of it as an
// item needs to register.
class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

  public:
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return items_; }

  public slots:
    void RegisterStatusNotifierItem(const QString& service) {
        // An item may name its object path instead of its bus name.
        const QString who = service.startsWith('/') ? message().service() + service : service;
        items_ << who;
        std::printf("registered %s\n", qPrintable(who));
        std::fflush(stdout);
    }
    void RegisterStatusNotifierHost(const QString&) {}

  signals:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierHostRegistered();

  private:
    QStringList items_;
};

int usage() {
    std::fputs("usage: desktop_probe pixel X Y | shot FILE.png | sni-watcher\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == "sni-watcher") {
        QDBusConnection bus = QDBusConnection::sessionBus();
        Watcher watcher;
        if (!bus.registerObject("/StatusNotifierWatcher", &watcher,
                                QDBusConnection::ExportAllSlots |
                                    QDBusConnection::ExportAllProperties |
                                    QDBusConnection::ExportAllSignals) ||
            !bus.registerService("org.kde.StatusNotifierWatcher")) {
            std::fputs("desktop_probe: cannot own org.kde.StatusNotifierWatcher\n", stderr);
            return 1;
        }
        std::puts("watching");
        std::fflush(stdout);
        return app.exec();
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 1;
    }
    if (args.value(0) == "pixel" && args.size() == 3) {
        const QImage image =
            screen->grabWindow(0, args[1].toInt(), args[2].toInt(), 1, 1).toImage();
        if (image.isNull()) {
            return 1;
        }
        std::printf("%s\n", qPrintable(image.pixelColor(0, 0).name()));
        return 0;
    }
    if (args.value(0) == "shot" && args.size() == 2) {
        return screen->grabWindow(0).save(args[1], "PNG") ? 0 : 1;
    }
    return usage();
}

#include "desktop_probe.moc"
