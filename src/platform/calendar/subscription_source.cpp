#include "platform/calendar/subscription_source.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/calendar/folder_source.h"
#include "platform/calendar/ics_file.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

struct Offered {
    EventCalendar info;
    std::shared_ptr<const IcsFile> file;
};

}  // namespace

struct SubscriptionSource::Cache {
    std::unordered_map<std::string, ParsedIcsFile> files;  // by identifier

    // Reads the list and the copies; the cache then holds exactly these.
    std::vector<Offered> scan(const SubscriptionStore& store) {
        std::vector<Offered> offered;
        std::unordered_map<std::string, ParsedIcsFile> next;
        std::size_t events = 0;
        for (const Subscription& s : store.list()) {
            const fs::path path = store.paths().copyOf(s.id);
            if (path.empty()) {
                continue;
            }
            const auto known = files.find(s.id);
            auto parsed = loadIcsFile(path, s.id, known == files.end() ? nullptr : &known->second);
            if (!parsed || events + parsed->file->eventCount() > kMaxParsedEvents) {
                continue;
            }
            events += parsed->file->eventCount();
            std::shared_ptr<const IcsFile> file = parsed->file;
            next[s.id] = std::move(*parsed);
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
                events.push_back({o.info.id + "/" + *occurrence.uid, *occurrence.title,
                                  occurrence.start, occurrence.end, occurrence.allDay, o.info});
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
