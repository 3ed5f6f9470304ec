// The place a board is for before the user chooses one: the principal city of
// the user's time zone, so that a first board in Berlin shows Berlin's sun
// and a first board in Sydney the southern seasons.
//
// The city comes from the system's zone table (zone1970.tab, then the older
// zone.tab, in the time-zone database's folder): the coordinates of the zone's
// principal city, named in the user's language by ICU's exemplar city names
// ("Berlin", "ベルリン", "São Paulo"). A zone the tables do not place
// (Etc/UTC, an unknown name) keeps New York, the built-in default, and
// America/New_York keeps its exact coordinates. Nothing here is ever stored:
// a place the user chooses always wins.
//
//   BoardPlace p = defaultPlace(*Calendar::make("Europe/Berlin", "de_DE"));
//   // p.location {52.5, 13.3667, "Berlin"}, p.source == PlaceSource::zone
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/store/saved_location.h"
#include "core/time/calendar.h"
#include "core/time/zone_rules.h"
#include "core/util/enum_strings.h"

namespace solvane {

// Where the board's place came from.
enum class PlaceSource {
    saved,     // the user chose it
    zone,      // the time zone's principal city
    fallback,  // the built-in New York
    override,  // given for one run (solvane-board --lat/--lon)
};

template <>
struct EnumCases<PlaceSource> {
    static constexpr std::array<EnumCase<PlaceSource>, 4> list{{
        {PlaceSource::saved, "saved"},
        {PlaceSource::zone, "zone"},
        {PlaceSource::fallback, "default"},
        {PlaceSource::override, "override"},
    }};
};

struct BoardPlace {
    SavedLocation location;
    PlaceSource source = PlaceSource::saved;

    bool operator==(const BoardPlace&) const = default;
};

// The principal city of `zoneId` (or of a zone linked to it) in the zone
// tables under `zoneInfo`, named in `locale`; nothing when the tables do not
// place it or ICU has no name for it.
std::optional<SavedLocation> zoneCity(std::string_view zoneId, std::string_view locale,
                                      const std::filesystem::path& zoneInfo = zoneInfoDirectory());

// The zone of the principal city in the zone tables nearest to a place (by
// great-circle distance): the zone a place most likely keeps its clocks by,
// for services that date a forecast's days in a zone they are given. nullopt
// without tables or for a place that is not finite.
std::optional<std::string> nearestZone(double latitude, double longitude,
                                       const std::filesystem::path& zoneInfo = zoneInfoDirectory());

// The zone's city for the calendar's zone and locale, else New York.
BoardPlace defaultPlace(const Calendar& calendar,
                        const std::filesystem::path& zoneInfo = zoneInfoDirectory());

}  // namespace solvane
