#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QStringList>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "app/board_preview.h"
#include "app/calendars_section.h"
#include "app/countdown_editor.h"
#include "app/countdown_list.h"
#include "app/error_text.h"
#include "app/event_picker_sheet.h"
#include "app/location_section.h"
#include "app/privacy_dialog.h"
#include "app/reminder_choices.h"
#include "app/section_style.h"
#include "app/subscribe_dialog.h"
#include "app/weather_section.h"
#include "board/components.h"
#include "board/layout.h"
#include "core/model/countdown_json.h"
#include "core/model/presets.h"
#include "core/store/board_data.h"
#include "core/time/text_format.h"
#include "core/util/translation.h"
#include "platform/calendar/calendar_database.h"
#include "platform/dbus/bus_names.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/qt/calendar_watcher.h"
#include "platform/qt/time_zone_source.h"
#include "platform/reminder_files.h"

#ifndef SOLVANE_APP_VERSION
#define SOLVANE_APP_VERSION "0"
#endif

namespace solvane::app {

namespace {

// What a subscribed calendar's row says: when it was last brought up to
// date, or why it could not be this time and which copy it shows meanwhile.
CalendarsSection::SubscriptionState subscriptionState(const platform::Subscription& s, Instant now,
                                                      const Calendar& calendar) {
    const auto when = [&](std::optional<Instant> t) {
        if (!t) {
            return QCoreApplication::translate("MainWindow", "never");
        }
        const double minutes = (now - *t) / 60.0;
        if (minutes < 1.5) {
            return QCoreApplication::translate("MainWindow", "just now");
        }
        if (minutes < 90) {
            const int n = static_cast<int>(std::lround(minutes));
            return QString::fromStdString(translate("MainWindow", "%n minute(s) ago", nullptr, n));
        }
        if (minutes < 36 * 60) {
            const int n = static_cast<int>(std::lround(minutes / 60));
            return QString::fromStdString(translate("MainWindow", "%n hour(s) ago", nullptr, n));
        }
        return QString::fromStdString(shortDateLabel(*t, calendar));
    };
    const QString address = QString::fromStdString(platform::withoutCredentials(s.url));
    if (s.lastError) {
        return {QCoreApplication::translate("MainWindow",
                                            "Could not update %1: %2. Showing the copy from %3.")
                    .arg(when(s.lastAttempt), QString::fromStdString(*s.lastError),
                         when(s.lastUpdated)),
                true, address};
    }
    return {QCoreApplication::translate("MainWindow", "Updated %1").arg(when(s.lastUpdated)), false,
            address};
}

// "~/.config/…" reads better than the full path of the user's home.
QString homeRelative(const std::filesystem::path& path) {
    const QString full = QString::fromStdString(path.string());
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != QStringLiteral("/") &&
        full.startsWith(home + QLatin1Char('/'))) {
        return QStringLiteral("~") + full.mid(home.size());
    }

    return full;
}

// Where Apple Weather's credentials belong, as the user would type it.
QString credentialsFile() {
    if (const char* named = std::getenv("SOLVANE_WEATHERKIT_CREDENTIALS");
        named != nullptr && *named != '\0') {
        return homeRelative(named);
    }
    const std::filesystem::path folder = solvaneConfigFolder();
    return folder.empty() ? QStringLiteral("~/.config/solvane/weatherkit.json")
                          : homeRelative(folder / "weatherkit.json");
}

constexpr int kPadding = 28;
// Between the left column's controls and its scroll bar, when it has one.
constexpr int kScrollBarMargin = 8;
// Lower than this the sections would show only a line or two at a time.
constexpr int kMinimumHeight = 480;
constexpr int kTitleBarGuess = 32;
// How long a window manager takes to frame a new window.
constexpr std::chrono::milliseconds kFrameSettle{250};
constexpr int kFrameGuess = 2;
constexpr int kColumnGap = 28;
constexpr int kLeftWidth = 340;
constexpr int kSectionGap = 18;
constexpr int kRightGap = 12;

const WidgetStyle kStyles[] = {WidgetStyle::glass, WidgetStyle::dark, WidgetStyle::light};

}  // namespace

WindowServices WindowServices::standard() {
    AppServices app = AppServices::standard();
    IconStore icons(app.store);
    return WindowServices{
        .app = std::move(app),
        .icons = std::move(icons),
        .updates = UpdateChecker::Config::standard(),
        .permissions = platform::PermissionRecord::standard(),
        .calendarWatchPaths = [] { return platform::CalendarDatabase::shared().watchPaths(); },
        .onCalendarChange =
            [](std::function<void()> handler) {
                platform::CalendarDatabase::shared().setChangeHandler(std::move(handler));
            },
        .makeLocator =
            [](platform::LocationPermissionPrompt prompt) {
                return platform::LocationManager::standard(std::move(prompt));
            },
        .answer = {},
        .openWidgetGallery =
            [](QRect keepClear) {
                const QString beside =
                    QDir(QCoreApplication::applicationDirPath()).filePath("solvane-widgets");
                return bus::openWidgetGallery(
                    QFileInfo(beside).isExecutable() ? beside : QStringLiteral("solvane-widgets"),
                    keepClear);
            },
        .automaticUpdateChecks = true,
        .windowSizeFile = solvaneConfigFolder().empty() ? std::filesystem::path()
                                                        : solvaneConfigFolder() / "window.ini",
        .remindersFile = platform::ReminderFiles::standard().settings,
    };
}

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setWindowTitle(tr("Solvane"));
    state_ = std::make_unique<AppState>(services_.app);
    updates_ = std::make_unique<UpdateChecker>(services_.updates);
    if (services_.makeLocator) {
        locator_ = services_.makeLocator([this] { return ask(AccessQuestion::location); });
    }

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    // The scroll bar's room (the bar and a margin before it) is part of the
    // gap while it is not shown.
    scrollBarRoom_ =
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + kScrollBarMargin;
    columns->setSpacing(std::max(0, kColumnGap - scrollBarRoom_));
    // The left column scrolls on screens too low for it; the preview beside
    // it keeps its size. The scroll bar gets room of its own, so the column
    // never narrows when it appears.
    leftColumn_ = buildLeftColumn();
    leftScroll_ = new QScrollArea(central);
    leftScroll_->setObjectName(QStringLiteral("leftScroll"));
    leftScroll_->setWidget(leftColumn_);
    leftScroll_->setWidgetResizable(true);
    leftScroll_->setFrameShape(QFrame::NoFrame);
    leftScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leftScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    leftScroll_->setFixedWidth(kLeftWidth + scrollBarRoom_);
    // The column keeps its width beside the bar, so its controls stay clear
    // of it.
    leftColumn_->setMaximumWidth(kLeftWidth);
    leftScroll_->setFocusPolicy(Qt::NoFocus);
    columns->addWidget(leftScroll_);
    rightColumn_ = buildRightColumn();
    columns->addWidget(rightColumn_, 0, Qt::AlignTop);
    setCentralWidget(central);
    leftColumn_->installEventFilter(this);
    rightColumn_->installEventFilter(this);

    buildMenus();
    connectState();
    // Every program that writes the store says so on the session bus: the
    // widget host after its feed sync, the command line after an
    // unsubscribe, this window after its own saves (which then read back
    // unchanged).
    QDBusConnection::sessionBus().connect(
        QString(), QString::fromLatin1(bus::kDBusPath), QString::fromLatin1(bus::kDBusInterface),
        QString::fromLatin1(bus::kDBusChangedSignal), state_.get(), SLOT(storeChanged()));

    if (services_.calendarWatchPaths || services_.onCalendarChange) {
        watcher_ = new platform::CalendarWatcher(services_.calendarWatchPaths,
                                                 platform::CalendarWatcher::kDefaultDebounce, this);
        connect(watcher_, &platform::CalendarWatcher::calendarStoreChanged, this, [this] {
            state_->syncCalendars();
            refreshCalendars();
        });
        if (services_.onCalendarChange) {
            // A burst of changes in EDS waits out the same quiet interval as
            // one in the folders.
            services_.onCalendarChange([watcher = QPointer<platform::CalendarWatcher>(watcher_)] {
                if (watcher) {
                    watcher->poke();
                }
            });
        }
    }
    connect(updates_.get(), &UpdateChecker::checkFinished, this, &MainWindow::showUpdateResult);
    if (services_.automaticUpdateChecks) {
        updates_->startAutomaticChecks();
    }

    // Dragging an edge resizes many times a second; the size is written
    // once the drag has rested.
    sizeSave_.setSingleShot(true);
    sizeSave_.setInterval(400);
    connect(&sizeSave_, &QTimer::timeout, this, &MainWindow::saveSize);
    minuteTick_.setSingleShot(true);
    connect(&minuteTick_, &QTimer::timeout, this, [this] {
        refreshCountdowns();
        refreshPreview();
        scheduleMinuteTick();
    });

    refreshCountdowns();
    location_->setPlace(state_->location(), state_->placeSource() == PlaceSource::zone);
    weather_->setSettings(state_->settings());
    refreshWeather();
    refreshCalendars();
    refreshPreview();
    scheduleMinuteTick();
}

MainWindow::~MainWindow() {
    if (sizeSave_.isActive()) {
        saveSize();
    }
    // Sheets are children; close them before the state they report to goes.
    delete editor_.data();
    delete picker_.data();
    delete subscribe_.data();
}

QWidget* MainWindow::buildLeftColumn() {
    auto* column = new QWidget(this);
    column->setFixedWidth(kLeftWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSectionGap);

    list_ = new CountdownListWidget(column);
    IconStore* icons = &services_.icons;
    list_->setIconLoader([icons](const std::string& name) { return icons->load(name); });
    layout->addWidget(list_);
    if (!services_.remindersFile.empty()) {
        layout->addWidget(makeRemindersSwitch(services_.remindersFile, column));
    }

    location_ = new LocationSection(column);
    layout->addWidget(location_);
    weather_ = new WeatherSection(column);
    layout->addWidget(weather_);
    calendars_ = new CalendarsSection(column);
    layout->addWidget(calendars_);
    layout->addStretch(1);
    return column;
}

QWidget* MainWindow::buildRightColumn() {
    auto* column = new QWidget(this);
    column->setFixedWidth(BoardPreview::kWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kRightGap);

    auto* header = new QWidget(column);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addWidget(makeHeadline(tr("Preview"), header));
    headerLayout->addStretch(1);
    auto* styles = new QWidget(header);
    styles->setFixedWidth(260);
    styles->setAccessibleName(tr("Style"));
    stylePicker_ = addSegments({tr("Liquid Glass"), tr("Dark"), tr("Light")}, styles);
    stylePicker_->button(0)->setChecked(true);
    headerLayout->addWidget(styles);
    layout->addWidget(header);

    preview_ = new BoardPreview(&services_.icons, column);
    layout->addWidget(preview_);

    auto* helpRow = new QWidget(column);
    auto* helpLayout = new QHBoxLayout(helpRow);
    helpLayout->setContentsMargins(0, 0, 0, 0);
    helpLayout->setSpacing(16);
    help_ = makeLabel(tr("Put the board on your desktop with Add Widget. Right-click a widget "
                         "for Edit Widget, to choose its countdowns and style."),
                      calloutFont(), secondaryTextColor(palette()), helpRow);
    helpLayout->addWidget(help_, 1);
    addWidget_ = new QPushButton(tr("Add Widget…"), helpRow);
    addWidget_->setEnabled(static_cast<bool>(services_.openWidgetGallery));
    connect(addWidget_, &QPushButton::clicked, this, &MainWindow::openWidgetGallery);
    helpLayout->addWidget(addWidget_, 0, Qt::AlignTop);
    layout->addWidget(helpRow);

    updateNotice_ = new QWidget(column);
    updateNotice_->setObjectName(QStringLiteral("updateNotice"));
    auto* updateLayout = new QHBoxLayout(updateNotice_);
    updateLayout->setContentsMargins(0, 0, 0, 0);
    updateLayout->setSpacing(8);
    updateLine_ =
        makeLabel({}, calloutFont(), palette().color(QPalette::WindowText), updateNotice_);
    updateLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    updateLayout->addWidget(updateLine_, 1);
    auto* download = new QPushButton(tr("Download…"), updateNotice_);
    connect(download, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl(updateUrl_)); });
    updateLayout->addWidget(download, 0, Qt::AlignTop);
    auto* dismiss = new QPushButton(tr("Dismiss"), updateNotice_);
    connect(dismiss, &QPushButton::clicked, updateNotice_, &QWidget::hide);
    updateLayout->addWidget(dismiss, 0, Qt::AlignTop);
    updateNotice_->hide();
    layout->addWidget(updateNotice_);

    connect(stylePicker_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id >= 0 && id < static_cast<int>(std::size(kStyles))) {
            preview_->setPreviewStyle(kStyles[id]);
        }
    });
    return column;
}

void MainWindow::buildMenus() {
    appMenu_ = menuBar()->addMenu(tr("&Solvane"));
    appMenu_->addAction(tr("About Solvane"), this, &MainWindow::showAbout)
        ->setMenuRole(QAction::AboutRole);
    appMenu_->addAction(tr("Check for Updates…"), this, &MainWindow::checkForUpdates)
        ->setMenuRole(QAction::ApplicationSpecificRole);
    appMenu_->addSeparator();
    appMenu_->addAction(tr("Add Widget…"), this, &MainWindow::openWidgetGallery)
        ->setEnabled(static_cast<bool>(services_.openWidgetGallery));
    appMenu_->addAction(tr("Privacy && Security…"), this, &MainWindow::showPrivacy)
        ->setMenuRole(QAction::ApplicationSpecificRole);
    appMenu_->addSeparator();
    QAction* quit = appMenu_->addAction(tr("Quit Solvane"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* countdowns = menuBar()->addMenu(tr("&Countdown"));
    QAction* added =
        countdowns->addAction(tr("New Countdown"), this, &MainWindow::openNewCountdown);
    added->setShortcut(QKeySequence::New);
    countdowns->addAction(tr("From Calendar…"), this, &MainWindow::openEventPicker);
}

void MainWindow::connectState() {
    AppState* state = state_.get();
    connect(state, &AppState::countdownsChanged, this, [this] {
        refreshCountdowns();
        refreshPreview();
        markEditedCountdownGone();
    });
    connect(state, &AppState::locationChanged, this, [this] {
        location_->setPlace(state_->location(), state_->placeSource() == PlaceSource::zone);
        list_->setPresets(state_->presets());  // season titles follow the hemisphere
        refreshPreview();
    });
    connect(state, &AppState::settingsChanged, this, [this] {
        weather_->setSettings(state_->settings());
        list_->setPresets(state_->presets());  // the chosen country's holidays
        refreshCountdowns();                   // working days leave them out
        refreshCalendars();
        refreshPreview();
    });
    connect(state, &AppState::weatherChanged, this, [this] {
        refreshWeather();
        refreshPreview();
    });
    connect(state, &AppState::attributionChanged, this, &MainWindow::refreshWeather);
    connect(state, &AppState::calendarAccessChanged, this, &MainWindow::refreshCalendars);
    connect(state, &AppState::editingChanged, this, &MainWindow::editingChanged);

    connect(list_, &CountdownListWidget::editRequested, this, &MainWindow::editById);
    connect(list_, &CountdownListWidget::deleteRequested, this, &MainWindow::deleteById);
    connect(list_, &CountdownListWidget::moved, this, [this](int from, int to) {
        if (from < 0 || to < 0) {
            return;
        }
        // The list reports the row's new index; the state wants the position
        // before the move, which lies one further on when moving down.
        const auto source = static_cast<std::size_t>(from);
        const auto destination = static_cast<std::size_t>(to > from ? to + 1 : to);
        state_->moveCountdowns({source}, destination);
    });
    list_->setPresets(state_->presets());
    connect(list_, &CountdownListWidget::newRequested, this, &MainWindow::openNewCountdown);
    connect(list_, &CountdownListWidget::presetRequested, this, [this](const QString& id) {
        for (const auto& preset : state_->presets()) {
            if (qstr(preset.id) == id) {
                state_->beginEditing(state_->presetDraft(preset));
                return;
            }
        }
    });
    connect(list_, &CountdownListWidget::fromCalendarRequested, this, &MainWindow::openEventPicker);
    connect(list_, &CountdownListWidget::noticeDismissed, state, &AppState::dismissStoreNotice);

    connect(location_, &LocationSection::placeChanged, state, &AppState::placeChanged);
    if (locator_) {
        connect(location_, &LocationSection::useCurrentLocationRequested, locator_.get(),
                &platform::LocationManager::request);
        connect(locator_.get(), &platform::LocationManager::statusChanged, location_,
                &LocationSection::setStatus);
        connect(locator_.get(), &platform::LocationManager::locationUpdated, state,
                &AppState::placeChanged);
    } else {
        location_->currentLocationButton()->setEnabled(false);
        location_->setStatus(tr("Current location is not available on this computer."));
    }

    connect(weather_, &WeatherSection::sourceChosen, state, &AppState::setWeatherSource);
    connect(weather_, &WeatherSection::unitChosen, state, &AppState::setUnit);
    connect(weather_, &WeatherSection::holidayPlaceChosen, state,
            [state](const QString& place) { state->setHolidayPlace(place.toStdString()); });
    connect(weather_, &WeatherSection::retryRequested, state, &AppState::retryAppleWeather);

    connect(calendars_, &CalendarsSection::connectRequested, this, [this] {
        state_->connectCalendars([this] { return ask(AccessQuestion::calendars); });
        refreshCalendars();
    });
    connect(calendars_, &CalendarsSection::subscribeRequested, this,
            &MainWindow::openSubscribeDialog);
    connect(calendars_, &CalendarsSection::unsubscribeRequested, this,
            [this](const QString& id) { state_->unsubscribe(id.toStdString()); });
    connect(state, &AppState::subscriptionsChanged, this, &MainWindow::refreshCalendars);
    connect(calendars_, &CalendarsSection::feedsChanged, this,
            [this](std::vector<std::string> ids) {
                AppSettings settings = state_->settings();
                settings.feedCalendarIDs = std::move(ids);
                state_->setSettings(settings);
            });
}

void MainWindow::refreshCountdowns() {
    list_->setCountdowns(state_->countdowns(), state_->now(), state_->calendar(),
                         DaysOff::forPlace(state_->settings().holidayPlace, state_->calendar()));
    QStringList notices;
    const StoreHealth& health = state_->storeHealth();
    const QString store = homeRelative(state_->store().paths().suite);
    const auto reason = [](StoreFault fault) { return qstr(storeFaultText(fault)); };
    if (health.readFault) {
        notices << (*health.readFault == StoreFault::busy
                        ? tr("%1 Trying again…").arg(reason(*health.readFault))
                        : tr("%1 Your countdowns cannot be shown until it can be read (%2).")
                              .arg(reason(*health.readFault), store));
    }
    if (health.recoveredCopy) {
        notices << tr("The countdown store was damaged. What could still be read was saved; the "
                      "damaged file is kept as “%1” beside %2.")
                       .arg(qstr(*health.recoveredCopy), store);
    }
    if (health.countdowns.inUse) {
        notices << tr(
            "Your saved countdowns could not be read, so the starter countdowns are "
            "shown. The saved list is kept, unchanged, and set aside when this list "
            "changes.");
    } else if (health.countdowns.keptAside && !health.recoveredCopy) {
        notices << tr("An earlier countdown list could not be read and was kept aside, "
                      "unchanged, as “countdowns.v1.unreadable” in %1.")
                       .arg(store);
    }
    if (const std::size_t kept = health.countdowns.keptRecords; kept > 0) {
        const int n = static_cast<int>(std::min<std::size_t>(kept, kMaxCountdowns));
        notices << QString::fromStdString(translate(
            "MainWindow",
            "%n countdown(s) made by a newer version of Solvane cannot be shown here; they are "
            "kept as they are.",
            nullptr, n));
    }
    if (const std::size_t left = state_->feedEventsLeftOut(); left > 0) {
        const QLocale locale;
        const int n = static_cast<int>(std::min<std::size_t>(left, 1'000'000));
        notices << QString::fromStdString(
                       translate("MainWindow",
                                 "The list is full (it holds %1 countdowns at most): %n calendar "
                                 "event(s) not added.",
                                 nullptr, n))
                       .arg(locale.toString(qulonglong{kMaxCountdowns}));
    }
    if (const auto& fault = state_->lastSaveFault()) {
        notices << tr("The last change could not be saved: %1 The widgets still show the saved "
                      "list.")
                       .arg(reason(*fault));
    } else if (health.writeFault && !health.readFault) {
        notices << tr("Changes cannot be saved: %1").arg(reason(*health.writeFault));
    }
    const bool dismissible = health.recoveredCopy.has_value() ||
                             (!health.countdowns.inUse && health.countdowns.keptAside);
    list_->setNotice(notices.join(QLatin1Char('\n')), dismissible);
}

void MainWindow::refreshPreview() {
    // The list the window shows: while the store cannot be read, that is
    // what it showed before, not defaults.
    const BoardSources shown{state_->location(), state_->countdowns(), state_->settings().unit};
    preview_->setBoard(BoardData::assemble(shown, state_->now(), std::nullopt, state_->weather(),
                                           state_->calendar()),
                       state_->calendar());
}

void MainWindow::refreshWeather() {
    weather_->setWeather(state_->weather(), qstr(state_->fallbackDetails()), state_->attribution());
    const auto& note = state_->appleFailureNote();
    const std::string_view said = note ? std::string_view(*note) : std::string_view();
    weather_->setAdvice(weatherHeading(said), weatherAdvice(said, credentialsFile()));
}

void MainWindow::refreshCalendars() {
    calendars_->setAccess(state_->calendarAccess(), state_->calendarAuthorization());
    calendars_->setSubscribingAvailable(state_->canSubscribe());
    std::map<std::string, CalendarsSection::SubscriptionState> states;
    for (const platform::Subscription& s : state_->subscriptions()) {
        states[s.id] = subscriptionState(s, state_->now(), state_->calendar());
    }
    calendars_->setSubscriptionStates(std::move(states));
    calendars_->setBeyondCap(state_->feedEventsBeyondCap());
    calendars_->setCalendars(state_->calendars(), state_->settings().feedCalendarIDs);
}

void MainWindow::openSubscribeDialog() {
    if (subscribe_) {
        subscribe_->raise();
        return;
    }
    auto* dialog = new SubscribeDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &SubscribeDialog::subscribeRequested, this,
            [this](const QString& address, const QString& name) {
                state_->subscribe(address.toStdString(), name.toStdString());
            });
    connect(state_.get(), &AppState::subscribeFinished, dialog, &SubscribeDialog::finish);
    subscribe_ = dialog;
    dialog->open();
}

void MainWindow::scheduleMinuteTick() {
    const double seconds = state_->now().unixSeconds();
    double intoMinute = std::fmod(seconds, 60.0);
    if (!std::isfinite(intoMinute) || intoMinute < 0) {
        intoMinute = 0;
    }
    // A little past the minute, so the board is drawn for the new one.
    const int wait = static_cast<int>((60.0 - intoMinute) * 1000) + 50;
    minuteTick_.start(std::clamp(wait, 1000, 61000));
}

void MainWindow::followZone(platform::ZoneSource& zones) {
    const auto moved = [this](const std::string& zone) {
        if (!state_->setZone(zone)) {
            return;
        }
        // The clock-change presets are the new zone's own.
        list_->setPresets(state_->presets());
        refreshCountdowns();
        refreshPreview();
        refreshCalendars();
        scheduleMinuteTick();
    };
    connect(&zones, &platform::ZoneSource::zoneChanged, this,
            [moved](const QString& zone) { moved(zone.toStdString()); });
    // A tzdata upgrade: the same zone, with its new rules.
    connect(&zones, &platform::ZoneSource::rulesChanged, this,
            [moved, &zones] { moved(zones.zoneId()); });
}

void MainWindow::setColorScheme(ColorScheme scheme) {
    scheme_ = scheme;
    restyleTextColors(this);
    weather_->setColorScheme(scheme);
    refreshCountdowns();
    update();
}

void MainWindow::openNewCountdown() {
    state_->beginEditing(state_->newCountdownDraft());
}

void MainWindow::editById(const QString& id) {
    for (const auto& countdown : state_->countdowns()) {
        if (qstr(countdown.id.toString()) == id) {
            state_->beginEditing(countdown);
            return;
        }
    }
}

void MainWindow::deleteById(const QString& id) {
    for (const auto& countdown : state_->countdowns()) {
        if (qstr(countdown.id.toString()) == id) {
            const Countdown doomed = countdown;
            if (ask(AccessQuestion::deleteCountdown, shownText(qstr(countdown.label)))) {
                state_->deleteCountdown(doomed);
            }
            return;
        }
    }
}

void MainWindow::editingChanged() {
    const auto& editing = state_->editing();
    if (!editing || editor_) {
        return;
    }
    const auto mode =
        state_->isNew(*editing) ? CountdownEditor::Mode::add : CountdownEditor::Mode::edit;
    AppState* state = state_.get();
    auto* editor = new CountdownEditor(
        *editing, mode, state->calendar(), &services_.icons, [state] { return state->now(); },
        this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::WindowModal);
    if (!services_.remindersFile.empty()) {
        offerReminderChoice(*editor, *editing, state->calendar(), state->now(),
                            services_.remindersFile);
    }
    // The edit applies to the countdown as stored when Save is pressed; one
    // that has gone by then is not brought back.
    editor->setCommit([state, added = mode == CountdownEditor::Mode::add](const Countdown& c) {
        return state->saveCountdown(c, added);
    });
    connect(editor, &CountdownEditor::deleteRequested, state, &AppState::deleteCountdown);
    connect(editor, &QDialog::finished, state, &AppState::endEditing);
    editor_ = editor;
    editor->open();
}

void MainWindow::markEditedCountdownGone() {
    if (!editor_ || editor_->model().isNew()) {
        return;
    }
    const Uuid id = editor_->model().draft().id;
    const auto& list = state_->countdowns();
    if (std::none_of(list.begin(), list.end(), [&](const Countdown& c) { return c.id == id; })) {
        editor_->markGone();
    }
}

void MainWindow::openEventPicker() {
    if (picker_ || editor_) {
        return;
    }
    if (services_.app.events == nullptr) {
        return;
    }
    auto* sheet = new EventPickerSheet(
        *services_.app.events, [this] { return ask(AccessQuestion::calendars); }, state_->now(),
        state_->calendar(), this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    AppState* state = state_.get();
    connect(sheet, &EventPickerSheet::eventChosen, state, &AppState::pickedEvent);
    // The editor waits until the picker is gone, so two sheets never stack.
    connect(sheet, &QDialog::finished, this, [this] {
        QTimer::singleShot(0, this, [this] {
            state_->pickerDismissed();
            refreshCalendars();
        });
    });
    picker_ = sheet;
    // Asking first, while no sheet is on screen, keeps the question from
    // hiding behind it.
    sheet->load();
    // The answer may have given access: the Calendars section shows its
    // toggles now, not at the next start.
    state_->syncCalendars();
    refreshCalendars();
    sheet->open();
}

bool MainWindow::ask(AccessQuestion question, const QString& subject) {
    if (services_.answer) {
        return services_.answer(question);
    }
    QString title;
    QString text;
    QString detail;
    QString yes;
    switch (question) {
        case AccessQuestion::calendars:
            title = tr("Calendars");
            text = tr("Solvane would like to read your calendars.");
            detail =
                tr("Events you pick, and the calendars you choose to follow, become "
                   "countdowns. Nothing leaves this computer, and you can change this "
                   "in Solvane › Privacy & Security.");
            yes = tr("Allow");
            break;
        case AccessQuestion::location:
            title = tr("Location");
            text = tr("Solvane would like to use your current location.");
            detail =
                tr("It sets the place for the weather, sunrise and sunset. You can change "
                   "this in Solvane › Privacy & Security.");
            yes = tr("Allow");
            break;
        case AccessQuestion::deleteCountdown:
            title = tr("Delete Countdown");
            text =
                subject.isEmpty() ? tr("Delete this countdown?") : tr("Delete “%1”?").arg(subject);
            detail = tr("It is removed from the list and from every widget that shows it.");
            yes = tr("Delete");
            break;
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, this);
    // A label is the user's (or a feed's) text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("question"));
    box.setInformativeText(detail);
    QPushButton* accept = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* refuse = box.addButton(
        question == AccessQuestion::deleteCountdown ? tr("Cancel") : tr("Don't Allow"),
        QMessageBox::RejectRole);
    box.setDefaultButton(question == AccessQuestion::deleteCountdown ? refuse : accept);
    box.setEscapeButton(refuse);
    box.exec();
    return box.clickedButton() == accept;
}

void MainWindow::showAbout() {
    QMessageBox::about(
        this, tr("About Solvane"),
        tr("<h3>Solvane %1</h3>"
           "<p>Countdowns to the days you care about, the weather and the day's sky, "
           "on your desktop.</p>"
           "<p>Weather from Open-Meteo and Apple Weather. Sun and moon computed on this "
           "computer.</p>")
            .arg(QString::fromLatin1(SOLVANE_APP_VERSION)));
}

void MainWindow::openWidgetGallery() {
    if (services_.openWidgetGallery) {
        services_.openWidgetGallery(frameGeometry());
    }
}

void MainWindow::showPrivacy() {
    PrivacyDialog dialog(services_.permissions, this);
    connect(&dialog, &PrivacyDialog::permissionChanged, this, [this](const QString& service, bool) {
        if (service == QLatin1String("calendars")) {
            state_->syncCalendars();
            refreshCalendars();
        }
    });
    dialog.exec();
}

void MainWindow::checkForUpdates() {
    updates_->checkNow();
}

void MainWindow::showUpdateResult(const UpdateResult& result, bool requested) {
    if (!requested) {
        // A check nobody asked for never stops the user: news of a newer
        // version waits in a line of the window, anything else is not news.
        if (result.kind == UpdateResult::Kind::available) {
            updateUrl_ = qstr(result.url);
            updateLine_->setText(qstr(result.message));
            updateNotice_->show();
        }
        return;
    }
    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("Software Update"));
    box->setIcon(result.kind == UpdateResult::Kind::failed ? QMessageBox::Warning
                                                           : QMessageBox::Information);
    box->setText(qstr(result.message));
    if (!result.detail.empty()) {
        box->setInformativeText(qstr(result.detail));
    }
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (result.kind == UpdateResult::Kind::available && !result.url.empty()) {
        QPushButton* get = box->addButton(tr("Download…"), QMessageBox::AcceptRole);
        box->addButton(tr("Later"), QMessageBox::RejectRole);
        const QUrl url(qstr(result.url));
        connect(get, &QPushButton::clicked, this, [url] { QDesktopServices::openUrl(url); });
    } else {
        box->addButton(QMessageBox::Ok);
    }
    box->open();
}

QSize MainWindow::contentSize() const {
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    // Wrapped texts decide the left column's height at its width.
    const int left =
        std::max(leftColumn_->sizeHint().height(), leftColumn_->heightForWidth(kLeftWidth));
    const int height = std::max(left, rightColumn_->sizeHint().height());
    const int width = margins.left() + leftScroll_->width() +
                      std::max(0, kColumnGap - scrollBarRoom_) + rightColumn_->sizeHint().width() +
                      margins.right();
    const int menu = menuBar() != nullptr ? menuBar()->sizeHint().height() : 0;
    return {width, margins.top() + height + margins.bottom() + menu};
}

void MainWindow::chooseInitialSize() {
    const QSize content = contentSize();
    setMinimumSize(content.width(), std::min(kMinimumHeight, content.height()));
    QSize wanted = content;
    followContent_ = true;
    if (!services_.windowSizeFile.empty()) {
        QSettings saved(QString::fromStdString(services_.windowSizeFile.string()),
                        QSettings::IniFormat);
        const QSize remembered = saved.value("window/size").toSize();
        if (remembered.isValid()) {
            wanted = remembered.expandedTo(minimumSize());
            followContent_ = false;
        }
    }
    // Within the free area of the screen, frame included.
    if (const QScreen* at = screen()) {
        const QRect free = at->availableGeometry();
        // Before the first show the window manager has not said how large
        // its frame is.
        const QMargins frame = knownFrame();
        wanted = wanted.boundedTo(QSize(free.width() - frame.left() - frame.right(),
                                        free.height() - frame.top() - frame.bottom()));
        // Centred across, and a third of the spare height from the top: a
        // notice that arrives later grows the window downward into the room
        // left below.
        const QSize outer = wanted.grownBy(frame);
        placeOurselves(
            QRect(QPoint(free.left() + (free.width() - outer.width()) / 2 + frame.left(),
                         free.top() + (free.height() - outer.height()) / 3 + frame.top()),
                  wanted));
        return;
    }
    resizeOurselves(wanted);
}

QMargins MainWindow::knownFrame() const {
    const QRect frame = frameGeometry();
    // Until the window manager has framed the window Qt gives no frame, and
    // while KWin reparents it one smaller than the window itself; a title
    // bar's worth is safer than either.
    if (frame == geometry() || !frame.contains(geometry())) {
        return QMargins(kFrameGuess, kTitleBarGuess, kFrameGuess, kFrameGuess);
    }
    return QMargins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                    frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
}

void MainWindow::resizeOurselves(QSize size) {
    placeOurselves(QRect(geometry().topLeft(), size));
}

void MainWindow::placeOurselves(QRect client) {
    const bool before = resizing_;
    resizing_ = true;
    if (QWindow* handle = windowHandle(); handle != nullptr && handle->isVisible()) {
        // Qt sends a resize with the position it last heard of from the
        // window system, which can be where the window manager's frame was
        // while it was still mapping the window: the window would jump
        // there. The whole rectangle, given first, is what Qt sends.
        handle->setGeometry(client);
    }
    setGeometry(client);
    resizing_ = before;
}

void MainWindow::followContent() {
    if (!sized_ || !followContent_) {
        return;
    }
    QSize wanted = contentSize();
    setMinimumWidth(wanted.width());
    QPoint topLeft = geometry().topLeft();
    if (const QScreen* at = screen()) {
        // Downward into the room below; up only by what that room lacks,
        // never past the top of the free area, and only until the user
        // first reaches into the window (what they aim at must not move);
        // beyond that the left column scrolls.
        const QRect free = at->availableGeometry();
        const QMargins frame = knownFrame();
        wanted = wanted.boundedTo(QSize(free.width() - frame.left() - frame.right(),
                                        free.height() - frame.top() - frame.bottom()));
        wanted.setHeight(std::max(wanted.height(), minimumHeight()));
        const int lacking = topLeft.y() + wanted.height() + frame.bottom() - (free.bottom() + 1);
        if (lacking > 0 && !used_) {
            topLeft.setY(std::max(free.top() + frame.top(), topLeft.y() - lacking));
        }
    }
    if (wanted != size() || topLeft != geometry().topLeft()) {
        placeOurselves(QRect(topLeft, wanted));
        keepOnScreen();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A section that grows or shrinks (calendars listed, a notice shown)
    // changes the content's size; the window follows until the user sizes it.
    if (event->type() == QEvent::LayoutRequest &&
        (watched == leftColumn_ || watched == rightColumn_)) {
        QTimer::singleShot(0, this, &MainWindow::followContent);
    }
    if (watched == windowHandle()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:
            case QEvent::Wheel:
            case QEvent::TouchBegin:
                used_ = true;
                break;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!sized_ || resizing_ || !event->spontaneous()) {
        return;
    }
    // The user's own size from now on.
    followContent_ = false;
    if (!services_.windowSizeFile.empty() && isVisible()) {
        sizeSave_.start();
    }
}

void MainWindow::saveSize() {
    QSettings saved(QString::fromStdString(services_.windowSizeFile.string()),
                    QSettings::IniFormat);
    saved.setValue("window/size", size());
}

void MainWindow::keepOnScreen() {
    const QScreen* at = screen();
    if (at == nullptr) {
        return;
    }
    const QRect free = at->availableGeometry();
    const QRect frame = geometry().marginsAdded(knownFrame());
    if (free.contains(frame)) {
        return;
    }
    // The frame the window manager drew was larger than guessed.
    const QSize extra(frame.width() - width(), frame.height() - height());
    const QSize fits = size().boundedTo(free.size() - extra).expandedTo(minimumSize());
    QPoint topLeft = frame.topLeft();
    topLeft.setX(std::max(free.left(),
                          std::min(topLeft.x(), free.right() + 1 - fits.width() - extra.width())));
    topLeft.setY(std::max(
        free.top(), std::min(topLeft.y(), free.bottom() + 1 - fits.height() - extra.height())));
    placeOurselves(QRect(topLeft + (geometry().topLeft() - frame.topLeft()), fits));
}

void MainWindow::showEvent(QShowEvent* event) {
    const bool first = !sized_;
    if (first && !event->spontaneous()) {
        // The calendars are listed before the size is chosen: the window
        // grows only downward once placed.
        state_->windowShown();
        refreshCalendars();
    }
    if (!sized_) {
        chooseInitialSize();
        sized_ = true;
        // Input reaches the window here before any of its widgets.
        windowHandle()->installEventFilter(this);
        // Once mapped, the real frame is known: whatever the guess left over
        // the edge is brought back.
        QTimer::singleShot(0, this, &MainWindow::keepOnScreen);
        QTimer::singleShot(kFrameSettle, this, &MainWindow::keepOnScreen);
    }
    QMainWindow::showEvent(event);
    if (!first && !event->spontaneous()) {
        // Each time the window comes up: calendars first, then the weather.
        state_->windowShown();
        refreshCalendars();
    }
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::UpdateRequest && !firstPaintSeen_ && isVisible()) {
        firstPaintSeen_ = true;
        // Shown, so framed: the frame is known now, and the window grows or
        // moves into what the guess left.
        followContent();
        keepOnScreen();
        emit firstPainted();
    }
    return handled;
}

}  // namespace solvane::app
