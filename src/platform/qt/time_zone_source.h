// Where the programs learn that the system time zone changed while they run:
// desktops switch it on arrival somewhere else through timedated, which
// replaces the /etc/localtime link and says so on the system bus.
//
// SystemZoneSource listens to timedate1's PropertiesChanged (Timezone) where
// the system bus and the service exist, and watches the localtime link, the
// links it passes through and their folders (replacing a link drops a watch
// on it, so the folders are watched too). zoneChanged() is emitted only when
// the zone in effect becomes another known zone; a link that names nothing
// known leaves the old zone in place, quietly. A set TZ pins the zone: no
// watching, no events.
//
//   platform::SystemZoneSource zones;
//   connect(&zones, &ZoneSource::zoneChanged, &host, &Host::zoneChanged);
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <filesystem>
#include <optional>
#include <string>

#include "core/time/calendar.h"

namespace solvane::platform {

class ZoneSource : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // An IANA zone id ("Europe/Berlin").
    virtual std::string zoneId() const = 0;

  signals:
    void zoneChanged(const QString& zoneId);
    // The same zone's rules were replaced in the database.
    void rulesChanged();
};

class SystemZoneSource final : public ZoneSource {
    Q_OBJECT

  public:
    struct Settings {
        std::filesystem::path localtime;
        bool pinned = false;
        bool systemBus = true;

        // SOLVANE_LOCALTIME_PATH or /etc/localtime, pinned when TZ is set.
        static Settings fromEnvironment();
    };

    explicit SystemZoneSource(QObject* parent = nullptr);
    explicit SystemZoneSource(Settings settings, QObject* parent = nullptr);

    std::string zoneId() const override { return zone_; }
    // The files watched now, for tests.
    QStringList watchedPaths() const;

  public slots:
    // Reads the link and the zone's file again and emits what changed.
    void recheck();

  private slots:
    void timedateChanged(const QString& interface, const QVariantMap& changed,
                         const QStringList& invalidated);

  private:
    void rewatch();
    void adopt(const std::string& zone);

    Settings settings_;
    std::string zone_;
    std::optional<Calendar> rules_;  // the zone as its file was when last read
    QFileSystemWatcher watcher_;
    // A link is replaced in several steps (a new link renamed over the old);
    // the zone is read once they have settled.
    QTimer settle_;
};

}  // namespace solvane::platform
