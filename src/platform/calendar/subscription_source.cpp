#include "platform/calendar/subscription_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/util/file_descriptor.h"
#include "platform/calendar/file_key.h"
#include "platform/calendar/folder_source.h"
#include "platform/calendar/ics_file.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

// Events parsed across all copies, whatever a query asks for: what copies
// changed behind the store's back can cost in memory.
constexpr std::size_t kMaxParsedEvents = 200'000;

struct Parsed {
    FileKey key;
    std::shared_ptr<const IcsFile> file;
};

// The copy at `path` when it is a regular file within the size limit,
// reusing `known` when it has not changed.
std::shared_ptr<const IcsFile> load(const fs::path& path, const std::string& fallbackUid,
                                    const std::optional<Parsed>& known, FileKey& key) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxIcsFileBytes) {
        return nullptr;
    }
    key = FileKey::of(info);
    if (known && known->key == key) {
        return known->file;
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return nullptr;
        }
        if (n == 0) {
            break;
        }
        // The file may have grown since it was measured.
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxIcsFileBytes) {
            return nullptr;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return std::make_shared<const IcsFile>(IcsFile::parse(bytes, fallbackUid));
}

struct Offered {
    EventCalendar info;
    std::shared_ptr<const IcsFile> file;
};

// The nearest folder at or above `place` that exists.
std::optional<fs::path> existingFolder(fs::path place) {
    for (int depth = 0; depth < 64 && !place.empty(); ++depth) {
        std::error_code ec;
        if (fs::is_directory(place, ec)) {
            return place;
        }
        if (place == place.parent_path()) {
            break;
        }
        place = place.parent_path();
    }
    return std::nullopt;
}

}  // namespace

struct SubscriptionSource::Cache {
    std::unordered_map<std::string, Parsed> files;  // by identifier

    // Reads the list and the copies; the cache then holds exactly these.
    std::vector<Offered> scan(const SubscriptionStore& store) {
        std::vector<Offered> offered;
        std::unordered_map<std::string, Parsed> next;
        std::size_t events = 0;
        for (const Subscription& s : store.list()) {
            const fs::path path = store.paths().copyOf(s.id);
            if (path.empty()) {
                continue;
            }
            const auto found = files.find(s.id);
            const std::optional<Parsed> known =
                found == files.end() ? std::nullopt : std::optional<Parsed>(found->second);
            FileKey key;
            auto file = load(path, s.id, known, key);
            if (!file || events + file->eventCount() > kMaxParsedEvents) {
                continue;
            }
            events += file->eventCount();
            next[s.id] = {key, file};
            EventCalendar info{s.id, s.displayTitle(),
                               s.color.value_or(std::string(kDefaultCalendarColor)),
                               std::string(kSubscribedAccountTitle)};
            offered.push_back({std::move(info), std::move(file)});
        }
        files = std::move(next);
        return offered;
    }
};

SubscriptionSource::SubscriptionSource(SubscriptionPaths paths)
    : store_(std::move(paths)), cache_(std::make_unique<Cache>()) {}

SubscriptionSource::~SubscriptionSource() = default;

std::vector<EventCalendar> SubscriptionSource::calendars() {
    try {
        std::lock_guard lock(mutex_);
        std::vector<EventCalendar> out;
        for (auto& offered : cache_->scan(store_)) {
            out.push_back(std::move(offered.info));
        }
        return out;
    } catch (...) {
        return {};
    }
}

std::vector<CalendarEvent> SubscriptionSource::events(Instant start, Instant end,
                                                      const Calendar& calendar, std::size_t limit) {
    try {
        std::lock_guard lock(mutex_);
        const auto offered = cache_->scan(store_);
        ExpansionBudget budget;
        std::vector<CalendarEvent> events;
        std::vector<IcsOccurrence> found;
        for (const auto& o : offered) {
            found.clear();
            o.file->occurrences(start, end, calendar, budget, found);
            for (const auto& occurrence : found) {
                if (events.size() >= limit) {
                    return events;
                }
                events.push_back({*occurrence.uid, *occurrence.title, occurrence.start,
                                  occurrence.end, occurrence.allDay, o.info});
            }
        }
        return events;
    } catch (...) {
        return {};
    }
}

std::vector<fs::path> SubscriptionSource::watchPaths() const {
    std::vector<fs::path> paths;
    try {
        for (const fs::path& place : {store_.paths().copies, store_.paths().list.parent_path()}) {
            if (auto folder = existingFolder(place);
                folder && std::find(paths.begin(), paths.end(), *folder) == paths.end()) {
                paths.push_back(std::move(*folder));
            }
        }
    } catch (...) {
        // Memory ran out; watch what was found.
    }
    return paths;
}

}  // namespace solvane::platform
