#include "platform/qt/calendar_watcher.h"

#include <QSet>
#include <QString>

#include "platform/calendar/folder_source.h"

namespace solvane::platform {

CalendarWatcher::CalendarWatcher(std::vector<std::filesystem::path> roots,
                                 std::chrono::milliseconds debounce, QObject* parent)
    : CalendarWatcher([roots = std::move(roots)] { return calendarWatchPaths(roots); }, debounce,
                      parent) {}

CalendarWatcher::CalendarWatcher(WatchPaths paths, std::chrono::milliseconds debounce,
                                 QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(debounce);
    // Every event restarts the wait, so a burst ends in one notification.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &quiet_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &quiet_, qOverload<>(&QTimer::start));
    connect(&quiet_, &QTimer::timeout, this, [this] {
        rewatch();
        emit calendarStoreChanged();
    });
    rewatch();
}

void CalendarWatcher::poke() {
    quiet_.start();
}

QStringList CalendarWatcher::watchedPaths() const {
    return watcher_.directories() + watcher_.files();
}

void CalendarWatcher::rewatch() {
    QSet<QString> wanted;
    for (const auto& path : paths_ ? paths_() : std::vector<std::filesystem::path>{}) {
        wanted.insert(QString::fromStdString(path.string()));
    }
    // A file replaced by a rename is a new file: its old watch is dropped
    // and the path watched afresh.
    QStringList gone = watcher_.files();
    for (const QString& folder : watcher_.directories()) {
        if (!wanted.remove(folder)) {
            gone.append(folder);
        }
    }
    if (!gone.isEmpty()) {
        watcher_.removePaths(gone);
    }
    if (!wanted.isEmpty()) {
        watcher_.addPaths(QStringList(wanted.begin(), wanted.end()));
    }
}

}  // namespace solvane::platform
