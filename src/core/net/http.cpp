#include "core/net/http.h"

#include <curl/curl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <memory>
#include <mutex>
#include <string>

namespace solvane::net {

namespace {

// How long one wait for socket activity may last before the cancel flag is
// looked at again; also the worst-case delay between cancel() and the stop.
constexpr int kCancelPollMillis = 25;

// Limits far beyond any sensible request, so a silly value cannot overflow
// libcurl's long arguments.
constexpr double kLongestLimitSeconds = 7 * 24 * 3600.0;
constexpr long kMostRedirects = 50;

Failure<HttpError> fail(HttpErrorKind kind, std::string detail) {
    return Failure{HttpError{kind, std::move(detail)}};
}

bool curlReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

// libcurl reads 0 as "no limit". Here zero, negative and NaN limits mean "no
// time at all": a caller's mistake must end a transfer, never let it hang.
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

// ASCII only, not the process locale's idea of case.
char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

// libcurl guesses "http://" for a URL without a scheme; a caller that passes
// one has made a mistake, and guessing would hide it.
bool hasWebScheme(std::string_view url) {
    return startsWithNoCase(url, "http://") || startsWithNoCase(url, "https://");
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

struct Transfer {
    std::string body;
    std::size_t maxBody = 0;
    const CancelToken* cancel = nullptr;
    const std::vector<std::string>* keptHeaders = nullptr;
    std::vector<std::pair<std::string, std::string>> headers;
    bool tooLarge = false;
    bool cancelled = false;
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
    // the last one's headers describe the body that arrives.
    if (startsWithNoCase(line, "HTTP/")) {
        transfer->headers.clear();
        return bytes;
    }
    try {
        for (const std::string& name : *transfer->keptHeaders) {
            if (line.size() <= name.size() || line[name.size()] != ':' ||
                !startsWithNoCase(line, name)) {
                continue;
            }
            std::string value(trimmed(line.substr(name.size() + 1)));
            const auto held = std::find_if(transfer->headers.begin(), transfer->headers.end(),
                                           [&](const auto& kept) { return kept.first == name; });
            if (held != transfer->headers.end()) {
                held->second = std::move(value);
            } else {
                transfer->headers.emplace_back(name, std::move(value));
            }
        }
    } catch (...) {
        // Memory ran out; an exception must not unwind through libcurl.
        return 0;
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
        case CURLE_SSL_ENGINE_NOTFOUND:
        case CURLE_SSL_ENGINE_SETFAILED:
        case CURLE_SSL_ENGINE_INITFAILED:
        case CURLE_SSL_SHUTDOWN_FAILED:
        case CURLE_SSL_CRL_BADFILE:
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

// Keeps the easy handle attached to the multi handle only while the transfer
// runs; libcurl wants it detached before either is cleaned up.
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

std::string HttpError::printable() const {
    return "HttpError." + std::string(toString(kind));
}

std::optional<double> retryAfterSeconds(std::string_view value) {
    constexpr double kLongestWait = 24 * 3600;
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
        value.remove_prefix(1);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    if (value.empty() || value.size() > 64) {
        return std::nullopt;
    }
    if (std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        // Any number of digits: past a day it is a day.
        return value.size() > 6 ? kLongestWait
                                : std::min(kLongestWait, std::stod(std::string(value)));
    }
    const std::time_t at = curl_getdate(std::string(value).c_str(), nullptr);
    if (at < 0) {
        return std::nullopt;
    }
    const double wait = std::difftime(at, std::time(nullptr));
    return std::clamp(wait, 0.0, kLongestWait);
}

std::optional<std::string> HttpResponse::header(std::string_view name) const {
    for (const auto& [kept, value] : headers) {
        if (kept.size() == name.size() && startsWithNoCase(kept, name)) {
            return value;
        }
    }
    return std::nullopt;
}

Result<HttpResponse, HttpError> httpGet(const HttpRequest& request) {
    const CancelToken& cancel = request.cancel;
    if (cancel.cancelled()) {
        return fail(HttpErrorKind::cancelled, "cancelled before the request was sent");
    }
    if (hasLineBreakOrNul(request.url) || !hasWebScheme(request.url)) {
        return fail(HttpErrorKind::invalidUrl, "only http and https URLs are fetched");
    }
    for (const auto& [name, value] : request.headers) {
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
    transfer.keptHeaders = &request.keptHeaders;

    std::unique_ptr<curl_slist, ListDeleter> headers;
    for (const auto& [name, value] : request.headers) {
        const std::string line = name + ": " + value;
        curl_slist* next = curl_slist_append(headers.get(), line.c_str());
        if (next == nullptr) {
            return fail(HttpErrorKind::other, "out of memory for headers");
        }
        (void)headers.release();
        headers.reset(next);
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
    // Loopback never goes through a proxy: the test servers and any local
    // service must be reached directly whatever the environment says.
    curl_easy_setopt(h, CURLOPT_NOPROXY, "127.0.0.1,localhost,::1");
    // A name lookup runs on a resolver thread that libcurl otherwise joins on
    // the way out, so a cancel or limit striking mid-lookup would wait for the
    // system resolver's own, much longer, time-out. Leaving the thread to end
    // on its own keeps every limit a real limit.
    curl_easy_setopt(h, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (request.acceptCompressed) {
        curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    }
    if (request.maxBodyBytes > 0) {
        // Refuses an announced oversized body before any of it arrives; the
        // write callback still counts what actually comes.
        curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(std::min<std::uintmax_t>(
                             request.maxBodyBytes, std::numeric_limits<curl_off_t>::max())));
    }
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    if (!request.keptHeaders.empty()) {
        curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
        curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
    }
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    if (headers) {
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    }

    // The multi interface rather than curl_easy_perform: libcurl calls the
    // progress callback only about once a second while a connection sits
    // idle, too slow for a cancel that should land within a blink.
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

    HttpResponse response;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
    const char* contentType = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr) {
        response.contentType = contentType;
    }
    response.body = std::move(transfer.body);
    response.headers = std::move(transfer.headers);
    return response;
}

std::string encodeQueryValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        // ASCII ranges, not isalnum: the process locale must not decide what
        // goes on the wire.
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~' || c == ',';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

}  // namespace solvane::net
