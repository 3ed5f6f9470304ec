#include "platform/calendar/folder_source.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "core/util/file_descriptor.h"
#include "platform/calendar/calendar_color.h"
#include "platform/calendar/file_key.h"
#include "platform/calendar/ics_file.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;

// displayname and color files hold one short line.
constexpr std::size_t kMaxSmallFileBytes = 4096;
constexpr std::size_t kMaxWatchPaths = 4000;

using Descriptor = FileDescriptor;

// A regular file, opened without following a link in its last component
// and without blocking on a FIFO; -1 for anything else.
int openRegular(const fs::path& path, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The first line of a small text file, trimmed; none when missing or empty.
std::optional<std::string> firstLine(const fs::path& path) {
    const auto bytes = readBoundedFile(path, kMaxSmallFileBytes, Links::refuse);
    if (!bytes) {
        return std::nullopt;
    }
    std::string_view line(*bytes);
    line = line.substr(0, line.find_first_of("\r\n"));
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(line.substr(first, line.find_last_not_of(" \t") - first + 1));
}

bool endsWithIcs(std::string_view name) {
    return name.size() > 4 && strncasecmp(name.data() + name.size() - 4, ".ics", 4) == 0;
}

bool isInside(const fs::path& root, const fs::path& target) {
    const std::string& r = root.native();
    const std::string& t = target.native();
    return t.size() > r.size() && t.compare(0, r.size(), r) == 0 &&
           (r.back() == '/' || t[r.size()] == '/');
}

// A root as the user named it, without a trailing slash, so "/a/b/" and
// "/a/b" name the same calendars.
fs::path spelled(const fs::path& root) {
    fs::path p = root.lexically_normal();
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) {
        p = p.parent_path();
    }
    return p;
}

std::string identifier(std::string_view kind, const fs::path& root, std::string_view relative) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    auto mix = [&](std::string_view bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3ULL;
        }
    };
    mix(spelled(root).native());
    mix(std::string_view("\0", 1));
    mix(relative);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string id(kind);
    id += ':';
    for (int shift = 60; shift >= 0; shift -= 4) {
        id += kHex[(hash >> shift) & 0xF];
    }
    return id;
}

struct Listed {
    std::string name;
    fs::path path;  // where to read it: the link's target for a link
    bool folder = false;
};

// The calendar folders and .ics files of a folder, by name, not counting
// hidden entries and links that lead out of `root` (canonical).
std::vector<Listed> listFolder(const fs::path& folder, const fs::path& root) {
    std::vector<Listed> out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    std::size_t looked = 0;
    for (; !ec && it != fs::directory_iterator() && looked < kMaxFolderEntries;
         it.increment(ec), ++looked) {
        const fs::directory_entry& entry = *it;
        std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') {
            continue;
        }
        std::error_code sec;
        fs::file_status status = entry.symlink_status(sec);
        fs::path path = entry.path();
        if (!sec && fs::is_symlink(status)) {
            path = fs::canonical(path, sec);
            if (sec || !isInside(root, path)) {
                continue;
            }
            status = fs::status(path, sec);
        }
        if (sec) {
            continue;
        }
        if (fs::is_directory(status)) {
            out.push_back({std::move(name), std::move(path), true});
        } else if (fs::is_regular_file(status) && endsWithIcs(name)) {
            out.push_back({std::move(name), std::move(path), false});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Listed& a, const Listed& b) { return a.name < b.name; });
    return out;
}

struct ExistingRoot {
    fs::path named;      // as configured: what identifiers are made from
    fs::path canonical;  // where links must stay inside
};

std::vector<ExistingRoot> existingRoots(const std::vector<fs::path>& roots) {
    std::vector<ExistingRoot> out;
    std::set<fs::path> seen;
    for (const auto& root : roots) {
        std::error_code ec;
        fs::path canonical = fs::canonical(root, ec);
        if (ec || !fs::is_directory(canonical, ec) || !seen.insert(canonical).second) {
            continue;
        }
        out.push_back({root, std::move(canonical)});
    }
    return out;
}

// A root's own name (".calendars", "calendars") says nothing to the user;
// its calendars are simply on this computer unless it names an account.
std::string accountTitle(const fs::path& root) {
    if (auto name = firstLine(root / "displayname")) {
        return std::move(*name);
    }
    return std::string(kOnThisComputer);
}

struct ScannedCalendar {
    EventCalendar info;
    std::vector<std::shared_ptr<const IcsFile>> files;
};

// Parsed files by path.
struct FileCache {
    std::unordered_map<std::string, ParsedIcsFile> files;
};

// One walk over the roots. Files parsed by an earlier walk are taken over
// when unchanged; the cache then holds exactly the files of this walk.
class Scan {
  public:
    explicit Scan(FileCache& cache) : cache_(cache) {}

    std::vector<ScannedCalendar> run(const std::vector<fs::path>& roots,
                                     const std::vector<FolderCalendar>& named) {
        std::vector<ScannedCalendar> calendars;
        const std::vector<ExistingRoot> existing = existingRoots(roots);
        for (const auto& root : existing) {
            const std::string account = accountTitle(root.named);
            std::size_t count = 0;
            for (const auto& entry : listFolder(root.named, root.canonical)) {
                if (count >= kMaxCalendarsPerRoot) {
                    break;
                }
                auto calendar = entry.folder ? readFolder(root, entry, account, {})
                                             : readSingleFile(root, entry, account);
                if (calendar) {
                    calendars.push_back(std::move(*calendar));
                    ++count;
                }
            }
        }
        std::set<fs::path> seen;
        for (const auto& wanted : named) {
            std::error_code ec;
            const fs::path canonical = fs::canonical(wanted.path, ec);
            if (ec || !fs::is_directory(canonical, ec) || !seen.insert(canonical).second ||
                std::any_of(existing.begin(), existing.end(), [&](const ExistingRoot& root) {
                    return isInside(root.canonical, canonical);
                })) {
                continue;
            }
            const ExistingRoot self{wanted.path, canonical};
            if (auto calendar = readFolder(self, {"", wanted.path, true},
                                           std::string(kOnThisComputer), wanted)) {
                calendars.push_back(std::move(*calendar));
            }
        }
        cache_.files = std::move(next_);
        return calendars;
    }

  private:
    // `folder` of `root`; for a calendar named on its own, `root` is the
    // folder itself and `named` says what its configuration gives.
    std::optional<ScannedCalendar> readFolder(const ExistingRoot& root, const Listed& folder,
                                              const std::string& account,
                                              std::optional<FolderCalendar> named) {
        ScannedCalendar calendar;
        calendar.info.id = identifier("vdir", root.named, folder.name);
        const std::string fallbackTitle = named && !named->title.empty() ? named->title
                                          : folder.name.empty()
                                              ? spelled(root.named).filename().string()
                                              : folder.name;
        calendar.info.title = firstLine(folder.path / "displayname").value_or(fallbackTitle);
        auto color = calendarColor(firstLine(folder.path / "color"));
        if (!color && named) {
            color = calendarColor(named->color);
        }
        calendar.info.color = color.value_or(std::string(kDefaultCalendarColor));
        calendar.info.accountTitle = account;
        std::size_t items = 0;
        for (const auto& item : listFolder(folder.path, root.canonical)) {
            if (item.folder) {
                continue;
            }
            if (items++ >= kMaxItemsPerCalendar || files_ >= kMaxItemFiles) {
                break;
            }
            ++files_;
            if (auto file = load(item.path, calendar.info.id + "/" + item.name)) {
                calendar.files.push_back(std::move(file));
            }
        }
        return calendar;
    }

    std::optional<ScannedCalendar> readSingleFile(const ExistingRoot& root, const Listed& entry,
                                                  const std::string& account) {
        if (files_ >= kMaxItemFiles) {
            return std::nullopt;
        }
        ++files_;
        ScannedCalendar calendar;
        calendar.info.id = identifier("ics", root.named, entry.name);
        auto file = load(entry.path, calendar.info.id);
        if (!file) {
            return std::nullopt;
        }
        calendar.info.title = file->name().value_or(fs::path(entry.name).stem().string());
        calendar.info.color =
            calendarColor(file->color()).value_or(std::string(kDefaultCalendarColor));
        calendar.info.accountTitle = account;
        calendar.files.push_back(std::move(file));
        return calendar;
    }

    std::shared_ptr<const IcsFile> load(const fs::path& path, const std::string& fallbackUid) {
        const auto known = cache_.files.find(path.native());
        auto parsed =
            loadIcsFile(path, fallbackUid, known == cache_.files.end() ? nullptr : &known->second);
        if (!parsed || events_ + parsed->file->eventCount() > kMaxParsedEvents) {
            return nullptr;
        }
        events_ += parsed->file->eventCount();
        return (next_[path.native()] = std::move(*parsed)).file;
    }

    FileCache& cache_;
    std::unordered_map<std::string, ParsedIcsFile> next_;
    std::size_t files_ = 0;
    std::size_t events_ = 0;
};

bool isAbsoluteFolder(const char* value) {
    return value != nullptr && *value == '/';
}

}  // namespace

struct FolderSource::Cache : FileCache {};

std::vector<fs::path> calendarRootsFromEnvironment() {
    std::vector<fs::path> roots;
    auto add = [&](fs::path root) {
        if (roots.size() < kMaxCalendarRoots &&
            std::find(roots.begin(), roots.end(), root) == roots.end()) {
            roots.push_back(std::move(root));
        }
    };
    if (const char* listed = std::getenv("SOLVANE_CALENDAR_DIRS"); listed != nullptr) {
        std::string_view rest(listed);
        while (!rest.empty()) {
            const std::string_view part = rest.substr(0, rest.find(':'));
            rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            // A relative folder would depend on where the program was started.
            if (part.starts_with('/')) {
                add(fs::path(part));
            }
        }
        return roots;
    }
    if (const char* home = std::getenv("HOME"); isAbsoluteFolder(home)) {
        add(fs::path(home) / ".calendars");
    }
    // The store's container is $XDG_DATA_HOME/<group>, with the XDG rules
    // for an unset or relative variable already applied.
    const fs::path container = StorePaths::forGroup(kBuiltInAppGroup).container;
    if (!container.empty()) {
        add(container.parent_path() / "calendars");
    }
    return roots;
}

namespace {

// The nearest folder above `place` that exists: watching it shows `place`
// being made.
std::optional<fs::path> existingAncestor(const fs::path& place) {
    fs::path p = spelled(place);
    for (int depth = 0; depth < 64 && p.has_parent_path() && p != p.root_path(); ++depth) {
        p = p.parent_path();
        std::error_code ec;
        if (fs::is_directory(p, ec)) {
            return p;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> existingFolder(const fs::path& place) {
    std::error_code ec;
    return fs::is_directory(place, ec) ? std::optional(place) : existingAncestor(place);
}

std::optional<ParsedIcsFile> loadIcsFile(const fs::path& path, std::string_view fallbackUid,
                                         const ParsedIcsFile* known) {
    struct stat info {};
    const Descriptor fd(openRegular(path, info));
    if (fd.get() < 0 || static_cast<std::size_t>(info.st_size) > kMaxIcsFileBytes) {
        return std::nullopt;
    }
    const FileKey key = FileKey::of(info);
    if (known != nullptr && known->key == key) {
        return *known;
    }
    const auto bytes = readBoundedFrom(fd.get(), kMaxIcsFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return ParsedIcsFile{key, std::make_shared<const IcsFile>(IcsFile::parse(*bytes, fallbackUid))};
}

std::vector<fs::path> calendarWatchPaths(const std::vector<fs::path>& roots,
                                         const std::vector<FolderCalendar>& calendars) {
    std::vector<fs::path> paths;
    const auto add = [&](fs::path path) {
        if (paths.size() < kMaxWatchPaths &&
            std::find(paths.begin(), paths.end(), path) == paths.end()) {
            paths.push_back(std::move(path));
        }
    };
    try {
        const std::vector<ExistingRoot> existing = existingRoots(roots);
        for (const auto& root : existing) {
            add(root.named);
            for (auto& entry : listFolder(root.named, root.canonical)) {
                add(std::move(entry.path));
            }
        }
        for (const auto& root : roots) {
            const bool found = std::any_of(existing.begin(), existing.end(),
                                           [&](const ExistingRoot& e) { return e.named == root; });
            if (!found) {
                if (auto above = existingAncestor(root)) {
                    add(std::move(*above));
                }
            }
        }
        for (const auto& calendar : calendars) {
            if (auto folder = existingFolder(calendar.path)) {
                add(std::move(*folder));
            }
        }
    } catch (...) {
        // Memory ran out; watch what was found.
    }
    return paths;
}

FolderSource::FolderSource(std::vector<fs::path> roots, NamedCalendars named,
                           std::vector<fs::path> alsoWatch)
    : roots_(std::move(roots)),
      named_(std::move(named)),
      alsoWatch_(std::move(alsoWatch)),
      cache_(std::make_unique<Cache>()) {}

std::vector<FolderCalendar> FolderSource::namedNow() const {
    try {
        return named_ ? named_() : std::vector<FolderCalendar>{};
    } catch (...) {
        return {};
    }
}

FolderSource::~FolderSource() = default;

bool FolderSource::unreadable() const {
    const auto blocked = [](const fs::path& place) {
        struct stat info {};
        return ::stat(place.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
               ::access(place.c_str(), R_OK | X_OK) != 0;
    };
    const std::vector<FolderCalendar> named = namedNow();
    return std::any_of(roots_.begin(), roots_.end(), blocked) ||
           std::any_of(named.begin(), named.end(),
                       [&](const FolderCalendar& c) { return blocked(c.path); });
}

std::vector<fs::path> FolderSource::watchPaths() const {
    std::vector<fs::path> paths = calendarWatchPaths(roots_, namedNow());
    for (const fs::path& folder : alsoWatch_) {
        if (auto existing = existingFolder(folder)) {
            paths.push_back(std::move(*existing));
        }
    }
    return paths;
}

std::vector<EventCalendar> FolderSource::calendars() {
    try {
        std::lock_guard lock(mutex_);
        std::vector<EventCalendar> out;
        for (auto& calendar : Scan(*cache_).run(roots_, namedNow())) {
            out.push_back(std::move(calendar.info));
        }
        return out;
    } catch (...) {
        return {};
    }
}

std::vector<CalendarEvent> FolderSource::events(Instant start, Instant end,
                                                const Calendar& calendar, std::size_t limit) {
    try {
        std::lock_guard lock(mutex_);
        const auto calendars = Scan(*cache_).run(roots_, namedNow());
        ExpansionBudget budget;
        std::vector<CalendarEvent> events;
        std::vector<IcsOccurrence> found;
        for (const auto& scanned : calendars) {
            for (const auto& file : scanned.files) {
                found.clear();
                file->occurrences(start, end, calendar, budget, found);
                for (const auto& o : found) {
                    if (events.size() >= limit) {
                        return events;
                    }
                    // Named within its calendar: two calendars may share a UID.
                    events.push_back({scanned.info.id + "/" + *o.uid, *o.title, o.start, o.end,
                                      o.allDay, scanned.info});
                }
            }
        }
        return events;
    } catch (...) {
        return {};
    }
}

}  // namespace solvane::platform
