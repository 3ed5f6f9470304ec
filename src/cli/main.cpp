#include <sys/ioctl.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/board_cli.h"
#include "platform/calendar/calendar_database.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/qt/translations.h"
#include "platform/system_clock.h"
#include "platform/weather_services.h"

int main(int argc, char** argv) {
    using namespace solvane;
    cli::Environment env{platform::systemNow(), Calendar::current()};
    env.clock = [] { return platform::systemNow(); };
    env.store = SharedStore::standard();
    env.weather = platform::standardWeatherServices(env.calendar);
    env.forecast = platform::standardForecastServices(env.calendar);
    env.events = &platform::CalendarDatabase::shared();
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            env.localeVariable = value;
            break;
        }
    }
    env.terminal = ::isatty(STDOUT_FILENO) == 1;
    const char* noColor = std::getenv("NO_COLOR");
    env.noColor = noColor != nullptr && *noColor != '\0';
    winsize size{};
    if (env.terminal && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        env.columns = size.ws_col;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Following the board needs an event loop, and drawing a picture a GUI
    // application (for fonts), always offscreen, so the command works over
    // SSH and in CI.
    // Every command has an application: its catalogues translate what the
    // board and the status lines say.
    std::unique_ptr<QCoreApplication> app;
    const bool writes = !args.empty() && (args[0] == "subscribe" || args[0] == "unsubscribe");
    if (std::find(args.begin(), args.end(), "--png") == args.end()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        if (writes) {
            env.storeChanged = [] {
                if (bus::requestWidgetReload()) {
                    // One round trip to the bus: what was sent before it has
                    // left this program, which is about to end.
                    QDBusConnection::sessionBus().interface()->isServiceRegistered(
                        QStringLiteral("org.freedesktop.DBus"));
                }
            };
        }
    } else {
        // A picture needs no screen: an empty display variable, or one naming
        // a server that is not there, must not stop it.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    // --locale names the language too.
    QString language;
    if (const auto at = std::find(args.begin(), args.end(), "--locale");
        at != args.end() && at + 1 != args.end()) {
        language = QString::fromStdString(*(at + 1));
    }
    platform::installTranslations(language);
    return cli::run(args, env, std::cout, std::cerr);
}
