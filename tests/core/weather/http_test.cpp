#include "core/net/http.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "support/loopback_http_server.h"

// Each request names only the fields it changes from the defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace solvane::net {
namespace {

using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::LoopbackHttpServer;
using Behaviour = HttpTestReply::Behaviour;

// A proxy from the environment would take loopback requests elsewhere.
[[maybe_unused]] const bool kNoProxy = [] {
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        ::unsetenv(name);
    }
    return true;
}();

std::string kindName(const Result<HttpResponse, HttpError>& r) {
    return r.ok() ? "ok" : std::string(toString(r.error().kind)) + " (" + r.error().detail + ")";
}

HttpTestReply reply(int status, std::string body, Behaviour behaviour = Behaviour::normal) {
    HttpTestReply r;
    r.status = status;
    r.body = std::move(body);
    r.behaviour = behaviour;
    return r;
}

HttpTestReply redirect(std::string location) {
    HttpTestReply r = reply(302, "");
    r.headers.emplace_back("Location", std::move(location));
    return r;
}

// Expects failure of `kind`; CTest's limit catches a request that never ends.
void expectFailure(const HttpRequest& request, HttpErrorKind kind) {
    const auto r = httpGet(request);
    ASSERT_FALSE(r) << request.url;
    EXPECT_EQ(r.error().kind, kind) << request.url << ": " << kindName(r);
}

TEST(HttpGet, ReturnsBodyAndStatusWhateverTheStatus) {
    LoopbackHttpServer server([](const HttpTestRequest& req) {
        return reply(req.path() == "/fail" ? 500 : 200, R"({"a":1})");
    });
    auto r = httpGet({.url = server.url() + "/v1/forecast?latitude=40.0&x=a,b",
                      .headers = {{"X-Probe", "yes"}}});
    ASSERT_TRUE(r) << kindName(r);
    EXPECT_EQ(r->status, 200);
    EXPECT_EQ(r->body, R"({"a":1})");
    EXPECT_EQ(r->contentType, "application/json");
    const HttpTestRequest seen = server.requests().at(0);
    EXPECT_EQ(seen.method, "GET");
    EXPECT_EQ(seen.target, "/v1/forecast?latitude=40.0&x=a,b");
    EXPECT_EQ(seen.headers.at("x-probe"), "yes");

    auto failed = httpGet({.url = server.url() + "/fail"});
    ASSERT_TRUE(failed) << kindName(failed);
    EXPECT_EQ(failed->status, 500);
    EXPECT_EQ(failed->body, R"({"a":1})");
}

TEST(HttpGet, SpeaksOnlyHttpAndHttpsAndSendsOnlyWellFormedRequests) {
    // Must fail before anything is read: never the contents of a local file.
    for (const char* url : {"file:///etc/passwd", "ftp://127.0.0.1/", "127.0.0.1/v1/forecast", "",
                            "http://exa mple.org/", "http://[::1/"}) {
        expectFailure({.url = url}, HttpErrorKind::invalidUrl);
    }
    expectFailure({.url = std::string("http://127.0.0.1\0.evil/", 23)}, HttpErrorKind::invalidUrl);

    LoopbackHttpServer server(
        [](const HttpTestRequest&) { return redirect("file:///etc/passwd"); });
    expectFailure({.url = server.url() + "/"}, HttpErrorKind::invalidUrl);

    // A line break in a header would smuggle in headers of its own.
    const std::size_t before = server.requestCount();
    for (const auto& header : {std::pair<std::string, std::string>{"X-A", "1\r\nX-B: 2"},
                               {"X-A\n", "1"},
                               {"", "1"},
                               {"X-A: b", "1"}}) {
        EXPECT_FALSE(httpGet({.url = server.url(), .headers = {header}}));
    }
    EXPECT_EQ(server.requestCount(), before);
}

TEST(HttpGet, EveryLimitEndsASilentOrStalledTransfer) {
    LoopbackHttpServer silent(
        [](const HttpTestRequest&) { return reply(200, "", Behaviour::neverAnswer); });
    // Each limit alone against the others set out of reach: only it can end
    // the transfer before CTest's limit does.
    expectFailure({.url = silent.url(), .totalTimeoutSeconds = 0.8, .stallSeconds = 3600},
                  HttpErrorKind::timedOut);

    // Zero, negative and NaN limits mean no time at all, never no limit.
    for (double limit : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        expectFailure({.url = silent.url(),
                       .connectTimeoutSeconds = limit,
                       .totalTimeoutSeconds = limit,
                       .stallSeconds = limit},
                      HttpErrorKind::timedOut);
    }

    LoopbackHttpServer drip([](const HttpTestRequest&) {
        HttpTestReply r = reply(200, std::string(64, 'x'), Behaviour::drip);
        r.dripInterval = std::chrono::milliseconds(1500);
        return r;
    });
    expectFailure({.url = drip.url(), .totalTimeoutSeconds = 3600, .stallSeconds = 1},
                  HttpErrorKind::timedOut);
}

TEST(HttpGet, CancelStopsPromptlyFromAnotherThread) {
    LoopbackHttpServer server(
        [](const HttpTestRequest&) { return reply(200, "", Behaviour::neverAnswer); });
    const HttpRequest request{.url = server.url()};
    std::thread canceller([&] {
        while (server.requestCount() == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        request.cancel.cancel();
    });
    const auto r = httpGet(request);
    canceller.join();
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, HttpErrorKind::cancelled) << kindName(r);

    // A request cancelled beforehand is never sent.
    expectFailure(request, HttpErrorKind::cancelled);
    EXPECT_EQ(server.requestCount(), 1u);
}

// A body cut short is tests/platform/network_fault_test.cpp's.
TEST(HttpGet, BodiesLargerThanTheLimitFail) {
    LoopbackHttpServer server([](const HttpTestRequest& req) {
        return reply(200, std::string(req.path() == "/big" ? 300000 : 1000, 'x'));
    });
    auto fits = httpGet({.url = server.url() + "/small", .maxBodyBytes = 1000});
    EXPECT_EQ(fits ? fits->body : kindName(fits), std::string(1000, 'x'));
    for (const auto& [path, limit] : {std::pair{"/small", 999}, {"/small", 0}, {"/big", 65536}}) {
        expectFailure({.url = server.url() + path, .maxBodyBytes = std::size_t(limit)},
                      HttpErrorKind::tooLarge);
    }
}

// gzip's form of 100,000 'x': 132 bytes.
std::string gzippedXs() {
    std::string bytes(
        "\x1F\x8B\x08\x00\x00\x00\x00\x00\x02\x03\xED\xC1\x31\x01\x00\x00\x00\xC2\xA0\xDA"
        "\x8B\x6F\x0D\x0F\xA0",
        25);
    bytes.append(96, '\0');
    bytes.append("\x80\x57\x03\x71\x11\x07\xFE\xA0\x86\x01\x00", 11);
    return bytes;
}

TEST(HttpGet, DecodesACompressedBodyOnlyWhenAskedAndCountsItDecoded) {
    LoopbackHttpServer server([](const HttpTestRequest& req) {
        const auto accepted = req.headers.find("accept-encoding");
        if (accepted == req.headers.end() || accepted->second.find("gzip") == std::string::npos) {
            return reply(200, "plain");
        }
        HttpTestReply r = reply(200, gzippedXs());
        r.headers.emplace_back("Content-Encoding", "gzip");
        return r;
    });
    auto plain = httpGet({.url = server.url()});
    EXPECT_EQ(plain ? plain->body : kindName(plain), "plain");
    EXPECT_EQ(server.requests().at(0).headers.count("accept-encoding"), 0u);

    auto decoded =
        httpGet({.url = server.url(), .maxBodyBytes = 100'000, .acceptCompressed = true});
    EXPECT_EQ(decoded ? decoded->body : kindName(decoded), std::string(100'000, 'x'));
    // Small on the wire, too large once unpacked.
    expectFailure({.url = server.url(), .maxBodyBytes = 99'999, .acceptCompressed = true},
                  HttpErrorKind::tooLarge);
}

TEST(HttpGet, ReportsOnlyTheAskedHeadersOfTheLastResponse) {
    LoopbackHttpServer server([](const HttpTestRequest& req) {
        if (req.path() == "/moved") {
            HttpTestReply r = redirect("/final");
            r.headers.emplace_back("ETag", "\"old\"");
            r.headers.emplace_back("Last-Modified", "Tue, 15 Nov 2029 12:45:26 GMT");
            return r;
        }
        HttpTestReply r = reply(200, "arrived");
        r.headers.emplace_back("etag", "\"new\"");
        r.headers.emplace_back("X-ETag", "\"not it\"");
        r.headers.emplace_back("ETag", "  \"newer\"  ");
        return r;
    });
    const std::vector<std::string> kept = {"ETag", "Last-Modified", "X-Missing"};
    auto direct = httpGet({.url = server.url() + "/final", .keptHeaders = kept});
    ASSERT_TRUE(direct) << kindName(direct);
    using Headers = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(direct->headers, (Headers{{"ETag", "\"newer\""}}));
    EXPECT_EQ(direct->header("etag"), "\"newer\"");
    EXPECT_EQ(direct->header("X-Missing"), std::nullopt);

    // Followed; the redirect's own headers describe no body that arrives (a
    // redirect loop is tests/platform/network_fault_test.cpp's).
    auto moved = httpGet({.url = server.url() + "/moved", .keptHeaders = kept});
    ASSERT_TRUE(moved) << kindName(moved);
    EXPECT_EQ(moved->body, "arrived");
    EXPECT_EQ(moved->headers, (Headers{{"ETag", "\"newer\""}}));
}

TEST(HttpGet, QueryValuesKeepUnreservedCharactersAndCommas) {
    EXPECT_EQ(encodeQueryValue("temperature_2m,is_day~-12.75"), "temperature_2m,is_day~-12.75");
    EXPECT_EQ(encodeQueryValue("1e+16 a&b=c/d?e#f%"), "1e%2B16%20a%26b%3Dc%2Fd%3Fe%23f%25");
    EXPECT_EQ(encodeQueryValue(std::string("\u00e9\0", 3)), "%C3%A9%00");
}

}  // namespace
}  // namespace solvane::net
