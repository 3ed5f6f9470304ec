// ICU views of a Calendar, for the core's own ICU-based code (text formats).
// Not part of the public interface.
#pragma once

#include <unicode/timezone.h>

#include <memory>

#include "core/time/calendar.h"

namespace solvane {

struct CalendarAccess {
    static std::unique_ptr<icu::TimeZone> zone(const Calendar& calendar);
};

}  // namespace solvane
