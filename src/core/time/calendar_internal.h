// ICU views of a Calendar, for the core's own ICU-based code (text formats).
// Not part of the public interface.
#pragma once

#include <unicode/timezone.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/time/calendar.h"
#include "core/time/zone_rules_internal.h"

namespace solvane {

struct CalendarAccess {
    static std::unique_ptr<icu::TimeZone> zone(const Calendar& calendar);
    // Where the calendar's zone rules were read from.
    static const ZoneStamp& stamp(const Calendar& calendar);
    // A calendar on a zone already built, whose rules came from `stamp`.
    static std::optional<Calendar> make(std::string zoneId, std::unique_ptr<icu::TimeZone> zone,
                                        ZoneStamp stamp, std::string_view locale);
};

}  // namespace solvane
