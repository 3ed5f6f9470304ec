#include "cli/board_command.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

#include <charconv>
#include <cmath>
#include <functional>
#include <ostream>

#include "board/backdrop.h"
#include "board/custom_icons.h"
#include "cli/arguments.h"
#include "cli/board_text.h"
#include "cli/status_follow.h"
#include "cli/status_line.h"
#include "core/util/display_text.h"
#include "core/util/enum_strings.h"
#include "core/weather/forecast_fetcher.h"
#include "core/weather/weather_fetcher.h"

namespace solvane::cli {
namespace {

struct BoardOptions {
    bool offline = false;
    bool json = false;
    std::optional<BarFormat> bar;  // a status-bar line
    bool follow = false;
    std::optional<Instant> at;
    std::optional<std::string> zone;
    std::optional<std::string> locale;
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<std::string> place;
    // --png: the board drawn as the application's preview shows it.
    std::optional<std::string> png;
    std::optional<WidgetStyle> style;
    std::optional<ColorScheme> scheme;
    std::optional<double> scale;
};

std::optional<double> parseDegrees(const std::string& text, double limit) {
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || text.empty() || !std::isfinite(v) ||
        std::fabs(v) > limit) {
        return std::nullopt;
    }
    return v;
}

// Reads the options the parser took; on a bad value fills `error` and
// returns nullopt.
std::optional<BoardOptions> parseBoardOptions(const Arguments& a, std::string& error) {
    if (!a.positional.empty()) {
        error = "unexpected argument " + a.positional.front() + " (try --help)";
        return std::nullopt;
    }
    BoardOptions o;
    o.offline = a.flags.count("--offline") > 0;
    o.json = a.flags.count("--json") > 0;
    o.follow = a.flags.count("--follow") > 0;
    if (a.flags.count("--waybar") > 0) {
        o.bar = BarFormat::waybar;
    }
    if (const auto v = a.value("--format")) {
        o.bar = enumFromString<BarFormat>(*v);
        if (!o.bar) {
            error = "--format needs waybar, i3blocks, i3status-rs, polybar or plain, got \"" + *v +
                    "\"";
            return std::nullopt;
        }
    }
    o.png = a.value("--png");
    if (const auto v = a.value("--style")) {
        o.style = enumFromString<WidgetStyle>(*v);
        if (!o.style) {
            error = "--style needs glass, dark or light, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    if (const auto v = a.value("--scheme")) {
        o.scheme = enumFromString<ColorScheme>(*v);
        if (!o.scheme) {
            error = "--scheme needs light or dark, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    if (const auto v = a.value("--scale")) {
        o.scale = parseDegrees(*v, 4);
        if (!o.scale || *o.scale < 1) {
            error = "--scale needs a number from 1 to 4, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    if (const auto v = a.value("--at")) {
        o.at = parseIso8601(*v);
        if (!o.at) {
            error = "--at needs an ISO-8601 moment with a zone, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    o.zone = a.value("--tz");
    o.locale = a.value("--locale");
    if (const auto v = a.value("--lat")) {
        o.latitude = parseDegrees(*v, 90);
        if (!o.latitude) {
            error = "--lat needs degrees between -90 and 90, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    if (const auto v = a.value("--lon")) {
        o.longitude = parseDegrees(*v, 180);
        if (!o.longitude) {
            error = "--lon needs degrees between -180 and 180, got \"" + *v + "\"";
            return std::nullopt;
        }
    }
    o.place = a.value("--place");
    if (o.latitude.has_value() != o.longitude.has_value()) {
        error = "--lat and --lon go together";
        return std::nullopt;
    }
    if ((o.style || o.scheme || o.scale) && !o.png) {
        error = "--style, --scheme and --scale go with --png";
        return std::nullopt;
    }
    if (o.png && (o.json || o.bar)) {
        error = "--png cannot be combined with --json or a status-bar line";
        return std::nullopt;
    }
    if (o.json && o.bar) {
        error = "--json and a status-bar line cannot be combined";
        return std::nullopt;
    }
    if (o.follow && !o.bar) {
        error = "--follow goes with --waybar or --format";
        return std::nullopt;
    }
    return o;
}

// Weather for a place the store does not hold: asked for directly, never
// cached, so an override leaves the store as it was.
std::optional<WeatherSnapshot> uncachedWeather(const WeatherServices& services,
                                               WeatherSource source, const SavedLocation& place,
                                               const net::CancelToken& stop) {
    if (source == WeatherSource::apple && services.apple) {
        const auto apple = WeatherFetcher::withTimeout(
            services.appleTimeLimitSeconds,
            [&](const net::CancelToken& token) {
                return services.apple(place.latitude, place.longitude, token);
            },
            stop);
        if (apple) {
            return *apple;
        }
    }
    if (!services.openMeteo || stop.cancelled()) {
        return std::nullopt;
    }
    auto snapshot = services.openMeteo(place.latitude, place.longitude, stop);
    if (!snapshot) {
        return std::nullopt;
    }
    snapshot->requested = source;
    return *snapshot;
}

// Writes through a temporary file renamed into place, so a reader never sees
// half a picture and a failed write leaves any earlier one intact.
bool writePng(const BoardData& board, const Calendar& calendar, const SharedStore& store,
              const BoardOptions& o, std::string& error) {
    const WidgetStyle style = o.style.value_or(WidgetStyle::glass);
    const IconStore icons(store);
    const QImage image =
        renderBoardImage(board, calendar, style, o.scheme.value_or(previewScheme(style)),
                         o.scale.value_or(1), &icons);
    QSaveFile file(QString::fromStdString(*o.png));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = "cannot write " + *o.png + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

// The board at `now`, with the countdowns it was assembled from.
struct ComposedBoard {
    BoardData board;
    std::vector<Countdown> countdowns;
};

// The place the board is for: the stored one (or the zone's city) unless the
// options name another.
BoardPlace boardPlace(const BoardOptions& options, const SharedStore& store,
                      const Calendar& calendar) {
    BoardPlace place = store.loadPlace(calendar);
    if (options.latitude) {
        place.location.latitude = *options.latitude;
        place.location.longitude = *options.longitude;
        place.source = PlaceSource::override;
    }
    if (options.place) {
        place.location.name = *options.place;
    }
    return place;
}

// The board at `now` with `weather`, which is shown only when it describes
// the board's place: after a change of place the old place's snapshot is
// still in the store until the new one arrives.
ComposedBoard composeBoard(BoardSources sources, const Calendar& calendar, Instant now,
                           const SavedLocation& place, std::optional<WeatherSnapshot> weather) {
    if (weather && !WeatherFetcher::isFor(*weather, place)) {
        weather.reset();
    }
    sources.place = place;
    BoardData board = BoardData::assemble(sources, now, std::nullopt, std::move(weather), calendar);
    return {std::move(board), std::move(sources.countdowns)};
}

// What a bar shows while the store cannot be read: the reason, never a board
// of defaults.
StatusLine storeFaultLine(const SharedStore& store, StoreFault fault) {
    StatusLine line;
    line.text = oneLine(storeFaultText(fault));
    line.shortText = line.text;
    line.tooltip = oneLine(storeFaultText(fault) + " (" + store.paths().suite.string() + ")");
    return line;
}

// Weather for the board, from the network when it is due; may wait on it.
std::optional<WeatherSnapshot> fetchBoardWeather(const BoardOptions& options,
                                                 const Environment& env, const SharedStore& store,
                                                 const SavedLocation& place,
                                                 const net::CancelToken& stop) {
    if (options.offline) {
        return std::nullopt;
    }
    if (options.latitude) {
        return uncachedWeather(env.weather, store.loadSettings().weatherSource, place, stop);
    }
    return WeatherFetcher::fetch(store, env.weather, place, std::nullopt, false, stop);
}

}  // namespace

int boardCommand(const Arguments& args, const Environment& env, std::ostream& out,
                 std::ostream& err) {
    std::string error;
    const auto options = parseBoardOptions(args, error);
    if (!options) {
        err << "solvane-board: " << error << "\n";
        return 2;
    }
    const std::optional<Calendar> calendar =
        calendarFor(env, options->zone, options->locale, error);
    if (!calendar) {
        err << "solvane-board: " << error << "\n";
        return 2;
    }
    const Instant now = options->at.value_or(env.now);
    const SharedStore store = env.store.value_or(SharedStore::standard());

    if (options->follow) {
        if (QCoreApplication::instance() == nullptr) {
            err << "solvane-board: --follow needs the program's event loop\n";
            return 2;
        }
        // Time runs on from --at as it does from now, so a test can start a
        // second before midnight and see the day turn.
        const std::function<Instant()> wallClock =
            env.clock ? env.clock : std::function<Instant()>([now] { return now; });
        const Instant startedAt = wallClock();
        FollowSource source;
        source.clock = [wallClock, now, startedAt] {
            return Instant{now.seconds + (wallClock().seconds - startedAt.seconds)};
        };
        source.compose = [options = *options, store, running = *calendar](
                             Instant at, const std::optional<WeatherSnapshot>& fetched) mutable {
            // A tzdata upgrade while the bar runs: the next update has the
            // zone's new rules.
            running = running.refreshed();
            const Calendar& calendar = running;
            const SavedLocation place = boardPlace(options, store, calendar).location;
            // The stored snapshot is what the worker last saved, or what
            // another program fetched meanwhile; an override is never stored.
            std::optional<WeatherSnapshot> weather;
            if (!options.offline) {
                weather = options.latitude ? fetched : store.loadWeather();
            }
            auto sources = BoardSources::load(store, calendar, at);
            if (!sources) {
                return formatStatusLine(storeFaultLine(store, sources.error()), *options.bar, true);
            }
            ComposedBoard composed =
                composeBoard(std::move(*sources), calendar, at, place, weather);
            composed.board.forecast = ForecastFetcher::cached(store, place);
            return formatStatusLine(statusLine(composed.board, composed.countdowns, calendar),
                                    *options.bar, true);
        };
        if (!options->offline) {
            source.fetchWeather = [options = *options, &env, store,
                                   calendar = *calendar](const net::CancelToken& stop) {
                return fetchBoardWeather(options, env, store,
                                         boardPlace(options, store, calendar).location, stop);
            };
        }
        return followStatus(source, env.outputFd);
    }

    // The store first: a board of defaults is never shown for a store that
    // cannot be read, and no weather is fetched for it.
    auto sources = BoardSources::load(store, *calendar, now);
    if (!sources) {
        return storeFailed(err, store, sources.error());
    }
    const BoardPlace place = boardPlace(*options, store, *calendar);
    ComposedBoard composed =
        composeBoard(std::move(*sources), *calendar, now, place.location,
                     fetchBoardWeather(*options, env, store, place.location, net::CancelToken()));
    if (options->bar) {
        // Only what is cached: a bar never makes the forecast's request.
        composed.board.forecast = ForecastFetcher::cached(store, place.location);
    }
    const BoardData& board = composed.board;
    if (options->png) {
        if (!writePng(board, *calendar, store, *options, error)) {
            err << "solvane-board: " << error << "\n";
            return 2;
        }
    } else if (options->json) {
        nlohmann::ordered_json json = boardJson(board, *calendar);
        json["location"] = {{"latitude", place.location.latitude},
                            {"longitude", place.location.longitude},
                            {"source", std::string(toString(place.source))}};
        printJson(out, json);
    } else if (options->bar) {
        out << formatStatusLine(statusLine(board, composed.countdowns, *calendar), *options->bar);
    } else {
        out << renderBoardText(board, *calendar,
                               TextStyle{env.terminal && !env.noColor, env.columns});
    }
    return 0;
}

}  // namespace solvane::cli
