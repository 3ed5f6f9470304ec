#include "core/model/reminders.h"

#include "core/util/translation.h"

#include <array>
#include <cstdio>

#include "core/model/json_forms.h"
#include "core/model/presets.h"
#include "core/model/rules.h"

namespace solvane {

namespace {

using json_forms::Json;

// Past days are kept a while, so a clock set back does not announce a day
// again; nothing older can come due.
constexpr std::int64_t kDaysRemembered = 40;

std::optional<std::string> dayText(Instant t, const Calendar& calendar) {
    const auto day = calendar.civilDate(t);
    if (!day) {
        return std::nullopt;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(day->year),
                  static_cast<int>(day->month), static_cast<int>(day->day));
    return std::string(text);
}

bool madeFrom(const Countdown& c, const CountdownPreset& preset) {
    return c.label == preset.title && c.start == preset.start && c.end == preset.end && c.recurs &&
           c.during == preset.during && c.symbol == preset.symbol && c.unit == CountUnit::days &&
           !c.customImage && !c.eventID && !c.feedCalendarID;
}

}  // namespace

bool isUntouchedStarter(const Countdown& countdown, const Calendar& calendar, Instant now) {
    // The starters depend on the hemisphere and on the season the store was
    // filled in, neither of which is on record: any of them counts. The
    // zone's clock changes do not depend on the hemisphere, so they are read
    // once for each season.
    for (const std::int64_t months : {0, 6}) {
        const Instant then = calendar.addMonths(now, months).value_or(now);
        PresetRegion region = PresetRegion::of(calendar, then, std::nullopt);
        for (const Hemisphere hemisphere : {Hemisphere::northern, Hemisphere::southern}) {
            region.hemisphere = hemisphere;
            for (const CountdownPreset& preset : starterPresets(calendar, region, then)) {
                if (madeFrom(countdown, preset)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool wantsReminder(const Countdown& countdown, const ReminderSettings& settings,
                   const Calendar& calendar, Instant now) {
    const auto chosen = settings.countdowns.find(countdown.id.toString());
    if (chosen != settings.countdowns.end()) {
        return chosen->second;
    }
    return !isUntouchedStarter(countdown, calendar, now);
}

ReminderRound reminderRound(const std::vector<Countdown>& countdowns,
                            const ReminderSettings& settings, const Calendar& calendar, Instant now,
                            const SentReminders& sent) {
    ReminderRound round;
    const auto past = calendar.addDays(now, -kDaysRemembered);
    const auto oldest = past ? dayText(*past, calendar) : std::nullopt;
    for (const ReminderKey& key : sent) {
        if (oldest && key.day >= *oldest) {
            round.sent.insert(key);
        }
    }
    if (!settings.enabled) {
        return round;
    }
    for (const Countdown& countdown : countdowns) {
        for (const Occurrence& occurrence : occurrences(countdown, now, calendar)) {
            if (calendar.dayDifference(occurrence.start, now) != 0) {
                continue;
            }
            const auto day = dayText(occurrence.start, calendar);
            if (!day) {
                continue;
            }
            ReminderKey key{countdown.id.toString(), *day};
            if (sent.contains(key) || !wantsReminder(countdown, settings, calendar, now)) {
                continue;
            }
            round.sent.insert(key);
            // "Summer starts today" for a span, "Winter solstice is today".
            std::string summary =
                withArguments(countdown.end ? translate("Reminders", "%1 starts today")
                                            : translate("Reminders", "%1 is today"),
                              {countdown.label});
            round.due.push_back({std::move(key), std::move(summary)});
        }
    }
    return round;
}

std::string encodeReminderSettings(const ReminderSettings& settings) {
    Json choices = Json::object();
    for (const auto& [id, on] : settings.countdowns) {
        choices[id] = on;
    }
    return json_forms::dump(Json{{"notify", settings.enabled}, {"countdowns", choices}}) + "\n";
}

ReminderSettings decodeReminderSettings(std::string_view bytes) {
    ReminderSettings settings;
    const auto parsed = json_forms::parseJson(bytes);
    if (!parsed || !parsed->is_object()) {
        return settings;
    }
    const Json& root = *parsed;
    if (const auto on = root.find("notify"); on != root.end() && on->is_boolean()) {
        settings.enabled = on->get<bool>();
    }
    if (const auto choices = root.find("countdowns");
        choices != root.end() && choices->is_object()) {
        for (const auto& [id, on] : choices->items()) {
            if (on.is_boolean()) {
                settings.countdowns[id] = on.get<bool>();
            }
        }
    }
    return settings;
}

std::string encodeSentReminders(const SentReminders& sent) {
    Json list = Json::array();
    for (const ReminderKey& key : sent) {
        list.push_back(Json{{"countdown", key.countdown}, {"day", key.day}});
    }
    return json_forms::dump(Json{{"sent", list}}) + "\n";
}

SentReminders decodeSentReminders(std::string_view bytes) {
    SentReminders sent;
    const auto parsed = json_forms::parseJson(bytes);
    if (!parsed || !parsed->is_object()) {
        return sent;
    }
    const auto list = parsed->find("sent");
    if (list == parsed->end() || !list->is_array()) {
        return sent;
    }
    for (const Json& entry : *list) {
        if (!entry.is_object()) {
            continue;
        }
        const auto id = entry.find("countdown");
        const auto day = entry.find("day");
        if (id != entry.end() && id->is_string() && day != entry.end() && day->is_string()) {
            sent.insert({id->get<std::string>(), day->get<std::string>()});
        }
    }
    return sent;
}

}  // namespace solvane
