#include "platform/weatherkit/weatherkit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

#include "core/model/json_forms.h"
#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "core/weather/open_meteo.h"
#include "platform/system_clock.h"
#include "platform/weatherkit/jwt.h"

namespace solvane::platform {
namespace {

namespace fs = std::filesystem;
using Json = json_forms::Json;

constexpr std::size_t kMaxCredentialsBytes = 64 * 1024;
constexpr std::size_t kMaxKeyBytes = 64 * 1024;
constexpr std::size_t kMaxWeatherBytes = 1024 * 1024;
constexpr std::size_t kMaxAttributionBytes = 64 * 1024;
constexpr std::size_t kMaxIdentifierLength = 256;
constexpr std::size_t kMaxKeyPathLength = 4096;
constexpr std::size_t kMaxUrlLength = 2048;
constexpr int kMaxJsonDepth = 32;

std::string weatherKitCase(std::string_view kase) {
    return "WeatherKitError." + std::string(kase);
}

Failure<WeatherError> missingCredentials() {
    return Failure{WeatherError::service(weatherKitCase("missingCredentials"))};
}
Failure<WeatherError> invalidCredentials() {
    return Failure{WeatherError::service(weatherKitCase("invalidCredentials"))};
}
Failure<WeatherError> invalidCoordinates() {
    return Failure{WeatherError::service(weatherKitCase("invalidCoordinates"))};
}
Failure<WeatherError> decodingFailed() {
    return Failure{WeatherError::decoding(weatherKitCase("decoding"))};
}

bool printableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

bool noControlCharacters(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

std::optional<std::string> identifier(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) {
        return std::nullopt;
    }
    auto text = it->get<std::string>();
    if (text.empty() || text.size() > kMaxIdentifierLength || !printableAscii(text)) {
        return std::nullopt;
    }
    return text;
}

std::string trimmedEndpoint(std::string_view endpoint) {
    while (!endpoint.empty() && endpoint.back() == '/') {
        endpoint.remove_suffix(1);
    }
    return std::string(endpoint);
}

// Whole Unix seconds for the token. A clock outside any plausible range
// still yields a token (the service then refuses it) rather than an overflow.
std::int64_t unixSeconds(Instant now) {
    const double unix = std::floor(now.unixSeconds());
    if (!std::isfinite(unix) || unix < 0 || unix > 1e12) {
        return 0;
    }
    return static_cast<std::int64_t>(unix);
}

const Json* member(const Json& object, const char* key) {
    const auto it = object.find(key);
    return (it == object.end() || it->is_null()) ? nullptr : &*it;
}

std::optional<double> finiteNumber(const Json* value) {
    if (value == nullptr || !value->is_number()) {
        return std::nullopt;
    }
    const double number = value->get<double>();
    return std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}

std::optional<double> requiredNumber(const Json& object, const char* key) {
    return finiteNumber(member(object, key));
}

// An absent or null optional number reads `fallback`; one of the wrong type
// still spoils the reply.
std::optional<double> optionalNumber(const Json& object, const char* key, double fallback) {
    const Json* value = member(object, key);
    return value == nullptr ? std::optional<double>(fallback) : finiteNumber(value);
}

std::string attributionUrl(std::string_view endpoint, std::string_view language) {
    return trimmedEndpoint(endpoint) + "/attribution/" + net::encodeQueryValue(language);
}

std::optional<std::string> resolveAgainst(std::string_view endpoint, const Json* value) {
    if (value == nullptr || !value->is_string()) {
        return std::nullopt;
    }
    const auto& ref = value->get_ref<const std::string&>();
    if (ref.empty() || ref.size() > kMaxUrlLength || !printableAscii(ref)) {
        return std::nullopt;
    }
    if (ref.starts_with("https://") || ref.starts_with("http://")) {
        return ref;
    }
    return trimmedEndpoint(endpoint) + (ref.front() == '/' ? "" : "/") + ref;
}

std::optional<std::string> logo(const Json& reply, std::string_view endpoint,
                                std::string_view appearance) {
    for (const char* scale : {"@2x", "@3x", "@1x"}) {
        const std::string key = "logo" + std::string(appearance) + scale;
        if (const Json* value = member(reply, key.c_str())) {
            return resolveAgainst(endpoint, value);
        }
    }
    return std::nullopt;
}

struct AttributionCache {
    std::mutex mutex;
    std::map<std::pair<std::string, std::string>, WeatherKitAttribution> entries;
};

AttributionCache& attributionCache() {
    static AttributionCache cache;
    return cache;
}

Result<WeatherKitCredentials, WeatherError> credentialsFor(const WeatherKitConfig& config) {
    return config.credentials ? config.credentials() : loadWeatherKitCredentials();
}

std::function<Instant()> clockFor(const WeatherKitConfig& config) {
    return config.clock ? config.clock : std::function<Instant()>(systemNow);
}

net::HttpRequest boundedRequest(const WeatherKitConfig& config, std::string url,
                                std::size_t maxBody, const net::CancelToken& cancel) {
    net::HttpRequest request;
    request.url = std::move(url);
    request.headers.emplace_back("Accept", "application/json");
    request.connectTimeoutSeconds = config.timeoutSeconds;
    request.totalTimeoutSeconds = config.timeoutSeconds;
    request.stallSeconds = config.timeoutSeconds;
    request.maxBodyBytes = maxBody;
    request.keptHeaders = {"Retry-After"};
    request.cancel = cancel;
    return request;
}

std::string weatherAddress(std::string_view endpoint, std::string_view language, double latitude,
                           double longitude, std::string_view dataSets, std::string_view timezone) {
    return trimmedEndpoint(endpoint) + "/api/v1/weather/" + net::encodeQueryValue(language) + "/" +
           coordinateText(latitude) + "/" + coordinateText(longitude) +
           "?dataSets=" + std::string(dataSets) + "&timezone=" + net::encodeQueryValue(timezone);
}

// --- The forecast ------------------------------------------------------------

// `block`.`key` of the reply: a list of one entry or more, and no more than a
// forecast holds.
const Json* entries(const Json& reply, const char* block, const char* key, std::size_t most) {
    const Json* forecast = member(reply, block);
    if (forecast == nullptr || !forecast->is_object()) {
        return nullptr;
    }
    const Json* list = member(*forecast, key);
    if (list == nullptr || !list->is_array() || list->empty() || list->size() > most) {
        return nullptr;
    }
    return list;
}

std::optional<Instant> forecastStart(const Json& entry) {
    const Json* start = member(entry, "forecastStart");
    if (start == nullptr || !start->is_string()) {
        return std::nullopt;
    }
    return parseIso8601(start->get_ref<const std::string&>());
}

struct EntryCondition {
    std::string name;
    std::string symbol;  // daytime form: the views decide the night from the sky
};

std::optional<EntryCondition> conditionOf(const Json& entry) {
    const Json* code = member(entry, "conditionCode");
    if (code == nullptr || !code->is_string()) {
        return std::nullopt;
    }
    const auto& text = code->get_ref<const std::string&>();
    return EntryCondition{weatherKitConditionText(text),
                          std::string(weatherKitConditionSymbol(text, true))};
}

// A fraction, held within 0…1, as a percentage; absent or null, none given.
// Anything else spoils the entry.
std::optional<std::optional<double>> chanceOf(const Json& entry) {
    const Json* value = member(entry, "precipitationChance");
    if (value == nullptr) {
        return std::optional<double>();
    }
    const auto fraction = finiteNumber(value);
    if (!fraction) {
        return std::nullopt;
    }
    return std::optional<double>(std::clamp(*fraction, 0.0, 1.0) * 100);
}

std::optional<HourForecast> hourFrom(const Json& entry) {
    if (!entry.is_object()) {
        return std::nullopt;
    }
    const auto start = forecastStart(entry);
    const auto temperature = requiredNumber(entry, "temperature");
    auto condition = conditionOf(entry);
    const auto chance = chanceOf(entry);
    const Json* daylight = member(entry, "daylight");
    if (!start || !temperature || !condition || !chance ||
        (daylight != nullptr && !daylight->is_boolean())) {
        return std::nullopt;
    }
    HourForecast hour;
    hour.time = *start;
    hour.temperatureC = *temperature;
    hour.condition = std::move(condition->name);
    hour.symbol = std::move(condition->symbol);
    hour.precipitationChance = *chance;
    hour.feelsLikeC = finiteNumber(member(entry, "temperatureApparent"));
    hour.windKph = finiteNumber(member(entry, "windSpeed"));
    hour.windDirection = finiteNumber(member(entry, "windDirection"));
    hour.gustKph = finiteNumber(member(entry, "windGust"));
    hour.precipitationMm = finiteNumber(member(entry, "precipitationAmount"));
    return hour;
}

std::optional<DayForecast> dayFrom(const Json& entry, const Calendar& zone) {
    if (!entry.is_object()) {
        return std::nullopt;
    }
    const auto start = forecastStart(entry);
    const auto date = start ? zone.civilDate(*start) : std::nullopt;
    const auto high = requiredNumber(entry, "temperatureMax");
    const auto low = requiredNumber(entry, "temperatureMin");
    auto condition = conditionOf(entry);
    const auto chance = chanceOf(entry);
    if (!date || !high || !low || !condition || !chance) {
        return std::nullopt;
    }
    DayForecast day;
    day.date = *date;
    day.highC = *high;
    day.lowC = *low;
    day.condition = std::move(condition->name);
    day.symbol = std::move(condition->symbol);
    day.precipitationChance = *chance;
    day.windKph = finiteNumber(member(entry, "windSpeedMax"));
    day.gustKph = finiteNumber(member(entry, "windGustSpeedMax"));
    day.precipitationMm = finiteNumber(member(entry, "precipitationAmount"));
    if (const Json* daytime = member(entry, "daytimeForecast"); daytime && daytime->is_object()) {
        day.windDirection = finiteNumber(member(*daytime, "windDirection"));
    }
    return day;
}

bool dateBefore(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// The zone the days were asked for; one ICU does not know cannot have been
// answered in its own terms, and UTC is the service's own default.
std::optional<Calendar> zoneCalendar(std::string_view timezone) {
    auto zone = Calendar::make(timezone, "en_US");
    return zone ? zone : Calendar::make("UTC", "en_US");
}

// Credentials, place and token checked in that order, failing before any
// request; then one signed GET, and the body of a 200 reply.
Result<std::string, WeatherError> signedGet(const WeatherKitConfig& config, double latitude,
                                            double longitude, std::string url,
                                            const net::CancelToken& cancel) {
    const auto credentials = credentialsFor(config);
    if (!credentials) {
        return Failure{credentials.error()};
    }
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90 ||
        std::abs(longitude) > 180) {
        return invalidCoordinates();
    }
    if (cancel.cancelled()) {
        return Failure{WeatherError::fromHttp(net::HttpError{net::HttpErrorKind::cancelled, {}})};
    }
    const auto token = makeWeatherKitToken(*credentials, clockFor(config)());
    if (!token) {
        return Failure{token.error()};
    }
    auto request = boundedRequest(config, std::move(url), kMaxWeatherBytes, cancel);
    request.headers.emplace_back("Authorization", "Bearer " + *token);
    auto reply = net::httpGet(request);
    if (!reply) {
        return Failure{WeatherError::fromHttp(reply.error())};
    }
    if (reply->status != 200) {
        return Failure{WeatherError::httpStatus("WeatherKitError", *reply)};
    }
    return std::move(reply->body);
}

}  // namespace

Result<WeatherKitCredentials, WeatherError> parseWeatherKitCredentials(std::string_view json,
                                                                       const fs::path& folder) {
    const auto parsed = json_forms::parseJson(json, kMaxJsonDepth);
    if (!parsed || !parsed->is_object()) {
        return invalidCredentials();
    }
    const Json& object = *parsed;
    auto teamId = identifier(object, "teamID");
    auto serviceId = identifier(object, "serviceID");
    auto keyId = identifier(object, "keyID");
    const auto keyFile = object.find("keyFile");
    if (!teamId || !serviceId || !keyId || keyFile == object.end() || !keyFile->is_string()) {
        return invalidCredentials();
    }
    const auto& keyText = keyFile->get_ref<const std::string&>();
    if (keyText.empty() || keyText.size() > kMaxKeyPathLength || !noControlCharacters(keyText)) {
        return invalidCredentials();
    }
    fs::path keyPath(keyText);
    if (keyPath.is_relative()) {
        keyPath = folder / keyPath;
    }
    return WeatherKitCredentials{std::move(*teamId), std::move(*serviceId), std::move(*keyId),
                                 std::move(keyPath)};
}

Result<WeatherKitCredentials, WeatherError> loadWeatherKitCredentialsFrom(const fs::path& file) {
    const auto text = readBoundedFile(file, kMaxCredentialsBytes);
    if (!text) {
        return text.error() == FileReadError::missing ? missingCredentials() : invalidCredentials();
    }
    return parseWeatherKitCredentials(*text, file.parent_path());
}

Result<WeatherKitCredentials, WeatherError> loadWeatherKitCredentials() {
    if (const char* explicitPath = std::getenv("SOLVANE_WEATHERKIT_CREDENTIALS");
        explicitPath != nullptr && *explicitPath != '\0') {
        return loadWeatherKitCredentialsFrom(explicitPath);
    }
    const fs::path folder = solvaneConfigFolder();
    if (folder.empty()) {
        return missingCredentials();
    }
    return loadWeatherKitCredentialsFrom(folder / "weatherkit.json");
}

Result<std::string, WeatherError> makeWeatherKitToken(const WeatherKitCredentials& credentials,
                                                      Instant now) {
    const std::int64_t issued = unixSeconds(now);
    Json header = Json::object();
    header["alg"] = "ES256";
    header["kid"] = credentials.keyId;
    header["id"] = credentials.teamId + "." + credentials.serviceId;
    Json claims = Json::object();
    claims["iss"] = credentials.teamId;
    claims["iat"] = issued;
    claims["exp"] = issued + static_cast<std::int64_t>(kWeatherKitTokenLifetimeSeconds);
    claims["sub"] = credentials.serviceId;
    // Credentials built by hand may hold any bytes; replacing bad UTF-8 keeps
    // the encoder from throwing, and such a token is simply refused later.
    const auto dump = [](const Json& value) {
        return value.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    const std::string signingInput =
        jwt::base64Url(dump(header)) + "." + jwt::base64Url(dump(claims));

    auto key = readBoundedFile(credentials.keyFile, kMaxKeyBytes);
    if (!key) {
        return invalidCredentials();
    }
    std::string& pem = *key;
    const auto signature = jwt::signEs256(pem, signingInput);
    jwt::wipeSecret(pem);
    if (!signature) {
        return invalidCredentials();
    }
    return signingInput + "." + jwt::base64Url(*signature);
}

std::string weatherKitUrl(std::string_view endpoint, std::string_view language, double latitude,
                          double longitude, std::string_view timezone) {
    return weatherAddress(endpoint, language, latitude, longitude, "currentWeather,forecastDaily",
                          timezone);
}

std::string weatherKitForecastUrl(std::string_view endpoint, std::string_view language,
                                  double latitude, double longitude, std::string_view timezone) {
    return weatherAddress(endpoint, language, latitude, longitude, "forecastHourly,forecastDaily",
                          timezone);
}

Result<WeatherSnapshot, WeatherError> parseWeatherKitReply(std::string_view body, double latitude,
                                                           double longitude, Instant fetched) {
    const auto parsed = json_forms::parseJson(body, kMaxJsonDepth);
    if (!parsed || !parsed->is_object()) {
        return decodingFailed();
    }
    const Json* current = member(*parsed, "currentWeather");
    if (current == nullptr || !current->is_object()) {
        return decodingFailed();
    }
    const auto temperature = requiredNumber(*current, "temperature");
    const auto apparent = requiredNumber(*current, "temperatureApparent");
    const auto windSpeed = requiredNumber(*current, "windSpeed");
    const auto cloudCover = requiredNumber(*current, "cloudCover");
    // Calm air has no direction, and the service may leave it out.
    const auto windDirection = optionalNumber(*current, "windDirection", 0);
    const Json* code = member(*current, "conditionCode");
    const Json* daylight = member(*current, "daylight");
    if (!temperature || !apparent || !windSpeed || !cloudCover || !windDirection ||
        code == nullptr || !code->is_string() || (daylight != nullptr && !daylight->is_boolean())) {
        return decodingFailed();
    }

    double high = *temperature;
    double low = *temperature;
    if (const Json* daily = member(*parsed, "forecastDaily")) {
        if (!daily->is_object()) {
            return decodingFailed();
        }
        if (const Json* days = member(*daily, "days")) {
            if (!days->is_array()) {
                return decodingFailed();
            }
            if (!days->empty()) {
                const Json& today = days->front();
                if (!today.is_object()) {
                    return decodingFailed();
                }
                const auto max = requiredNumber(today, "temperatureMax");
                const auto min = requiredNumber(today, "temperatureMin");
                if (!max || !min) {
                    return decodingFailed();
                }
                high = *max;
                low = *min;
            }
        }
    }

    const auto& conditionCode = code->get_ref<const std::string&>();
    const bool isDay = daylight == nullptr || daylight->get<bool>();
    WeatherSnapshot snapshot;
    snapshot.fetched = fetched;
    snapshot.latitude = latitude;
    snapshot.longitude = longitude;
    snapshot.source = WeatherSource::apple;
    snapshot.requested = WeatherSource::apple;
    snapshot.temperatureC = *temperature;
    snapshot.feelsLikeC = *apparent;
    snapshot.highC = high;
    snapshot.lowC = low;
    snapshot.condition = weatherKitConditionText(conditionCode);
    snapshot.symbol = std::string(weatherKitConditionSymbol(conditionCode, isDay));
    snapshot.windKph = *windSpeed;
    snapshot.windDirection = *windDirection;
    snapshot.cloudCover = std::clamp(*cloudCover, 0.0, 1.0) * 100;
    return snapshot;
}

WeatherKitConfig WeatherKitConfig::standard(std::string timezone, std::string language) {
    WeatherKitConfig config;
    if (const char* url = std::getenv("SOLVANE_WEATHERKIT_URL"); url != nullptr && *url != '\0') {
        config.endpoint = url;
    }
    config.language = language.empty() ? "en" : std::move(language);
    config.timezone = timezone.empty() ? "UTC" : std::move(timezone);
    config.clock = systemNow;
    config.credentials = loadWeatherKitCredentials;
    return config;
}

Result<WeatherSnapshot, WeatherError> fetchWeatherKit(const WeatherKitConfig& config,
                                                      double latitude, double longitude,
                                                      const net::CancelToken& cancel) {
    const auto body = signedGet(
        config, latitude, longitude,
        weatherKitUrl(config.endpoint, config.language, latitude, longitude, config.timezone),
        cancel);
    if (!body) {
        return Failure{body.error()};
    }
    auto snapshot = parseWeatherKitReply(*body, latitude, longitude, Instant{});
    if (snapshot) {
        snapshot->fetched = clockFor(config)();
    }
    return snapshot;
}

WeatherCall weatherKitCall(WeatherKitConfig config) {
    return [config = std::move(config)](double latitude, double longitude,
                                        const net::CancelToken& cancel) {
        return fetchWeatherKit(config, latitude, longitude, cancel);
    };
}

Result<Forecast, WeatherError> parseWeatherKitForecast(std::string_view body, double latitude,
                                                       double longitude, Instant fetched,
                                                       std::string_view timezone) {
    const auto parsed = json_forms::parseJson(body, kMaxJsonDepth);
    if (!parsed || !parsed->is_object()) {
        return decodingFailed();
    }
    const Json* hourList = entries(*parsed, "forecastHourly", "hours", kForecastMaxHours);
    const Json* dayList = entries(*parsed, "forecastDaily", "days", kForecastMaxDays);
    const auto zone = zoneCalendar(timezone);
    if (hourList == nullptr || dayList == nullptr || !zone) {
        return decodingFailed();
    }

    Forecast forecast;
    forecast.fetched = fetched;
    forecast.latitude = latitude;
    forecast.longitude = longitude;
    forecast.source = WeatherSource::apple;
    forecast.requested = WeatherSource::apple;
    forecast.zone = zone->zoneId();
    forecast.hours.reserve(hourList->size());
    for (const Json& entry : *hourList) {
        auto hour = hourFrom(entry);
        // Out of order is as broken as missing: the views take the first
        // hours after now as the next ones.
        if (!hour || (!forecast.hours.empty() && !(forecast.hours.back().time < hour->time))) {
            return decodingFailed();
        }
        forecast.hours.push_back(std::move(*hour));
    }
    forecast.days.reserve(dayList->size());
    for (const Json& entry : *dayList) {
        auto day = dayFrom(entry, *zone);
        if (!day || (!forecast.days.empty() && !dateBefore(forecast.days.back().date, day->date))) {
            return decodingFailed();
        }
        forecast.days.push_back(std::move(*day));
    }
    return forecast;
}

Result<Forecast, WeatherError> fetchWeatherKitForecast(const WeatherKitConfig& config,
                                                       double latitude, double longitude,
                                                       const net::CancelToken& cancel) {
    const auto body = signedGet(config, latitude, longitude,
                                weatherKitForecastUrl(config.endpoint, config.language, latitude,
                                                      longitude, config.timezone),
                                cancel);
    if (!body) {
        return Failure{body.error()};
    }
    auto forecast = parseWeatherKitForecast(*body, latitude, longitude, Instant{}, config.timezone);
    if (forecast) {
        forecast->fetched = clockFor(config)();
    }
    return forecast;
}

ForecastCall weatherKitForecastCall(WeatherKitConfig config) {
    return [config = std::move(config)](double latitude, double longitude,
                                        const net::CancelToken& cancel) {
        return fetchWeatherKitForecast(config, latitude, longitude, cancel);
    };
}

std::optional<WeatherKitAttribution> parseWeatherKitAttribution(std::string_view body,
                                                                std::string_view endpoint) {
    const auto parsed = json_forms::parseJson(body, kMaxJsonDepth);
    if (!parsed || !parsed->is_object()) {
        return std::nullopt;
    }
    const Json* name = member(*parsed, "serviceName");
    if (name == nullptr || !name->is_string() || name->get_ref<const std::string&>().empty() ||
        name->get_ref<const std::string&>().size() > kMaxIdentifierLength) {
        return std::nullopt;
    }
    auto light = logo(*parsed, endpoint, "Light");
    auto dark = logo(*parsed, endpoint, "Dark");
    std::optional<std::string> legal;
    if (const Json* page = member(*parsed, "legalPageURL")) {
        legal = resolveAgainst(endpoint, page);
    } else {
        legal = trimmedEndpoint(endpoint) + "/legal-attribution.html";
    }
    if (!light || !dark || !legal) {
        return std::nullopt;
    }
    return WeatherKitAttribution{name->get<std::string>(), std::move(*light), std::move(*dark),
                                 std::move(*legal)};
}

std::optional<WeatherKitAttribution> weatherKitAttribution(const WeatherKitConfig& config,
                                                           const net::CancelToken& cancel) {
    auto& cache = attributionCache();
    const auto key = std::make_pair(trimmedEndpoint(config.endpoint), config.language);
    {
        std::lock_guard lock(cache.mutex);
        if (const auto it = cache.entries.find(key); it != cache.entries.end()) {
            return it->second;
        }
    }
    // The lock is not held across the request: a slow service must not hold
    // up readers of an entry that is already there.
    auto request = boundedRequest(config, attributionUrl(config.endpoint, config.language),
                                  kMaxAttributionBytes, cancel);
    if (const auto credentials = credentialsFor(config)) {
        if (const auto token = makeWeatherKitToken(*credentials, clockFor(config)())) {
            request.headers.emplace_back("Authorization", "Bearer " + *token);
        }
    }
    const auto reply = net::httpGet(request);
    if (!reply || reply->status != 200) {
        return std::nullopt;
    }
    auto attribution = parseWeatherKitAttribution(reply->body, config.endpoint);
    if (!attribution) {
        return std::nullopt;
    }
    std::lock_guard lock(cache.mutex);
    // Two first calls may race; the earlier success stays, as readers may
    // already hold it.
    return cache.entries.emplace(key, std::move(*attribution)).first->second;
}

}  // namespace solvane::platform
