#include "platform/calendar/calendar_database.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "platform/calendar/khal_config.h"
#include "platform/calendar/subscription_source.h"
#ifdef SOLVANE_HAVE_EDS
#include "platform/calendar/eds_source.h"
#endif

namespace solvane::platform {

std::string_view sourceKindOf(std::string_view calendarId) {
    if (calendarId.starts_with("vdir:") || calendarId.starts_with("ics:")) {
        return kFolderSourceKind;
    }
    if (calendarId.starts_with("eds:")) {
        return kEvolutionSourceKind;
    }
    if (calendarId.starts_with("sub:")) {
        return kSubscriptionSourceKind;
    }
    return {};
}

namespace {

// A source that is only worth its connection once calendars are read: the
// connection is made at the first question (never while a program starts)
// and once only, whether it works or not.
class OnFirstUse final : public CalendarSource {
  public:
    using Connect = std::function<std::unique_ptr<CalendarSource>()>;

    OnFirstUse(std::string_view kind, Connect connect)
        : kind_(kind), connect_(std::move(connect)) {}

    std::string_view kind() const override { return kind_; }
    std::vector<EventCalendar> calendars() override {
        CalendarSource* s = source();
        return s ? s->calendars() : std::vector<EventCalendar>{};
    }
    std::vector<CalendarEvent> events(Instant start, Instant end, const Calendar& calendar,
                                      std::size_t limit) override {
        CalendarSource* s = source();
        return s ? s->events(start, end, calendar, limit) : std::vector<CalendarEvent>{};
    }
    void setChangeHandler(std::function<void()> handler) override {
        std::lock_guard lock(mutex_);
        handler_ = std::move(handler);
        if (source_) {
            source_->setChangeHandler(handler_);
        }
    }

  private:
    CalendarSource* source() {
        std::lock_guard lock(mutex_);
        if (!tried_) {
            tried_ = true;
            try {
                source_ = connect_();
            } catch (...) {
                source_.reset();
            }
            if (source_ && handler_) {
                source_->setChangeHandler(handler_);
            }
        }
        return source_.get();
    }

    std::string_view kind_;
    Connect connect_;
    std::mutex mutex_;
    bool tried_ = false;
    std::unique_ptr<CalendarSource> source_;
    std::function<void()> handler_;
};

std::vector<std::unique_ptr<CalendarSource>> foldersOnly(std::vector<std::filesystem::path> roots) {
    std::vector<std::unique_ptr<CalendarSource>> sources;
    sources.push_back(std::make_unique<FolderSource>(std::move(roots)));
    return sources;
}

}  // namespace

CalendarDatabase::CalendarDatabase(std::vector<std::unique_ptr<CalendarSource>> sources,
                                   PermissionRecord permissions)
    : sources_(std::move(sources)), permissions_(std::move(permissions)) {
    std::erase(sources_, nullptr);
}

CalendarDatabase::CalendarDatabase(std::vector<std::filesystem::path> roots,
                                   PermissionRecord permissions)
    : CalendarDatabase(foldersOnly(std::move(roots)), std::move(permissions)) {}

CalendarDatabase::~CalendarDatabase() = default;

std::vector<std::filesystem::path> CalendarDatabase::watchPaths() const {
    std::vector<std::filesystem::path> paths;
    for (const auto& source : sources_) {
        for (auto& path : source->watchPaths()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}

void CalendarDatabase::setChangeHandler(std::function<void()> handler) {
    for (const auto& source : sources_) {
        source->setChangeHandler(handler);
    }
}

CalendarSource* CalendarDatabase::source(std::string_view kind) const {
    for (const auto& source : sources_) {
        if (source->kind() == kind) {
            return source.get();
        }
    }
    return nullptr;
}

CalendarAuthorization CalendarDatabase::authorization() const {
    if (std::any_of(sources_.begin(), sources_.end(),
                    [](const auto& source) { return source->unreadable(); })) {
        return CalendarAuthorization::restricted;
    }
    const auto answer = permissions_.answer(kCalendarsPermissionKey);
    if (answer == kPermissionGranted) {
        return CalendarAuthorization::fullAccess;
    }
    if (answer == kPermissionDenied) {
        return CalendarAuthorization::denied;
    }
    return CalendarAuthorization::notDetermined;
}

bool CalendarDatabase::requestFullAccess(const AccessPrompt& prompt) {
    const CalendarAuthorization state = authorization();
    if (state == CalendarAuthorization::fullAccess) {
        return true;
    }
    if (state == CalendarAuthorization::restricted || !prompt) {
        return false;
    }
    bool yes = false;
    try {
        yes = prompt();
    } catch (...) {
        yes = false;
    }
    const bool recorded =
        permissions_.record(kCalendarsPermissionKey, yes ? kPermissionGranted : kPermissionDenied);
    return yes && recorded && authorization() == CalendarAuthorization::fullAccess;
}

std::vector<EventCalendar> CalendarDatabase::calendars() const {
    if (authorization() != CalendarAuthorization::fullAccess) {
        return {};
    }
    try {
        std::lock_guard lock(mutex_);
        std::vector<EventCalendar> out;
        for (const auto& source : sources_) {
            for (auto& calendar : source->calendars()) {
                out.push_back(std::move(calendar));
            }
        }
        std::stable_sort(out.begin(), out.end(),
                         [](const EventCalendar& a, const EventCalendar& b) {
                             return std::tie(a.accountTitle, a.title, a.id) <
                                    std::tie(b.accountTitle, b.title, b.id);
                         });
        return out;
    } catch (...) {
        return {};
    }
}

std::vector<CalendarEvent> CalendarDatabase::events(Instant start, Instant end,
                                                    const Calendar& calendar) const {
    if (!(start <= end) || authorization() != CalendarAuthorization::fullAccess) {
        return {};
    }
    try {
        std::lock_guard lock(mutex_);
        std::vector<CalendarEvent> events;
        for (const auto& source : sources_) {
            if (events.size() >= kMaxEvents) {
                break;
            }
            for (auto& event : source->events(start, end, calendar, kMaxEvents - events.size())) {
                events.push_back(std::move(event));
            }
        }
        std::stable_sort(
            events.begin(), events.end(),
            [](const CalendarEvent& a, const CalendarEvent& b) { return a.start < b.start; });
        return events;
    } catch (...) {
        return {};
    }
}

CalendarDatabase& CalendarDatabase::shared() {
    // Never destroyed: a widget request may still be reading at exit.
    static CalendarDatabase* database = [] {
        std::vector<std::unique_ptr<CalendarSource>> sources;
        const std::filesystem::path khal = khalConfigPath();
        sources.push_back(std::make_unique<FolderSource>(
            calendarRootsFromEnvironment(), khalCalendarsFromEnvironment,
            khal.empty() ? std::vector<std::filesystem::path>{}
                         : std::vector<std::filesystem::path>{khal.parent_path()}));
#ifdef SOLVANE_HAVE_EDS
        sources.push_back(std::make_unique<OnFirstUse>(
            kEvolutionSourceKind, []() -> std::unique_ptr<CalendarSource> {
                return EdsSource::connect(kEdsConnectWait);
            }));
#endif
        sources.push_back(std::make_unique<SubscriptionSource>(SubscriptionPaths::standard()));
        return new CalendarDatabase(std::move(sources), PermissionRecord::standard());
    }();
    return *database;
}

}  // namespace solvane::platform
