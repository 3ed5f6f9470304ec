// fetchFeed: one conditional GET of a subscribed calendar through
// net::httpGet, with its bounds (the request's connect, overall and stall
// limits, body cap, redirect cap, http and https only, also after a
// redirect, TLS verified, cancellable from any thread), sending the
// validators held from the last fetch and reporting those of the final
// response.
//
// The status is reported, not judged: 304 means the copy held is current.
//
//   net::HttpRequest request{.url = "https://example.org/team.ics"};
//   auto reply = fetchFeed(request, {.etag = "\"v7\""});
//   if (reply && reply->status == 304) keepTheCopy();
#pragma once

#include <optional>
#include <string>

#include "core/net/http.h"
#include "core/util/result.h"

namespace solvane::platform {

// What a server said identifies the version it sent; each at most
// kMaxValidatorBytes of printable ASCII, else not kept.
struct FeedValidators {
    std::optional<std::string> etag;
    std::optional<std::string> lastModified;
    bool operator==(const FeedValidators&) const = default;
};

inline constexpr std::size_t kMaxValidatorBytes = 512;

struct FeedReply {
    long status = 0;
    std::string body;
    std::string contentType;
    FeedValidators validators;  // of the last response in a redirect chain
};

// Sends If-None-Match and If-Modified-Since for the validators in `held`,
// besides `request.headers`, and asks for a compressed body.
Result<FeedReply, net::HttpError> fetchFeed(const net::HttpRequest& request,
                                            const FeedValidators& held = {});

}  // namespace solvane::platform
