// Why a weather request failed, in the printable form the failure note keeps:
// the type and case of the error, never a localized message.
//
//   WeatherError::timedOut().printable()            "HttpError.timedOut"
//   WeatherError::service("WeatherKitError.http(401)").printable()
#pragma once

#include <optional>
#include <string>

#include "core/net/http.h"

namespace solvane {

struct WeatherError {
    enum class Kind {
        transport,  // the HTTP layer failed; `transport` says how
        decoding,   // the reply was not the expected JSON
        service,    // the service answered with an error of its own
    };
    Kind kind = Kind::transport;
    net::HttpErrorKind transport = net::HttpErrorKind::other;
    std::string text;  // the printable form
    // The service asked not to be asked again for this long (Retry-After).
    std::optional<double> retryAfterSeconds;

    static WeatherError fromHttp(const net::HttpError& error);
    static WeatherError timedOut();
    static WeatherError decoding(std::string text);
    static WeatherError service(std::string text);
    // A reply that is not a success: "<prefix>.http(429)", with the wait a
    // 429 or 503 asked for in its Retry-After header.
    static WeatherError httpStatus(std::string_view prefix, const net::HttpResponse& reply);

    // A time-out from the time limit or from the network.
    bool isTimedOut() const {
        return kind == Kind::transport && transport == net::HttpErrorKind::timedOut;
    }
    const std::string& printable() const { return text; }
};

}  // namespace solvane
