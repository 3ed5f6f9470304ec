#include "platform/calendar/ics_file.h"

#include <libical/ical.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <strings.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/time/civil_days.h"

namespace solvane::platform {

namespace {

constexpr std::int64_t kDay = 86'400;
// Nothing a calendar means lasts longer; a longer DTEND or DURATION is damage.
constexpr std::int64_t kMaxLengthDays = 36'600;
constexpr std::int64_t kMaxLengthSeconds = kMaxLengthDays * kDay;
// Wall times and UTC differ by at most a day and two hours; every search
// window is widened by this so no zone can push an occurrence out of it.
constexpr std::int64_t kZoneSlack = 2 * kDay;
// Years outside this are damage, and keeping to it keeps all second counts
// far from overflow.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr double kMaxAbsUnixSeconds = 4e11;
// TZIDs with a vendor prefix are tried from each '/' on, but only so often.
constexpr std::size_t kMaxZoneNameBytes = 256;
constexpr int kMaxZoneSuffixes = 8;
constexpr std::size_t kMaxKnownZones = 512;
// A VTIMEZONE that names no zone ICU knows costs libical an expansion of all
// its changes on first use; real ones have two parts and files name one.
constexpr int kMaxZoneParts = 16;
constexpr int kMaxDefinedZonesPerFile = 4;
constexpr std::size_t kMaxSharedZones = 64;
constexpr std::size_t kMaxSharedZoneBytes = 16 * 1024;

using civil::civilFromDays;
using civil::daysFromCivil;
using civil::daysInMonth;
using civil::floorDiv;
using civil::Ymd;

// A DATE or DATE-TIME as written, before any zone applies.
struct Wall {
    int year = 1, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    bool date = false;

    std::int64_t dayNumber() const { return daysFromCivil(year, month, day); }
    std::int64_t seconds() const { return dayNumber() * kDay + hour * 3600 + minute * 60 + second; }
    bool operator==(const Wall&) const = default;
};

Wall wallAt(std::int64_t seconds, bool date) {
    const std::int64_t days = floorDiv(seconds, kDay);
    const std::int64_t rest = seconds - days * kDay;
    const Ymd ymd = civilFromDays(days);
    Wall w;
    w.year = static_cast<int>(ymd.year);
    w.month = static_cast<int>(ymd.month);
    w.day = static_cast<int>(ymd.day);
    w.date = date;
    if (!date) {
        w.hour = static_cast<int>(rest / 3600);
        w.minute = static_cast<int>(rest / 60 % 60);
        w.second = static_cast<int>(rest % 60);
    }
    return w;
}

std::optional<Wall> wallOf(const icaltimetype& t) {
    if (icaltime_is_null_time(t) || t.year < kFirstYear || t.year > kLastYear || t.month < 1 ||
        t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month)) {
        return std::nullopt;
    }
    Wall w;
    w.year = t.year;
    w.month = t.month;
    w.day = t.day;
    w.date = t.is_date != 0;
    if (!w.date) {
        if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
            t.second > 60) {
            return std::nullopt;
        }
        w.hour = t.hour;
        w.minute = t.minute;
        w.second = std::min(t.second, 59);  // a leap second is the second before
    }
    return w;
}

icaltimetype icalOf(const Wall& w) {
    icaltimetype t = icaltime_null_time();
    t.year = w.year;
    t.month = w.month;
    t.day = w.day;
    t.hour = w.date ? 0 : w.hour;
    t.minute = w.date ? 0 : w.minute;
    t.second = w.date ? 0 : w.second;
    t.is_date = w.date ? 1 : 0;
    t.zone = nullptr;
    return t;
}

// --- Zones -----------------------------------------------------------------------

struct ZoneFree {
    void operator()(icaltimezone* zone) const { icaltimezone_free(zone, 1); }
};

// How the wall times of one TZID become instants. No zone at all (a null
// ZoneRef) means the user's zone.
struct Zone {
    enum class Kind { utc, named, defined };
    Kind kind = Kind::utc;
    std::optional<Calendar> named;          // a zone of the system database
    std::shared_ptr<icaltimezone> defined;  // the file's own VTIMEZONE
};
using ZoneRef = std::shared_ptr<const Zone>;

const ZoneRef& utcZone() {
    static const ZoneRef utc = std::make_shared<const Zone>();
    return utc;
}

// Outlook and Exchange name zones the Windows way ("W. Europe Standard
// Time"); ICU knows which IANA zone each stands for.
std::optional<Calendar> windowsZone(const std::string& name) {
    const icu::UnicodeString windows = icu::UnicodeString::fromUTF8(
        icu::StringPiece(name.data(), static_cast<std::int32_t>(name.size())));
    icu::UnicodeString iana;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getIDForWindowsID(windows, nullptr, iana, status);
    if (U_FAILURE(status) || iana.isEmpty()) {
        return std::nullopt;
    }
    std::string id;
    iana.toUTF8String(id);
    return Calendar::make(id, "en_US");
}

// The zone an IANA or Windows name stands for, from the same database as the
// user's calendar rather than through libical, whose reading of the system's
// zone files does not know the rules after the last transition written in
// them.
std::optional<Calendar> knownZone(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, std::optional<Calendar>, std::less<>> known;
    std::lock_guard lock(mutex);
    if (const auto it = known.find(name); it != known.end()) {
        // A tzdata upgrade while the program runs reaches events too.
        if (it->second) {
            it->second = it->second->refreshed();
        }
        return it->second;
    }
    auto zone = Calendar::make(name, "en_US");
    if (!zone) {
        zone = windowsZone(name);
    }
    // Names come from files, so the memory of them is bounded.
    if (known.size() < kMaxKnownZones) {
        known.emplace(name, zone);
    }
    return zone;
}

bool hasPart(const short* values) {
    return values[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

// libical expands a VTIMEZONE's rules into every change up to the year it
// needs; a sub-yearly rule would make that millions of changes. Real zones
// only ever change once or twice a year.
bool hasOnlyYearlyRules(icalcomponent* vtimezone) {
    int parts = 0;
    for (icalcomponent* part = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT);
         part != nullptr; part = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
        if (++parts > kMaxZoneParts) {
            return false;
        }
        for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype r = icalproperty_get_rrule(p);
            if (r.freq != ICAL_YEARLY_RECURRENCE || hasPart(r.by_second) || hasPart(r.by_minute) ||
                hasPart(r.by_hour) || hasPart(r.by_year_day) || hasPart(r.by_week_no) ||
                hasPart(r.by_set_pos)) {
                return false;
            }
        }
    }
    return parts > 0;
}

// A BYMONTHDAY that no month of the rule has (the 30th of February) leaves
// the rule empty, and libical finds that out by walking every day to its
// last year.
bool hasPossibleMonthDay(const icalrecurrencetype& r) {
    if (!hasPart(r.by_month_day)) {
        return true;
    }
    for (int month = 1; month <= 12; ++month) {
        bool allowed = !hasPart(r.by_month);
        for (int i = 0; i < ICAL_BY_MONTH_SIZE && r.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
            allowed = allowed || icalrecurrencetype_month_month(r.by_month[i]) == month;
        }
        const int days = month == 2 ? 29 : daysInMonth(2001, month);
        for (int i = 0;
             allowed && i < ICAL_BY_MONTHDAY_SIZE && r.by_month_day[i] != ICAL_RECURRENCE_ARRAY_MAX;
             ++i) {
            const int day = r.by_month_day[i];
            if (day != 0 && std::abs(day) <= days) {
                return true;
            }
        }
    }
    return false;
}

std::shared_ptr<icaltimezone> newDefinedZone(icalcomponent* vtimezone) {
    icaltimezone* zone = icaltimezone_new();
    if (zone == nullptr) {
        return nullptr;
    }
    std::shared_ptr<icaltimezone> owned(zone, ZoneFree{});
    icalcomponent* copy = icalcomponent_new_clone(vtimezone);
    if (copy == nullptr) {
        return nullptr;
    }
    // The zone owns the copy only once it has accepted it.
    if (icaltimezone_set_component(zone, copy) == 0) {
        icalcomponent_free(copy);
        return nullptr;
    }
    return owned;
}

// Items of one calendar each carry the same VTIMEZONE; sharing one zone per
// definition spares libical from expanding it again for every item.
std::shared_ptr<icaltimezone> definedZone(icalcomponent* vtimezone) {
    if (!hasOnlyYearlyRules(vtimezone)) {
        return nullptr;
    }
    char* text = icalcomponent_as_ical_string_r(vtimezone);
    if (text == nullptr) {
        return nullptr;
    }
    std::string definition(text);
    icalmemory_free_buffer(text);
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<icaltimezone>> shared;
    std::lock_guard lock(mutex);
    if (const auto it = shared.find(definition); it != shared.end()) {
        return it->second;
    }
    auto zone = newDefinedZone(vtimezone);
    if (zone && shared.size() < kMaxSharedZones && definition.size() <= kMaxSharedZoneBytes) {
        shared.emplace(std::move(definition), zone);
    }
    return zone;
}

// The instant a written time names. Dates are local midnights of the user's
// calendar, as all-day events are days of the user's calendar.
std::optional<Instant> instantOf(const Wall& w, const ZoneRef& zone, const Calendar& user) {
    const std::int64_t secondsIntoHour = w.minute * 60 + w.second;
    if (w.date) {
        return user.date(w.year, w.month, w.day);
    }
    if (!zone) {
        const auto hour = user.date(w.year, w.month, w.day, w.hour);
        return hour ? std::optional(*hour + static_cast<double>(secondsIntoHour)) : std::nullopt;
    }
    switch (zone->kind) {
        case Zone::Kind::utc:
            return Instant::fromUnix(static_cast<double>(w.seconds()));
        case Zone::Kind::named: {
            const auto hour = zone->named->date(w.year, w.month, w.day, w.hour);
            return hour ? std::optional(*hour + static_cast<double>(secondsIntoHour))
                        : std::nullopt;
        }
        case Zone::Kind::defined:
            return Instant::fromUnix(
                static_cast<double>(icaltime_as_timet_with_zone(icalOf(w), zone->defined.get())));
    }
    return std::nullopt;
}

// --- Events ----------------------------------------------------------------------

struct Moment {
    Wall wall;
    ZoneRef zone;
};

std::optional<Instant> instantOf(const Moment& m, const Calendar& user) {
    return instantOf(m.wall, m.zone, user);
}

enum class RuleKind {
    none,
    stepping,  // a sub-daily rule without BY parts: fixed steps of wall time
    libical,   // anything else, through libical's iterator
};

// A VEVENT: a single event, the master of a repeating one, or one of its
// overridden instances.
struct Event {
    std::string uid;
    std::optional<std::string> title;
    Moment start;
    bool allDay = false;
    bool cancelled = false;
    std::optional<Moment> end;                    // DTEND, timed events
    std::optional<std::int64_t> durationSeconds;  // DURATION, timed events
    std::int64_t days = 1;                        // all-day events
    bool ownLength = false;                       // DTEND or DURATION was given
    std::optional<Moment> recurrenceId;

    RuleKind ruleKind = RuleKind::none;
    std::string rule;  // RRULE text for libical, without UNTIL
    std::int64_t stepSeconds = 0;
    int count = 0;  // 0: no COUNT
    std::optional<Moment> until;
    std::vector<Moment> rdates;
    std::vector<Moment> exdates;
    std::vector<Event> overrides;

    bool repeats() const {
        return ruleKind != RuleKind::none || !rdates.empty() || !overrides.empty();
    }
};

struct Length {
    std::int64_t seconds = 0;  // timed
    std::int64_t days = 1;     // all-day
};

Length lengthOf(const Event& e, const Calendar& user) {
    if (e.allDay) {
        return {0, e.days};
    }
    if (e.durationSeconds) {
        return {*e.durationSeconds, 0};
    }
    if (e.end) {
        const auto start = instantOf(e.start, user);
        const auto end = instantOf(*e.end, user);
        if (start && end && *end > *start) {
            return {static_cast<std::int64_t>(
                        std::min<double>(std::llround(*end - *start), kMaxLengthSeconds)),
                    0};
        }
    }
    return {0, 0};
}

std::string cutUtf8(std::string text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
    return text;
}

std::int64_t durationSeconds(const icaldurationtype& d) {
    const std::int64_t total =
        static_cast<std::int64_t>(d.weeks) * 7 * kDay + static_cast<std::int64_t>(d.days) * kDay +
        static_cast<std::int64_t>(d.hours) * 3600 + static_cast<std::int64_t>(d.minutes) * 60 +
        static_cast<std::int64_t>(d.seconds);
    return d.is_neg != 0 ? 0 : std::clamp<std::int64_t>(total, 0, kMaxLengthSeconds);
}

// libical frees a component tree recursively, so a file nested deep enough
// would overflow the stack; real calendars nest four deep. A line that
// libical could take for BEGIN counts, and only a plain END: closes, so the
// count never falls below libical's own depth.
bool nestingWithin(std::string_view bytes, int limit) {
    int depth = 0;
    bool lineStart = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (lineStart) {
            const std::string_view rest = bytes.substr(i, 5);
            if (rest.size() == 5 && strncasecmp(rest.data(), "BEGIN", 5) == 0) {
                if (++depth > limit) {
                    return false;
                }
            } else if (rest.size() >= 4 && strncasecmp(rest.data(), "END", 3) == 0 &&
                       (rest[3] == ':' || rest[3] == ';')) {
                depth = std::max(0, depth - 1);
            }
        }
        lineStart = bytes[i] == '\n' || bytes[i] == '\r';
    }
    return true;
}

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

void quietLibical() {
    static std::once_flag once;
    // A build of libical with fatal errors would abort on the first bad file.
    std::call_once(once, [] { icalerror_set_errors_are_fatal(0); });
}

const char* zoneIdOf(icalproperty* p) {
    icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
}

struct Contents {
    std::optional<std::string> name;
    std::optional<std::string> color;
    std::vector<Event> events;
    std::size_t components = 0;  // VEVENTs kept, overrides included
};

class Parser {
  public:
    Parser(Contents& out, std::string_view fallbackUid) : out_(out), fallbackUid_(fallbackUid) {}

    void read(icalcomponent* root) {
        std::vector<icalcomponent*> calendars;
        const icalcomponent_kind kind = icalcomponent_isa(root);
        if (kind == ICAL_VCALENDAR_COMPONENT || kind == ICAL_VEVENT_COMPONENT) {
            calendars.push_back(root);
        } else if (kind == ICAL_XROOT_COMPONENT) {
            for (icalcomponent* c =
                     icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
                 c != nullptr;
                 c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
                calendars.push_back(c);
            }
        }
        for (icalcomponent* calendar : calendars) {
            readCalendarProperties(calendar);
            for (icalcomponent* z =
                     icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
                 z != nullptr;
                 z = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
                icalproperty* tzid = icalcomponent_get_first_property(z, ICAL_TZID_PROPERTY);
                const char* id = tzid != nullptr ? icalproperty_get_tzid(tzid) : nullptr;
                if (id != nullptr) {
                    vtimezones_.emplace(id, z);
                }
            }
        }
        std::vector<Event> overrides;
        for (icalcomponent* calendar : calendars) {
            if (icalcomponent_isa(calendar) == ICAL_VEVENT_COMPONENT) {
                readEvent(calendar, overrides);
                continue;
            }
            for (icalcomponent* e =
                     icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
                 e != nullptr;
                 e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
                readEvent(e, overrides);
            }
        }
        attach(std::move(overrides));
    }

  private:
    void readCalendarProperties(icalcomponent* calendar) {
        if (icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
            return;
        }
        std::optional<std::string> appleColor;
        for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_ANY_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(calendar, ICAL_ANY_PROPERTY)) {
            const icalproperty_kind kind = icalproperty_isa(p);
            if (kind == ICAL_COLOR_PROPERTY && !out_.color) {
                if (const char* c = icalproperty_get_color(p); c != nullptr && *c != '\0') {
                    out_.color = cutUtf8(c, kMaxIcsTitleBytes);
                }
            } else if (kind == ICAL_X_PROPERTY) {
                const char* name = icalproperty_get_x_name(p);
                const char* value = icalproperty_get_x(p);
                if (name == nullptr || value == nullptr || *value == '\0') {
                    continue;
                }
                if (strcasecmp(name, "X-WR-CALNAME") == 0 && !out_.name) {
                    out_.name = cutUtf8(value, kMaxIcsTitleBytes);
                } else if (strcasecmp(name, "X-APPLE-CALENDAR-COLOR") == 0 && !appleColor) {
                    appleColor = cutUtf8(value, kMaxIcsTitleBytes);
                }
            }
        }
        if (!out_.color) {
            out_.color = appleColor;
        }
    }

    ZoneRef zoneFor(const char* id) {
        const std::string name(id);
        if (const auto it = zones_.find(name); it != zones_.end()) {
            return it->second;
        }
        ZoneRef zone;
        if (name.size() <= kMaxZoneNameBytes) {
            std::optional<Calendar> iana = knownZone(name);
            // "/freeassociation.sourceforge.net/Tzfile/Europe/Berlin" and
            // other vendor prefixes end in the IANA name.
            if (!iana && name.starts_with('/')) {
                std::size_t slash = 0;
                for (int tries = 0; !iana && tries < kMaxZoneSuffixes; ++tries) {
                    slash = name.find('/', slash + 1);
                    if (slash == std::string::npos) {
                        break;
                    }
                    iana = knownZone(name.substr(slash + 1));
                }
            }
            if (iana) {
                zone = std::make_shared<const Zone>(Zone{Zone::Kind::named, std::move(iana), {}});
            }
        }
        if (!zone && definedZones_ < kMaxDefinedZonesPerFile) {
            if (const auto it = vtimezones_.find(name); it != vtimezones_.end()) {
                ++definedZones_;
                if (auto defined = definedZone(it->second)) {
                    zone = std::make_shared<const Zone>(
                        Zone{Zone::Kind::defined, std::nullopt, std::move(defined)});
                }
            }
        }
        zones_.emplace(name, zone);
        return zone;
    }

    // A time property's value with its zone: its own TZID, UTC for "Z", else
    // `fallback` (the event's own zone for everything but DTSTART, as
    // producers that leave TZID off an EXDATE mean the event's zone).
    std::optional<Moment> moment(icalproperty* p, const icaltimetype& t, const ZoneRef& fallback) {
        const auto wall = wallOf(t);
        if (!wall) {
            return std::nullopt;
        }
        if (wall->date) {
            return Moment{*wall, nullptr};
        }
        if (const char* id = zoneIdOf(p); id != nullptr && *id != '\0') {
            return Moment{*wall, zoneFor(id)};
        }
        if (icaltime_is_utc(t)) {
            return Moment{*wall, utcZone()};
        }
        return Moment{*wall, fallback};
    }

    void readRule(icalproperty* p, Event& e) {
        const icalrecurrencetype r = icalproperty_get_rrule(p);
        if (r.freq == ICAL_NO_RECURRENCE || r.count < 0 ||
            (r.rscale != nullptr && strcasecmp(r.rscale, "GREGORIAN") != 0)) {
            return;
        }
        if (!icaltime_is_null_time(r.until)) {
            const ZoneRef zone = icaltime_is_utc(r.until) ? utcZone() : e.start.zone;
            const auto wall = wallOf(r.until);
            if (!wall) {
                return;
            }
            e.until = Moment{*wall, wall->date ? nullptr : zone};
        }
        e.count = r.count;
        const std::int64_t interval = std::max<std::int64_t>(1, r.interval);
        if (r.freq == ICAL_SECONDLY_RECURRENCE || r.freq == ICAL_MINUTELY_RECURRENCE ||
            r.freq == ICAL_HOURLY_RECURRENCE) {
            // Between two matches of a BY part libical walks every second,
            // minute or hour, which can be years of steps per call.
            if (hasPart(r.by_second) || hasPart(r.by_minute) || hasPart(r.by_hour) ||
                hasPart(r.by_day) || hasPart(r.by_month_day) || hasPart(r.by_year_day) ||
                hasPart(r.by_week_no) || hasPart(r.by_month) || hasPart(r.by_set_pos) || e.allDay) {
                return;
            }
            const std::int64_t unit = r.freq == ICAL_SECONDLY_RECURRENCE   ? 1
                                      : r.freq == ICAL_MINUTELY_RECURRENCE ? 60
                                                                           : 3600;
            e.ruleKind = RuleKind::stepping;
            e.stepSeconds = interval * unit;
            return;
        }
        if (!hasPossibleMonthDay(r)) {
            return;
        }
        // UNTIL is applied here, as an instant: libical would compare a
        // zoned wall time with a UTC UNTIL as if both were UTC.
        icalrecurrencetype rule = r;
        rule.until = icaltime_null_time();
        rule.interval = static_cast<short>(interval);
        rule.rscale = nullptr;
        char* text = icalrecurrencetype_as_string_r(&rule);
        if (text == nullptr) {
            return;
        }
        e.rule = text;
        icalmemory_free_buffer(text);
        e.ruleKind = RuleKind::libical;
    }

    void readEvent(icalcomponent* component, std::vector<Event>& overrides) {
        Event e;
        icalproperty* start = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY);
        icalproperty* recurrence =
            icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY);
        std::optional<Moment> startMoment;
        if (start != nullptr) {
            startMoment = moment(start, icalproperty_get_dtstart(start), nullptr);
        }
        if (recurrence != nullptr) {
            e.recurrenceId = moment(recurrence, icalproperty_get_recurrenceid(recurrence),
                                    startMoment ? startMoment->zone : nullptr);
            if (!e.recurrenceId) {
                return;
            }
            if (!startMoment) {
                startMoment = e.recurrenceId;
            }
        }
        if (!startMoment) {
            return;
        }
        e.start = *startMoment;
        e.allDay = e.start.wall.date;

        if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_UID_PROPERTY)) {
            if (const char* uid = icalproperty_get_uid(p); uid != nullptr) {
                e.uid = uid;
            }
        }
        if (e.uid.empty()) {
            e.uid = std::string(fallbackUid_) + "#" + std::to_string(unnamed_++);
        }
        if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_SUMMARY_PROPERTY)) {
            if (const char* summary = icalproperty_get_summary(p);
                summary != nullptr && *summary != '\0') {
                e.title = cutUtf8(summary, kMaxIcsTitleBytes);
            }
        }
        if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_STATUS_PROPERTY)) {
            e.cancelled = icalproperty_get_status(p) == ICAL_STATUS_CANCELLED;
        }
        readLength(component, e);

        if (e.recurrenceId) {
            overrides.push_back(std::move(e));
            ++out_.components;
            return;
        }
        if (icalproperty* p = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY)) {
            readRule(p, e);
        }
        for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
            const icaltimetype t =
                icaltime_is_null_time(value.time) ? value.period.start : value.time;
            if (auto m = moment(p, t, e.start.zone)) {
                e.rdates.push_back(std::move(*m));
            }
        }
        for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
            if (auto m = moment(p, icalproperty_get_exdate(p), e.start.zone)) {
                e.exdates.push_back(std::move(*m));
            }
        }
        out_.events.push_back(std::move(e));
        ++out_.components;
    }

    void readLength(icalcomponent* component, Event& e) {
        icalproperty* end = icalcomponent_get_first_property(component, ICAL_DTEND_PROPERTY);
        icalproperty* duration =
            icalcomponent_get_first_property(component, ICAL_DURATION_PROPERTY);
        if (end != nullptr) {
            if (auto m = moment(end, icalproperty_get_dtend(end), e.start.zone)) {
                e.ownLength = true;
                if (e.allDay) {
                    const std::int64_t days = m->wall.dayNumber() - e.start.wall.dayNumber();
                    e.days = std::clamp<std::int64_t>(days, 1, kMaxLengthDays);
                } else {
                    e.end = std::move(*m);
                }
                return;
            }
        }
        if (duration != nullptr) {
            const std::int64_t seconds = durationSeconds(icalproperty_get_duration(duration));
            e.ownLength = true;
            if (e.allDay) {
                e.days = std::clamp<std::int64_t>(seconds / kDay, 1, kMaxLengthDays);
            } else {
                e.durationSeconds = seconds;
            }
        }
    }

    // Overridden instances join the event they override; one whose event is
    // not in the file stands on its own.
    void attach(std::vector<Event> overrides) {
        std::unordered_map<std::string_view, std::size_t> masters;
        for (std::size_t i = 0; i < out_.events.size(); ++i) {
            masters.emplace(out_.events[i].uid, i);
        }
        std::vector<Event> orphans;
        for (auto& o : overrides) {
            const auto it = masters.find(o.uid);
            if (it == masters.end()) {
                o.recurrenceId.reset();
                orphans.push_back(std::move(o));
                continue;
            }
            Event& master = out_.events[it->second];
            if (!o.title) {
                o.title = master.title;
            }
            master.overrides.push_back(std::move(o));
        }
        for (auto& o : orphans) {
            out_.events.push_back(std::move(o));
        }
    }

    Contents& out_;
    std::string_view fallbackUid_;
    std::size_t unnamed_ = 0;
    int definedZones_ = 0;
    std::map<std::string, icalcomponent*> vtimezones_;
    std::map<std::string, ZoneRef> zones_;
};

// --- Occurrences -------------------------------------------------------------------

struct Query {
    Instant from;
    Instant to;
    const Calendar& user;
    ExpansionBudget& budget;
    std::vector<IcsOccurrence>& out;
};

std::int64_t unixSecondsOf(Instant t) {
    const double s = std::isfinite(t.unixSeconds()) ? t.unixSeconds() : 0.0;
    return static_cast<std::int64_t>(std::clamp(s, -kMaxAbsUnixSeconds, kMaxAbsUnixSeconds));
}

void emit(const Event& e, const Moment& start, const Length& length, Query& q) {
    if (q.budget.full()) {
        return;
    }
    const auto begin = instantOf(start, q.user);
    if (!begin) {
        return;
    }
    std::optional<Instant> end = *begin + static_cast<double>(length.seconds);
    if (e.allDay) {
        const Wall& w = start.wall;
        end = q.user.date(w.year, w.month, w.day + length.days);
    }
    if (!end || *end < *begin) {
        end = begin;
    }
    if (*begin < q.to && (*end > q.from || *begin >= q.from)) {
        q.out.push_back({&e.uid, &e.title, *begin, *end, e.allDay});
        q.budget.take();
    }
}

// The instances a repeating event leaves out: EXDATEs, and the originals of
// its overridden instances.
struct Exclusions {
    std::unordered_set<double> instants;
    std::unordered_set<std::int64_t> days;

    bool contains(const Moment& m, std::optional<Instant> at) const {
        return days.count(m.wall.dayNumber()) != 0 || (at && instants.count(at->seconds) != 0);
    }
};

Exclusions exclusionsOf(const Event& e, const Calendar& user) {
    Exclusions ex;
    auto add = [&](const Moment& m) {
        if (m.wall.date || e.allDay) {
            ex.days.insert(m.wall.dayNumber());
        } else if (const auto at = instantOf(m, user)) {
            ex.instants.insert(at->seconds);
        }
    };
    for (const auto& m : e.exdates) {
        add(m);
    }
    for (const auto& o : e.overrides) {
        add(*o.recurrenceId);
    }
    return ex;
}

void expandRepeating(const Event& e, const Length& length, Query& q) {
    const Exclusions excluded = exclusionsOf(e, q.user);
    std::unordered_set<double> seen;
    auto consider = [&](const Moment& m) {
        const auto at = instantOf(m, q.user);
        if (!at || excluded.contains(m, e.allDay ? std::nullopt : at) ||
            !seen.insert(at->seconds).second) {
            return;
        }
        emit(e, m, length, q);
    };
    std::optional<Instant> untilInstant;
    if (e.until && !e.until->wall.date) {
        untilInstant = instantOf(*e.until, q.user);
    }
    auto beyondUntil = [&](const Moment& m) {
        if (!e.until) {
            return false;
        }
        if (e.until->wall.date || e.allDay) {
            return m.wall.dayNumber() > e.until->wall.dayNumber();
        }
        const auto at = instantOf(m, q.user);
        return untilInstant && at && *at > *untilInstant;
    };

    consider(e.start);

    const bool follow = e.ruleKind != RuleKind::none && q.budget.startEvent();
    const std::int64_t reach = e.allDay ? length.days * kDay : length.seconds;
    const std::int64_t lo = unixSecondsOf(q.from) - reach - kZoneSlack;
    const std::int64_t hi = unixSecondsOf(q.to) + kZoneSlack;
    const std::int64_t first = e.start.wall.seconds();

    if (follow && e.ruleKind == RuleKind::stepping) {
        // Wall time maps to instants in order, so the first step that can
        // reach the window is found by bisection: a rule stepping every
        // second spends its instances inside the window, not before it.
        const std::int64_t step = e.stepSeconds;
        auto startOf = [&](std::int64_t k) {
            return instantOf(Moment{wallAt(first + k * step, false), e.start.zone}, q.user);
        };
        std::int64_t low = 0;
        std::int64_t high = std::max<std::int64_t>(0, (hi - first) / step + 1);
        if (e.count > 0) {
            high = std::min<std::int64_t>(high, e.count);
        }
        const std::int64_t last = high;
        while (low < high) {
            const std::int64_t mid = low + (high - low) / 2;
            const auto at = startOf(mid);
            if (!at || *at + static_cast<double>(reach) >= q.from) {
                high = mid;
            } else {
                low = mid + 1;
            }
        }
        for (std::int64_t k = low, n = 0;
             k < last && n < static_cast<std::int64_t>(kMaxInstancesPerEvent); ++k, ++n) {
            if (q.budget.outOfTime() || q.budget.full()) {
                break;
            }
            const Moment m{wallAt(first + k * step, false), e.start.zone};
            if (beyondUntil(m)) {
                break;
            }
            consider(m);
        }
    } else if (follow && e.ruleKind == RuleKind::libical) {
        icalrecurrencetype rule = icalrecurrencetype_from_string(e.rule.c_str());
        if (rule.rscale != nullptr) {
            icalmemory_free_buffer(rule.rscale);
            rule.rscale = nullptr;
        }
        const icaltimetype dtstart = icalOf(e.start.wall);
        icalrecur_iterator* raw =
            rule.freq == ICAL_NO_RECURRENCE ? nullptr : icalrecur_iterator_new(rule, dtstart);
        const std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator*)> iterator(
            raw, icalrecur_iterator_free);
        if (iterator) {
            // Jumping ahead is only possible without COUNT, which counts
            // from DTSTART; an old event then starts near the window.
            if (rule.count == 0 && lo > first) {
                icalrecur_iterator_set_start(iterator.get(),
                                             icalOf(wallAt(floorDiv(lo, kDay) * kDay, e.allDay)));
            }
            for (std::size_t n = 0; n < kMaxInstancesPerEvent; ++n) {
                if (q.budget.outOfTime() || q.budget.full()) {
                    break;
                }
                const auto wall = wallOf(icalrecur_iterator_next(iterator.get()));
                if (!wall || wall->seconds() > hi) {
                    break;
                }
                Moment m{*wall, e.start.zone};
                m.wall.date = e.allDay;
                if (beyondUntil(m)) {
                    break;
                }
                if (m.wall != e.start.wall) {
                    consider(m);
                }
            }
        }
    }

    for (const auto& rdate : e.rdates) {
        Moment m = rdate;
        if (e.allDay) {
            m.wall = wallAt(m.wall.dayNumber() * kDay, true);
        }
        consider(m);
    }
    for (const auto& o : e.overrides) {
        if (!o.cancelled) {
            emit(o, o.start, o.ownLength ? lengthOf(o, q.user) : length, q);
        }
    }
}

}  // namespace

struct IcsFile::Impl : Contents {};

ExpansionBudget::ExpansionBudget(std::chrono::milliseconds queryTime,
                                 std::chrono::milliseconds eventTime, std::size_t occurrences)
    : queryDeadline_(Clock::now() + queryTime),
      eventDeadline_(queryDeadline_),
      eventTime_(eventTime),
      occurrences_(occurrences) {}

bool ExpansionBudget::startEvent() {
    const auto now = Clock::now();
    if (overruns_ >= kOverrunsPerFile || now >= queryDeadline_) {
        return false;
    }
    eventDeadline_ = std::min(queryDeadline_, now + eventTime_);
    overran_ = false;
    return true;
}

bool ExpansionBudget::outOfTime() {
    if (overran_) {
        return true;
    }
    if (Clock::now() < eventDeadline_) {
        return false;
    }
    overran_ = true;
    ++overruns_;
    return true;
}

IcsFile::IcsFile() : impl_(std::make_unique<Impl>()) {}
IcsFile::~IcsFile() = default;
IcsFile::IcsFile(IcsFile&&) noexcept = default;
IcsFile& IcsFile::operator=(IcsFile&&) noexcept = default;

IcsFile IcsFile::parse(std::string_view bytes, std::string_view fallbackUid) {
    IcsFile file;
    if (bytes.size() > kMaxIcsFileBytes || !nestingWithin(bytes, kMaxIcsNesting)) {
        return file;
    }
    try {
        quietLibical();
        // libical takes a terminated string, and stops at a NUL inside the
        // bytes just as the copy's terminator would make it.
        const std::string text(bytes);
        const Component root(icalparser_parse_string(text.c_str()));
        if (root) {
            Parser(*file.impl_, fallbackUid).read(root.get());
        }
    } catch (...) {
        return IcsFile();
    }
    return file;
}

const std::optional<std::string>& IcsFile::name() const {
    return impl_->name;
}

const std::optional<std::string>& IcsFile::color() const {
    return impl_->color;
}

std::size_t IcsFile::eventCount() const {
    return impl_->components;
}

void IcsFile::occurrences(Instant from, Instant to, const Calendar& calendar,
                          ExpansionBudget& budget, std::vector<IcsOccurrence>& out) const {
    Query q{from, to, calendar, budget, out};
    budget.startFile();
    for (const auto& e : impl_->events) {
        if (budget.full()) {
            return;
        }
        if (e.cancelled) {
            continue;
        }
        const Length length = lengthOf(e, calendar);
        if (e.repeats()) {
            expandRepeating(e, length, q);
        } else {
            emit(e, e.start, length, q);
        }
    }
}

}  // namespace solvane::platform
