// solvane-widgets: the desktop widget host, its headless service and the PNG
// renderer.
#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/fonts.h"
#include "core/util/display_text.h"
#include "host/day_reminders.h"
#include "host/desktop_route.h"
#include "host/host_controller.h"
#include "host/open_solvane.h"
#include "host/plugin_loader.h"
#include "host/reload_service.h"
#include "host/render_options.h"
#include "host/widget_renderer.h"
#include "host/widget_window.h"
#include "host/x11_desktop.h"
#include "platform/dbus/bus_names.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/qt/time_zone_source.h"
#include "platform/qt/translations.h"

using namespace solvane;
using namespace solvane::host;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Everything written to a terminal passes the status lines' sanitising
// step: a label can neither steer the terminal nor break the line.
void complain(const std::string& message) {
    std::fprintf(stderr, "solvane-widgets: %s\n", oneLine(message).c_str());
}

// Before any Q*Application exists. Rendering and the headless service draw
// nothing on a screen, so they never depend on one: a display variable that
// is empty, or names a server that is not there, must not stop them (Qt
// aborts when its platform cannot connect).
void runWithoutDisplay() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool layerShellOffered() {
#ifdef SOLVANE_HAVE_LAYER_SHELL
    return platform::LayerShell::offeredByCompositor();
#else
    return false;
#endif
}

PluginLoad openPlugin() {
    PluginLoad load =
        loadFirstPlugin(pluginCandidates(QCoreApplication::applicationDirPath().toStdString()));
    if (!load.plugin) {
        complain(load.error);
    }
    return load;
}

int render(int argc, char** argv, const RenderRequest& request) {
    if (const std::string problem = request.describe ? std::string() : checkWritable(request.out);
        !problem.empty()) {
        complain(problem);
        return kExitUsage;
    }
    runWithoutDisplay();
    if (request.at) {
        // The plug-in's own clock reads this fixed moment; nothing else does.
        ::setenv("SOLVANE_NOW", formatIso8601(*request.at).value_or("").c_str(), 1);
    }
    QGuiApplication app(argc, argv);
    platform::installTranslations();
    PluginLoad load = openPlugin();
    if (!load.plugin) {
        return kExitFailure;
    }
    const GuardedPlugin plugin(*load.plugin);
    const auto kinds = plugin.kinds();
    if (const std::string problem = checkAgainstKinds(request, kinds); !problem.empty()) {
        complain(problem);
        return kExitUsage;
    }
    const auto configuration = configurationFor(request, *findKind(kinds, request.kind));
    std::shared_ptr<const widgets::WidgetEntry> entry;
    switch (request.source) {
        case RenderRequest::Source::placeholder:
            entry = plugin.placeholder(request.kind);
            break;
        case RenderRequest::Source::snapshot:
            entry = plugin.snapshot(request.kind, configuration);
            break;
        case RenderRequest::Source::timeline: {
            const auto timeline = plugin.timeline(request.kind, configuration);
            if (timeline &&
                static_cast<std::size_t>(request.timelineIndex) < timeline->entries.size()) {
                entry = timeline->entries[static_cast<std::size_t>(request.timelineIndex)];
            }
            break;
        }
    }
    if (!entry) {
        complain("the widget plug-in gave no entry for " + request.kind);
        return kExitFailure;
    }
    if (request.describe) {
        const auto text = plugin.describe(request.kind, request.family, *entry);
        if (!text || text->empty()) {
            complain("the widget plug-in could not describe " + request.kind);
            return kExitFailure;
        }
        std::fputs((oneLine(*text) + "\n").c_str(), stdout);
        return 0;
    }
    RenderSettings settings;
    settings.family = request.family;
    settings.mode = request.mode;
    settings.scheme = request.scheme;
    settings.scale = request.scale;
    const QImage image = renderWidget(plugin, request.kind, *entry, settings);
    if (image.isNull()) {
        complain("the widget plug-in failed to draw " + request.kind);
        return kExitFailure;
    }
    if (!image.save(QString::fromStdString(request.out), "PNG")) {
        complain("cannot write " + request.out);
        return kExitUsage;
    }
    return 0;
}

// The session as it is before Qt picks a platform.
SessionFacts sessionFacts() {
    SessionFacts facts;
    facts.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    facts.x11 = x11::serverAnswers();
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        facts.qtPlatform = qEnvironmentVariable("QT_QPA_PLATFORM").toStdString();
    }
    if (needsLayerShellProbe(facts)) {
        facts.layerShell = layerShellOffered();
    }
    return facts;
}

// A second host in the session hands its job to the running one: the user
// launched "Solvane Widgets" to get at the widgets, so the gallery opens.
int handOver(bool withWindows) {
    if (!withWindows) {
        complain("a widget host is already running in this session; leaving it to that one");
        return 0;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        bus::kDBusService, bus::kDBusPath, bus::kDBusInterface, bus::kDBusGalleryMethod);
    call << 0 << 0 << 0 << 0;
    call.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        complain("a widget host is already running but did not answer: " +
                 reply.errorMessage().toStdString());
    }
    return 0;
}

int serve(int argc, char** argv, bool withWindows, bool gallery) {
    std::unique_ptr<QGuiApplication> app;
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY") ||
                         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (withWindows && !display) {
        // Qt would abort with a less helpful message.
        complain("no display; use --headless-service or --render");
        return kExitFailure;
    }
    RouteChoice route;
    if (withWindows) {
        route = chooseRoute(sessionFacts());
        if (!route.why.empty()) {
            complain(route.why);
        }
        const bool named = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
        const QByteArray userPlatform = qgetenv("QT_QPA_PLATFORM");
        if (route.qtPlatform) {
            qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*route.qtPlatform));
        }
        auto* widgetsApp = new QApplication(argc, argv);
        if (route.qtPlatform) {
            // The app, when the host starts it, follows the user's setting,
            // not the host's.
            if (named) {
                qputenv("QT_QPA_PLATFORM", userPlatform);
            } else {
                qunsetenv("QT_QPA_PLATFORM");
            }
        }
        widgetsApp->setQuitOnLastWindowClosed(false);
        app.reset(widgetsApp);
    } else {
        runWithoutDisplay();
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    platform::installTranslations();
    QGuiApplication::setFont(withProportionalLatin(QGuiApplication::font()));
    QGuiApplication::setApplicationName("solvane-widgets");
    QGuiApplication::setDesktopFileName("org.solvane.Widgets");
    // The tray entry shows the window icon; from the build tree the theme
    // does not know it yet, so the built-in copy stands in.
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme("org.solvane.Solvane", QIcon(":/solvane/org.solvane.Solvane.svg")));
    PluginLoad load = openPlugin();
    if (!load.plugin) {
        return kExitFailure;
    }
    const SystemSchedulerClock clock;
    HostController controller(*load.plugin, defaultPlacedWidgetsPath(), clock);

    std::unique_ptr<Desktop> desktop;
    // Started once the bus name is ours: a second host of this session hands
    // over and announces nothing.
    DayReminders reminders(clock, platform::ReminderFiles::standard(), &openSolvane);
    ReloadService service(
        [&controller, &reminders] {
            controller.reloadRequested();
            // A countdown saved for today is announced now, not at midnight.
            reminders.check();
        },
        [&desktop](QRect keepClear) {
            if (desktop) {
                desktop->openGallery(keepClear);
            }
        });
    QString error;
    switch (registerReloadService(QDBusConnection::sessionBus(), service, &error)) {
        case RegisterOutcome::registered:
            break;
        case RegisterOutcome::nameTaken:
            return handOver(withWindows);
        case RegisterOutcome::noBus:
            // Widgets still work; only the reload request cannot reach us.
            complain("no session bus (" + error.toStdString() +
                     "); reload requests will not arrive");
            break;
    }
    if (!withWindows) {
        QObject::connect(&controller, &HostController::timelineRequested, &controller,
                         [&controller](const QString& id) {
                             std::fprintf(stderr, "solvane-widgets: timeline %d for %s\n",
                                          controller.timelineRequests(), qPrintable(id));
                         });
        // What each widget shows, as a screen reader would hear it: lets a
        // test or a bug report see the content without a screen.
        if (qEnvironmentVariableIsSet("SOLVANE_TRACE_ENTRIES")) {
            QObject::connect(&controller, &HostController::entryChanged, &controller,
                             [&controller](const QString& id) {
                                 if (const auto text = controller.describe(id.toStdString())) {
                                     std::fprintf(stderr, "solvane-widgets: entry for %s: %s\n",
                                                  qPrintable(id), oneLine(*text).c_str());
                                 }
                             });
        }
    }
    // The desktop switches the zone when the computer travels, and the
    // package manager replaces the zone's rules when they change.
    platform::SystemZoneSource zones;
    QObject::connect(&zones, &platform::ZoneSource::zoneChanged, &controller,
                     &HostController::zoneChanged);
    QObject::connect(&zones, &platform::ZoneSource::rulesChanged, &controller,
                     &HostController::zoneChanged);
    // The plug-in follows the calendars itself and says when to reload; what
    // its feed sync writes, the other programs hear of from here.
    load.plugin->setHostNotices(
        widgets::HostNotices{[&controller] { controller.reloadRequested(); },
                             [&reminders] {
                                 bus::announceStoreChanged();
                                 reminders.check();
                             }});
    controller.watchNetwork();
    controller.start();
    if (!withWindows) {
        QObject::connect(&reminders, &DayReminders::checked, [](int sent) {
            std::fprintf(stderr, "solvane-widgets: reminders checked, %d sent\n", sent);
        });
    }
    reminders.start();
    if (withWindows) {
        desktop = std::make_unique<Desktop>(controller, route.route);
        desktop->showAll();
        if (gallery) {
            desktop->openGallery();
        }
    }
    return app->exec();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.command) {
        complain(parsed.error + " (see --help)");
        return kExitUsage;
    }
    switch (parsed.command->action) {
        case CommandLine::Action::help:
            std::fputs(usageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::render:
            return render(argc, argv, parsed.command->render);
        case CommandLine::Action::headlessService:
            return serve(argc, argv, false, false);
        case CommandLine::Action::run:
            break;
    }
    return serve(argc, argv, true, parsed.command->gallery);
}
