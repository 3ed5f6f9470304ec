#include "app/error_text.h"

#include <QCoreApplication>

#include <charconv>

#include "core/weather/weather_fetcher.h"

namespace solvane::app {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ErrorText)
};

// The status of a note such as "WeatherKitError.http(503)"; 0 for others.
int httpStatusIn(std::string_view note) {
    constexpr std::string_view kPrefix = "WeatherKitError.http(";
    if (!note.starts_with(kPrefix)) {
        return 0;
    }
    int status = 0;
    const auto digits = note.substr(kPrefix.size());
    std::from_chars(digits.data(), digits.data() + digits.size(), status);
    return status;
}

bool isTimeout(std::string_view note) {
    return note == "HttpError.timedOut" || note == kAppleTimeoutNote;
}

}  // namespace

QString weatherHeading(std::string_view note) {
    if (note.empty()) {
        return {};
    }
    const int status = httpStatusIn(note);
    if (note == "WeatherKitError.missingCredentials") {
        return Words::tr("Apple Weather needs your WeatherKit key.");
    }
    if (note == "WeatherKitError.invalidCredentials" || status == 401 || status == 403) {
        return Words::tr("Apple Weather refused your WeatherKit key.");
    }
    if (note == "WeatherKitError.invalidCoordinates" || (status >= 400 && status < 500)) {
        return Words::tr("Apple Weather refused the request.");
    }
    if (note == "HttpError.cannotConnect") {
        return Words::tr("Apple Weather can't be reached: no network, or no way to it.");
    }
    if (isTimeout(note) || status >= 500 || note == "HttpError.connectionLost") {
        return Words::tr("Apple Weather didn't answer.");
    }
    return Words::tr("Apple Weather failed.");
}

QString weatherAdvice(std::string_view note, const QString& credentials) {
    if (note.empty()) {
        return {};
    }
    const QString readme = Words::tr("see the README's Weather section");
    if (note == "WeatherKitError.missingCredentials") {
        return Words::tr("Put your WeatherKit key and its IDs in %1 — %2.")
            .arg(credentials, readme);
    }
    const int status = httpStatusIn(note);
    if (note == "WeatherKitError.invalidCredentials" || status == 401 || status == 403) {
        return Words::tr(
                   "Apple Weather refused the credentials in %1. Check the team, service and key "
                   "IDs and the key file — %2.")
            .arg(credentials, readme);
    }
    if (status == 429) {
        return Words::tr("Apple Weather is taking fewer requests for now. Try again in a while.");
    }
    if (status >= 500) {
        return Words::tr("Apple Weather's servers had a problem. Try again later.");
    }
    if (note == "WeatherKitError.invalidCoordinates") {
        return Words::tr(
            "Apple Weather does not accept this place's coordinates. Check the latitude "
            "and longitude above.");
    }
    if (note == "WeatherKitError.decoding") {
        return Words::tr(
            "Apple Weather answered with something Solvane could not read. Try again "
            "later.");
    }
    if (isTimeout(note)) {
        return Words::tr(
            "Apple Weather did not answer in time. Check the connection, then try again.");
    }
    if (note == "HttpError.cannotConnect") {
        return Words::tr(
            "Apple Weather could not be reached. Check the connection, then try again.");
    }
    if (note == "HttpError.secureConnectionFailed") {
        return Words::tr(
            "The secure connection to Apple Weather failed. Check this computer's date and "
            "time, then try again.");
    }
    return Words::tr("Apple Weather failed. Try again later.");
}

}  // namespace solvane::app
