#include "app/app_state.h"

#include <QMetaObject>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "board/custom_icons.h"
#include "core/calendar/calendar_sync.h"
#include "host/reload_client.h"
#include "platform/calendar/calendar_database.h"
#include "platform/system_clock.h"
#include "platform/weather_services.h"

namespace solvane::app {

// What the workers share with the state that outlives any one of them: the
// signal that the window is going away, so a worker waiting between attempts
// gives up at once instead of holding the destructor for seconds.
struct AppState::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;

    // False when stopped before the delay ran out.
    bool sleep(std::chrono::milliseconds delay) {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, delay, [this] { return stopping; });
    }
    bool stopped() {
        std::lock_guard lock(mutex);
        return stopping;
    }
    void stop() {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_all();
    }
};

AppServices AppServices::standard() {
    Calendar calendar = Calendar::current();
    const std::string& locale = calendar.locale();
    std::string language = locale.substr(0, locale.find('_'));
    auto attributionConfig = platform::WeatherKitConfig::standard(calendar.zoneId(), language);
    WeatherServices weather = platform::standardWeatherServices(calendar);
    return AppServices{
        .store = SharedStore::standard(),
        .clock = platform::systemNow,
        .calendar = std::move(calendar),
        .weather = std::move(weather),
        .attribution = [config = std::move(
                            attributionConfig)] { return platform::weatherKitAttribution(config); },
        .events = &platform::CalendarDatabase::shared(),
        .reloadWidgets = [] { host::requestWidgetReload(); },
        .attemptDelay = kWeatherAttemptDelay,
    };
}

AppState::AppState(AppServices services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      countdowns_(services_.store.loadCountdowns(services_.calendar)),
      location_(services_.store.loadLocation()),
      settings_(services_.store.loadSettings()),
      appleFailureNote_(services_.store.loadAppleError()),
      shared_(std::make_shared<Shared>()) {
    // Three attempts of two overlapping refreshes plus a retry need no more
    // than a handful of threads; more would only pile up on a dead network.
    workers_.setMaxThreadCount(4);
    if (!services_.clock) {
        services_.clock = platform::systemNow;
    }
}

AppState::~AppState() {
    shared_->stop();
    workers_.waitForDone();
}

Instant AppState::now() const {
    return services_.clock();
}

CalendarAuthorization AppState::calendarAuthorization() const {
    return services_.events != nullptr ? services_.events->authorization()
                                       : CalendarAuthorization::restricted;
}

std::vector<EventCalendar> AppState::calendars() const {
    return services_.events != nullptr ? services_.events->calendars()
                                       : std::vector<EventCalendar>{};
}

bool AppState::showsFallbackNotice() const {
    return weather_ && weather_->isFallback();
}

std::string AppState::fallbackDetails() const {
    return appleFailureNote_ ? *appleFailureNote_ : std::string(kNoFailureDetails);
}

Countdown AppState::newCountdownDraft() const {
    const Instant current = now();
    const Calendar& calendar = services_.calendar;
    std::optional<Instant> day;
    if (auto later = calendar.addDays(current, 30)) {
        day = calendar.startOfDay(*later);
    }
    if (!day) {
        day = calendar.startOfDay(current);
    }
    Countdown draft;
    draft.id = Uuid::random();
    draft.start = DateRule::fixed(day.value_or(current));
    return draft;
}

Countdown AppState::presetDraft(const CountdownPreset& preset) const {
    return makeCountdown(preset);
}

bool AppState::isNew(const Countdown& countdown) const {
    return std::none_of(countdowns_.begin(), countdowns_.end(),
                        [&](const Countdown& c) { return c.id == countdown.id; });
}

void AppState::writeCountdowns() {
    // A list that cannot be encoded is not written; the widgets then keep
    // showing the stored list, which is the best that can be done.
    services_.store.saveCountdowns(countdowns_);
    emit countdownsChanged();
    reloadWidgets();
}

void AppState::reloadWidgets() {
    if (services_.reloadWidgets) {
        services_.reloadWidgets();
    }
}

void AppState::saveCountdown(const Countdown& countdown) {
    auto it = std::find_if(countdowns_.begin(), countdowns_.end(),
                           [&](const Countdown& c) { return c.id == countdown.id; });
    if (it != countdowns_.end()) {
        *it = countdown;
    } else {
        countdowns_.push_back(countdown);
    }
    writeCountdowns();
}

void AppState::deleteCountdown(const Countdown& countdown) {
    auto first = std::find_if(countdowns_.begin(), countdowns_.end(),
                              [&](const Countdown& c) { return c.id == countdown.id; });
    if (first != countdowns_.end() && first->customImage) {
        // IconStore refuses any name that is not one of its own files, so a
        // tampered list cannot delete anything outside the Icons folder.
        IconStore(services_.store).remove(first->customImage);
    }
    std::erase_if(countdowns_, [&](const Countdown& c) { return c.id == countdown.id; });
    writeCountdowns();
}

void AppState::moveCountdowns(const std::vector<std::size_t>& sources, std::size_t destination) {
    const std::size_t count = countdowns_.size();
    std::vector<bool> moving(count, false);
    bool any = false;
    for (std::size_t source : sources) {
        if (source < count) {
            moving[source] = true;
            any = true;
        }
    }
    if (!any) {
        return;
    }
    destination = std::min(destination, count);
    std::vector<Countdown> moved;
    std::vector<Countdown> kept;
    std::size_t insertAt = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (moving[i]) {
            moved.push_back(countdowns_[i]);
        } else {
            if (i < destination) {
                ++insertAt;
            }
            kept.push_back(countdowns_[i]);
        }
    }
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(insertAt), moved.begin(), moved.end());
    if (kept == countdowns_) {
        return;
    }
    countdowns_ = std::move(kept);
    writeCountdowns();
}

void AppState::setSettings(const AppSettings& settings) {
    if (settings == settings_) {
        return;
    }
    settings_ = settings;
    services_.store.saveSettings(settings_);
    emit settingsChanged();
    syncCalendars();
    reloadWidgets();
    // The cache remembers which source it was fetched for, so a unit change
    // reuses it and only a source change reaches the network.
    refreshWeather();
}

void AppState::setWeatherSource(WeatherSource source) {
    AppSettings changed = settings_;
    changed.weatherSource = source;
    setSettings(changed);
}

void AppState::setUnit(TempUnit unit) {
    AppSettings changed = settings_;
    changed.unit = unit;
    setSettings(changed);
}

void AppState::setFeedCalendar(const std::string& calendarId, bool on) {
    AppSettings changed = settings_;
    std::erase(changed.feedCalendarIDs, calendarId);
    if (on) {
        changed.feedCalendarIDs.push_back(calendarId);
    }
    setSettings(changed);
}

void AppState::placeChanged(const SavedLocation& place) {
    location_ = place;
    // The location service normally stored it already; storing again keeps
    // the widgets right when the place came from elsewhere.
    services_.store.saveLocation(location_);
    emit locationChanged();
    refreshWeather();
    reloadWidgets();
}

void AppState::windowShown() {
    syncCalendars();
    refreshWeather();
}

void AppState::setWeather(std::optional<WeatherSnapshot> snapshot) {
    weather_ = std::move(snapshot);
    // The fetch that produced the snapshot set or cleared the note.
    appleFailureNote_ = services_.store.loadAppleError();
    emit weatherChanged();
}

void AppState::beginRefresh() {
    if (++pendingRefreshes_ == 1) {
        emit weatherLoadingChanged(true);
    }
}

void AppState::endRefresh() {
    if (--pendingRefreshes_ == 0) {
        emit weatherLoadingChanged(false);
    }
}

void AppState::refreshWeather() {
    beginRefresh();
    const bool wantsAttribution =
        !attribution_ && !attributionRequested_ && static_cast<bool>(services_.attribution);
    attributionRequested_ = attributionRequested_ || wantsAttribution;
    workers_.start([this, shared = shared_, store = services_.store, weather = services_.weather,
                    attribution = services_.attribution, delay = services_.attemptDelay,
                    place = location_, source = settings_.weatherSource, wantsAttribution] {
        std::optional<WeatherSnapshot> snapshot;
        for (int attempt = 1; attempt <= kWeatherAttempts && !shared->stopped(); ++attempt) {
            snapshot = WeatherFetcher::fetch(store, weather, place, source, false);
            if (snapshot || attempt == kWeatherAttempts || !shared->sleep(delay)) {
                break;
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, snapshot] {
                // An empty outcome leaves the weather shown as it was.
                if (snapshot) {
                    setWeather(snapshot);
                }
            },
            Qt::QueuedConnection);
        std::optional<platform::WeatherKitAttribution> mark;
        if (wantsAttribution && !shared->stopped()) {
            mark = attribution();
        }
        QMetaObject::invokeMethod(
            this,
            [this, mark, wantsAttribution] {
                if (wantsAttribution) {
                    attributionRequested_ = false;
                    if (mark && !attribution_) {
                        attribution_ = mark;
                        emit attributionChanged();
                    }
                }
                endRefresh();
            },
            Qt::QueuedConnection);
    });
}

void AppState::retryAppleWeather() {
    beginRefresh();
    workers_.start([this, store = services_.store, weather = services_.weather, place = location_] {
        auto snapshot = WeatherFetcher::fetch(store, weather, place, WeatherSource::apple, true);
        QMetaObject::invokeMethod(
            this,
            [this, snapshot] {
                setWeather(snapshot);
                reloadWidgets();
                endRefresh();
            },
            Qt::QueuedConnection);
    });
}

void AppState::syncCalendars() {
    const bool access = services_.events != nullptr &&
                        services_.events->authorization() == CalendarAuthorization::fullAccess;
    if (access != calendarAccess_) {
        calendarAccess_ = access;
        emit calendarAccessChanged(access);
    }
    if (services_.events == nullptr) {
        return;
    }
    if (syncFeeds(services_.store, *services_.events, now(), services_.calendar)) {
        countdowns_ = services_.store.loadCountdowns(services_.calendar);
        emit countdownsChanged();
        reloadWidgets();
    }
}

void AppState::connectCalendars(const AccessPrompt& prompt) {
    if (services_.events == nullptr) {
        return;
    }
    const bool granted = services_.events->requestFullAccess(prompt);
    if (granted != calendarAccess_) {
        calendarAccess_ = granted;
        emit calendarAccessChanged(granted);
    }
    syncCalendars();
}

void AppState::beginEditing(const Countdown& countdown) {
    editing_ = countdown;
    emit editingChanged();
}

void AppState::endEditing() {
    if (editing_) {
        editing_.reset();
        emit editingChanged();
    }
}

void AppState::pickedEvent(const Countdown& countdown) {
    pendingEdit_ = countdown;
}

void AppState::pickerDismissed() {
    if (pendingEdit_) {
        editing_ = std::move(pendingEdit_);
        pendingEdit_.reset();
        emit editingChanged();
    }
}

}  // namespace solvane::app
