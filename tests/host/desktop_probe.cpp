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
//
// With SOLVANE_PROBE_SCREEN="kwin WIDTHxHEIGHT" the screen is KWin's, as its
// screenshot interface on the session bus gives it (on Wayland, where no
// client can read the screen itself).
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

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

QImage grab(QScreen* screen, QRect rect = {}) {
    const QStringList kwin = qEnvironmentVariable("SOLVANE_PROBE_SCREEN").split(' ');
    if (kwin.value(0) != QLatin1String("kwin")) {
        return rect.isNull()
                   ? screen->grabWindow(0).toImage()
                   : screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
                         .toImage();
    }
    // ScreenShot2 writes the pixels into a pipe and posts no notice (the
    // older interface's saved files each put a notice on the screen).
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const QStringList size = kwin.value(1).split('x');
    QDBusMessage reply;
    {
        // The message holds a copy of the pipe's end until it goes: only
        // then does the pipe end when KWin has written.
        QDBusMessage ask = QDBusMessage::createMethodCall(
            "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureArea");
        ask << 0 << 0 << size.value(0).toUInt() << size.value(1).toUInt()
            << QVariantMap{{"native-resolution", true}}
            << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
        reply = QDBusConnection::sessionBus().call(ask);
    }
    ::close(fds[1]);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "desktop_probe: %s\n", qPrintable(reply.errorMessage()));
        ::close(fds[0]);
        return {};
    }
    QByteArray data;
    char chunk[65536];
    for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;) {
        data.append(chunk, n);
    }
    ::close(fds[0]);
    const QVariantMap meta = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    const int w = meta.value("width").toInt();
    const int h = meta.value("height").toInt();
    const int stride = meta.value("stride").toInt();
    const auto format = static_cast<QImage::Format>(meta.value("format").toInt());
    if (reply.type() != QDBusMessage::ReplyMessage || w <= 0 || h <= 0 ||
        data.size() < qsizetype(stride) * h) {
        return {};
    }
    const QImage image =
        QImage(reinterpret_cast<const uchar*>(data.constData()), w, h, stride, format).copy();
    return rect.isNull() ? image : image.copy(rect);
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
        const QImage image = grab(screen, QRect(args[1].toInt(), args[2].toInt(), 1, 1));
        if (image.isNull()) {
            return 1;
        }
        std::printf("%s\n", qPrintable(image.pixelColor(0, 0).name()));
        return 0;
    }
    if (args.value(0) == "changed" && args.size() >= 3) {
        const QImage now = grab(screen).convertToFormat(QImage::Format_RGB32);
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
        const QImage image = grab(screen);
        return !image.isNull() && image.save(args[1], "PNG") ? 0 : 1;
    }
    return usage();
}

#include "desktop_probe.moc"
