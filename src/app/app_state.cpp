#include "app/app_state.h"

#include <QMetaObject>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <set>
#include <utility>

#include "board/custom_icons.h"
#include "core/calendar/calendar_sync.h"
#include "platform/calendar/calendar_database.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/system_clock.h"
#include "platform/system_zone.h"
#include "platform/weather_services.h"

namespace solvane::app {

namespace {

// How often a store that cannot be read (another program holds it) is
// tried again.
constexpr std::chrono::milliseconds kStoreRetry{2000};

// A record stored without an identifier (as older versions wrote them) gets
// a new one on every read. It takes back the one the window shows, found by
// its content, so that an edit by identifier finds it and the list written
// keeps that identifier from then on.
void keepShownIdentifiers(std::vector<Countdown>& stored, const std::vector<Countdown>& shown) {
    std::set<Uuid> storedIds, shownIds;
    for (const auto& c : stored) {
        storedIds.insert(c.id);
    }
    std::vector<const Countdown*> unclaimed;
    for (const auto& c : shown) {
        shownIds.insert(c.id);
        if (storedIds.count(c.id) == 0) {
            unclaimed.push_back(&c);
        }
    }
    for (auto& c : stored) {
        if (unclaimed.empty() || shownIds.count(c.id) != 0) {
            continue;
        }
        for (auto it = unclaimed.begin(); it != unclaimed.end(); ++it) {
            Countdown same = **it;
            same.id = c.id;
            if (same == c) {
                c.id = (*it)->id;
                unclaimed.erase(it);
                break;
            }
        }
    }
}

}  // namespace

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
    Calendar calendar = Calendar::make(platform::systemZoneId(), Calendar::currentLocaleName())
                            .value_or(Calendar::current());
    const std::string& locale = calendar.locale();
    std::string language = locale.substr(0, locale.find('_'));
    auto attributionConfig = platform::WeatherKitConfig::standard(calendar.zoneId(), language);
    WeatherServices weather = platform::standardWeatherServices(platform::followedSystemCalendar());
    return AppServices{
        .store = SharedStore::standard(),
        .clock = platform::systemNow,
        .calendar = std::move(calendar),
        .weather = std::move(weather),
        .attribution = [config = std::move(
                            attributionConfig)] { return platform::weatherKitAttribution(config); },
        .events = &platform::CalendarDatabase::shared(),
        .reloadWidgets = [] { bus::requestWidgetReload(); },
        .attemptDelay = kWeatherAttemptDelay,
        .subscriptions = platform::SubscriptionStore::standard(),
    };
}

AppState::AppState(AppServices services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      location_(services_.store.loadLocation(services_.calendar)),
      settings_(services_.store.loadSettings()),
      appleFailureNote_(services_.store.loadAppleError()),
      shared_(std::make_shared<Shared>()) {
    // Three attempts of two overlapping refreshes plus a retry need no more
    // than a handful of threads; more would only pile up on a dead network.
    workers_.setMaxThreadCount(4);
    if (!services_.clock) {
        services_.clock = platform::systemNow;
    }
    storeRetry_.setInterval(kStoreRetry);
    connect(&storeRetry_, &QTimer::timeout, this, &AppState::storeChanged);
    auto stored = services_.store.readCountdowns(services_.calendar, now(), true);
    if (stored) {
        countdowns_ = std::move(*stored);
    }
    placeSource_ = services_.store.loadPlace(services_.calendar).source;
    readListHealth();
    if (!stored) {
        // Nothing is shown rather than defaults that are not the user's.
        health_.readFault = stored.error();
        storeRetry_.start();
    }
    readSubscriptions();
}

bool AppState::setZone(const std::string& zoneId) {
    if (zoneId == services_.calendar.zoneId()) {
        if (services_.calendar.rulesCurrent()) {
            return false;
        }
        // The same zone with the rules of its replaced file.
        services_.calendar = services_.calendar.refreshed();
        return true;
    }
    auto moved = Calendar::make(zoneId, services_.calendar.locale());
    if (!moved) {
        return false;
    }
    services_.calendar = std::move(*moved);
    if (placeSource_ != PlaceSource::saved) {
        storeChanged();  // the new zone's city, while the user has chosen none
    }
    return true;
}

void AppState::readSubscriptions() {
    subscriptions_ = services_.subscriptions ? services_.subscriptions->list()
                                             : std::vector<platform::Subscription>{};
}

void AppState::subscribe(const std::string& url, const std::string& name) {
    if (!services_.subscriptions) {
        emit subscribeFinished(tr("Subscriptions are not available."));
        return;
    }
    workers_.start([this, store = *services_.subscriptions, url, name] {
        const auto added = store.subscribe(url, name.empty() ? std::nullopt : std::optional(name));
        const QString error = added ? QString() : QString::fromStdString(added.error().message);
        QMetaObject::invokeMethod(
            this,
            [this, error] {
                readSubscriptions();
                emit subscriptionsChanged();
                emit subscribeFinished(error);
            },
            Qt::QueuedConnection);
    });
}

void AppState::unsubscribe(const std::string& id) {
    if (!services_.subscriptions) {
        return;
    }
    if (forgetFeedCalendar(services_.store, id, services_.calendar, now())) {
        services_.subscriptions->unsubscribe(id);
    }
    settings_ = services_.store.loadSettings();
    countdowns_ = services_.store.loadCountdowns(services_.calendar, now());
    readSubscriptions();
    emit settingsChanged();
    emit countdownsChanged();
    emit subscriptionsChanged();
    reloadWidgets();
}

void AppState::refreshSubscriptions(bool force) {
    if (!services_.subscriptions || refreshingSubscriptions_) {
        return;
    }
    refreshingSubscriptions_ = true;
    workers_.start([this, shared = shared_, store = *services_.subscriptions, force] {
        bool updated = false;
        if (!shared->stopped()) {
            for (const auto& refreshed : store.refresh(force)) {
                updated = updated || refreshed.outcome == platform::RefreshOutcome::updated;
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, updated] {
                refreshingSubscriptions_ = false;
                readSubscriptions();
                emit subscriptionsChanged();
                if (updated) {
                    syncCalendars();
                }
            },
            Qt::QueuedConnection);
    });
}

bool AppState::rereadList() {
    auto stored = services_.store.readCountdowns(services_.calendar, now());
    if (!stored) {
        // The list shown stays as it was until the store can be read again.
        const bool changed = health_.readFault != stored.error();
        health_.readFault = stored.error();
        storeRetry_.start();
        return changed;
    }
    const bool wasUnreadable = health_.readFault.has_value();
    keepShownIdentifiers(*stored, countdowns_);
    readListHealth();
    if (*stored == countdowns_ && !wasUnreadable) {
        return false;
    }
    countdowns_ = std::move(*stored);
    return true;
}

void AppState::storeChanged() {
    if (rereadList()) {
        emit countdownsChanged();
    }
    if (AppSettings stored = services_.store.loadSettings(); stored != settings_) {
        settings_ = std::move(stored);
        emit settingsChanged();
    }
    if (BoardPlace stored = services_.store.loadPlace(services_.calendar);
        stored.location != location_ || stored.source != placeSource_) {
        location_ = std::move(stored.location);
        placeSource_ = stored.source;
        emit locationChanged();
        if (weather_ && !WeatherFetcher::isFor(*weather_, location_)) {
            setWeather(std::nullopt);
            refreshWeather();
        }
    }
}

void AppState::readListHealth() {
    health_ = services_.store.health();
    if (health_.readFault) {
        storeRetry_.start();
    } else {
        storeRetry_.stop();
    }
}

bool AppState::noteSave(const StoreResult& saved) {
    const std::optional<StoreFault> fault =
        saved ? std::nullopt : std::optional<StoreFault>(saved.error());
    if (fault != lastSaveFault_) {
        lastSaveFault_ = fault;
        emit countdownsChanged();  // the notice under the list says it
    }
    return saved.ok();
}

void AppState::dismissStoreNotice() {
    if (health_.recoveredCopy) {
        services_.store.dismissRecoveredNotice();
    } else {
        services_.store.dismissUnreadableCountdowns();
    }
    readListHealth();
    emit countdownsChanged();
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

std::vector<CountdownPreset> AppState::presets() const {
    return catalogue(calendar(), PresetRegion::of(calendar(), now(), location_.latitude,
                                                  settings_.holidayPlace));
}

bool AppState::isNew(const Countdown& countdown) const {
    return std::none_of(countdowns_.begin(), countdowns_.end(),
                        [&](const Countdown& c) { return c.id == countdown.id; });
}

void AppState::editCountdowns(const std::function<void(std::vector<Countdown>&)>& edit) {
    // Writing back the list shown would throw away whatever the widget host's
    // feed sync stored since it was read; the host would then add the same
    // events again under new identifiers, and widgets showing them by
    // identifier would lose them.
    std::vector<Countdown> written;
    bool unchanged = false;
    const auto outcome = services_.store.updateCountdowns(
        [&](std::vector<Countdown> stored) -> std::optional<std::vector<Countdown>> {
            keepShownIdentifiers(stored, countdowns_);
            const std::vector<Countdown> before = stored;
            edit(stored);
            written = stored;
            unchanged = stored == before;
            return unchanged ? std::nullopt : std::optional(std::move(stored));
        },
        services_.calendar, now());
    const bool saved = outcome.valueOr(false);
    if (saved || unchanged) {
        const bool shownChanged = written != countdowns_;
        countdowns_ = std::move(written);
        if (unchanged) {
            // Nothing to store; the list shown catches up with the store.
            if (shownChanged) {
                emit countdownsChanged();
            }
            return;
        }
    } else {
        // A list that cannot be stored still shows the edit, and says so; the
        // widgets keep showing the stored list.
        edit(countdowns_);
    }
    lastSaveFault_ =
        saved ? std::nullopt
              : std::optional<StoreFault>(outcome ? StoreFault::unavailable : outcome.error());
    readListHealth();
    emit countdownsChanged();
    reloadWidgets();
}

void AppState::reloadWidgets() {
    if (services_.reloadWidgets) {
        services_.reloadWidgets();
    }
}

bool AppState::saveCountdown(const Countdown& countdown, bool added) {
    bool found = added;
    editCountdowns([&](std::vector<Countdown>& list) {
        auto it = std::find_if(list.begin(), list.end(),
                               [&](const Countdown& c) { return c.id == countdown.id; });
        if (it != list.end()) {
            *it = countdown;
            found = true;
        } else if (added) {
            list.push_back(countdown);
        }
    });
    return found;
}

void AppState::deleteCountdown(const Countdown& countdown) {
    std::optional<std::string> image;
    editCountdowns([&](std::vector<Countdown>& list) {
        auto first = std::find_if(list.begin(), list.end(),
                                  [&](const Countdown& c) { return c.id == countdown.id; });
        image = first != list.end() ? first->customImage : std::nullopt;
        std::erase_if(list, [&](const Countdown& c) { return c.id == countdown.id; });
    });
    // IconStore refuses any name that is not one of its own files, so a
    // tampered list cannot delete anything outside the Icons folder.
    IconStore(services_.store).remove(image);
}

void AppState::moveCountdowns(const std::vector<std::size_t>& sources, std::size_t destination) {
    // Positions are rows as shown; the stored list may hold more by now, so
    // the move is carried over by identifier: the moved rows, in their order,
    // go before the first row at or after the destination that stays put.
    const std::size_t count = countdowns_.size();
    std::vector<bool> moving(count, false);
    for (std::size_t source : sources) {
        if (source < count) {
            moving[source] = true;
        }
    }
    std::vector<Uuid> moved;
    std::optional<Uuid> before;
    for (std::size_t i = 0; i < count; ++i) {
        if (moving[i]) {
            moved.push_back(countdowns_[i].id);
        } else if (i >= destination && !before) {
            before = countdowns_[i].id;
        }
    }
    const auto reorder = [&](std::vector<Countdown>& list) {
        std::vector<Countdown> taken;
        std::vector<Countdown> kept;
        for (auto& c : list) {
            const bool move = std::find(moved.begin(), moved.end(), c.id) != moved.end();
            (move ? taken : kept).push_back(std::move(c));
        }
        auto at = std::find_if(kept.begin(), kept.end(),
                               [&](const Countdown& c) { return before && c.id == *before; });
        kept.insert(at, std::make_move_iterator(taken.begin()),
                    std::make_move_iterator(taken.end()));
        list = std::move(kept);
    };
    std::vector<Countdown> shown = countdowns_;
    reorder(shown);
    if (moved.empty() || shown == countdowns_) {
        return;
    }
    editCountdowns(reorder);
}

void AppState::setSettings(const AppSettings& settings) {
    if (settings == settings_) {
        return;
    }
    settings_ = settings;
    noteSave(services_.store.saveSettings(settings_));
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

void AppState::setHolidayPlace(const std::string& place) {
    AppSettings changed = settings_;
    changed.holidayPlace = place;
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
    placeSource_ = PlaceSource::saved;
    // The location service normally stored it already; storing again keeps
    // the widgets right when the place came from elsewhere.
    noteSave(services_.store.saveLocation(location_));
    emit locationChanged();
    // The old place's weather must not stand under the new name while the
    // new place's is on its way (or when it never comes).
    if (weather_ && !WeatherFetcher::isFor(*weather_, location_)) {
        setWeather(std::nullopt);
    }
    refreshWeather();
    reloadWidgets();
}

void AppState::windowShown() {
    syncCalendars();
    refreshWeather();
    refreshSubscriptions(false);
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
                // An empty outcome leaves the weather shown as it was; one
                // for a place left meanwhile is no longer the board's.
                if (snapshot && WeatherFetcher::isFor(*snapshot, location_)) {
                    setWeather(snapshot);
                } else if (auto note = services_.store.loadAppleError();
                           note != appleFailureNote_) {
                    // Nothing to show, but why is news: Apple Weather's
                    // failure is told even when Open-Meteo could not stand in.
                    appleFailureNote_ = std::move(note);
                    emit weatherChanged();
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
                setWeather(snapshot && WeatherFetcher::isFor(*snapshot, location_) ? snapshot
                                                                                   : std::nullopt);
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
    const FeedSyncOutcome sync =
        syncFeeds(services_.store, *services_.events, now(), services_.calendar);
    const std::optional<StoreFault> syncFault =
        sync.saved ? std::nullopt : std::optional(sync.saveFault.value_or(StoreFault::unavailable));
    const bool noticesChanged = sync.leftOut != feedEventsLeftOut_ ||
                                (sync.changed && syncFault != lastSaveFault_) ||
                                sync.beyondCalendarCap != feedBeyondCap_;
    feedEventsLeftOut_ = sync.leftOut;
    if (sync.beyondCalendarCap != feedBeyondCap_) {
        feedBeyondCap_ = sync.beyondCalendarCap;
        emit subscriptionsChanged();  // the calendars view says it
    }
    if (sync.changed) {
        lastSaveFault_ = syncFault;
        rereadList();
        emit countdownsChanged();
        reloadWidgets();
    } else if (rereadList() || noticesChanged) {
        // The widget host's sync of the same change may have stored it first.
        emit countdownsChanged();
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
