#include "core/time/tzif_zone.h"

#include <absl/time/internal/cctz/src/time_zone_info.h>
#include <unicode/basictz.h>
#include <unicode/gregocal.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <typeinfo>

namespace solvane {
namespace {

namespace cctz = absl::time_internal::cctz;
using Seconds = cctz::time_point<cctz::seconds>;

constexpr std::int32_t kMsPerSecond = 1000;
constexpr double kMsPerSecondD = 1000.0;
// Far beyond any date a calendar computes (about ±300,000 years), and far
// inside what 64-bit seconds and cctz's civil years hold.
constexpr double kLimitSeconds = 1e15;
// A zone in daylight time whose standard offset is not found this many
// changes away keeps a standard offset one hour below its own.
constexpr int kStandardSearchSteps = 4;
constexpr std::int32_t kDefaultSavingsSeconds = 3600;
// Transitions that change only a name are passed over, but never forever.
constexpr int kMostSkippedTransitions = 64;

Seconds fromUnix(double unixSeconds) {
    const double clamped = std::clamp(std::floor(unixSeconds), -kLimitSeconds, kLimitSeconds);
    return Seconds(cctz::seconds(static_cast<std::int64_t>(clamped)));
}

double unixOf(Seconds t) {
    return static_cast<double>(t.time_since_epoch().count());
}

const cctz::civil_second& unixEpochCivil() {
    static const cctz::civil_second epoch(1970, 1, 1, 0, 0, 0);
    return epoch;
}

// One stretch of time with one UTC offset: what holds at `at`.
struct Period {
    Seconds at;
    std::int32_t offset = 0;  // seconds east of UTC
    bool dst = false;
    std::string abbreviation;
};

// ICU's view of an offset: the standard part and the daylight part, in ms.
struct Split {
    std::int32_t raw = 0;
    std::int32_t dst = 0;
    bool operator==(const Split&) const = default;
};

// The rules of one file, shared by every clone of the zone.
class Rules {
  public:
    bool load(const std::string& path) { return info_.Load(path); }

    Period periodAt(Seconds t) const {
        const auto lookup = info_.BreakTime(t);
        return {t, static_cast<std::int32_t>(lookup.offset), lookup.is_dst,
                lookup.abbr != nullptr ? lookup.abbr : ""};
    }

    // The first change strictly after `t`, and the last strictly before it.
    std::optional<Seconds> transitionAfter(Seconds t) const {
        cctz::time_zone::civil_transition change;
        if (!info_.NextTransition(t, &change)) {
            return std::nullopt;
        }
        return info_.MakeTime(change.to).trans;
    }
    std::optional<Seconds> transitionBefore(Seconds t) const {
        cctz::time_zone::civil_transition change;
        if (!info_.PrevTransition(t, &change)) {
            return std::nullopt;
        }
        return info_.MakeTime(change.to).trans;
    }

    cctz::time_zone::civil_lookup lookupLocal(const cctz::civil_second& wall) const {
        return info_.MakeTime(wall);
    }

    // ICU splits an offset into standard and daylight parts, which TZif
    // files do not: a period in daylight time takes the offset of the
    // nearest period in standard time as its standard part. Negative
    // daylight time (Dublin's winter, Morocco's Ramadan) reads as standard
    // time, as ICU's own data has it.
    Split split(const Period& p) const {
        const std::int32_t ms = p.offset * kMsPerSecond;
        if (!p.dst) {
            return {ms, 0};
        }
        const std::int32_t standard = standardOffsetNear(p);
        if (standard >= p.offset) {
            return {ms, 0};
        }
        return {standard * kMsPerSecond, (p.offset - standard) * kMsPerSecond};
    }

  private:
    std::int32_t standardOffsetNear(const Period& p) const {
        Seconds at = p.at + cctz::seconds(1);
        for (int step = 0; step < kStandardSearchSteps; ++step) {
            const auto start = transitionBefore(at);
            if (!start) {
                break;
            }
            const Period before = periodAt(*start - cctz::seconds(1));
            if (!before.dst) {
                return before.offset;
            }
            at = *start;
        }
        at = p.at;
        for (int step = 0; step < kStandardSearchSteps; ++step) {
            const auto end = transitionAfter(at);
            if (!end) {
                break;
            }
            const Period after = periodAt(*end);
            if (!after.dst) {
                return after.offset;
            }
            at = *end;
        }
        return p.offset - kDefaultSavingsSeconds;
    }

    cctz::TimeZoneInfo info_;
};

icu::UnicodeString unicode(const std::string& s) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
}

class TzifTimeZone final : public icu::BasicTimeZone {
  public:
    TzifTimeZone(const std::string& id, std::shared_ptr<const Rules> rules)
        : icu::BasicTimeZone(unicode(id)), rules_(std::move(rules)) {
        const Period first = rules_->periodAt(fromUnix(-kLimitSeconds));
        const Split s = rules_->split(first);
        initial_ =
            std::make_unique<icu::InitialTimeZoneRule>(unicode(first.abbreviation), s.raw, s.dst);
    }
    TzifTimeZone(const TzifTimeZone& other)
        : icu::BasicTimeZone(other), rules_(other.rules_), initial_(other.initial_->clone()) {}

    TzifTimeZone* clone() const override { return new TzifTimeZone(*this); }

    bool operator==(const icu::TimeZone& other) const override {
        return this == &other || (typeid(*this) == typeid(other) &&
                                  icu::TimeZone::operator==(other) && hasSameRules(other));
    }

    UBool hasSameRules(const icu::TimeZone& other) const override {
        const auto* tzif = dynamic_cast<const TzifTimeZone*>(&other);
        return tzif != nullptr && tzif->rules_ == rules_;
    }

    using icu::TimeZone::getOffset;

    // The offset of a local day and time, given the old way in fields.
    int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t /*dayOfWeek*/,
                      int32_t millis, UErrorCode& status) const override {
        if (U_FAILURE(status)) {
            return 0;
        }
        if (month < UCAL_JANUARY || month > UCAL_DECEMBER || day < 1 || day > 31 || millis < 0 ||
            millis >= 86'400'000) {
            status = U_ILLEGAL_ARGUMENT_ERROR;
            return 0;
        }
        const std::int64_t y = era == icu::GregorianCalendar::BC ? 1 - std::int64_t{year} : year;
        const cctz::civil_second midnight(y, month + 1, day, 0, 0, 0);
        const double wall =
            static_cast<double>(midnight - unixEpochCivil()) * kMsPerSecondD + millis;
        std::int32_t raw = 0;
        std::int32_t dst = 0;
        getOffset(wall, true, raw, dst, status);
        return raw + dst;
    }
    int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t dayOfWeek,
                      int32_t millis, int32_t /*monthLength*/, UErrorCode& status) const override {
        return getOffset(era, year, month, day, dayOfWeek, millis, status);
    }

    // A local time that does not exist takes the offset from before the
    // change, one that exists twice the offset from after it, as ICU's own
    // zones do.
    void getOffset(UDate date, UBool local, int32_t& rawOffset, int32_t& dstOffset,
                   UErrorCode& status) const override {
        if (local) {
            getOffsetFromLocal(date, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, rawOffset,
                               dstOffset, status);
            return;
        }
        if (U_FAILURE(status)) {
            return;
        }
        if (!std::isfinite(date)) {
            status = U_ILLEGAL_ARGUMENT_ERROR;
            return;
        }
        const Split s = rules_->split(rules_->periodAt(fromUnix(date / kMsPerSecondD)));
        rawOffset = s.raw;
        dstOffset = s.dst;
    }

    void getOffsetFromLocal(UDate date, UTimeZoneLocalOption nonExistingTimeOpt,
                            UTimeZoneLocalOption duplicatedTimeOpt, int32_t& rawOffset,
                            int32_t& dstOffset, UErrorCode& status) const override {
        if (U_FAILURE(status)) {
            return;
        }
        if (!std::isfinite(date)) {
            status = U_ILLEGAL_ARGUMENT_ERROR;
            return;
        }
        const double wallSeconds =
            std::clamp(std::floor(date / kMsPerSecondD), -kLimitSeconds, kLimitSeconds);
        const cctz::civil_second wall = unixEpochCivil() + static_cast<std::int64_t>(wallSeconds);
        const auto lookup = rules_->lookupLocal(wall);
        Period chosen;
        if (lookup.kind == cctz::time_zone::civil_lookup::UNIQUE) {
            chosen = rules_->periodAt(lookup.pre);
        } else {
            const Period before = rules_->periodAt(lookup.trans - cctz::seconds(1));
            const Period after = rules_->periodAt(lookup.trans);
            const UTimeZoneLocalOption option =
                lookup.kind == cctz::time_zone::civil_lookup::SKIPPED ? nonExistingTimeOpt
                                                                      : duplicatedTimeOpt;
            chosen = choose(option, before, after);
        }
        const Split s = rules_->split(chosen);
        rawOffset = s.raw;
        dstOffset = s.dst;
    }

    void setRawOffset(int32_t /*offsetMillis*/) override {}

    // ICU asks these of "now"; its own zones read the clock for them too.
    int32_t getRawOffset() const override { return rules_->split(rules_->periodAt(now())).raw; }
    UBool useDaylightTime() const override {
        // Daylight time anywhere in the year from now, as ICU's zones answer.
        Seconds at = now();
        const Seconds end = at + cctz::seconds(366LL * 86'400);
        if (rules_->periodAt(at).dst) {
            return true;
        }
        for (int step = 0; step < kMostSkippedTransitions; ++step) {
            const auto next = rules_->transitionAfter(at);
            if (!next || *next >= end) {
                return false;
            }
            if (rules_->periodAt(*next).dst) {
                return true;
            }
            at = *next;
        }
        return false;
    }
    UBool inDaylightTime(UDate date, UErrorCode& status) const override {
        std::int32_t raw = 0;
        std::int32_t dst = 0;
        getOffset(date, false, raw, dst, status);
        return U_SUCCESS(status) && dst != 0;
    }

    UBool getNextTransition(UDate base, UBool inclusive,
                            icu::TimeZoneTransition& result) const override {
        if (!std::isfinite(base)) {
            return false;
        }
        const double s = base / kMsPerSecondD;
        return findTransition(fromUnix(inclusive ? std::ceil(s) - 1 : std::floor(s)), true, result);
    }

    UBool getPreviousTransition(UDate base, UBool inclusive,
                                icu::TimeZoneTransition& result) const override {
        if (!std::isfinite(base)) {
            return false;
        }
        const double s = base / kMsPerSecondD;
        return findTransition(fromUnix(inclusive ? std::floor(s) + 1 : std::ceil(s)), false,
                              result);
    }

    // The changes are the file's own, read through the transitions above;
    // there are no rule objects to hand out beside the first offset.
    int32_t countTransitionRules(UErrorCode& /*status*/) const override { return 0; }
    void getTimeZoneRules(const icu::InitialTimeZoneRule*& initial,
                          const icu::TimeZoneRule* /*trsrules*/[], int32_t& trscount,
                          UErrorCode& status) const override {
        if (U_FAILURE(status)) {
            return;
        }
        initial = initial_.get();
        trscount = 0;
    }

    UClassID getDynamicClassID() const override { return getStaticClassID(); }
    static UClassID getStaticClassID() {
        static char classId = 0;
        return &classId;
    }

  private:
    static Seconds now() {
        return std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::now());
    }

    // ICU's options: the low bits prefer standard (1) or daylight (3) time
    // where the change is between the two; otherwise 0x0C picks the later
    // offset and 0x04 the earlier.
    static const Period& choose(UTimeZoneLocalOption option, const Period& before,
                                const Period& after) {
        const int stdOrDst = option & 0x03;
        if (before.dst != after.dst && stdOrDst == 0x01) {
            return before.dst ? after : before;
        }
        if (before.dst != after.dst && stdOrDst == 0x03) {
            return before.dst ? before : after;
        }
        return (option & 0x0C) == 0x0C ? after : before;
    }

    // The first change strictly after (or before) `at` that ICU can tell apart.
    bool findTransition(Seconds at, bool later, icu::TimeZoneTransition& result) const {
        for (int step = 0; step < kMostSkippedTransitions; ++step) {
            const auto next = later ? rules_->transitionAfter(at) : rules_->transitionBefore(at);
            if (!next) {
                return false;
            }
            if (fill(*next, result)) {
                return true;
            }
            at = *next;
        }
        return false;
    }

    // False when nothing ICU tells apart changes at `at` (only a name).
    bool fill(Seconds at, icu::TimeZoneTransition& result) const {
        const Period before = rules_->periodAt(at - cctz::seconds(1));
        const Period after = rules_->periodAt(at);
        const Split from = rules_->split(before);
        const Split to = rules_->split(after);
        if (from == to) {
            return false;
        }
        result.setTime(unixOf(at) * kMsPerSecondD);
        result.adoptFrom(
            new icu::InitialTimeZoneRule(unicode(before.abbreviation), from.raw, from.dst));
        result.adoptTo(new icu::InitialTimeZoneRule(unicode(after.abbreviation), to.raw, to.dst));
        return true;
    }

    std::shared_ptr<const Rules> rules_;
    std::unique_ptr<icu::InitialTimeZoneRule> initial_;
};

}  // namespace

std::unique_ptr<icu::TimeZone> readTzifZone(const std::string& id, const std::string& path) {
    auto rules = std::make_shared<Rules>();
    if (!rules->load(path)) {
        return nullptr;
    }
    return std::make_unique<TzifTimeZone>(id, std::move(rules));
}

}  // namespace solvane
