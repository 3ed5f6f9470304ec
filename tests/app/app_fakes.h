// What the companion window's tests share: their calendar and moment, a
// bounded wait, scripted weather services, a fake calendar database and
// lookups of the window's parts and its focus.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "core/calendar/fake_event_store.h"
#include "core/test_helpers.h"
#include "core/time/calendar.h"
#include "core/weather/weather_fetcher.h"
#include "support/temp_dir.h"

namespace solvane::app::fakes {

using namespace std::chrono_literals;
using testing::countdownOn;

inline const Calendar& newYork() {
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    return calendar;
}

inline const Instant kNow = Instant::fromUnix(1'700'000'000);  // 2023-11-14, 17:13 in New York

// The action titled `text` in `menu` or any submenu of it.
inline QAction* findAction(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
        if (QAction* inner = action->menu() ? findAction(action->menu(), text) : nullptr) {
            return inner;
        }
    }
    return nullptr;
}

inline QString labelText(const QWidget* root, const char* name) {
    const auto* label = root->findChild<QLabel*>(name);
    return label ? label->text() : QString("<missing %1>").arg(name);
}

inline bool shown(const QWidget* root, const char* name) {
    const auto* w = root->findChild<QWidget*>(name);
    return w != nullptr && w->isVisibleTo(root);
}

// The focused widget's object name, or a nameless button's title.
inline std::string focusName() {
    const QWidget* w = QApplication::focusWidget();
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const QString name = !w                                    ? "<nothing>"
                         : w->objectName().isEmpty() && button ? button->text()
                                                               : w->objectName();
    return name.toStdString();
}

inline bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limit.count()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Closed sheets delete themselves later; their pointers clear only then.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

inline WeatherSnapshot snapshotFor(double latitude, double longitude, WeatherSource source) {
    WeatherSnapshot s;
    s.fetched = kNow;
    s.latitude = latitude;
    s.longitude = longitude;
    s.source = source;
    s.requested = source;
    s.temperatureC = 12;
    s.condition = "Clear";
    return s;
}

// A weather service answering from a script, one entry per call, then failing.
class ScriptedService {
  public:
    explicit ScriptedService(WeatherSource source) : source_(source) {}

    void script(std::vector<bool> answers) {
        std::lock_guard lock(mutex_);
        answers_ = std::move(answers);
    }
    // Each answer this long after the call, like a slow network's.
    void delayAnswers(std::chrono::milliseconds delay) {
        std::lock_guard lock(mutex_);
        delay_ = delay;
    }
    void failWith(WeatherError error) {
        std::lock_guard lock(mutex_);
        failure_ = std::move(error);
    }
    int calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

    WeatherCall call() {
        return [this](double latitude, double longitude,
                      const net::CancelToken&) -> Result<WeatherSnapshot, WeatherError> {
            std::unique_lock lock(mutex_);
            const auto index = static_cast<std::size_t>(calls_++);
            const bool answer = index < answers_.size() && answers_[index];
            const auto delay = delay_;
            WeatherError failure = failure_;
            lock.unlock();
            std::this_thread::sleep_for(delay);
            if (answer) {
                return snapshotFor(latitude, longitude, source_);
            }
            return Failure(std::move(failure));
        };
    }

  private:
    WeatherSource source_;
    mutable std::mutex mutex_;
    std::vector<bool> answers_;
    int calls_ = 0;
    std::chrono::milliseconds delay_{0};
    WeatherError failure_ = WeatherError::service("WeatherKitError.http(503)");  // unless told
};

// A state's services on `store` at kNow in New York with `weather` and
// nothing else.
inline AppServices servicesOn(SharedStore store, WeatherServices weather = {}) {
    return AppServices{.store = std::move(store),
                       .clock = [] { return kNow; },
                       .calendar = newYork(),
                       .weather = std::move(weather),
                       .attribution = {},
                       .events = nullptr,
                       .reloadWidgets = {},
                       .attemptDelay = 0ms,
                       .subscriptions = {}};
}

// The window's services around `app` with its files in `dir` and the desktop
// left out; tests set what they need on top.
inline WindowServices windowServices(AppServices app, IconStore icons,
                                     const std::filesystem::path& dir) {
    return WindowServices{
        .app = std::move(app),
        .icons = std::move(icons),
        .updates = {.info = {}, .stateFile = dir / "last-update-check", .clock = {}},
        .permissions = platform::PermissionRecord(dir / "permissions.json"),
        .calendarWatchPaths = {},
        .onCalendarChange = {},
        .makeLocator = {},
        .answer = {},
        .openWidgetGallery = {},
        .automaticUpdateChecks = false,
        .windowSizeFile = {},
        .remindersFile = {},
    };
}

// A store in a fresh folder and the two scripted weather services, tied
// together at kNow by appServices().
class StoreTest : public ::testing::Test {
  protected:
    AppServices appServices(const Calendar& calendar = newYork()) {
        WeatherServices weather;
        weather.apple = apple_.call();
        weather.openMeteo = openMeteo_.call();
        weather.clock = [] { return kNow; };
        weather.appleTimeLimitSeconds = 2;
        AppServices app = servicesOn(store_, std::move(weather));
        app.calendar = calendar;
        app.attribution = [] { return std::optional<platform::WeatherKitAttribution>(); };
        app.attemptDelay = 10ms;
        app.subscriptions = platform::SubscriptionStore(platform::SubscriptionPaths{
            dir_.path() / "config" / "subscriptions.json", dir_.path() / "data" / "subscriptions"});
        return app;
    }
    WindowServices windowServicesFor(AppServices app) {
        return windowServices(std::move(app), IconStore(store_), dir_.path());
    }

    testing::TempDir dir_;
    SharedStore store_{StorePaths{dir_.path() / "config" / "preferences.sqlite",
                                  dir_.path() / "config" / "fallback.sqlite", dir_.path() / "data"},
                       "en_US"};
    ScriptedService apple_{WeatherSource::apple};
    ScriptedService openMeteo_{WeatherSource::openMeteo};
};

inline const EventCalendar kFeed{"vdir:feed", "Countdowns", "#FF8800", "Personal"};

// The fake calendar database, holding kFeed.
struct FakeEventStore : testing::FakeEventStore {
    FakeEventStore() { calendarList = {kFeed}; }
};

}  // namespace solvane::app::fakes
