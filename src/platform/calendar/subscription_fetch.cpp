#include "platform/calendar/subscription_fetch.h"

#include <strings.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace solvane::platform {

namespace {

constexpr const char* kEtag = "ETag";
constexpr const char* kLastModified = "Last-Modified";
constexpr const char* kUserAgent = "User-Agent";

// Some calendar servers refuse a request that names no client.
constexpr const char* kClientName = "Solvane calendar subscription";

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// A validator is sent back in a header of our own, so only what is safe
// there is kept.
std::optional<std::string> validator(const std::optional<std::string>& value) {
    if (!value || value->empty() || value->size() > kMaxValidatorBytes ||
        !std::all_of(value->begin(), value->end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Result<FeedReply, net::HttpError> fetchFeed(const net::HttpRequest& request,
                                            const FeedValidators& held) {
    net::HttpRequest conditional = request;
    auto& headers = conditional.headers;
    if (std::none_of(headers.begin(), headers.end(),
                     [](const auto& header) { return equalNoCase(header.first, kUserAgent); })) {
        headers.emplace_back(kUserAgent, kClientName);
    }
    if (held.etag) {
        headers.emplace_back("If-None-Match", *held.etag);
    }
    if (held.lastModified) {
        headers.emplace_back("If-Modified-Since", *held.lastModified);
    }
    // Calendars compress well.
    conditional.acceptCompressed = true;
    conditional.keptHeaders = {kEtag, kLastModified};

    auto response = net::httpGet(conditional);
    if (!response) {
        return Failure{std::move(response.error())};
    }
    FeedReply reply;
    reply.status = response->status;
    reply.body = std::move(response->body);
    reply.contentType = std::move(response->contentType);
    reply.validators.etag = validator(response->header(kEtag));
    reply.validators.lastModified = validator(response->header(kLastModified));
    return reply;
}

}  // namespace solvane::platform
