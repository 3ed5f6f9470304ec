// Zones as the system's database has them, against the C library's reading of
// the same files, and a database folder of the test's own.
#include "core/time/zone_rules.h"

#include <gtest/gtest.h>
#include <unicode/basictz.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/test_helpers.h"
#include "core/time/c_library_zone.h"
#include "core/time/calendar_internal.h"
#include "support/temp_dir.h"
#include "support/zone_files.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace testing;

constexpr std::int64_t kUnix1970 = 0;
constexpr std::int64_t kUnix2038 = 2145916800;  // 2038-01-01
constexpr std::int64_t kUnix2027 = 1798761600;  // 2027-01-01
constexpr std::int64_t kUnix2029 = 1861920000;  // 2029-01-01
constexpr int kInstants = 300;

std::vector<std::string> zone1970() {
    std::ifstream in(zoneInfoDirectory() / "zone1970.tab");
    std::vector<std::string> zones;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string codes, place, zone;
        fields >> codes >> place >> zone;
        zones.push_back(zone);
    }
    return zones;
}

Instant unix(std::int64_t s) {
    return Instant::fromUnix(static_cast<double>(s));
}

// Offsets and local days at instants spread over 1970–2037, and every change
// of 2027 and 2028 with the local day it falls on.
TEST(ZoneRules, AgreeWithTheCLibraryInEveryZoneOfTheTable) {
    const auto zones = zone1970();
    ASSERT_GT(zones.size(), 300u);
    int wrong = 0;
    for (const std::string& id : zones) {
        SCOPED_TRACE(id);
        const auto c = Calendar::make(id, "en_US");
        ASSERT_TRUE(c.has_value());
        const CLibraryZone reference(id);
        for (int i = 0; i < kInstants && wrong < 20; ++i) {
            // Spread evenly, at a different time of day each time.
            const std::int64_t t = kUnix1970 + (kUnix2038 - kUnix1970) / kInstants * i +
                                   (std::int64_t{i} * 7919) % 86400;
            const CLocal expected = reference.at(t);
            const auto civil = c->civilDate(unix(t));
            ASSERT_TRUE(civil.has_value());
            if (c->utcOffset(unix(t)) != expected.offset ||
                *civil != CivilDate{expected.year, expected.month, expected.day}) {
                ADD_FAILURE() << "at " << t << ": " << c->utcOffset(unix(t)).value_or(-1)
                              << " against " << expected.offset;
                ++wrong;
            }
        }
        std::vector<CChange> changes;
        for (auto at = c->nextTransition(unix(kUnix2027 - 1)); at && at->at < unix(kUnix2029);
             at = c->nextTransition(at->at)) {
            changes.push_back({static_cast<std::int64_t>(at->at.unixSeconds()), at->offsetBefore,
                               at->offsetAfter});
            const CLocal local = reference.at(changes.back().at);
            EXPECT_EQ(c->startOfDay(at->at), c->date(local.year, local.month, local.day));
        }
        EXPECT_EQ(changes, reference.changes(kUnix2027, kUnix2029));
    }
}

// What ICU asks of a zone read from a file: offsets split into standard and
// daylight time for local times that are skipped or repeated, and transitions.
TEST(ZoneRules, IcuReadsTheFileZoneAsItsOwn) {
    const auto berlin = CalendarAccess::zone(cal("Europe/Berlin"));
    const auto* zone = dynamic_cast<const icu::BasicTimeZone*>(berlin.get());
    ASSERT_NE(zone, nullptr);
    const double spring = 1806195600000.0;  // 2027-03-28T01:00:00Z, 02:00 becomes 03:00
    const double autumn = 1824944400000.0;  // 2027-10-31T01:00:00Z, 03:00 becomes 02:00
    const double hour = 3600000.0;
    const struct {
        double local;  // wall time as UTC milliseconds
        UTimeZoneLocalOption skipped, repeated;
        std::int32_t raw, dst;
    } locals[] = {
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000, 0},
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_LATTER, UCAL_TZ_LOCAL_LATTER, 3600000, 3600000},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_FORMER, 3600000, 3600000},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000, 0},
        {autumn + 1.5 * hour, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_STANDARD_FORMER, 3600000, 0},
        {spring + 1.5 * hour, UCAL_TZ_LOCAL_DAYLIGHT_FORMER, UCAL_TZ_LOCAL_LATTER, 3600000,
         3600000},
    };
    for (const auto& l : locals) {
        std::int32_t raw = 0, dst = 0;
        UErrorCode status = U_ZERO_ERROR;
        zone->getOffsetFromLocal(l.local, l.skipped, l.repeated, raw, dst, status);
        EXPECT_EQ(std::pair(raw, dst), std::pair(l.raw, l.dst)) << l.local << " " << l.skipped;
    }
    // Calendar::nextTransition asks from after a moment; ICU also from one.
    icu::TimeZoneTransition t;
    ASSERT_TRUE(zone->getNextTransition(spring, true, t));
    EXPECT_EQ(t.getTime(), spring);
    ASSERT_TRUE(zone->getPreviousTransition(autumn, false, t));
    EXPECT_EQ(t.getTime(), spring);
    // Dublin's winter is daylight time below standard in the files; to ICU
    // it is standard time.
    const auto dublin = CalendarAccess::zone(cal("Europe/Dublin"));
    std::int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    dublin->getOffset(spring - 24 * hour, false, raw, dst, status);
    EXPECT_EQ(std::pair(raw, dst), std::pair(0, 0));
}

class ZoneFolder : public ::testing::Test {
  protected:
    TempDir dir_;
    fs::path tzdir_ = dir_.path() / "zoneinfo";
    ScopedEnv env_{"TZDIR", tzdir_.c_str()};

    ZoneFolder() { fs::create_directories(tzdir_); }

    // Calendar::make and what it wrote to stderr.
    std::optional<Calendar> makeNoting(const std::string& id, std::string& said) {
        ::testing::internal::CaptureStderr();
        auto c = Calendar::make(id, "en_US");
        said += ::testing::internal::GetCapturedStderr();
        return c;
    }
};

constexpr const char* kFixedZone = "Zone Test/Here 3:30 - +0330\n";
constexpr const char* kSummerZone =
    "Rule T 2000 max - Mar lastSun 1:00u 1:00 S\n"
    "Rule T 2000 max - Oct lastSun 1:00u 0 -\n"
    "Zone Test/Here 5:00 T +05/+06\n";

// The rules are the folder's: a zone it lacks is unknown however well ICU
// knows it, and a file replaced as a package manager does is read again.
TEST_F(ZoneFolder, RulesAreTheFilesAndAReplacedFileIsReadAgain) {
    ASSERT_TRUE(installZone(tzdir_, "Test/Here", kFixedZone));
    const Instant june = *parseIso8601("2027-06-15T12:00:00Z");
    const auto before = Calendar::make("Test/Here", "en_US");
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(before->utcOffset(june), 3 * 3600 + 1800);
    EXPECT_FALSE(before->nextTransition(june));
    EXPECT_TRUE(before->rulesCurrent());
    EXPECT_FALSE(Calendar::make("Europe/Berlin", "en_US"));

    ASSERT_TRUE(installZone(tzdir_, "Test/Here", kSummerZone));
    EXPECT_FALSE(before->rulesCurrent());
    EXPECT_EQ(before->utcOffset(june), 3 * 3600 + 1800);  // a calendar is a value
    for (const Calendar& after : {before->refreshed(), *Calendar::make("Test/Here", "en_US")}) {
        EXPECT_TRUE(after.rulesCurrent());
        EXPECT_EQ(after.utcOffset(june), 6 * 3600);
        const auto change = after.nextTransition(june);
        ASSERT_TRUE(change.has_value());
        EXPECT_EQ(formatIso8601(change->at), "2027-10-31T01:00:00.000Z");
        EXPECT_EQ(change->offsetBefore, 6 * 3600);
        EXPECT_EQ(change->offsetAfter, 5 * 3600);
    }
}

// A damaged zone file: ICU's rules for a name ICU knows, else UTC, said once
// on stderr; what is no zone file or no zone name is unknown.
TEST_F(ZoneFolder, DamagedFilesFallBackOnceAndNamesStayInTheFolder) {
    const std::string bytes = readFile("/usr/share/zoneinfo/America/Mexico_City");
    fs::create_directories(tzdir_ / "America");
    fs::create_directories(tzdir_ / "Test");
    std::ofstream(tzdir_ / "America" / "Mexico_City", std::ios::binary) << bytes.substr(0, 80);
    std::ofstream(tzdir_ / "Test" / "Broken", std::ios::binary) << "TZif2" << std::string(40, 'x');
    std::ofstream(tzdir_ / "zone.tab") << "MX\t+1924-09909\tAmerica/Mexico_City\n";
    fs::create_symlink("/usr/share/zoneinfo/Europe/Berlin", tzdir_ / "Linked");

    const Instant june = *parseIso8601("2027-06-15T12:00:00Z");
    const struct {
        const char* id;
        std::optional<std::int32_t> juneOffset;  // none: unknown
        bool said;
    } cases[] = {
        // ICU's own table still has Mexico's daylight time.
        {"America/Mexico_City", -5 * 3600, true},
        {"Test/Broken", 0, true},
        {"Linked", 2 * 3600, false},
        {"zone.tab", std::nullopt, false},
        {"America", std::nullopt, false},
        {"Europe/Berlin", std::nullopt, false},
        {"../zoneinfo/Linked", std::nullopt, false},
        {"America/../Linked", std::nullopt, false},
        {"/usr/share/zoneinfo/Europe/Berlin", std::nullopt, false},
        {"America//Mexico_City", std::nullopt, false},
        {"", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        std::string said;
        const auto calendar = makeNoting(c.id, said);
        ASSERT_EQ(calendar.has_value(), c.juneOffset.has_value());
        if (calendar) {
            EXPECT_EQ(calendar->utcOffset(june), c.juneOffset);
        }
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.said ? 1 : 0) << said;
        if (c.said) {
            EXPECT_NE(said.find(c.id), std::string::npos) << said;
        }
        said.clear();
        makeNoting(c.id, said);
        EXPECT_EQ(said, "");
    }
}

TEST_F(ZoneFolder, WithoutAnyDatabaseZonesComeFromIcuSaidOnce) {
    const ScopedEnv missing("TZDIR", (dir_.path() / "none").c_str());
    std::string said;
    const auto berlin = makeNoting("Europe/Berlin", said);
    ASSERT_TRUE(berlin.has_value());
    EXPECT_EQ(berlin->utcOffset(*parseIso8601("2027-06-15T12:00:00Z")), 2 * 3600);
    makeNoting("Asia/Tokyo", said);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_FALSE(makeNoting("No/Such_Zone", said));
}

// The user's zone as TZ names it, including one newer than ICU's table.
TEST(ZoneRules, TheEnvironmentsZone) {
    const struct {
        const char* tz;
        const char* zone;
    } cases[] = {
        {":Europe/Berlin", "Europe/Berlin"},
        {"/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {"/usr/share/zoneinfo/posix/Asia/Tokyo", "Asia/Tokyo"},
        {"America/Ciudad_Juarez", "America/Ciudad_Juarez"},
        {"", "UTC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        const ScopedEnv tz("TZ", c.tz);
        EXPECT_EQ(environmentZoneName(), c.zone);
        EXPECT_EQ(Calendar::current().zoneId(), c.zone);
    }
    const ScopedEnv rule("TZ", "EST5EDT,M3.2.0,M11.1.0");
    EXPECT_FALSE(environmentZoneName());
    const ScopedEnv juarez("TZ", "America/Ciudad_Juarez");
    EXPECT_EQ(Calendar::current().utcOffset(*parseIso8601("2027-01-15T12:00:00Z")), -7 * 3600);
}

}  // namespace
}  // namespace solvane
