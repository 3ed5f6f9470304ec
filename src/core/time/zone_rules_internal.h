// Loading zones for calendars: the cache of zones read from the database and
// the stamp that tells a calendar whether its zone's file has been replaced.
// Internal to the core.
#pragma once

#include <unicode/timezone.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// What was at a zone's file when it was read.
struct ZoneFileIdentity {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    bool operator==(const ZoneFileIdentity&) const = default;
};

struct ZoneStamp {
    std::string path;  // empty: rules that come from no file
    ZoneFileIdentity identity;
    bool operator==(const ZoneStamp&) const = default;
};

struct LoadedZone {
    std::unique_ptr<icu::TimeZone> zone;
    ZoneStamp stamp;
};

// The zone `id` as the database has it now (see zone_rules.h for the
// fallbacks); nullopt for a name that is not a zone.
std::optional<LoadedZone> loadZone(std::string_view id);

// Whether the file behind `stamp` is still the one that was read.
bool stampCurrent(const ZoneStamp& stamp);

}  // namespace solvane
