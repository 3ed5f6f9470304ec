// solvane: the companion application.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "app/appearance.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "board/fonts.h"
#include "platform/qt/time_zone_source.h"
#include "platform/qt/translations.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication app(argc, argv);
    QApplication::setApplicationName("solvane");
    QApplication::setApplicationDisplayName("Solvane");
    QApplication::setApplicationVersion(SOLVANE_APP_VERSION);
    QApplication::setOrganizationDomain("solvane.org");
    QApplication::setDesktopFileName("org.solvane.Solvane");
    QApplication::setWindowIcon(
        QIcon::fromTheme("org.solvane.Solvane", QIcon(":/solvane/org.solvane.Solvane.svg")));
    solvane::platform::installTranslations();
    QApplication::setFont(solvane::withProportionalLatin(QApplication::font()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Countdowns, weather and the day's sky for the desktop."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption firstPaint(
        "quit-after-first-paint",
        QApplication::translate("main",
                                "Print the time from start to the first painted window and quit."));
    parser.addOption(firstPaint);
    parser.process(app);

    solvane::app::SingleInstance instance;
    if (instance.claim() == solvane::app::SingleInstance::Start::handedOver) {
        return 0;
    }

    auto* appearance = new solvane::app::Appearance(&app);
    appearance->apply();

    solvane::app::MainWindow window(solvane::app::WindowServices::standard());
    window.setColorScheme(appearance->scheme());
    QObject::connect(appearance, &solvane::app::Appearance::changed, &window,
                     &solvane::app::MainWindow::setColorScheme);
    solvane::platform::SystemZoneSource zones;
    window.followZone(zones);
    if (parser.isSet(firstPaint)) {
        QObject::connect(&window, &solvane::app::MainWindow::firstPainted, &app, [&] {
            // The wall-clock moment lets a launcher measure from before the
            // program was loaded; the elapsed time covers main() onwards.
            const auto epoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("first paint: %lld ms after main; at %lld ns\n",
                        static_cast<long long>(sinceStart.elapsed()),
                        static_cast<long long>(epoch.count()));
            std::fflush(stdout);
            QTimer::singleShot(0, &app, &QApplication::quit);
        });
    }
    QObject::connect(&instance, &solvane::app::SingleInstance::activated, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
