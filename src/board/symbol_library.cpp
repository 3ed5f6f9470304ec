#include "board/symbol_library.h"

#include <algorithm>
#include <array>
#include <string>

namespace solvane {
namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kTimeAndSeasons = {"calendar"sv,
                                        "calendar.badge.clock"sv,
                                        "calendar.circle"sv,
                                        "clock"sv,
                                        "clock.arrow.circlepath"sv,
                                        "alarm"sv,
                                        "hourglass"sv,
                                        "timer"sv,
                                        "stopwatch"sv,
                                        "sun.horizon"sv,
                                        "sunrise"sv,
                                        "sunset"sv,
                                        "snowflake"sv,
                                        "leaf"sv,
                                        "tree"sv,
                                        "camera.macro"sv,
                                        "thermometer.sun"sv,
                                        "thermometer.snowflake"sv};

constexpr std::array kSkyAndWeather = {
    "sun.max"sv,    "sun.min"sv,     "moon"sv,  "moon.stars"sv, "moon.circle"sv, "sparkles"sv,
    "star"sv,       "star.circle"sv, "cloud"sv, "cloud.sun"sv,  "cloud.moon"sv,  "cloud.rain"sv,
    "cloud.bolt"sv, "cloud.snow"sv,  "wind"sv,  "tornado"sv,    "rainbow"sv,     "umbrella"sv,
    "drop"sv,       "flame"sv,       "bolt"sv};

constexpr std::array kTravelAndPlaces = {"airplane"sv,
                                         "airplane.departure"sv,
                                         "car"sv,
                                         "bus"sv,
                                         "tram"sv,
                                         "ferry"sv,
                                         "sailboat"sv,
                                         "bicycle"sv,
                                         "figure.hiking"sv,
                                         "tent"sv,
                                         "beach.umbrella"sv,
                                         "mountain.2"sv,
                                         "map"sv,
                                         "mappin"sv,
                                         "globe.americas"sv,
                                         "building.2"sv,
                                         "house"sv,
                                         "suitcase"sv,
                                         "suitcase.rolling"sv,
                                         "ticket"sv,
                                         "fuelpump"sv};

constexpr std::array kCelebrations = {
    "gift"sv,       "birthday.cake"sv, "party.popper"sv, "balloon"sv,    "balloon.2"sv,
    "heart"sv,      "heart.circle"sv,  "star.fill"sv,    "crown"sv,      "trophy"sv,
    "medal"sv,      "rosette"sv,       "wineglass"sv,    "fork.knife"sv, "cup.and.saucer"sv,
    "music.note"sv, "music.mic"sv,     "theatermasks"sv, "popcorn"sv,    "gamecontroller"sv};

constexpr std::array kWorkAndCreative = {"briefcase"sv,
                                         "laptopcomputer"sv,
                                         "desktopcomputer"sv,
                                         "doc.text"sv,
                                         "folder"sv,
                                         "paperplane"sv,
                                         "envelope"sv,
                                         "pencil"sv,
                                         "paintbrush"sv,
                                         "paintpalette"sv,
                                         "camera"sv,
                                         "camera.aperture"sv,
                                         "video"sv,
                                         "film"sv,
                                         "photo"sv,
                                         "scissors"sv,
                                         "hammer"sv,
                                         "wrench.and.screwdriver"sv,
                                         "lightbulb"sv,
                                         "graduationcap"sv,
                                         "book"sv,
                                         "books.vertical"sv,
                                         "chart.line.uptrend.xyaxis"sv,
                                         "dollarsign.circle"sv};

constexpr std::array kPeopleAndHealth = {"person"sv,
                                         "person.2"sv,
                                         "person.3"sv,
                                         "figure.walk"sv,
                                         "figure.run"sv,
                                         "figure.yoga"sv,
                                         "dumbbell"sv,
                                         "sportscourt"sv,
                                         "soccerball"sv,
                                         "basketball"sv,
                                         "baseball"sv,
                                         "football"sv,
                                         "tennisball"sv,
                                         "figure.skiing.downhill"sv,
                                         "figure.surfing"sv,
                                         "heart.text.square"sv,
                                         "cross.case"sv,
                                         "pills"sv,
                                         "bed.double"sv,
                                         "pawprint"sv,
                                         "dog"sv,
                                         "cat"sv,
                                         "bird"sv,
                                         "fish"sv};

constexpr std::array kHomeAndLife = {
    "house.lodge"sv,    "key"sv,           "lock"sv,
    "cart"sv,           "bag"sv,           "creditcard"sv,
    "tshirt"sv,         "washer"sv,        "leaf.arrow.triangle.circlepath"sv,
    "trash"sv,          "shippingbox"sv,   "hammer.circle"sv,
    "sofa"sv,           "lamp.desk"sv,     "lightbulb.2"sv,
    "phone"sv,          "bell"sv,          "flag"sv,
    "flag.checkered"sv, "checkmark.seal"sv};

constexpr std::array<SymbolLibrary::Group, 7> kGroups{{
    {"Time & Seasons", kTimeAndSeasons},
    {"Sky & Weather", kSkyAndWeather},
    {"Travel & Places", kTravelAndPlaces},
    {"Celebrations", kCelebrations},
    {"Work & Creative", kWorkAndCreative},
    {"People & Health", kPeopleAndHealth},
    {"Home & Life", kHomeAndLife},
}};

std::vector<std::string_view> buildAll() {
    std::vector<std::string_view> names;
    for (const auto& group : kGroups) {
        for (std::string_view name : group.symbols) {
            if (std::ranges::find(names, name) == names.end()) {
                names.push_back(name);
            }
        }
    }
    return names;
}

std::string withoutDots(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '.') {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::span<const SymbolLibrary::Group> SymbolLibrary::groups() {
    return kGroups;
}

std::span<const std::string_view> SymbolLibrary::all() {
    static const std::vector<std::string_view> names = buildAll();
    return names;
}

std::vector<std::string_view> SymbolLibrary::search(std::string_view query) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!query.empty() && blank(query.front())) {
        query.remove_prefix(1);
    }
    while (!query.empty() && blank(query.back())) {
        query.remove_suffix(1);
    }
    // Names are lower-case ASCII, so an ASCII fold is all the matching needs.
    std::string q;
    q.reserve(query.size());
    for (char c : query) {
        q.push_back(c == ' ' ? '.' : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
    }
    const auto names = all();
    if (q.empty()) {
        return {names.begin(), names.end()};
    }
    const std::string bare = withoutDots(q);
    std::vector<std::string_view> found;
    for (std::string_view name : names) {
        if (name.find(q) != std::string_view::npos ||
            withoutDots(name).find(bare) != std::string::npos) {
            found.push_back(name);
        }
    }
    return found;
}

}  // namespace solvane
