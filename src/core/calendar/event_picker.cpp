#include "core/calendar/event_picker.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <unordered_set>
#include <utility>

#include "core/calendar/calendar_sync.h"
#include "core/time/text_format.h"

namespace solvane {

namespace {

std::string_view trimSpacesAndTabs(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Titles come in any script, so case folding is ICU's rather than ASCII's;
// bytes that are not UTF-8 become replacement characters and match nothing.
std::string lowercased(std::string_view text) {
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    unicode.toLower(icu::Locale::getRoot());
    std::string out;
    unicode.toUTF8String(out);
    return out;
}

}  // namespace

void EventPicker::load(EventStore& store, const AccessPrompt& prompt, Instant now,
                       const Calendar& calendar) {
    try {
        if (store.authorization() != CalendarAuthorization::fullAccess) {
            store.requestFullAccess(prompt);
        }
        setEvents(firstOccurrences(upcomingEvents(store, kPickerHorizonDays, now, calendar)));
    } catch (...) {
        // Only memory can run out here; an empty sheet is the honest result.
        setEvents({});
    }
}

std::vector<CalendarEvent> EventPicker::firstOccurrences(std::vector<CalendarEvent> events) {
    std::unordered_set<std::string> seen;
    std::erase_if(events, [&](const CalendarEvent& e) { return !seen.insert(e.itemId).second; });
    return events;
}

void EventPicker::setEvents(std::vector<CalendarEvent> events) {
    events_ = std::move(events);
    loaded_ = true;
}

std::vector<const CalendarEvent*> EventPicker::visibleEvents() const {
    std::vector<const CalendarEvent*> shown;
    for (const auto& event : events_) {
        if (matchesSearch(event, query_)) {
            shown.push_back(&event);
        }
    }
    return shown;
}

std::optional<std::string_view> EventPicker::emptyStateText(CalendarAuthorization current) const {
    if (!loaded_ || !events_.empty()) {
        return std::nullopt;
    }
    if (current == CalendarAuthorization::fullAccess) {
        return "No upcoming events in the next year.";
    }
    // The switch for calendar access in this build is the app's own, in the
    // Solvane menu's "Privacy & Security…" window.
    return "Solvane needs calendar access. Turn it on in Solvane \u203a Privacy & Security \u203a "
           "Calendars.";
}

bool matchesSearch(const CalendarEvent& event, std::string_view query) {
    const std::string needle = lowercased(trimSpacesAndTabs(query));
    return needle.empty() ||
           lowercased(event.title.value_or("")).find(needle) != std::string::npos ||
           lowercased(event.calendar.title).find(needle) != std::string::npos;
}

std::string rowTitle(const CalendarEvent& event) {
    return event.title.value_or("Event");
}

std::string rowDetail(const CalendarEvent& event, const Calendar& calendar) {
    return shortDateLabel(event.start, calendar) + " · " + event.calendar.title;
}

}  // namespace solvane
