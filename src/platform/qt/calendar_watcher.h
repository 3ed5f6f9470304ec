// CalendarWatcher: the calendar-store-changed notification of this build.
//
// Watches the folders the calendar sources name (the roots, their calendar
// folders and single-file calendars, khal's calendars, and the nearest
// existing folder above each one that does not exist yet), and emits
// calendarStoreChanged() once things have been quiet for the debounce
// interval, so a sync tool writing a hundred items gives one notification.
// After each burst the watch list is asked for again, which picks up new
// calendars, new roots and files replaced by a rename. poke() starts the
// same wait for a source that reports its own changes (EDS).
//
// Seen: items added, removed or renamed in a calendar folder (vdir tools
// write items by renaming a temporary file into place), calendars added or
// removed in a root, and any change to a single-file calendar. An item file
// rewritten in place is not seen until something else in its folder
// changes.
//
//   auto* watcher = new CalendarWatcher([] { return database.watchPaths(); }, 500ms, window);
//   connect(watcher, &CalendarWatcher::calendarStoreChanged, window, &Window::syncCalendars);
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace solvane::platform {

class CalendarWatcher : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kDefaultDebounce{500};

    using WatchPaths = std::function<std::vector<std::filesystem::path>()>;

    explicit CalendarWatcher(WatchPaths paths,
                             std::chrono::milliseconds debounce = kDefaultDebounce,
                             QObject* parent = nullptr);
    // The folders of these calendar roots.
    explicit CalendarWatcher(std::vector<std::filesystem::path> roots,
                             std::chrono::milliseconds debounce = kDefaultDebounce,
                             QObject* parent = nullptr);

    // The paths being watched, for diagnostics and tests.
    QStringList watchedPaths() const;

  public slots:
    // A change seen elsewhere: notified after the same quiet interval.
    void poke();

  signals:
    void calendarStoreChanged();

  private:
    void rewatch();

    WatchPaths paths_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

}  // namespace solvane::platform
