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
// Seen: items added, removed, renamed or written in place in a calendar
// folder (vdir tools rename a temporary file into place; a plain `cat new >
// item.ics` rewrites it), calendars added or removed in a root, and any
// change to a single-file calendar. The watch is the kernel's (inotify) on
// each folder and single file; without it (the user's inotify limits are
// used up) nothing is seen and the scheduled reloads still catch up.
//
//   auto* watcher = new CalendarWatcher([] { return database.watchPaths(); }, 500ms, window);
//   connect(watcher, &CalendarWatcher::calendarStoreChanged, window, &Window::syncCalendars);
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
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
    ~CalendarWatcher() override;

    // The paths being watched, for diagnostics and tests.
    QStringList watchedPaths() const;

  public slots:
    // A change seen elsewhere: notified after the same quiet interval.
    void poke();

  signals:
    void calendarStoreChanged();

  private:
    void rewatch();
    void drain();

    WatchPaths paths_;
    int inotify_ = -1;
    std::unique_ptr<QSocketNotifier> readable_;
    std::map<int, QString> watches_;  // watch descriptor → path
    QTimer quiet_;
};

}  // namespace solvane::platform
