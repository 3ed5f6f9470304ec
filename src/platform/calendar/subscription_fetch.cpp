#include "platform/calendar/subscription_fetch.h"

#include <curl/curl.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

namespace solvane::platform {

namespace {

using net::HttpError;
using net::HttpErrorKind;

// As in net::httpGet: how often a wait looks at the cancel flag, and limits
// far beyond any sensible request so a silly value cannot overflow a long.
constexpr int kCancelPollMillis = 25;
constexpr double kLongestLimitSeconds = 7 * 24 * 3600.0;
constexpr long kMostRedirects = 50;

// Some calendar servers refuse a request that names no client.
constexpr const char* kUserAgent = "Solvane calendar subscription";

Failure<HttpError> fail(HttpErrorKind kind, std::string detail) {
    return Failure{HttpError{kind, std::move(detail)}};
}

bool curlReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

// Zero, negative and NaN limits mean no time at all: a caller's mistake must
// end a transfer, never let it run unbounded (libcurl reads 0 as no limit).
long limitMillis(double seconds) {
    if (!(seconds > 0)) {
        return 1;
    }
    return static_cast<long>(std::ceil(std::min(seconds, kLongestLimitSeconds) * 1000.0));
}

long limitSeconds(double seconds) {
    if (!(seconds > 0)) {
        return 1;
    }
    return std::max(1L, static_cast<long>(std::ceil(std::min(seconds, kLongestLimitSeconds))));
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A validator is sent back in a header of our own, so only what is safe
// there is kept.
std::optional<std::string> validator(std::string_view value) {
    value = trimmed(value);
    if (value.empty() || value.size() > kMaxValidatorBytes ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        return std::nullopt;
    }
    return std::string(value);
}

struct Transfer {
    std::string body;
    std::size_t maxBody = 0;
    const net::CancelToken* cancel = nullptr;
    bool tooLarge = false;
    bool cancelled = false;
    FeedValidators validators;
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (bytes > transfer->maxBody - transfer->body.size()) {
        transfer->tooLarge = true;
        return 0;  // anything but `bytes` stops the transfer
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    const std::string_view line(data, bytes);
    // Each response of a redirect chain starts with its status line; only
    // the last one's validators describe the body that arrives.
    if (startsWithNoCase(line, "HTTP/")) {
        transfer->validators = {};
    } else if (startsWithNoCase(line, "etag:")) {
        transfer->validators.etag = validator(line.substr(5));
    } else if (startsWithNoCase(line, "last-modified:")) {
        transfer->validators.lastModified = validator(line.substr(14));
    }
    return bytes;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* transfer = static_cast<Transfer*>(user);
    if (transfer->cancel->cancelled()) {
        transfer->cancelled = true;
        return 1;
    }
    return 0;
}

HttpErrorKind kindOf(CURLcode code, const Transfer& transfer) {
    switch (code) {
        case CURLE_URL_MALFORMAT:
        case CURLE_UNSUPPORTED_PROTOCOL:
            return HttpErrorKind::invalidUrl;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
            return HttpErrorKind::cannotConnect;
        case CURLE_OPERATION_TIMEDOUT:
            return HttpErrorKind::timedOut;
        case CURLE_ABORTED_BY_CALLBACK:
        case CURLE_WRITE_ERROR:
            if (transfer.tooLarge) {
                return HttpErrorKind::tooLarge;
            }
            return transfer.cancelled ? HttpErrorKind::cancelled : HttpErrorKind::other;
        case CURLE_FILESIZE_EXCEEDED:
            return HttpErrorKind::tooLarge;
        case CURLE_TOO_MANY_REDIRECTS:
            return HttpErrorKind::tooManyRedirects;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_CLIENTCERT:
        case CURLE_USE_SSL_FAILED:
            return HttpErrorKind::secureConnectionFailed;
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
        case CURLE_HTTP2:
        case CURLE_HTTP2_STREAM:
            return HttpErrorKind::connectionLost;
        default:
            return HttpErrorKind::other;
    }
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// libcurl wants the easy handle detached before either handle is cleaned up.
class Attachment {
  public:
    Attachment(CURLM* multi, CURL* easy) : multi_(multi), easy_(easy) {
        attached_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK;
    }
    ~Attachment() {
        if (attached_) {
            curl_multi_remove_handle(multi_, easy_);
        }
    }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    bool attached() const { return attached_; }

  private:
    CURLM* multi_;
    CURL* easy_;
    bool attached_ = false;
};

}  // namespace

Result<FeedReply, HttpError> fetchFeed(const net::HttpRequest& request,
                                       const FeedValidators& held) {
    const net::CancelToken& cancel = request.cancel;
    if (cancel.cancelled()) {
        return fail(HttpErrorKind::cancelled, "cancelled before the request was sent");
    }
    // libcurl would guess a scheme for a URL without one.
    if (hasLineBreakOrNul(request.url) ||
        !(startsWithNoCase(request.url, "http://") || startsWithNoCase(request.url, "https://"))) {
        return fail(HttpErrorKind::invalidUrl, "only http and https URLs are fetched");
    }
    std::vector<std::pair<std::string, std::string>> headers = request.headers;
    if (held.etag) {
        headers.emplace_back("If-None-Match", *held.etag);
    }
    if (held.lastModified) {
        headers.emplace_back("If-Modified-Since", *held.lastModified);
    }
    for (const auto& [name, value] : headers) {
        // A line break would let a value smuggle in headers of its own.
        if (name.empty() || hasLineBreakOrNul(name) || hasLineBreakOrNul(value) ||
            name.find(':') != std::string::npos) {
            return fail(HttpErrorKind::other, "malformed header");
        }
    }
    if (!curlReady()) {
        return fail(HttpErrorKind::other, "libcurl could not be initialised");
    }

    // Everything the handles point at is declared first, so it outlives them.
    Transfer transfer;
    transfer.maxBody = request.maxBodyBytes;
    transfer.cancel = &cancel;

    std::unique_ptr<curl_slist, ListDeleter> headerList;
    for (const auto& [name, value] : headers) {
        const std::string line = name + ": " + value;
        curl_slist* next = curl_slist_append(headerList.get(), line.c_str());
        if (next == nullptr) {
            return fail(HttpErrorKind::other, "out of memory for headers");
        }
        (void)headerList.release();
        headerList.reset(next);
    }

    char errorText[CURL_ERROR_SIZE] = {};
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) {
        return fail(HttpErrorKind::other, "libcurl handles could not be made");
    }
    CURL* h = easy.get();

    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    if (curl_easy_setopt(h, CURLOPT_URL, request.url.c_str()) != CURLE_OK) {
        return fail(HttpErrorKind::invalidUrl, "URL refused");
    }
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, std::clamp(request.maxRedirects, 0L, kMostRedirects));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limitMillis(request.connectTimeoutSeconds));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limitMillis(request.totalTimeoutSeconds));
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, limitSeconds(request.stallSeconds));
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROXY, "127.0.0.1,localhost,::1");
    curl_easy_setopt(h, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    // Calendars compress well; the body cap counts the decoded bytes, so a
    // small compressed reply cannot unpack past it.
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    if (request.maxBodyBytes > 0) {
        curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(std::min<std::uintmax_t>(
                             request.maxBodyBytes, std::numeric_limits<curl_off_t>::max())));
    }
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    if (headerList) {
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headerList.get());
    }

    // The multi interface, as in net::httpGet: the progress callback alone
    // comes about once a second on an idle connection, too slow for a cancel.
    CURLcode code = CURLE_OK;
    {
        Attachment attachment(multi.get(), h);
        if (!attachment.attached()) {
            return fail(HttpErrorKind::other, "transfer could not be started");
        }
        bool done = false;
        while (!done) {
            int running = 0;
            if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
                return fail(HttpErrorKind::other, "transfer failed inside libcurl");
            }
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == h) {
                    code = message->data.result;
                    done = true;
                }
            }
            if (done) {
                break;
            }
            if (running == 0) {
                return fail(HttpErrorKind::other, "transfer ended without a result");
            }
            if (cancel.cancelled()) {
                return fail(HttpErrorKind::cancelled, "cancelled");
            }
            if (curl_multi_poll(multi.get(), nullptr, 0, kCancelPollMillis, nullptr) != CURLM_OK) {
                return fail(HttpErrorKind::other, "waiting for the transfer failed");
            }
        }
    }

    if (code != CURLE_OK) {
        std::string detail = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
        return fail(kindOf(code, transfer), std::move(detail));
    }

    FeedReply reply;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &reply.status);
    const char* contentType = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr) {
        reply.contentType = contentType;
    }
    reply.body = std::move(transfer.body);
    reply.validators = std::move(transfer.validators);
    return reply;
}

}  // namespace solvane::platform
