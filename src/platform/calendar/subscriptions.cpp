#include "platform/calendar/subscriptions.h"

#include "core/util/translation.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <utility>

#include "core/model/json_forms.h"
#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "core/util/file_descriptor.h"
#include "core/util/private_files.h"
#include "core/util/uuid.h"
#include "platform/calendar/ascii_text.h"
#include "platform/calendar/calendar_color.h"
#include "platform/calendar/ics_file.h"
#include "platform/calendar/subscription_fetch.h"
#include "platform/system_clock.h"

namespace solvane::platform {

namespace {

namespace fs = std::filesystem;
using json_forms::Json;

constexpr std::string_view kIdPrefix = "sub:";
constexpr std::size_t kIdHexDigits = 16;
// A hundred entries of a few hundred bytes; anything bigger is not ours.
constexpr std::size_t kMaxListBytes = 1024 * 1024;
constexpr const char* kUnreadableSuffix = ".unreadable";
// Changes hold the lock only to read and write small files; a holder that
// keeps it this long is stuck, and waiting longer would hang the caller.
constexpr auto kLockWait = std::chrono::seconds(5);
constexpr auto kLockRetry = std::chrono::milliseconds(10);

Failure<SubscriptionError> fail(SubscriptionErrorKind kind, std::string message) {
    return Failure{SubscriptionError{kind, std::move(message)}};
}

using ascii::lowered;
using ascii::trimmed;

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool validUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p++;
        if (c < 0x80) {
            continue;
        }
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high) {
            return false;
        }
        ++p;
        for (int i = 1; i < more; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) {
                return false;
            }
        }
    }
    return true;
}

// Windows-1252, which also reads ISO-8859-1 text as its publishers meant it
// (as browsers do): 0x80–0x9F are its typographic marks, the five bytes it
// leaves undefined stand for the C1 code points of the same value.
std::string fromWindows1252(std::string_view bytes) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t code = b < 0x80 ? b : b < 0xA0 ? kHigh[b - 0x80] : b;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

// A title fit for one line: control characters become spaces.
std::optional<std::string> oneLine(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    std::string line = *text;
    std::replace_if(
        line.begin(), line.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    const std::string_view kept = trimmed(line);
    return kept.empty() ? std::nullopt : std::optional<std::string>(kept);
}

// --- addresses ---------------------------------------------------------------

struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct CurlText {
    char* text = nullptr;
    ~CurlText() { curl_free(text); }
};

struct Address {
    std::string fetched;  // the http(s) address asked for
    std::string key;      // what tells two addresses of one calendar apart
    std::string host;
};

Result<Address, SubscriptionError> parseAddress(std::string_view given) {
    const std::string_view url = trimmed(given);
    if (url.empty()) {
        return fail(SubscriptionErrorKind::invalidAddress,
                    translate("Subscriptions", "no address given"));
    }
    if (url.size() > kMaxSubscriptionUrlBytes) {
        return fail(SubscriptionErrorKind::invalidAddress,
                    withArguments(translate("Subscriptions", "the address is longer than %1 bytes"),
                                  {std::to_string(kMaxSubscriptionUrlBytes)}));
    }
    if (hasControl(url) || url.find(' ') != std::string_view::npos || !validUtf8(url)) {
        return fail(
            SubscriptionErrorKind::invalidAddress,
            translate("Subscriptions", "the address holds spaces or characters that are not text"));
    }
    const auto separator = url.find("://");
    const std::string scheme =
        lowered(url.substr(0, separator == std::string_view::npos ? 0 : separator));
    if (scheme != "https" && scheme != "http" && scheme != "webcal") {
        return fail(SubscriptionErrorKind::invalidAddress,
                    translate("Subscriptions",
                              "only https://, http:// and webcal:// addresses can be followed"));
    }
    // webcal:// only says "a calendar"; its servers serve it over https.
    Address address;
    address.fetched =
        (scheme == "webcal" ? std::string("https") : scheme) + std::string(url.substr(separator));

    const std::unique_ptr<CURLU, UrlDeleter> parsed(curl_url());
    CurlText host;
    if (!parsed ||
        curl_url_set(parsed.get(), CURLUPART_URL, address.fetched.c_str(), 0) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_HOST, &host.text, 0) != CURLUE_OK ||
        host.text == nullptr || *host.text == '\0') {
        return fail(SubscriptionErrorKind::invalidAddress,
                    translate("Subscriptions", "the address is not a valid web address"));
    }
    address.host = lowered(host.text);
    CurlText key;
    if (curl_url_set(parsed.get(), CURLUPART_HOST, address.host.c_str(), 0) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_URL, &key.text, CURLU_NO_DEFAULT_PORT) != CURLUE_OK ||
        key.text == nullptr) {
        return fail(SubscriptionErrorKind::invalidAddress,
                    translate("Subscriptions", "the address is not a valid web address"));
    }
    address.key = key.text;
    return address;
}

// --- files -------------------------------------------------------------------

// A folder opened once, so every file below is reached by name inside it and
// a link put in place of the folder later cannot send a write elsewhere.
class Folder {
  public:
    Folder() = default;
    explicit Folder(int fd) : fd_(fd) {}
    ~Folder() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Folder(Folder&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Folder& operator=(Folder&&) = delete;

    // The folder at `path`, made 0700 with its missing parents when `create`;
    // not opened when it is a link or not a folder.
    static Folder open(const fs::path& path, bool create) {
        if (path.empty() || !path.is_absolute()) {
            return Folder();
        }
        if (create && !makePrivateFolder(path)) {
            return Folder();
        }
        Folder folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (create && folder.ok() && ::fstat(folder.fd_, &info) == 0 &&
            (info.st_mode & 07777) != 0700) {
            // Ours alone: it holds what the user follows.
            ::fchmod(folder.fd_, 0700);
        }
        return folder;
    }

    bool ok() const { return fd_ >= 0; }

    // Waits a bounded time for the lock; released when the folder closes.
    bool lock() const {
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(kLockRetry);
        }
        return true;
    }

    // The bytes of a regular file up to `limit`; ENOENT in `error` when missing.
    std::optional<std::string> read(const std::string& name, std::size_t limit, int& error) const {
        auto bytes = readBoundedFileAt(fd_, name, limit);
        if (!bytes) {
            error = bytes.error() == FileReadError::missing ? ENOENT : EINVAL;
            return std::nullopt;
        }
        error = 0;
        return std::move(*bytes);
    }

    bool holdsRegular(const std::string& name) const {
        struct stat info {};
        return ::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISREG(info.st_mode);
    }

    // Replaces `name` whole with a 0600 file.
    bool write(const std::string& name, std::string_view bytes) const {
        const std::string temp = "." + name + "." + Uuid::random().toString().substr(0, 8) + ".tmp";
        const int fd =
            ::openat(fd_, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            return false;
        }
        bool written = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
        written = ::close(fd) == 0 && written;
        if (!written || ::renameat(fd_, temp.c_str(), fd_, name.c_str()) != 0) {
            ::unlinkat(fd_, temp.c_str(), 0);
            return false;
        }
        return true;
    }

    bool remove(const std::string& name) const {
        return ::unlinkat(fd_, name.c_str(), 0) == 0 || errno == ENOENT;
    }

    // Moves `from` to `to` unless `to` is already there.
    void moveAsideOnce(const std::string& from, const std::string& to) const {
        struct stat info {};
        if (::fstatat(fd_, to.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
            ::renameat(fd_, from.c_str(), fd_, to.c_str());
        }
    }

  private:
    int fd_ = -1;
};

std::string copyName(std::string_view id) {
    return std::string(id.substr(kIdPrefix.size())) + ".ics";
}

// --- the list ----------------------------------------------------------------

std::optional<std::string> isoOrNone(const std::optional<Instant>& t) {
    return t ? formatIso8601(*t) : std::nullopt;
}

Json toJson(const Subscription& s) {
    Json out{{"id", s.id}, {"url", s.url}};
    const auto put = [&](const char* key, const std::optional<std::string>& value) {
        if (value) {
            out[key] = *value;
        }
    };
    put("name", s.name);
    put("title", s.title);
    put("colour", s.color);
    out["events"] = s.events;
    put("lastUpdated", isoOrNone(s.lastUpdated));
    put("lastAttempt", isoOrNone(s.lastAttempt));
    put("lastError", s.lastError);
    put("etag", s.etag);
    put("lastModified", s.lastModified);
    return out;
}

std::optional<std::string> textMember(const Json& entry, const char* key) {
    const auto it = entry.find(key);
    if (it == entry.end() || !it->is_string()) {
        return std::nullopt;
    }
    return it->get<std::string>();
}

std::optional<Instant> timeMember(const Json& entry, const char* key) {
    const auto text = textMember(entry, key);
    return text ? parseIso8601(*text) : std::nullopt;
}

// An entry that names no valid identifier or address is damage, and left out.
std::optional<Subscription> subscriptionFromJson(const Json& entry) {
    if (!entry.is_object()) {
        return std::nullopt;
    }
    Subscription s;
    const auto id = textMember(entry, "id");
    const auto url = textMember(entry, "url");
    if (!id || !isSubscriptionId(*id) || !url || !parseAddress(*url)) {
        return std::nullopt;
    }
    s.id = *id;
    s.url = *url;
    s.name = textMember(entry, "name");
    s.title = textMember(entry, "title");
    s.color = textMember(entry, "colour");
    if (const auto events = entry.find("events");
        events != entry.end() && events->is_number_unsigned()) {
        s.events = events->get<std::size_t>();
    }
    s.lastUpdated = timeMember(entry, "lastUpdated");
    s.lastAttempt = timeMember(entry, "lastAttempt");
    s.lastError = textMember(entry, "lastError");
    s.etag = textMember(entry, "etag");
    s.lastModified = textMember(entry, "lastModified");
    return s;
}

struct StoredList {
    std::vector<Subscription> entries;
    bool unreadable = false;  // there, but not a list of ours
};

StoredList readList(const Folder& folder, const std::string& name) {
    StoredList list;
    int error = 0;
    const auto bytes = folder.read(name, kMaxListBytes, error);
    if (!bytes) {
        list.unreadable = error != ENOENT;
        return list;
    }
    const auto document = json_forms::parseJson(*bytes, 8);
    if (!document || !document->is_object() || !document->contains("subscriptions") ||
        !(*document)["subscriptions"].is_array()) {
        list.unreadable = true;
        return list;
    }
    for (const Json& entry : (*document)["subscriptions"]) {
        if (list.entries.size() >= kMaxSubscriptions) {
            break;
        }
        auto s = subscriptionFromJson(entry);
        if (s && std::none_of(list.entries.begin(), list.entries.end(),
                              [&](const Subscription& e) { return e.id == s->id; })) {
            list.entries.push_back(std::move(*s));
        }
    }
    return list;
}

// The list held under the lock, from reading to writing back.
class Change {
  public:
    static Result<Change, SubscriptionError> begin(const SubscriptionPaths& paths) {
        Folder copies = Folder::open(paths.copies, true);
        Folder config = Folder::open(paths.list.parent_path(), true);
        if (!copies.ok() || !config.ok() || !paths.list.has_filename()) {
            return fail(SubscriptionErrorKind::storage,
                        translate("Subscriptions", "the subscription folders could not be made"));
        }
        if (!copies.lock()) {
            return fail(SubscriptionErrorKind::storage,
                        translate("Subscriptions", "the subscription list is busy"));
        }
        Change change(std::move(copies), std::move(config), paths.list.filename().string());
        change.list_ = readList(change.config_, change.name_);
        return change;
    }

    std::vector<Subscription>& entries() { return list_.entries; }

    Subscription* find(std::string_view id) {
        const auto it = std::find_if(list_.entries.begin(), list_.entries.end(),
                                     [&](const Subscription& s) { return s.id == id; });
        return it == list_.entries.end() ? nullptr : &*it;
    }

    bool writeCopy(std::string_view id, std::string_view bytes) const {
        return copies_.write(copyName(id), bytes);
    }
    bool removeCopy(std::string_view id) const { return copies_.remove(copyName(id)); }

    bool commit() {
        try {
            if (list_.unreadable) {
                config_.moveAsideOnce(name_, name_ + kUnreadableSuffix);
            }
            Json entries = Json::array();
            for (const Subscription& s : list_.entries) {
                entries.push_back(toJson(s));
            }
            const Json document{{"version", 1}, {"subscriptions", std::move(entries)}};
            const std::string bytes =
                document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
            if (!config_.write(name_, bytes)) {
                return false;
            }
            list_.unreadable = false;
            return true;
        } catch (...) {
            return false;
        }
    }

  private:
    Change(Folder copies, Folder config, std::string name)
        : copies_(std::move(copies)), config_(std::move(config)), name_(std::move(name)) {}

    Folder copies_;
    Folder config_;
    std::string name_;
    StoredList list_;
};

Failure<SubscriptionError> notSaved() {
    return fail(SubscriptionErrorKind::storage,
                translate("Subscriptions", "the subscription list could not be saved"));
}

// --- fetching ----------------------------------------------------------------

struct CheckedCopy {
    std::optional<std::string> title;
    std::optional<std::string> color;
    std::size_t events = 0;
};

// Lines that start with `token` (any case) as a whole content line; stops
// counting past `limit`.
std::size_t countLines(std::string_view bytes, std::string_view token, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < bytes.size() && count <= limit;) {
        const std::string_view rest = bytes.substr(at);
        if (startsWithNoCase(rest, token) &&
            (rest.size() == token.size() ||
             std::string_view("\r\n \t").find(rest[token.size()]) != std::string_view::npos)) {
            ++count;
        }
        const auto next = bytes.find('\n', at);
        at = next == std::string_view::npos ? bytes.size() : next + 1;
    }
    return count;
}

std::string megabytes(std::size_t bytes) {
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

std::string thousands(std::size_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

// Whether `text`, without its byte order mark, is a calendar to keep, read
// with the folder source's caps.
Result<CheckedCopy, std::string> checkCalendar(std::string_view text,
                                               std::string_view contentType) {
    const std::string_view start = trimmed(text.substr(0, 4096));
    if (start.empty()) {
        return Failure{
            translate("Subscriptions", "the address gave an empty reply, not a calendar")};
    }
    if (!startsWithNoCase(start, "BEGIN:VCALENDAR")) {
        // Servers label calendars loosely, so the label decides only what
        // the message says.
        if (start.starts_with('<') || startsWithNoCase(contentType, "text/html")) {
            return Failure{
                translate("Subscriptions", "the address gave a web page, not a calendar")};
        }
        return Failure{translate("Subscriptions", "the address did not give a calendar")};
    }
    if (text.find('\0') != std::string_view::npos || !validUtf8(text)) {
        return Failure{translate("Subscriptions", "the calendar is not valid UTF-8 text")};
    }
    if (countLines(text, "END:VCALENDAR", 1) == 0) {
        return Failure{std::string("the calendar is cut short (no END:VCALENDAR)")};
    }
    const std::string tooMany =
        withArguments(translate("Subscriptions", "the calendar holds more than %1 events"),
                      {thousands(kMaxSubscriptionEvents)});
    // Counted before libical sees the bytes, so a flood of events costs no
    // parse.
    const std::size_t declared = countLines(text, "BEGIN:VEVENT", kMaxSubscriptionEvents);
    if (declared > kMaxSubscriptionEvents) {
        return Failure{tooMany};
    }
    const IcsFile file = IcsFile::parse(text);
    if (file.eventCount() > kMaxSubscriptionEvents) {
        return Failure{tooMany};
    }
    if (declared > 0 && file.eventCount() == 0) {
        return Failure{translate("Subscriptions", "the calendar's events could not be read")};
    }
    return CheckedCopy{oneLine(file.name()), calendarColor(file.color()), file.eventCount()};
}

std::string fetchMessage(const net::HttpError& error, const std::string& host) {
    switch (error.kind) {
        case net::HttpErrorKind::invalidUrl:
            return translate("Subscriptions",
                             "the server sent it on to an address that is not http or https");
        case net::HttpErrorKind::cannotConnect:
            return withArguments(translate("Subscriptions", "could not connect to %1"), {host});
        case net::HttpErrorKind::timedOut:
            return withArguments(translate("Subscriptions", "%1 did not answer in time"), {host});
        case net::HttpErrorKind::cancelled:
            return translate("Subscriptions", "cancelled");
        case net::HttpErrorKind::tooLarge:
            return withArguments(translate("Subscriptions", "the calendar is larger than %1"),
                                 {megabytes(kMaxIcsFileBytes)});
        case net::HttpErrorKind::tooManyRedirects:
            return withArguments(
                translate("Subscriptions", "the server sent it on more than %1 times"),
                {std::to_string(kMaxSubscriptionRedirects)});
        case net::HttpErrorKind::secureConnectionFailed:
            return withArguments(
                translate("Subscriptions", "no secure connection could be made to %1"), {host});
        case net::HttpErrorKind::connectionLost:
            return withArguments(translate("Subscriptions", "the connection to %1 was lost"),
                                 {host});
        case net::HttpErrorKind::other:
            break;
    }
    return withArguments(translate("Subscriptions", "the calendar could not be fetched from %1"),
                         {host});
}

struct Fetched {
    enum class Kind { copy, notModified, failed, cancelled };
    Kind kind = Kind::failed;
    std::string body;
    CheckedCopy copy;
    FeedValidators validators;
    std::string error;
};

Fetched fetchCalendar(const Address& address, const FeedValidators& held,
                      const SubscriptionOptions& options, const net::CancelToken& cancel) {
    Fetched out;
    net::HttpRequest request;
    request.url = address.fetched;
    request.connectTimeoutSeconds = options.connectTimeoutSeconds;
    request.totalTimeoutSeconds = options.totalTimeoutSeconds;
    request.stallSeconds = options.stallSeconds;
    request.maxBodyBytes = kMaxIcsFileBytes;
    request.maxRedirects = kMaxSubscriptionRedirects;
    request.cancel = cancel;
    request.headers = {{"Accept", "text/calendar, */*;q=0.5"}};
    auto reply = fetchFeed(request, held);
    if (!reply) {
        out.kind = reply.error().kind == net::HttpErrorKind::cancelled ? Fetched::Kind::cancelled
                                                                       : Fetched::Kind::failed;
        out.error = fetchMessage(reply.error(), address.host);
        return out;
    }
    out.validators = reply->validators;
    const bool askedConditionally = held.etag || held.lastModified;
    if (reply->status == 304 && askedConditionally) {
        out.kind = Fetched::Kind::notModified;
        return out;
    }
    if (reply->status < 200 || reply->status > 299) {
        out.error = "the server answered HTTP " + std::to_string(reply->status);
        return out;
    }
    // Kept without a byte order mark, which libical would take for text.
    std::string& body = reply->body;
    if (std::string_view(body).starts_with("\xEF\xBB\xBF")) {
        body.erase(0, 3);
    }
    // Feeds written before UTF-8 was the rule (a holiday feed kept in
    // Latin-1) are read in the legacy encoding rather than refused.
    if (body.find('\0') == std::string::npos && !validUtf8(body)) {
        body = fromWindows1252(body);
    }
    auto checked = checkCalendar(body, reply->contentType);
    if (!checked) {
        out.error = checked.error();
        return out;
    }
    out.kind = Fetched::Kind::copy;
    out.copy = std::move(*checked);
    out.body = std::move(body);
    return out;
}

void takeCopy(Subscription& s, const Fetched& fetched, Instant now) {
    s.title = fetched.copy.title;
    s.color = fetched.copy.color;
    s.events = fetched.copy.events;
    s.etag = fetched.validators.etag;
    s.lastModified = fetched.validators.lastModified;
    s.lastUpdated = now;
    s.lastAttempt = now;
    s.lastError.reset();
}

std::string newId(const std::vector<Subscription>& taken) {
    static constexpr char kHex[] = "0123456789abcdef";
    while (true) {
        const auto bytes = Uuid::random().bytes();
        std::string id(kIdPrefix);
        // Bytes 6 and 8 carry the UUID's version and variant, not chance.
        for (const std::size_t i : {0, 1, 2, 3, 4, 5, 10, 11}) {
            id += kHex[bytes[i] >> 4];
            id += kHex[bytes[i] & 0x0F];
        }
        if (std::none_of(taken.begin(), taken.end(),
                         [&](const Subscription& s) { return s.id == id; })) {
            return id;
        }
    }
}

}  // namespace

bool isSubscriptionId(std::string_view id) {
    return id.size() == kIdPrefix.size() + kIdHexDigits && id.starts_with(kIdPrefix) &&
           std::all_of(id.begin() + static_cast<std::ptrdiff_t>(kIdPrefix.size()), id.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string withoutCredentials(std::string_view url) {
    const auto separator = url.find("://");
    if (separator == std::string_view::npos) {
        return std::string(url);
    }
    const std::size_t authority = separator + 3;
    const std::size_t end = std::min(url.find_first_of("/?#", authority), url.size());
    const auto at = url.substr(authority, end - authority).rfind('@');
    if (at == std::string_view::npos) {
        return std::string(url);
    }
    return std::string(url.substr(0, authority)) + std::string(url.substr(authority + at + 1));
}

std::string Subscription::displayTitle() const {
    if (name) {
        return *name;
    }
    if (title) {
        return *title;
    }
    const auto address = parseAddress(url);
    return address ? address->host : withoutCredentials(url);
}

SubscriptionPaths SubscriptionPaths::standard() {
    SubscriptionPaths paths;
    const fs::path config = solvaneConfigFolder();
    if (!config.empty()) {
        paths.list = config / "subscriptions.json";
    }
    // The store's container is $XDG_DATA_HOME/<group>, with the XDG rules
    // for an unset or relative variable already applied.
    const fs::path container = StorePaths::forGroup(kBuiltInAppGroup).container;
    if (!container.empty()) {
        paths.copies = container.parent_path() / "solvane" / "subscriptions";
    }
    return paths;
}

fs::path SubscriptionPaths::copyOf(std::string_view id) const {
    if (!isSubscriptionId(id) || copies.empty()) {
        return {};
    }
    return copies / copyName(id);
}

SubscriptionStore::SubscriptionStore(SubscriptionPaths paths, SubscriptionOptions options)
    : paths_(std::move(paths)), options_(std::move(options)) {}

SubscriptionStore SubscriptionStore::standard() {
    return SubscriptionStore(SubscriptionPaths::standard());
}

Instant SubscriptionStore::now() const {
    return options_.clock ? options_.clock() : systemNow();
}

std::vector<Subscription> SubscriptionStore::list() const {
    try {
        const Folder config = Folder::open(paths_.list.parent_path(), false);
        if (!config.ok() || !paths_.list.has_filename()) {
            return {};
        }
        return readList(config, paths_.list.filename().string()).entries;
    } catch (...) {
        return {};
    }
}

Result<Subscription, SubscriptionError> SubscriptionStore::subscribe(
    std::string_view url, std::optional<std::string> name, const net::CancelToken& cancel) const {
    try {
        if (name) {
            const std::string_view kept = trimmed(*name);
            if (kept.size() > kMaxSubscriptionNameBytes) {
                return fail(
                    SubscriptionErrorKind::invalidName,
                    withArguments(translate("Subscriptions", "the name is longer than %1 bytes"),
                                  {std::to_string(kMaxSubscriptionNameBytes)}));
            }
            if (hasControl(kept) || !validUtf8(kept)) {
                return fail(
                    SubscriptionErrorKind::invalidName,
                    translate("Subscriptions", "the name holds characters that are not text"));
            }
            name = kept.empty() ? std::nullopt : std::optional<std::string>(kept);
        }
        const auto address = parseAddress(url);
        if (!address) {
            return Failure{address.error()};
        }
        const auto followed = [&](const std::vector<Subscription>& list) {
            return std::find_if(list.begin(), list.end(), [&](const Subscription& s) {
                const auto other = parseAddress(s.url);
                return other && other->key == address->key;
            });
        };
        const auto known = list();
        if (const auto it = followed(known); it != known.end()) {
            return *it;
        }
        if (known.size() >= kMaxSubscriptions) {
            return fail(SubscriptionErrorKind::tooMany,
                        withArguments(translate("Subscriptions", "already following %1 calendars"),
                                      {std::to_string(kMaxSubscriptions)}));
        }

        const Fetched fetched = fetchCalendar(*address, {}, options_, cancel);
        if (fetched.kind != Fetched::Kind::copy) {
            return fail(SubscriptionErrorKind::fetchFailed, fetched.error);
        }

        auto change = Change::begin(paths_);
        if (!change) {
            return Failure{change.error()};
        }
        auto& entries = change->entries();
        // Another program may have followed it while this one fetched.
        if (const auto it = followed(entries); it != entries.end()) {
            return *it;
        }
        if (entries.size() >= kMaxSubscriptions) {
            return fail(SubscriptionErrorKind::tooMany,
                        withArguments(translate("Subscriptions", "already following %1 calendars"),
                                      {std::to_string(kMaxSubscriptions)}));
        }
        Subscription added;
        added.id = newId(entries);
        added.url = std::string(trimmed(url));
        added.name = std::move(name);
        takeCopy(added, fetched, now());
        if (!change->writeCopy(added.id, fetched.body)) {
            return fail(SubscriptionErrorKind::storage,
                        translate("Subscriptions", "the calendar could not be saved"));
        }
        entries.push_back(added);
        if (!change->commit()) {
            change->removeCopy(added.id);
            return notSaved();
        }
        return added;
    } catch (...) {
        return fail(SubscriptionErrorKind::storage, "out of memory");
    }
}

Result<Subscription, SubscriptionError> SubscriptionStore::unsubscribe(std::string_view id) const {
    try {
        const auto unknown = [&] {
            return fail(SubscriptionErrorKind::notFound,
                        (isSubscriptionId(id)
                             ? withArguments(translate("Subscriptions", "no subscription %1"), {id})
                             : translate("Subscriptions", "no subscription by that id")));
        };
        if (!isSubscriptionId(id)) {
            return unknown();
        }
        auto change = Change::begin(paths_);
        if (!change) {
            return Failure{change.error()};
        }
        const Subscription* found = change->find(id);
        if (found == nullptr) {
            return unknown();
        }
        const Subscription removed = *found;
        std::erase_if(change->entries(), [&](const Subscription& s) { return s.id == id; });
        if (!change->commit()) {
            return notSaved();
        }
        // Once the list no longer names it, a copy left behind is never read.
        change->removeCopy(id);
        return removed;
    } catch (...) {
        return fail(SubscriptionErrorKind::storage, "out of memory");
    }
}

SubscriptionRefresh SubscriptionStore::fetchInto(const Subscription& subscription,
                                                 const net::CancelToken& cancel) const {
    const auto address = parseAddress(subscription.url);
    if (!address) {
        return {subscription, RefreshOutcome::failed};
    }
    const Instant started = now();
    FeedValidators held;
    // Validators only for a copy that is there: a 304 must have something to
    // keep.
    const Folder copies = Folder::open(paths_.copies, false);
    if (copies.ok() && copies.holdsRegular(copyName(subscription.id))) {
        held = {subscription.etag, subscription.lastModified};
    }
    const Fetched fetched = fetchCalendar(*address, held, options_, cancel);
    if (fetched.kind == Fetched::Kind::cancelled) {
        return {subscription, RefreshOutcome::cancelled};
    }

    auto change = Change::begin(paths_);
    if (!change) {
        Subscription unrecorded = subscription;
        unrecorded.lastError = change.error().message;
        return {std::move(unrecorded), RefreshOutcome::failed};
    }
    Subscription* stored = change->find(subscription.id);
    if (stored == nullptr) {
        return {subscription, RefreshOutcome::cancelled};
    }
    const Instant finished = now();
    RefreshOutcome outcome = RefreshOutcome::failed;
    switch (fetched.kind) {
        case Fetched::Kind::copy:
            if (change->writeCopy(stored->id, fetched.body)) {
                takeCopy(*stored, fetched, finished);
                outcome = RefreshOutcome::updated;
            } else {
                stored->lastAttempt = finished;
                stored->lastError = translate("Subscriptions", "the calendar could not be saved");
            }
            break;
        case Fetched::Kind::notModified:
            stored->lastUpdated = finished;
            stored->lastAttempt = finished;
            stored->lastError.reset();
            if (fetched.validators.etag) {
                stored->etag = fetched.validators.etag;
            }
            if (fetched.validators.lastModified) {
                stored->lastModified = fetched.validators.lastModified;
            }
            outcome = RefreshOutcome::unchanged;
            break;
        case Fetched::Kind::failed:
        case Fetched::Kind::cancelled:
            // A success that landed after this fetch began says more about
            // the calendar than this failure does.
            if (stored->lastUpdated && *stored->lastUpdated >= started) {
                return {*stored, RefreshOutcome::failed};
            }
            stored->lastAttempt = finished;
            stored->lastError = fetched.error;
            break;
    }
    const Subscription after = *stored;
    if (!change->commit()) {
        return {after, RefreshOutcome::failed};
    }
    return {after, outcome};
}

std::vector<SubscriptionRefresh> SubscriptionStore::refresh(bool force,
                                                            const net::CancelToken& cancel) const {
    std::vector<SubscriptionRefresh> tried;
    try {
        const Instant at = now();
        for (const Subscription& s : list()) {
            if (cancel.cancelled()) {
                break;
            }
            // A last attempt in the future means the clock was set back.
            const bool due = force || !s.lastAttempt || *s.lastAttempt > at ||
                             at - *s.lastAttempt >= kSubscriptionRefreshSeconds;
            if (due) {
                tried.push_back(fetchInto(s, cancel));
            }
        }
    } catch (...) {
        // Memory ran out; report what was done.
    }
    return tried;
}

Result<SubscriptionRefresh, SubscriptionError> SubscriptionStore::refresh(
    std::string_view id, const net::CancelToken& cancel) const {
    try {
        for (const Subscription& s : list()) {
            if (s.id == id) {
                return fetchInto(s, cancel);
            }
        }
        return fail(SubscriptionErrorKind::notFound,
                    (isSubscriptionId(id)
                         ? withArguments(translate("Subscriptions", "no subscription %1"), {id})
                         : translate("Subscriptions", "no subscription by that id")));
    } catch (...) {
        return fail(SubscriptionErrorKind::storage, "out of memory");
    }
}

}  // namespace solvane::platform
