// A helper the desktop tests run beside the widget host, standing in for what
// a user's desktop would have or show:
//
//   desktop_probe pixel X Y      the colour on screen at X,Y, as #rrggbb
//   desktop_probe shot FILE.png  the whole screen as a PNG
//   desktop_probe changed FILE.png X,Y,W,H …
//                                for each rectangle, the percentage of its
//                                pixels that differ on screen from FILE.png
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
#include <cstdlib>

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

// A channel off by this little is the same colour drawn again.
constexpr int kSameColour = 8;

bool differ(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > kSameColour ||
           std::abs(qGreen(a) - qGreen(b)) > kSameColour ||
           std::abs(qBlue(a) - qBlue(b)) > kSameColour;
}

int usage() {
    std::fputs(
        "usage: desktop_probe pixel X Y | shot FILE.png | changed FILE.png X,Y,W,H... | "
        "sni-watcher\n",
        stderr);
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
    if (args.value(0) == "changed" && args.size() >= 3) {
        const QImage now = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage before = QImage(args[1]).convertToFormat(QImage::Format_RGB32);
        if (now.isNull() || before.size() != now.size()) {
            return 1;
        }
        QStringList shares;
        for (const QString& arg : args.mid(2)) {
            const QStringList n = arg.split(',');
            const QRect rect = n.size() == 4
                                   ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt())
                                         .intersected(now.rect())
                                   : QRect();
            if (rect.isEmpty()) {
                return usage();
            }
            long changed = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    changed += differ(now.pixel(x, y), before.pixel(x, y)) ? 1 : 0;
                }
            }
            shares << QString::number(changed * 100 / (long(rect.width()) * rect.height()));
        }
        std::printf("%s\n", qPrintable(shares.join(' ')));
        return 0;
    }
    if (args.value(0) == "shot" && args.size() == 2) {
        return screen->grabWindow(0).save(args[1], "PNG") ? 0 : 1;
    }
    return usage();
}

#include "desktop_probe.moc"
