#include "app/update_checker.h"

#include "core/util/translation.h"

#include <QByteArray>
#include <QMetaObject>
#include <QXmlStreamReader>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/store/app_info.h"
#include "core/store/shared_store.h"
#include "core/util/bounded_file.h"
#include "platform/system_clock.h"

#ifndef SOLVANE_APP_VERSION
#define SOLVANE_APP_VERSION "0"
#endif

namespace fs = std::filesystem;

namespace solvane::app {

namespace {

// A feed of thousands of releases is not a real feed; stop reading there.
constexpr std::size_t kMaxAppcastItems = 1000;
constexpr std::size_t kMaxVersionLength = 64;
constexpr std::size_t kMaxUrlLength = 2048;
constexpr std::string_view kAppcastNamespace =
    "http://www.andymatuschak.org/xml-namespaces/sparkle";

bool isWebAddress(std::string_view url) {
    return url.size() <= kMaxUrlLength &&
           (url.starts_with("https://") || url.starts_with("http://"));
}

bool isAppcastName(const QXmlStreamReader& xml, QStringView local) {
    return xml.name() == local && (xml.namespaceUri() == QLatin1String(kAppcastNamespace) ||
                                   xml.prefix() == QLatin1String("sparkle"));
}

bool isAppcastAttribute(const QXmlStreamAttribute& attribute, QStringView local) {
    return attribute.name() == local &&
           (attribute.namespaceUri() == QLatin1String(kAppcastNamespace) ||
            attribute.prefix() == QLatin1String("sparkle"));
}

std::string trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

struct ItemFields {
    std::string version;
    std::string shortVersion;
    std::string enclosureUrl;
    std::string link;

    std::optional<AppcastItem> item() const {
        std::string chosen = shortVersion.empty() ? version : shortVersion;
        std::string url = !enclosureUrl.empty() ? enclosureUrl : link;
        if (chosen.empty() || chosen.size() > kMaxVersionLength || !isWebAddress(url)) {
            return std::nullopt;
        }
        return AppcastItem{std::move(chosen), std::move(url)};
    }
};

}  // namespace

UpdateInfo readUpdateInfo(const fs::path& file, std::string_view fallbackVersion) {
    const auto read = readAppInfo(file);
    if (!read) {
        return UpdateInfo{std::nullopt, std::string(fallbackVersion)};
    }
    return UpdateInfo{read->updateFeed, read->version.value_or(std::string(fallbackVersion))};
}

UpdateInfo readUpdateInfo() {
    // The first readable Info.json is the program's, as for the store.
    if (const auto found = findAppInfo()) {
        return readUpdateInfo(found->file, SOLVANE_APP_VERSION);
    }
    return UpdateInfo{std::nullopt, SOLVANE_APP_VERSION};
}

std::optional<std::vector<AppcastItem>> parseAppcast(std::string_view text) {
    if (text.size() > kMaxAppcastBytes) {
        return std::nullopt;
    }
    QXmlStreamReader xml(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    std::vector<AppcastItem> items;
    std::optional<ItemFields> current;
    std::size_t seen = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("item") && xml.namespaceUri().isEmpty()) {
                current = ItemFields{};
                continue;
            }
            if (!current) {
                continue;
            }
            if (xml.name() == QLatin1String("enclosure") && xml.namespaceUri().isEmpty()) {
                for (const auto& attribute : xml.attributes()) {
                    if (attribute.name() == QLatin1String("url") &&
                        attribute.namespaceUri().isEmpty()) {
                        current->enclosureUrl = trimmed(attribute.value().toString());
                    } else if (isAppcastAttribute(attribute, u"version")) {
                        current->version = trimmed(attribute.value().toString());
                    } else if (isAppcastAttribute(attribute, u"shortVersionString")) {
                        current->shortVersion = trimmed(attribute.value().toString());
                    }
                }
            } else if (isAppcastName(xml, u"version")) {
                current->version = trimmed(xml.readElementText());
            } else if (isAppcastName(xml, u"shortVersionString")) {
                current->shortVersion = trimmed(xml.readElementText());
            } else if (xml.name() == QLatin1String("link") && xml.namespaceUri().isEmpty()) {
                current->link = trimmed(xml.readElementText());
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("item") &&
                   current) {
            if (auto item = current->item()) {
                items.push_back(std::move(*item));
            }
            current.reset();
            if (++seen >= kMaxAppcastItems) {
                break;
            }
        }
    }
    if (xml.hasError() && seen < kMaxAppcastItems) {
        return std::nullopt;
    }
    return items;
}

namespace {

struct VersionPart {
    unsigned long long number = 0;
    std::string_view rest;
};

VersionPart splitPart(std::string_view part) {
    VersionPart result;
    std::size_t i = 0;
    while (i < part.size() && std::isdigit(static_cast<unsigned char>(part[i])) != 0) {
        // Saturate: absurdly long numbers compare as equal rather than wrap.
        if (result.number < 1'000'000'000'000ULL) {
            result.number = result.number * 10 + static_cast<unsigned>(part[i] - '0');
        }
        ++i;
    }
    result.rest = part.substr(i);
    return result;
}

std::vector<std::string_view> splitVersion(std::string_view version) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= version.size()) {
        const std::size_t dot = version.find('.', start);
        const std::size_t end = dot == std::string_view::npos ? version.size() : dot;
        parts.push_back(version.substr(start, end - start));
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return parts;
}

}  // namespace

int compareVersions(std::string_view a, std::string_view b) {
    const auto left = splitVersion(a);
    const auto right = splitVersion(b);
    const std::size_t count = std::max(left.size(), right.size());
    for (std::size_t i = 0; i < count; ++i) {
        const VersionPart x = splitPart(i < left.size() ? left[i] : std::string_view("0"));
        const VersionPart y = splitPart(i < right.size() ? right[i] : std::string_view("0"));
        if (x.number != y.number) {
            return x.number < y.number ? -1 : 1;
        }
        if (x.rest != y.rest) {
            // "3b1" is a pre-release of 3.
            if (x.rest.empty()) {
                return 1;
            }
            if (y.rest.empty()) {
                return -1;
            }
            return x.rest < y.rest ? -1 : 1;
        }
    }
    return 0;
}

namespace {

std::string transportFailure(net::HttpErrorKind kind) {
    switch (kind) {
        case net::HttpErrorKind::cannotConnect:
            return translate("UpdateChecker",
                             "Solvane couldn't check for updates: the update server could not be "
                             "reached. Check the connection and try again.");
        case net::HttpErrorKind::timedOut:
            return translate("UpdateChecker",
                             "Solvane couldn't check for updates: the update server did not answer "
                             "in time. Try again later.");
        case net::HttpErrorKind::secureConnectionFailed:
            return translate(
                "UpdateChecker",
                "Solvane couldn't check for updates: the secure connection to the update server "
                "failed. Check this computer's date and time, then try again.");
        case net::HttpErrorKind::invalidUrl:
            return translate("UpdateChecker",
                             "Solvane couldn't check for updates: the update feed's address "
                             "(UpdateFeed in Info.json) is not an http or https address.");
        case net::HttpErrorKind::cancelled:
            return translate("UpdateChecker",
                             "Solvane couldn't check for updates: the check was stopped.");
        case net::HttpErrorKind::tooLarge:
        case net::HttpErrorKind::tooManyRedirects:
        case net::HttpErrorKind::connectionLost:
        case net::HttpErrorKind::other:
            break;
    }
    return translate("UpdateChecker",
                     "Solvane couldn't check for updates: the update server's answer was cut off "
                     "or unusable. Try again later.");
}

std::string statusFailure(long status) {
    if (status == 404 || status == 410) {
        return translate("UpdateChecker",
                         "Solvane couldn't check for updates: the update feed is not at its "
                         "address any more. The address (UpdateFeed in Info.json) may be out of "
                         "date; a newer Solvane may be out.");
    }
    if (status >= 500) {
        return translate("UpdateChecker",
                         "Solvane couldn't check for updates: the update server had a problem. Try "
                         "again later.");
    }
    return translate("UpdateChecker",
                     "Solvane couldn't check for updates: the update server refused the request. "
                     "Try again later.");
}

}  // namespace

UpdateResult checkForUpdates(const UpdateInfo& info, const net::CancelToken& cancel) {
    UpdateResult result;
    result.version = info.version;
    if (!info.feed) {
        result.kind = UpdateResult::Kind::noFeed;
        result.message = translate("UpdateChecker", "No update feed is configured.");
        return result;
    }
    net::HttpRequest request;
    request.url = *info.feed;
    request.connectTimeoutSeconds = 10;
    request.totalTimeoutSeconds = 30;
    request.stallSeconds = 15;
    request.maxBodyBytes = kMaxAppcastBytes;
    request.maxRedirects = 3;
    request.cancel = cancel;
    auto reply = net::httpGet(request);
    if (!reply) {
        result.message = transportFailure(reply.error().kind);
        result.detail = reply.error().printable();
        return result;
    }
    if (reply->status != 200) {
        result.message = statusFailure(reply->status);
        result.detail = "HTTP " + std::to_string(reply->status);
        return result;
    }
    auto items = parseAppcast(reply->body);
    if (!items) {
        result.message = translate("UpdateChecker",
                                   "Solvane couldn't check for updates: the update feed could not "
                                   "be read. Try again later.");
        result.detail = "the feed is not well-formed XML";
        return result;
    }
    if (items->empty()) {
        result.message = translate("UpdateChecker",
                                   "Solvane couldn't check for updates: the update feed lists no "
                                   "versions. Try again later.");
        result.detail = "no item with a version and an http(s) address";
        return result;
    }
    // Feeds are usually newest first, but nothing promises it.
    const auto newest = std::max_element(items->begin(), items->end(),
                                         [](const AppcastItem& x, const AppcastItem& y) {
                                             return compareVersions(x.version, y.version) < 0;
                                         });
    if (compareVersions(newest->version, info.version) > 0) {
        result.kind = UpdateResult::Kind::available;
        result.version = newest->version;
        result.url = newest->url;
        result.message = withArguments(
            translate("UpdateChecker", "Solvane %1 is available — download it from %2."),
            {newest->version, newest->url});
    } else {
        result.kind = UpdateResult::Kind::upToDate;
        result.message = withArguments(
            translate("UpdateChecker", "You're up to date (Solvane %1)."), {info.version});
    }
    return result;
}

UpdateChecker::Config UpdateChecker::Config::standard() {
    Config config;
    config.info = readUpdateInfo();
    if (const fs::path folder = solvaneConfigFolder(); !folder.empty()) {
        config.stateFile = folder / "last-update-check";
    }
    config.clock = platform::systemNow;
    return config;
}

UpdateChecker::UpdateChecker(Config config, QObject* parent)
    : QObject(parent), config_(std::move(config)) {
    if (!config_.clock) {
        config_.clock = platform::systemNow;
    }
    worker_.setMaxThreadCount(1);
    timer_.setInterval(config_.pollInterval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (automaticCheckDue()) {
            start(false);
        }
    });
}

UpdateChecker::~UpdateChecker() {
    cancel_.cancel();
    worker_.waitForDone();
}

void UpdateChecker::checkNow() {
    start(true);
}

void UpdateChecker::startAutomaticChecks() {
    timer_.start();
    if (automaticCheckDue()) {
        start(false);
    }
}

bool UpdateChecker::automaticCheckDue() const {
    if (!config_.info.feed) {
        return false;
    }
    const auto last = lastAutomaticCheck();
    // A last check in the future means the clock was set back; check anyway
    // rather than wait out the difference.
    if (!last || *last > config_.clock()) {
        return true;
    }
    return config_.clock() - *last >= kUpdateCheckIntervalSeconds;
}

std::optional<Instant> UpdateChecker::lastAutomaticCheck() const {
    if (config_.stateFile.empty()) {
        return std::nullopt;
    }
    auto text = readBoundedFile(config_.stateFile, 64);
    if (!text) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double seconds = std::strtod(text->c_str(), &end);
    if (end == text->c_str() || !std::isfinite(seconds)) {
        return std::nullopt;
    }
    return Instant::fromUnix(seconds);
}

void UpdateChecker::recordAutomaticCheck(Instant when) const {
    if (config_.stateFile.empty()) {
        return;
    }
    std::error_code ec;
    fs::create_directories(config_.stateFile.parent_path(), ec);
    const fs::path temporary = config_.stateFile.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return;
        }
        out << static_cast<long long>(when.unixSeconds()) << '\n';
        if (!out) {
            return;
        }
    }
    fs::rename(temporary, config_.stateFile, ec);
}

void UpdateChecker::start(bool requested) {
    requested_ = requested_ || requested;
    if (checking_) {
        return;
    }
    checking_ = true;
    worker_.start([this, info = config_.info, cancel = cancel_] {
        UpdateResult result = checkForUpdates(info, cancel);
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result)] {
                const bool requested = std::exchange(requested_, false);
                checking_ = false;
                // Any answer, a failure included, counts as the day's check:
                // a feed that is down should not be asked again every hour.
                if (result.kind != UpdateResult::Kind::noFeed) {
                    recordAutomaticCheck(config_.clock());
                }
                emit checkFinished(result, requested);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace solvane::app
