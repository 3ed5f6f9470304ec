// CalendarWatcher: the calendar-store-changed notification of this build.
//
// Watches the calendar roots, their calendar folders and their single-file
// calendars, and emits calendarStoreChanged() once things have been quiet
// for the debounce interval, so a sync tool writing a hundred items gives
// one notification. After each burst the watch list is rebuilt, which picks
// up new calendars and files replaced by a rename.
//
// Seen: items added, removed or renamed in a calendar folder (vdir tools
// write items by renaming a temporary file into place), calendars added or
// removed in a root, and any change to a single-file calendar. An item file
// rewritten in place is not seen until something else in its folder
// changes, and a root that does not exist yet is not watched.
//
//   auto* watcher = new CalendarWatcher(calendarRootsFromEnvironment(), 500ms, window);
//   connect(watcher, &CalendarWatcher::calendarStoreChanged, window, &Window::syncCalendars);
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <vector>

namespace solvane::platform {

class CalendarWatcher : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kDefaultDebounce{500};

    explicit CalendarWatcher(std::vector<std::filesystem::path> roots,
                             std::chrono::milliseconds debounce = kDefaultDebounce,
                             QObject* parent = nullptr);

    // The paths being watched, for diagnostics and tests.
    QStringList watchedPaths() const;

  signals:
    void calendarStoreChanged();

  private:
    void rewatch();

    std::vector<std::filesystem::path> roots_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

}  // namespace solvane::platform
