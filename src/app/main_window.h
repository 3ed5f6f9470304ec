// The companion application's one window: the countdown list, the board's
// place, the weather source and unit, the calendars on the left; the styled
// live preview of the board on the right; the editor and the event picker as
// sheets; and the application menu (About, Check for Updates…, Privacy &
// Security…, Quit).
//
// The window owns the AppState and mirrors it into the sections; every
// control calls an AppState operation, which writes the store before it asks
// the widgets to reload.
//
//   MainWindow window(WindowServices::standard());
//   window.show();
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_state.h"
#include "app/countdown_editor.h"
#include "app/event_picker_sheet.h"
#include "app/update_checker.h"
#include "board/custom_icons.h"
#include "board/palette.h"
#include "platform/calendar/permission_record.h"
#include "platform/location/location_manager.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;

namespace solvane::platform {
class CalendarWatcher;
class ZoneSource;
}  // namespace solvane::platform

namespace solvane::app {

class Appearance;
class BoardPreview;
class CalendarsSection;
class CountdownListWidget;
class LocationSection;
class SubscribeDialog;
class WeatherSection;

// The questions the window may put to the user before it uses a service.
enum class AccessQuestion { calendars, location, deleteCountdown };

struct WindowServices {
    AppServices app;
    IconStore icons;
    UpdateChecker::Config updates;
    platform::PermissionRecord permissions;
    // The folders to watch for calendar changes; empty: no watching.
    std::function<std::vector<std::filesystem::path>()> calendarWatchPaths;
    // Hands the calendar sources that report their own changes (EDS) the
    // function to call on a change; empty: none do.
    std::function<void(std::function<void()>)> onCalendarChange;
    // Makes the location service, which asks through `prompt`; empty: none
    // (the button says current location is unavailable).
    std::function<std::unique_ptr<platform::LocationManager>(platform::LocationPermissionPrompt)>
        makeLocator;
    // Answers a question in place of the dialog; empty: ask the user.
    std::function<bool(AccessQuestion)> answer;
    // Opens the widget host's gallery (starting the host when it is not
    // running), keeping the window's frame clear of new widgets; returns
    // whether the request went out. Empty: "Add Widget…" is disabled.
    std::function<bool(QRect keepClear)> openWidgetGallery;
    bool automaticUpdateChecks = true;
    // Where the window's size is remembered; empty: not remembered.
    std::filesystem::path windowSizeFile;
    // The reminder choices; empty: the window offers no reminder switches.
    std::filesystem::path remindersFile;

    static WindowServices standard();
};

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return *state_; }
    BoardPreview* preview() const { return preview_; }
    QButtonGroup* stylePicker() const { return stylePicker_; }
    CountdownListWidget* countdownList() const { return list_; }
    LocationSection* locationSection() const { return location_; }
    WeatherSection* weatherSection() const { return weather_; }
    CalendarsSection* calendarsSection() const { return calendars_; }
    QLabel* helpText() const { return help_; }
    QPushButton* addWidgetButton() const { return addWidget_; }
    QWidget* updateNotice() const { return updateNotice_; }
    // The open sheets; null while closed.
    CountdownEditor* editor() const { return editor_; }
    EventPickerSheet* eventPicker() const { return picker_; }
    QMenu* applicationMenu() const { return appMenu_; }
    UpdateChecker& updates() { return *updates_; }
    platform::LocationManager* locator() const { return locator_.get(); }

    // Follows the desktop's appearance; the window starts in `scheme`.
    void setColorScheme(ColorScheme scheme);
    // Follows the system time zone: on a change the list, the preview and
    // the captions are drawn again in the new zone.
    void followZone(platform::ZoneSource& zones);

    // The left column scrolls when the window is lower than its content.
    QScrollArea* leftScroll() const { return leftScroll_; }
    // The whole content's size: the window's size wherever it fits.
    QSize contentSize() const;

  public slots:
    void openNewCountdown();
    void openEventPicker();
    void showAbout();
    void showPrivacy();
    void checkForUpdates();
    void openWidgetGallery();

  signals:
    // Once, after the window's first paint reached the screen.
    void firstPainted();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QWidget* buildLeftColumn();
    // The size to open at: the one remembered, else the content's, each
    // within the screen's free area.
    void chooseInitialSize();
    // Brings the window's frame back inside the screen's free area.
    void keepOnScreen();
    void saveSize();
    void followContent();
    void resizeOurselves(QSize size);
    // The window manager's frame around the window, as far as it is known.
    QMargins knownFrame() const;
    // The window's own geometry (without the frame), in one request.
    void placeOurselves(QRect client);
    QWidget* buildRightColumn();
    void buildMenus();
    void connectState();

    void refreshCountdowns();
    void refreshPreview();
    void refreshWeather();
    void refreshCalendars();
    void openSubscribeDialog();
    void scheduleMinuteTick();
    void editingChanged();
    void markEditedCountdownGone();
    void editById(const QString& id);
    void deleteById(const QString& id);
    // `subject` names what a delete removes.
    bool ask(AccessQuestion question, const QString& subject = {});
    void showUpdateResult(const UpdateResult& result, bool requested);

    WindowServices services_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<UpdateChecker> updates_;
    std::unique_ptr<platform::LocationManager> locator_;
    ColorScheme scheme_ = ColorScheme::light;
    bool firstPaintSeen_ = false;

    BoardPreview* preview_ = nullptr;
    QButtonGroup* stylePicker_ = nullptr;
    CountdownListWidget* list_ = nullptr;
    LocationSection* location_ = nullptr;
    WeatherSection* weather_ = nullptr;
    CalendarsSection* calendars_ = nullptr;
    QLabel* help_ = nullptr;
    QScrollArea* leftScroll_ = nullptr;
    int scrollBarRoom_ = 0;
    QWidget* leftColumn_ = nullptr;
    QWidget* rightColumn_ = nullptr;
    bool sized_ = false;
    bool followContent_ = true;  // the window keeps to its content's size
    bool resizing_ = false;      // a resize of ours, not the user's
    bool used_ = false;          // the user has clicked, typed or scrolled in it
    QPushButton* addWidget_ = nullptr;
    QWidget* updateNotice_ = nullptr;  // news of a newer version, from a check nobody asked for
    QLabel* updateLine_ = nullptr;
    QString updateUrl_;
    QMenu* appMenu_ = nullptr;
    QPointer<CountdownEditor> editor_;
    QPointer<EventPickerSheet> picker_;
    QPointer<SubscribeDialog> subscribe_;
    platform::CalendarWatcher* watcher_ = nullptr;
    QTimer minuteTick_;
    QTimer sizeSave_;
};

}  // namespace solvane::app
