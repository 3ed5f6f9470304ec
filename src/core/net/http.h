// One HTTP GET over libcurl, bounded and cancellable.
//
// The platform session this stands in for never hangs a caller: here every
// transfer has a connect limit, an overall limit, a stall limit and a body size
// limit, follows at most a few redirects, speaks only HTTP and HTTPS, verifies
// TLS, and stops promptly when its CancelToken is cancelled from any thread.
// The status code is reported, not judged: callers decide what a 500 means.
// Response headers are reported only when asked for by name, so a server
// cannot make a caller hold more than a few of libcurl's bounded lines.
//
//   net::HttpRequest req{.url = "https://example.org/v1/forecast?x=1"};
//   auto reply = net::httpGet(req);
//   if (!reply) return reply.error().printable();   // "HttpError.timedOut"
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/util/enum_strings.h"
#include "core/util/result.h"

namespace solvane::net {

// A flag shared by copies: cancel() on any copy stops the transfer using
// another.
class CancelToken {
  public:
    CancelToken() : flag_(std::make_shared<std::atomic<bool>>(false)) {}
    void cancel() const { flag_->store(true); }
    bool cancelled() const { return flag_->load(); }

  private:
    std::shared_ptr<std::atomic<bool>> flag_;
};

enum class HttpErrorKind {
    invalidUrl,
    cannotConnect,  // refused, unreachable, name not found
    timedOut,       // connect, overall or stall limit
    cancelled,
    tooLarge,  // body beyond maxBodyBytes
    tooManyRedirects,
    secureConnectionFailed,  // TLS handshake or certificate
    connectionLost,          // reset or closed mid-transfer
    other,
};

}  // namespace solvane::net

// The case list lives in the namespace of the primary template.
namespace solvane {
template <>
struct EnumCases<net::HttpErrorKind> {
    static constexpr std::array<EnumCase<net::HttpErrorKind>, 9> list{{
        {net::HttpErrorKind::invalidUrl, "invalidUrl"},
        {net::HttpErrorKind::cannotConnect, "cannotConnect"},
        {net::HttpErrorKind::timedOut, "timedOut"},
        {net::HttpErrorKind::cancelled, "cancelled"},
        {net::HttpErrorKind::tooLarge, "tooLarge"},
        {net::HttpErrorKind::tooManyRedirects, "tooManyRedirects"},
        {net::HttpErrorKind::secureConnectionFailed, "secureConnectionFailed"},
        {net::HttpErrorKind::connectionLost, "connectionLost"},
        {net::HttpErrorKind::other, "other"},
    }};
};
}  // namespace solvane

namespace solvane::net {

struct HttpError {
    HttpErrorKind kind = HttpErrorKind::other;
    std::string detail;  // libcurl's message, for debugging only

    // "HttpError.timedOut": the type and case, never a localized message.
    std::string printable() const;
};

struct HttpRequest {
    std::string url;
    std::vector<std::pair<std::string, std::string>> headers;
    double connectTimeoutSeconds = 15;
    double totalTimeoutSeconds = 60;
    // A transfer slower than one byte a second for this long is abandoned.
    double stallSeconds = 30;
    std::size_t maxBodyBytes = 4 * 1024 * 1024;
    long maxRedirects = 5;
    // Asks for any encoding libcurl can decode and decodes it; maxBodyBytes
    // then counts the decoded bytes, so a small compressed reply cannot
    // unpack past it.
    bool acceptCompressed = false;
    // The response headers to report, by name in any case.
    std::vector<std::string> keptHeaders;
    CancelToken cancel;
};

struct HttpResponse {
    long status = 0;
    std::string body;
    std::string contentType;
    // The kept headers the last response of a redirect chain carried, named
    // as asked and trimmed; one sent more than once holds its last value, so
    // a server repeating a header cannot grow what is held.
    std::vector<std::pair<std::string, std::string>> headers;

    // A kept header's value, by name in any case.
    std::optional<std::string> header(std::string_view name) const;
};

Result<HttpResponse, HttpError> httpGet(const HttpRequest& request);

// The wait a Retry-After header asks for, in seconds from now: a number of
// seconds or an HTTP date; at most a day, never negative; nullopt for
// anything else.
std::optional<double> retryAfterSeconds(std::string_view value);

// Percent-encoding of a query value; unreserved characters and "," stay.
std::string encodeQueryValue(std::string_view value);

}  // namespace solvane::net
