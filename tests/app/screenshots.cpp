// Takes the window's pictures in every preview style, in the light and the
// dark appearance, under a real X server (Xvfb), and checks that each looks
// like a window in that appearance. With SOLVANE_SCREENSHOT_DIR set the PNGs
// are written there (make screenshots writes docs/screenshots/).
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QListView>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "app/appearance.h"
#include "app/board_preview.h"
#include "app/countdown_editor.h"
#include "app/countdown_list.h"
#include "app/date_field.h"
#include "app/main_window.h"
#include "app/weather_section.h"
#include "app_fakes.h"
#include "core/model/presets.h"
#include "platform/qt/translations.h"

namespace solvane::app {
namespace {

// Sunday 6 December 2026, 15:30 in New York.
const Instant kNow = Instant::fromUnix(1'796'589'000);

WeatherCall openMeteo() {
    return [](double latitude, double longitude,
              const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
        WeatherSnapshot s;
        s.fetched = kNow;
        s.latitude = latitude;
        s.longitude = longitude;
        s.temperatureC = 4.6;
        s.feelsLikeC = 1.2;
        s.highC = 6.1;
        s.lowC = -1.4;
        s.condition = "Partly Cloudy";
        s.symbol = "cloud.sun";
        s.windKph = 14;
        s.windDirection = 300;
        s.cloudCover = 40;
        return s;
    };
}

// A computer that knows where it is but is never asked in these pictures.
class QuietLocation : public platform::LocationAdapter {
  public:
    void setDelegate(platform::LocationDelegate*) override {}
    LocationAuthorization authorization() const override {
        return LocationAuthorization::authorizedWhenInUse;
    }
    void requestAuthorization() override {}
    void requestLocation() override {}
};

void settle(int milliseconds) {
    fakes::waitUntil([] { return false; }, std::chrono::milliseconds(milliseconds));
}

class Screenshots : public ::testing::Test {
  protected:
    void SetUp() override { open(fakes::newYork(), "en_US"); }

    // The window as someone living in `calendar`'s zone and locale first
    // sees it (the locale's starter countdowns), with a few of their own.
    void open(const Calendar& calendar, const std::string& locale) {
        window_.reset();
        ASSERT_TRUE(dir_.isValid());
        const QString home = dir_.filePath(QString::fromStdString(locale));
        qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (home + "/data").toUtf8());
        const std::filesystem::path root = home.toStdString();
        SharedStore store(StorePaths{root / "config" / "preferences.sqlite",
                                     root / "config" / "fallback.sqlite", root / "data"},
                          locale);
        // The starter list plus one countdown that has run its course, so the
        // list shows a "done" row too.
        std::vector<Countdown> countdowns = store.loadCountdowns(calendar, kNow);
        for (const auto& preset : catalogue(calendar, PresetRegion{})) {
            if (preset.id == "new-year") {
                countdowns.insert(countdowns.begin(), makeCountdown(preset));
            }
        }
        Countdown trip;
        trip.id = Uuid::random();
        trip.label = "Lisbon trip";
        trip.symbol = "airplane";
        trip.start = DateRule::fixed(kNow - 86400.0 * 40);
        countdowns.push_back(trip);
        store.saveCountdowns(countdowns);
        // A first start elsewhere shows the zone's city until a place is chosen.
        if (locale == "en_US") {
            store.saveLocation(SavedLocation{40.7128, -74.0060, "New York"});
        }
        // Two calendars, one of them followed, so the section shows its toggles.
        calendars_.calendarList = {{"vdir:home", "Home", "#34C759", "Personal"},
                                   {"vdir:holidays", "Holidays", "#FF9500", "Personal"}};
        AppSettings settings = store.loadSettings();
        settings.feedCalendarIDs = {"vdir:holidays"};
        if (offline_) {
            settings.weatherSource = WeatherSource::apple;
        }
        store.saveSettings(settings);

        WeatherServices weather;
        weather.apple = openMeteo();
        weather.openMeteo = openMeteo();
        if (offline_) {
            // Apple Weather chosen without a key, on a computer with no network.
            weather.apple = [](double, double, const net::CancelToken&) {
                return Result<WeatherSnapshot, WeatherError>(
                    Failure(WeatherError::service("WeatherKitError.missingCredentials")));
            };
            weather.openMeteo = [](double, double, const net::CancelToken&) {
                return Result<WeatherSnapshot, WeatherError>(Failure(
                    WeatherError::fromHttp({net::HttpErrorKind::cannotConnect, "offline"})));
            };
        }
        weather.clock = [] { return kNow; };
        AppServices app = fakes::servicesOn(store, std::move(weather));
        app.clock = [] { return kNow; };
        app.calendar = calendar;
        app.events = &calendars_;
        WindowServices services =
            fakes::windowServices(std::move(app), IconStore(store), root / "config");
        services.updates.clock = [] { return kNow; };
        services.makeLocator = [store](platform::LocationPermissionPrompt) {
            return std::make_unique<platform::LocationManager>(
                std::make_unique<QuietLocation>(),
                [](double, double, const net::CancelToken&) { return std::optional<PlaceParts>(); },
                store);
        };
        services.answer = [](AccessQuestion) { return false; };
        services.openWidgetGallery = [](QRect) { return true; };
        services.remindersFile = root / "config" / "reminders.json";
        window_ = std::make_unique<MainWindow>(std::move(services));
    }

    QImage take(ColorScheme scheme, int styleIndex) {
        QApplication::setPalette(windowPalette(scheme));
        window_->setColorScheme(scheme);
        window_->stylePicker()->button(styleIndex)->click();
        window_->show();
        window_->raise();
        settle(400);
        QScreen* screen = window_->screen();
        QImage shot = screen->grabWindow(window_->winId()).toImage();
        if (shot.isNull() || shot.size() != window_->size() * window_->devicePixelRatio()) {
            shot = window_->grab().toImage();
        }
        return shot;
    }

    // Kept as `name`.png when SOLVANE_SCREENSHOT_DIR names a folder.
    static void keep(const QImage& shot, const QString& name) {
        const QString out = qEnvironmentVariable("SOLVANE_SCREENSHOT_DIR");
        if (!out.isEmpty()) {
            QDir().mkpath(out);
            EXPECT_TRUE(shot.save(out + "/" + name + ".png")) << name.toStdString();
        }
    }

    bool offline_ = false;
    QTemporaryDir dir_;
    testing::FakeEventStore calendars_;
    std::unique_ptr<MainWindow> window_;
};

// How many distinct colours a coarse sample of the picture holds; a window
// that drew nothing has one or two.
std::size_t distinctColours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            seen.insert(image.pixel(x, y));
        }
    }
    return seen.size();
}

TEST_F(Screenshots, EveryStyleInBothAppearances) {
    const WidgetStyle styles[] = {WidgetStyle::glass, WidgetStyle::dark, WidgetStyle::light};
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (int style = 0; style < 3; ++style) {
            const QString name =
                QString::fromStdString("window-" + std::string(toString(styles[style])) +
                                       (scheme == ColorScheme::dark ? "-dark" : "-light"));
            SCOPED_TRACE(name.toStdString());
            const QImage shot = take(scheme, style);
            ASSERT_FALSE(shot.isNull());
            EXPECT_GT(distinctColours(shot), 200u);
            // The window's own background, just inside its bottom-left corner,
            // follows the appearance whatever the preview shows.
            const QColor corner = shot.pixelColor(4, shot.height() - 4);
            if (scheme == ColorScheme::dark) {
                EXPECT_LT(corner.lightness(), 80);
            } else {
                EXPECT_GT(corner.lightness(), 200);
            }
            keep(shot, name);
        }
    }
}

// The window in German, Russian and Japanese where each is spoken, for the
// pictures to be looked at for clipping of the longer words and CJK text.
TEST_F(Screenshots, InGermanRussianAndJapanese) {
    qputenv("SOLVANE_TRANSLATIONS", SOLVANE_TRANSLATIONS_DIR);
    const struct {
        const char *name, *zone, *locale;
    } languages[] = {
        {"de", "Europe/Berlin", "de_DE"},
        {"ru", "Europe/Moscow", "ru_RU"},
        {"ja", "Asia/Tokyo", "ja_JP"},
    };
    for (const auto& language : languages) {
        SCOPED_TRACE(language.name);
        ASSERT_EQ(platform::installTranslations(language.name), language.name);
        QLocale::setDefault(QLocale(QString::fromLatin1(language.locale)));
        const Calendar calendar = *Calendar::make(language.zone, language.locale);
        open(calendar, language.locale);
        const QImage shot = take(ColorScheme::light, 0);
        ASSERT_FALSE(shot.isNull());
        EXPECT_GT(distinctColours(shot), 200u);
        keep(shot, QStringLiteral("window-") + language.name);
        window_.reset();
    }
    platform::installTranslations("en_US");
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

// What a keyboard user without a network sees: Apple Weather's advice in the
// window, and the countdown sheet's calendar opened with Alt+Down.
TEST_F(Screenshots, OfflineAdviceAndTheDateCalendar) {
    offline_ = true;
    open(*Calendar::make("America/New_York", "en_US"), "en_US-offline");
    const QImage shot = take(ColorScheme::light, 0);
    ASSERT_TRUE(window_->weatherSection()->adviceLabel()->isVisible());
    keep(shot, "window-apple-offline");

    QListView* list = window_->countdownList()->listView();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    settle(300);
    CountdownEditor* sheet = window_->editor();
    ASSERT_NE(sheet, nullptr);
    auto* date = sheet->findChild<DateField*>("startDate");
    ASSERT_NE(date, nullptr);
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Down, Qt::AltModifier);
    settle(300);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    const QRect both = sheet->frameGeometry().united(popup->frameGeometry());
    keep(sheet->screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height()).toImage(),
         "editor-date-calendar");
    QTest::keyClick(popup->focusWidget(), Qt::Key_Escape);
    sheet->reject();
    offline_ = false;
}

}  // namespace
}  // namespace solvane::app

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    return RUN_ALL_TESTS();
}
