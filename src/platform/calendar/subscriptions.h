// SubscriptionStore: the calendars the user follows by address, and the copy
// last fetched of each, kept in the programs' own folders:
//
//   $XDG_CONFIG_HOME/solvane/subscriptions.json       the list
//   $XDG_DATA_HOME/solvane/subscriptions/<hex>.ics    each copy
//
// An identifier is "sub:" and 16 lower-case hex digits, chosen at random; the
// copy's file name is made from those digits and nothing else, so no stored
// name can lead a read or a write outside these folders. Folders are 0700,
// files 0600, and every file is replaced whole (a private temporary file,
// then a rename), so a reader never sees half of one.
//
// Addresses: https://, http:// and webcal:// (fetched as https://), without
// spaces or control characters; the address is kept as given. An address's
// user name and password are sent to its server and never put in a message.
//
// A fetch has the HTTP client's connect, overall and stall limits (shorter
// ones through SubscriptionOptions), a kMaxIcsFileBytes body, at most 5
// redirects, http and https only also after a redirect, and stops when its
// CancelToken is cancelled. A body replaces the copy only when it is a
// calendar the folder source would read too: no web page, valid UTF-8, from
// BEGIN:VCALENDAR to END:VCALENDAR, at most kMaxSubscriptionEvents events.
// Anything else leaves the copy as it was and records one line in
// `lastError`. A refresh asks with the validators of the copy held
// (If-None-Match, If-Modified-Since); 304 keeps the copy and counts as an
// update.
//
// Several programs may change the list at once (the application, the widget
// host, solvane-board). Changes lock the copies' folder, read the list again,
// change only their own entry and write it back; fetches run outside the lock.
// The last successful fetch wins; a failure is not recorded over a success
// that came after it started. A list that cannot be read is moved aside once
// (subscriptions.json.unreadable) before a write replaces it.
//
//   SubscriptionStore store = SubscriptionStore::standard();
//   auto added = store.subscribe("webcal://example.org/holidays.ics", "Holidays");
//   if (!added) show(added.error().message);        // one line
//   for (const auto& r : store.refresh(false)) ...   // those not tried for 6 hours
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/net/http.h"
#include "core/time/instant.h"
#include "core/util/result.h"

namespace solvane::platform {

inline constexpr std::size_t kMaxSubscriptions = 100;
inline constexpr std::size_t kMaxSubscriptionEvents = 50'000;
inline constexpr std::size_t kMaxSubscriptionUrlBytes = 4096;
inline constexpr std::size_t kMaxSubscriptionNameBytes = 256;
inline constexpr double kSubscriptionRefreshSeconds = 6 * 3600;
inline constexpr long kMaxSubscriptionRedirects = 5;
// The account title of every subscribed calendar.
inline constexpr std::string_view kSubscribedAccountTitle = "Subscribed";

struct Subscription {
    std::string id;                        // "sub:0123456789abcdef"
    std::string url;                       // as the user gave it
    std::optional<std::string> name;       // the user's
    std::optional<std::string> title;      // the copy's X-WR-CALNAME
    std::optional<std::string> color;      // the copy's, "#RRGGBB" or a colour name
    std::size_t events = 0;                // events in the copy
    std::optional<Instant> lastUpdated;    // the last fetch that left a good copy
    std::optional<Instant> lastAttempt;    // the last fetch, whatever came of it
    std::optional<std::string> lastError;  // why the last fetch failed; none after a success
    std::optional<std::string> etag;
    std::optional<std::string> lastModified;

    // The name, else the title, else the address's host.
    std::string displayTitle() const;
    bool operator==(const Subscription&) const = default;
};

enum class SubscriptionErrorKind {
    invalidAddress,  // not an address that can be followed
    invalidName,
    notFound,     // no subscription with that identifier
    tooMany,      // kMaxSubscriptions already
    fetchFailed,  // the address gave no calendar; `message` says why
    storage,      // the list or a copy could not be written
};

struct SubscriptionError {
    SubscriptionErrorKind kind = SubscriptionErrorKind::storage;
    std::string message;  // one line, without the address's credentials
};

struct SubscriptionPaths {
    std::filesystem::path list;    // subscriptions.json
    std::filesystem::path copies;  // the folder of <hex>.ics

    // Under the XDG folders of the environment; empty paths (nothing read,
    // nothing written) when neither those nor HOME name an absolute folder.
    static SubscriptionPaths standard();
    // The copy of a well-formed identifier; empty for anything else.
    std::filesystem::path copyOf(std::string_view id) const;
};

struct SubscriptionOptions {
    std::function<Instant()> clock;  // the system clock when empty
    double connectTimeoutSeconds = net::HttpRequest{}.connectTimeoutSeconds;
    double totalTimeoutSeconds = net::HttpRequest{}.totalTimeoutSeconds;
    double stallSeconds = net::HttpRequest{}.stallSeconds;
};

enum class RefreshOutcome {
    updated,    // a new copy was stored
    unchanged,  // the server said the copy is current (304)
    failed,     // the copy stays; `lastError` says why
    cancelled,  // stopped, or unsubscribed meanwhile; nothing recorded
};

struct SubscriptionRefresh {
    // As stored afterwards; when the list could not be written, as it was,
    // with the reason in `lastError`.
    Subscription subscription;
    RefreshOutcome outcome = RefreshOutcome::failed;
};

// Whether `id` is "sub:" and 16 lower-case hex digits.
bool isSubscriptionId(std::string_view id);

// The address without its user name and password, for showing.
std::string withoutCredentials(std::string_view url);

class SubscriptionStore {
  public:
    explicit SubscriptionStore(SubscriptionPaths paths, SubscriptionOptions options = {});
    static SubscriptionStore standard();

    const SubscriptionPaths& paths() const { return paths_; }

    // Fetches `url` and, when it gives a calendar, follows it. An address
    // already followed (the same once webcal:// is read as https:// and the
    // scheme and host are lower-cased) returns the subscription there is as
    // it is, without a fetch and whatever `name` says. An empty `name`
    // counts as none.
    Result<Subscription, SubscriptionError> subscribe(std::string_view url,
                                                      std::optional<std::string> name = {},
                                                      const net::CancelToken& cancel = {}) const;

    // Removes the subscription and its copy; returns what was removed.
    Result<Subscription, SubscriptionError> unsubscribe(std::string_view id) const;

    // The subscriptions in the order they were added; none when the list is
    // missing or cannot be read.
    std::vector<Subscription> list() const;

    // Fetches, one after another, every subscription not tried for
    // kSubscriptionRefreshSeconds (all of them when `force`), until cancelled.
    // Returns those tried.
    std::vector<SubscriptionRefresh> refresh(bool force, const net::CancelToken& cancel = {}) const;
    // Fetches one subscription now.
    Result<SubscriptionRefresh, SubscriptionError> refresh(
        std::string_view id, const net::CancelToken& cancel = {}) const;
    // A literal identifier would otherwise pick the bool overload.
    Result<SubscriptionRefresh, SubscriptionError> refresh(
        const char* id, const net::CancelToken& cancel = {}) const {
        return refresh(std::string_view(id), cancel);
    }

  private:
    Instant now() const;
    SubscriptionRefresh fetchInto(const Subscription& subscription,
                                  const net::CancelToken& cancel) const;

    SubscriptionPaths paths_;
    SubscriptionOptions options_;
};

}  // namespace solvane::platform
