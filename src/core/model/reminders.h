// Reminders: a notification on the day a countdown's occurrence starts, once
// per countdown and occurrence.
//
// The user's choices (one switch for all, one per countdown) and the widget
// host's record of what it has announced live in the programs' own
// configuration folder, never in the shared countdown records.
//
//   ReminderRound round = reminderRound(countdowns, settings, calendar, now, sent);
//   for (const DueReminder& r : round.due) notify(r.summary);
//   save(round.sent);
#pragma once

#include <compare>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/countdown.h"
#include "core/time/calendar.h"

namespace solvane {

struct ReminderSettings {
    bool enabled = true;
    // Explicit choices by countdown id (canonical text); a countdown not
    // listed takes its default (see wantsReminder).
    std::map<std::string, bool> countdowns;

    bool operator==(const ReminderSettings&) const = default;
};

// One occurrence of one countdown: its id and the local day it starts on.
struct ReminderKey {
    std::string countdown;
    std::string day;  // "2026-12-21"

    auto operator<=>(const ReminderKey&) const = default;
};

using SentReminders = std::set<ReminderKey>;

struct DueReminder {
    ReminderKey key;
    std::string summary;  // "Winter solstice is today"

    bool operator==(const DueReminder&) const = default;
};

// Whether the countdown is one of the starters a fresh store begins with,
// untouched: the user never asked for those, so they stay quiet unless the
// user turns them on.
bool isUntouchedStarter(const Countdown& countdown, const Calendar& calendar, Instant now);

// The user's choice for the countdown, or its default: on, except for an
// untouched starter. The global switch is not consulted.
bool wantsReminder(const Countdown& countdown, const ReminderSettings& settings,
                   const Calendar& calendar, Instant now);

struct ReminderRound {
    std::vector<DueReminder> due;  // in list order
    // `sent` with the due ones added and those of long-past days dropped.
    SentReminders sent;
};

// The countdowns whose occurrence starts on the local day of `now` (for a
// span, its first day), that the user wants to hear about and that `sent`
// does not hold yet.
ReminderRound reminderRound(const std::vector<Countdown>& countdowns,
                            const ReminderSettings& settings, const Calendar& calendar, Instant now,
                            const SentReminders& sent);

// The files' contents. Anything that cannot be read gives the defaults (no
// choices, nothing sent): a damaged record must not stop the reminders.
std::string encodeReminderSettings(const ReminderSettings& settings);
ReminderSettings decodeReminderSettings(std::string_view bytes);
std::string encodeSentReminders(const SentReminders& sent);
SentReminders decodeSentReminders(std::string_view bytes);

}  // namespace solvane
