#include "platform/qt/calendar_watcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include <QString>

#include "platform/calendar/folder_source.h"

namespace solvane::platform {

namespace {

// A folder: what happens to the items in it, an item written in place
// included. A single file: anything done to it, and its going.
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                        IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF |
                                        IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::uint32_t kFileEvents =
    IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

CalendarWatcher::CalendarWatcher(std::vector<std::filesystem::path> roots,
                                 std::chrono::milliseconds debounce, QObject* parent)
    : CalendarWatcher([roots = std::move(roots)] { return calendarWatchPaths(roots); }, debounce,
                      parent) {}

CalendarWatcher::CalendarWatcher(WatchPaths paths, std::chrono::milliseconds debounce,
                                 QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(debounce);
    connect(&quiet_, &QTimer::timeout, this, [this] {
        rewatch();
        emit calendarStoreChanged();
    });
    inotify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ >= 0) {
        readable_ = std::make_unique<QSocketNotifier>(inotify_, QSocketNotifier::Read);
        connect(readable_.get(), &QSocketNotifier::activated, this, &CalendarWatcher::drain);
    }
    rewatch();
}

CalendarWatcher::~CalendarWatcher() {
    readable_.reset();
    if (inotify_ >= 0) {
        ::close(inotify_);
    }
}

void CalendarWatcher::poke() {
    quiet_.start();
}

QStringList CalendarWatcher::watchedPaths() const {
    QStringList out;
    for (const auto& [descriptor, path] : watches_) {
        out.append(path);
    }
    return out;
}

void CalendarWatcher::drain() {
    // Only that something happened matters; every event restarts the wait,
    // so a burst ends in one notification.
    alignas(inotify_event) char buffer[8192];
    bool seen = false;
    for (;;) {
        const ssize_t n = ::read(inotify_, buffer, sizeof buffer);
        if (n > 0) {
            seen = true;
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        break;
    }
    if (seen) {
        quiet_.start();
    }
}

void CalendarWatcher::rewatch() {
    if (inotify_ < 0) {
        return;
    }
    // Adding a watch again for the same file or folder gives back its
    // descriptor; a path now naming another file (one replaced by a rename)
    // gets a new one, and the old is dropped.
    std::map<int, QString> kept;
    for (const auto& path : paths_ ? paths_() : std::vector<std::filesystem::path>{}) {
        std::error_code error;
        const bool folder = std::filesystem::is_directory(path, error);
        const int descriptor =
            ::inotify_add_watch(inotify_, path.c_str(), folder ? kFolderEvents : kFileEvents);
        if (descriptor >= 0) {
            kept[descriptor] = QString::fromStdString(path.string());
        }
    }
    for (const auto& [descriptor, path] : watches_) {
        if (!kept.contains(descriptor)) {
            ::inotify_rm_watch(inotify_, descriptor);
        }
    }
    watches_ = std::move(kept);
}

}  // namespace solvane::platform
