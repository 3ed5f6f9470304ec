#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/location/nominatim.h"
#include "support/loopback_http_server.h"

namespace solvane::platform {
namespace {

using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::LoopbackHttpServer;

// A server that never answers is one of network_fault_test.cpp's cases.
std::optional<PlaceParts> geocodeWith(int status, std::string body) {
    LoopbackHttpServer server([&](const HttpTestRequest&) { return HttpTestReply{status, body}; });
    NominatimConfig config = NominatimConfig::standard();
    config.endpoint = server.url() + "/";
    config.timeoutSeconds = 5;
    auto parts = reverseGeocode(config, 40.015, -105.2705);
    const HttpTestRequest request = server.requests().at(0);
    EXPECT_EQ(request.target,
              "/reverse?format=jsonv2&lat=40.015&lon=-105.2705&zoom=10&addressdetails=1");
    const std::string agent = request.headers.at("user-agent");
    EXPECT_TRUE(agent.starts_with("Solvane/") && agent.ends_with(" (desktop board)")) << agent;
    return parts;
}

TEST(NominatimGeocoder, RepliesToPlaceParts) {
    const auto parts = [](std::optional<std::string> locality, std::optional<std::string> area) {
        return std::optional(PlaceParts{std::move(locality), std::move(area)});
    };
    const struct {
        int status;
        std::string body;
        std::optional<PlaceParts> expected;
    } cases[] = {
        {200, R"({"address":{"town":"Nederland","country":"United States"}})",
         parts("Nederland", std::nullopt)},
        {200, R"({"address":{"city":"San Jose","state":"California","ISO3166-2-lvl4":"US-CA"}})",
         parts("San Jose", "CA")},
        {200, R"({"address":{"village":"Hallstatt","state":"Upper Austria"}})",
         parts("Hallstatt", "Upper Austria")},
        // city before town before village before hamlet; the coarsest code is the state's.
        {200,
         R"({"address":{"hamlet":"H","town":"T","ISO3166-2-lvl6":"FR-75",)"
         R"("ISO3166-2-lvl4":"FR-IDF"}})",
         parts("T", "IDF")},
        {200, R"({"address":{"city":7,"village":"V","state":"S","ISO3166-2-lvl4":"bad"}})",
         parts("V", "S")},
        {200, R"({"address":{"country":"Antarctica"}})", std::nullopt},
        {200, R"({"error":"Unable to geocode"})", std::nullopt},
        {500, R"({"address":{"city":"C"}})", std::nullopt},
        {200, "<html>busy</html>", std::nullopt},
        {200, "{\"address\":{\"city\":\"\xff\"}}", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(geocodeWith(c.status, c.body), c.expected) << c.body;
    }
}

TEST(NominatimGeocoder, EndpointComesFromTheEnvironment) {
    ::setenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9", 1);
    EXPECT_EQ(NominatimConfig::standard().endpoint, "http://127.0.0.1:9");
    ::unsetenv("SOLVANE_NOMINATIM_URL");
    EXPECT_EQ(NominatimConfig::standard().endpoint, kNominatimEndpoint);
}

}  // namespace
}  // namespace solvane::platform
