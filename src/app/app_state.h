// AppState: what the companion window shows and edits — the countdowns, the
// board's place, the settings, the weather and the calendar access — and the
// operations its controls call.
//
// Every edit is written to the shared store first and only then is the widget
// host asked to reload, so a widget rebuilt on that request already reads the
// change. A countdown edit changes the list as stored, which the host's feed
// sync may have changed since the window last read it, and not the list the
// window shows. Weather requests run on worker threads and hand their results
// back to the main thread; everything else, and every member, belongs to the
// main thread.
//
//   AppState state(AppServices::standard());
//   QObject::connect(&state, &AppState::weatherChanged, window, &Window::update);
//   state.windowShown();  // calendar sync, then the weather refresh
#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/event_store.h"
#include "core/model/countdown.h"
#include "core/model/presets.h"
#include "core/store/saved_location.h"
#include "core/store/shared_store.h"
#include "core/time/calendar.h"
#include "core/weather/weather.h"
#include "core/weather/weather_fetcher.h"
#include "platform/calendar/subscriptions.h"
#include "platform/weatherkit/weatherkit.h"

namespace solvane::app {

inline constexpr int kWeatherAttempts = 3;
inline constexpr std::chrono::milliseconds kWeatherAttemptDelay{3000};
inline constexpr std::string_view kNoFailureDetails =
    "No details yet. Click Try Apple Weather Again.";

using AttributionCall = std::function<std::optional<platform::WeatherKitAttribution>()>;

// Everything AppState reaches outside itself; tests hand in temporary stores,
// loopback services, fake calendars and a counting reload.
struct AppServices {
    SharedStore store;
    std::function<Instant()> clock;
    Calendar calendar;
    WeatherServices weather;
    // Apple Weather's attribution; empty means none is ever shown.
    AttributionCall attribution;
    // Not owned; must outlive the AppState. Null: no calendar access at all.
    EventStore* events = nullptr;
    // Asks the widget host to rebuild all timelines; empty does nothing.
    std::function<void()> reloadWidgets;
    std::chrono::milliseconds attemptDelay = kWeatherAttemptDelay;
    // Calendars followed by address; none: the window offers no subscribing.
    std::optional<platform::SubscriptionStore> subscriptions;

    // The user's store, calendar database, weather services and the D-Bus
    // reload request.
    static AppServices standard();
};

class AppState : public QObject {
    Q_OBJECT

  public:
    explicit AppState(AppServices services, QObject* parent = nullptr);
    // Stops pending retries and waits for a weather request still in flight,
    // so no worker outlives the state it reports to.
    ~AppState() override;

    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    const std::vector<Countdown>& countdowns() const { return countdowns_; }
    const SavedLocation& location() const { return location_; }
    // Whether the place is the user's or, until one is chosen, the zone's city
    // (or the built-in default).
    PlaceSource placeSource() const { return placeSource_; }
    const AppSettings& settings() const { return settings_; }
    const std::optional<WeatherSnapshot>& weather() const { return weather_; }
    bool weatherLoading() const { return pendingRefreshes_ > 0; }
    const std::optional<platform::WeatherKitAttribution>& attribution() const {
        return attribution_;
    }
    bool calendarAccess() const { return calendarAccess_; }
    // Asked afresh each time: the user may change it outside the program.
    CalendarAuthorization calendarAuthorization() const;
    // The calendars offered as feeds; none without access.
    std::vector<EventCalendar> calendars() const;
    const std::optional<Countdown>& editing() const { return editing_; }
    const std::optional<Countdown>& pendingEdit() const { return pendingEdit_; }
    const Calendar& calendar() const { return services_.calendar; }
    // The system time zone changed: days, dates and captions from now on are
    // the new zone's, and so is the place while none is chosen; nothing is
    // stored. The zone in use is made afresh when its file was replaced (a
    // tzdata upgrade). False when nothing changed or the zone is unknown.
    bool setZone(const std::string& zoneId);
    const SharedStore& store() const { return services_.store; }
    Instant now() const;

    // What the store is like: whether it can be read and written, a list
    // that could not be read, a damaged store set right (see SharedStore).
    // While it cannot be read the window keeps what it showed and reads it
    // again every few seconds.
    const StoreHealth& storeHealth() const { return health_; }
    // Calendar events the last feed sync could not add: the list was full.
    std::size_t feedEventsLeftOut() const { return feedEventsLeftOut_; }
    // By calendar: its events past the ones a calendar adds at most.
    const std::map<std::string, std::size_t>& feedEventsBeyondCap() const { return feedBeyondCap_; }
    // Why the last change, the user's or the feed sync's, could not be
    // stored; none once one is stored.
    const std::optional<StoreFault>& lastSaveFault() const { return lastSaveFault_; }
    // The user read the notice about a list kept aside or a store set right.
    void dismissStoreNotice();

    // The weather came from Open-Meteo although Apple Weather was asked.
    bool showsFallbackNotice() const;
    // Why Apple Weather failed last, as stored; nullopt when nothing is stored.
    const std::optional<std::string>& appleFailureNote() const { return appleFailureNote_; }
    // The note, or kNoFailureDetails.
    std::string fallbackDetails() const;

    // Drafts for the editor; nothing is stored until saveCountdown.
    Countdown newCountdownDraft() const;
    Countdown presetDraft(const CountdownPreset& preset) const;
    // The presets offered for the calendar's zone and the saved place.
    std::vector<CountdownPreset> presets() const;
    // No countdown in the list has the draft's identifier.
    bool isNew(const Countdown& countdown) const;

    // Applies the edit to the record with the countdown's identifier in the
    // list as stored now; `added` (a new draft) appends it when there is
    // none. False, with nothing written, for an edit of a countdown that is
    // no longer stored (its calendar was switched off, another program
    // removed it): writing it back would resurrect what is gone.
    bool saveCountdown(const Countdown& countdown, bool added);
    // Removes every countdown with that identifier and the custom image of the
    // first one.
    void deleteCountdown(const Countdown& countdown);
    // A drag of the rows at `sources` to before the row at `destination`
    // (positions in the list before the move; list size for the end).
    // Positions out of range are ignored and a destination beyond the end is
    // the end.
    void moveCountdowns(const std::vector<std::size_t>& sources, std::size_t destination);

    // The settings handler: store, calendar sync, reload, weather refresh.
    void setSettings(const AppSettings& settings);
    void setWeatherSource(WeatherSource source);
    void setUnit(TempUnit unit);
    void setHolidayPlace(const std::string& place);
    // A feed toggle: the identifier moves to the end of the list when on.
    void setFeedCalendar(const std::string& calendarId, bool on);

    // The location service delivered a new place.
    void placeChanged(const SavedLocation& place);

    // The window appeared: calendar sync, then the weather refresh.
    void windowShown();
    // Up to kWeatherAttempts fetches for the stored source, attemptDelay
    // apart, then Apple Weather's attribution when it is still unknown.
    void refreshWeather();
    // "Try Apple Weather Again": Apple Weather, never the cache; whatever
    // comes back replaces the weather, even nothing.
    void retryAppleWeather();

    // Calendar access, the feed sync, and on a change the reloaded list.
    void syncCalendars();

    // The calendars followed by address, as last read.
    const std::vector<platform::Subscription>& subscriptions() const { return subscriptions_; }
    bool canSubscribe() const { return services_.subscriptions.has_value(); }
    // Fetches the calendar at `url` on a worker; subscribeFinished reports.
    void subscribe(const std::string& url, const std::string& name);
    // No longer follows it: its feed countdowns go, then its copy.
    void unsubscribe(const std::string& id);
    // Fetches the subscriptions due (all when `force`) on a worker; a new
    // copy runs the feed sync.
    void refreshSubscriptions(bool force);
    // "Connect Calendars": asks through `prompt`, then syncs.
    void connectCalendars(const AccessPrompt& prompt);

    // The editor sheet is open while editing() holds a countdown.
    void beginEditing(const Countdown& countdown);
    void endEditing();
    // A countdown made from a picked event waits until the picker has closed.
    void pickedEvent(const Countdown& countdown);
    void pickerDismissed();

  public slots:
    // Another program (the widget host's feed sync, the command line) may
    // have written the store: the list, settings and place are read again,
    // and what differs from what is shown is announced.
    void storeChanged();

  signals:
    void countdownsChanged();
    void locationChanged();
    void settingsChanged();
    void weatherChanged();
    void weatherLoadingChanged(bool loading);
    void attributionChanged();
    void calendarAccessChanged(bool granted);
    void editingChanged();
    void subscriptionsChanged();
    // The end of subscribe(): an empty error means it worked.
    void subscribeFinished(const QString& error);

  private:
    struct Shared;

    // Applies `edit` to the stored list in one transaction and shows the
    // result; when the store cannot be written, to the list shown.
    void editCountdowns(const std::function<void(std::vector<Countdown>&)>& edit);
    void reloadWidgets();
    // The list as stored, keeping the identifiers shown; true when it differs.
    bool rereadList();
    void readListHealth();
    // Keeps the result of a save for the notice; true when it was made.
    bool noteSave(const StoreResult& saved);
    void readSubscriptions();
    void setWeather(std::optional<WeatherSnapshot> snapshot);
    void beginRefresh();
    void endRefresh();

    AppServices services_;
    std::vector<Countdown> countdowns_;
    SavedLocation location_;
    PlaceSource placeSource_ = PlaceSource::saved;
    AppSettings settings_;
    std::optional<WeatherSnapshot> weather_;
    std::optional<platform::WeatherKitAttribution> attribution_;
    std::optional<std::string> appleFailureNote_;
    bool calendarAccess_ = false;
    std::vector<platform::Subscription> subscriptions_;
    bool refreshingSubscriptions_ = false;
    StoreHealth health_;
    std::size_t feedEventsLeftOut_ = 0;
    std::map<std::string, std::size_t> feedBeyondCap_;
    std::optional<StoreFault> lastSaveFault_;
    // Reads the store again while it cannot be read.
    QTimer storeRetry_;
    std::optional<Countdown> editing_;
    std::optional<Countdown> pendingEdit_;
    int pendingRefreshes_ = 0;
    bool attributionRequested_ = false;
    std::shared_ptr<Shared> shared_;
    // Last member: destroyed, and so waited for, before everything above.
    QThreadPool workers_;
};

}  // namespace solvane::app
