// What a person can do about a failure: the sentence shown above the exact
// technical text, which stays below it, selectable, for a bug report.
//
//   weatherAdvice("WeatherKitError.missingCredentials", "~/.config/solvane/weatherkit.json")
//     // "Put your WeatherKit key and its IDs in ~/.config/…"
#pragma once

#include <QString>

#include <string_view>

namespace solvane::app {

// What happened, in a few words, for the heading above the advice: the key
// missing, the key or the request refused, no network, no answer. Empty when
// there is no note.
QString weatherHeading(std::string_view note);

// For the failure note Apple Weather left (weather.appleError), naming
// `credentials` (the file they belong in) where they are the trouble. Empty
// when there is no note yet.
QString weatherAdvice(std::string_view note, const QString& credentials);

}  // namespace solvane::app
