// Feeds arbitrary bytes to everything the WeatherKit client reads from
// outside: the weather reply, the attribution reply, the credentials file and
// a condition code. Each either fails with its one printable case or gives a
// value the board can show as it is: finite numbers, cloud cover within
// 0…100, a symbol from the documented set, URLs on the endpoint or absolute.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/weather/conditions.h"
#include "platform/weatherkit/weatherkit.h"

namespace {

using namespace solvane;
using namespace solvane::platform;

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

// A row's symbol by day or by night, or the plain cloud of an unknown code.
bool documentedSymbol(std::string_view symbol) {
    return symbol == "cloud" ||
           std::ranges::any_of(weatherConditions(), [&](const WeatherCondition& c) {
               return c.daySymbol == symbol || c.nightSymbol == symbol;
           });
}

bool usableUrl(const std::string& url) {
    return url.starts_with("https://e.example/") || url.starts_with("http://") ||
           url.starts_with("https://");
}

void reply(std::string_view bytes) {
    const Instant stamp{740000000};
    const auto parsed = parseWeatherKitReply(bytes, 40.5, -74.25, stamp);
    if (!parsed) {
        check(parsed.error().printable() == "WeatherKitError.decoding");
        return;
    }
    const WeatherSnapshot& s = *parsed;
    check(s.latitude == 40.5 && s.longitude == -74.25 && s.fetched == stamp);
    check(s.source == WeatherSource::apple && s.requested == WeatherSource::apple);
    check(!s.condition.empty() && documentedSymbol(s.symbol));
    for (double v : {s.temperatureC, s.feelsLikeC, s.highC, s.lowC, s.windKph, s.windDirection}) {
        check(std::isfinite(v));
    }
    check(s.cloudCover >= 0 && s.cloudCover <= 100);
}

void attribution(std::string_view bytes) {
    const auto parsed = parseWeatherKitAttribution(bytes, "https://e.example/");
    if (!parsed) {
        return;
    }
    check(!parsed->serviceName.empty());
    check(usableUrl(parsed->logoLight) && usableUrl(parsed->logoDark) &&
          usableUrl(parsed->legalPage));
}

void credentials(std::string_view bytes) {
    const auto parsed = parseWeatherKitCredentials(bytes, "/config");
    if (!parsed) {
        check(parsed.error().printable() == "WeatherKitError.invalidCredentials");
        return;
    }
    check(!parsed->teamId.empty() && !parsed->serviceId.empty() && !parsed->keyId.empty());
    check(parsed->keyFile.is_absolute());
}

void condition(std::string_view bytes) {
    const std::string text = weatherKitConditionText(bytes);
    check(!text.empty() && text.size() <= 128);
    check(std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               (c >= '0' && c <= '9');
    }));
    check(documentedSymbol(weatherKitConditionSymbol(bytes, true)) &&
          documentedSymbol(weatherKitConditionSymbol(bytes, false)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    reply(bytes);
    attribution(bytes);
    credentials(bytes);
    condition(bytes);
    return 0;
}
