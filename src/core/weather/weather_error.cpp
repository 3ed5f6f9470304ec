#include "core/weather/weather_error.h"

#include <utility>

namespace solvane {

WeatherError WeatherError::fromHttp(const net::HttpError& error) {
    WeatherError out;
    out.kind = Kind::transport;
    out.transport = error.kind;
    out.text = error.printable();
    return out;
}

// The time limit and a network time-out are one error, so the failure note
// reads the same whichever of the two struck.
WeatherError WeatherError::timedOut() {
    return fromHttp(net::HttpError{net::HttpErrorKind::timedOut, {}});
}

WeatherError WeatherError::decoding(std::string text) {
    WeatherError out;
    out.kind = Kind::decoding;
    out.text = std::move(text);
    return out;
}

WeatherError WeatherError::service(std::string text) {
    WeatherError out;
    out.kind = Kind::service;
    out.text = std::move(text);
    return out;
}

WeatherError WeatherError::httpStatus(std::string_view prefix, const net::HttpResponse& reply) {
    WeatherError out = service(std::string(prefix) + ".http(" + std::to_string(reply.status) + ")");
    if (reply.status == 429 || reply.status == 503) {
        if (const auto after = reply.header("Retry-After")) {
            out.retryAfterSeconds = net::retryAfterSeconds(*after);
        }
    }
    return out;
}

}  // namespace solvane
