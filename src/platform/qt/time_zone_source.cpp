#include "platform/qt/time_zone_source.h"

#include <QDBusConnection>
#include <QFileInfo>

#include "core/time/calendar.h"
#include "core/time/zone_rules.h"
#include "platform/system_zone.h"

namespace solvane::platform {

namespace {

constexpr int kSettleMs = 100;

const QString kTimedateService = QStringLiteral("org.freedesktop.timedate1");
const QString kTimedatePath = QStringLiteral("/org/freedesktop/timedate1");
const QString kTimezoneProperty = QStringLiteral("Timezone");

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The zone the file at `path` gives: the link's, or for a copied zone file
// at the system's own path, what the C library and ICU make of it.
std::optional<std::string> readZone(const std::filesystem::path& path) {
    if (auto zone = zoneNamedByLink(path)) {
        return zone;
    }
    std::error_code error;
    if (path == kSystemLocaltimePath && std::filesystem::is_regular_file(path, error) &&
        !std::filesystem::is_symlink(path, error)) {
        return Calendar::current().zoneId();
    }
    return std::nullopt;
}

}  // namespace

SystemZoneSource::Settings SystemZoneSource::Settings::fromEnvironment() {
    return {.localtime = localtimePath(), .pinned = zonePinnedByEnvironment(), .systemBus = true};
}

SystemZoneSource::SystemZoneSource(QObject* parent)
    : SystemZoneSource(Settings::fromEnvironment(), parent) {}

SystemZoneSource::SystemZoneSource(Settings settings, QObject* parent)
    : ZoneSource(parent), settings_(std::move(settings)) {
    zone_ = settings_.pinned ? Calendar::current().zoneId()
                             : readZone(settings_.localtime).value_or(Calendar::current().zoneId());
    rules_ = Calendar::make(zone_, "en_US");

    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &SystemZoneSource::recheck);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    rewatch();

    if (settings_.systemBus && !settings_.pinned) {
        // Without a system bus, or without timedated on it, the link alone
        // tells: both are normal in containers and minimal sessions.
        QDBusConnection bus = QDBusConnection::systemBus();
        if (bus.isConnected()) {
            bus.connect(kTimedateService, kTimedatePath,
                        QStringLiteral("org.freedesktop.DBus.Properties"),
                        QStringLiteral("PropertiesChanged"), this,
                        SLOT(timedateChanged(QString, QVariantMap, QStringList)));
        }
    }
}

QStringList SystemZoneSource::watchedPaths() const {
    return watcher_.files() + watcher_.directories();
}

void SystemZoneSource::rewatch() {
    // Everything is watched afresh: a watch on a replaced link followed the
    // old file, and a link chain may now run through other folders.
    if (const QStringList watched = watchedPaths(); !watched.isEmpty()) {
        watcher_.removePaths(watched);
    }
    QStringList wanted;
    const auto want = [&](const std::filesystem::path& path) {
        for (const QString& p : {qpath(path), qpath(path.parent_path())}) {
            if (!wanted.contains(p) && QFileInfo::exists(p)) {
                wanted << p;
            }
        }
    };
    if (!settings_.pinned) {
        for (const auto& link : linkChain(settings_.localtime)) {
            want(link);
        }
    }
    // A package manager replaces a zone file by renaming a new one over it,
    // which its folder sees.
    if (isZoneName(zone_)) {
        want(zoneInfoDirectory() / zone_);
    }
    if (!wanted.isEmpty()) {
        watcher_.addPaths(wanted);
    }
}

void SystemZoneSource::recheck() {
    if (!settings_.pinned) {
        if (const auto zone = readZone(settings_.localtime); zone && *zone != zone_) {
            adopt(*zone);
            return;
        }
    }
    rewatch();
    if (rules_ && !rules_->rulesCurrent()) {
        rules_ = rules_->refreshed();
        emit rulesChanged();
    }
}

void SystemZoneSource::adopt(const std::string& zone) {
    if (zone == zone_) {
        return;
    }
    auto calendar = Calendar::make(zone, "en_US");
    if (!calendar) {
        return;
    }
    zone_ = zone;
    rules_ = std::move(calendar);
    rewatch();  // the new zone's file
    emit zoneChanged(QString::fromStdString(zone_));
}

void SystemZoneSource::timedateChanged(const QString& interface, const QVariantMap& changed,
                                       const QStringList& invalidated) {
    if (interface != kTimedateService) {
        return;
    }
    if (const auto it = changed.find(kTimezoneProperty); it != changed.end()) {
        adopt(it->toString().toStdString());
    } else if (invalidated.contains(kTimezoneProperty)) {
        recheck();
    }
}

}  // namespace solvane::platform
