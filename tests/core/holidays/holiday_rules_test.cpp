// Rule kinds against published dates.
#include "core/holidays/holiday_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace solvane {
namespace {

DayNumber day(int y, int m, int d) {
    return dayNumberOf(CivilDate{y, m, d});
}

// Days after March 21, one letter a year from 1900 ('A' = 0), for Easter
// 1900–2199: Western (Gregorian computus) and Orthodox (Julian, as
// Gregorian dates), from the published tables.
constexpr const char* kEaster =
    "ZRJWNbZK^VG[RCWObSK_OG[L_WO\\SK_PG[L`WH\\TDXPdTL`QH\\TEXP]UL`QI\\MaYI]UFYQIVMaYJ]UFZQ^VNaRJ^"
    "NFZK^VN[RJWObZK_VG[SCWOcSK_PG[L`WO\\TK_PH[L`XH\\TEXPdUL`QI\\TEYP]UM`QI]MaYJ]UFZQIVNaYJ^UFZR^"
    "VNbRJ^OFZK_VN[SJWOcZK_WH\\TEXP]UL`QI\\MaYI]UFYQIVMaYJ]UFZQ^VNaRJ^NFZK^VN[RJWObZK_VG[SCWOcSK_"
    "PG[L`WO\\TK_PH[L`XH\\TEXPdUL`QI\\TEY";
constexpr const char* kOrthodoxEaster =
    "aYf^UiZneVjbRf^ObZn_Vj[Sf^kcZn_Wj[SgWkcTg_Pd[o`XkcTh_Pd\\o`Xl\\ThYldUi`Xe]ThYmdUiaQe]qaYm^UiZR"
    "e]jbYf^ViZnfVjbSf^OcZn_Wj[Sg^kc[n_Wk[SgXkcTh_Pd\\o`XlcTh`Pd\\p`Xl]ThYmdUiaXe]UhYm^UiaRe]qbYm^V"
    "iZRf]jbSf^VcZnfWkcTh_Pd\\o`Xl\\ThYld\\i`Xl]ThYmdUiaQe]qaYm^UiaRe]qbYm^ViZnfVjbSf^VcZn_WjbSg^"
    "rc["
    "n_Wk[SgXkcTh_Wd\\ogXlcTh`";

TEST(HolidayRules, EasterAgainstTables) {
    const std::string western = kEaster, orthodox = kOrthodoxEaster;
    ASSERT_EQ(western.size(), 300u);
    ASSERT_EQ(orthodox.size(), 300u);
    for (int y = 1900; y <= 2199; ++y) {
        const auto i = static_cast<std::size_t>(y - 1900);
        EXPECT_EQ(easterSunday(y), day(y, 3, 21) + (western[i] - 'A')) << y;
        EXPECT_EQ(orthodoxEasterSunday(y), day(y, 3, 21) + (orthodox[i] - 'A')) << y;
    }
    EXPECT_EQ(easterSunday(1899), std::nullopt);
    EXPECT_EQ(orthodoxEasterSunday(2200), std::nullopt);
}

TEST(HolidayRules, CivilDaysAndWeekdays) {
    EXPECT_EQ(day(1970, 1, 1), 0);
    EXPECT_EQ(civilDateOf(day(2100, 3, 1)), (CivilDate{2100, 3, 1}));
    EXPECT_EQ(weekdayOf(day(2025, 5, 26)), 2);  // a Monday
    EXPECT_EQ(validDay(2100, 2, 29), std::nullopt);
    EXPECT_EQ(nthWeekdayOfMonth(2025, 5, 2, 0), day(2025, 5, 26));
    EXPECT_EQ(nthWeekdayOfMonth(2025, 11, 5, 4), day(2025, 11, 27));
    EXPECT_EQ(nthWeekdayOfMonth(2025, 2, 1, 5), std::nullopt);
    EXPECT_EQ(weekdayOnOrAfter(day(2025, 6, 19), 6), day(2025, 6, 20));
    EXPECT_EQ(weekdayOnOrBefore(day(2025, 5, 24), 2), day(2025, 5, 19));
}

// Spring Festival (1st day of the 1st Chinese month), 2000–2050, as days
// after January 20.
TEST(HolidayRules, SpringFestival2000To2050) {
    constexpr int kAfterJan20[] = {16, 4,  23, 12, 2,  20, 9,  29, 18, 6,  25, 14, 3,
                                   21, 11, 30, 19, 8,  27, 16, 5,  23, 12, 2,  21, 9,
                                   28, 17, 6,  24, 14, 3,  22, 11, 30, 19, 8,  26, 15,
                                   4,  23, 12, 2,  21, 10, 28, 17, 6,  25, 13, 3};
    for (int y = 2000; y <= 2050; ++y) {
        const auto got = lunarDates(LunarCalendar::chinese, y, 1, 1);
        ASSERT_EQ(got.size(), 1u) << y;
        EXPECT_EQ(got[0], day(y, 1, 20) + kAfterJan20[y - 2000]) << y;
    }
}

struct Dated {
    LunarCalendar calendar;
    int month, day;
    int y, m, d;
};

TEST(HolidayRules, LunarCalendarsAgainstPublishedDates) {
    constexpr Dated kCases[] = {
        {LunarCalendar::chinese, 5, 5, 2024, 6, 10},  // Dragon Boat
        {LunarCalendar::chinese, 5, 5, 2025, 5, 31},
        {LunarCalendar::chinese, 8, 15, 2023, 9, 29},  // Mid-Autumn
        {LunarCalendar::chinese, 8, 15, 2025, 10, 6},
        // Eid al-Fitr and Eid al-Adha by Umm al-Qura.
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2021, 5, 13},
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2022, 5, 2},
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2023, 4, 21},
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2024, 4, 10},
        {LunarCalendar::islamicUmmAlQura, 10, 1, 2025, 3, 30},
        {LunarCalendar::islamicUmmAlQura, 12, 10, 2023, 6, 28},
        {LunarCalendar::islamicUmmAlQura, 12, 10, 2024, 6, 16},
        {LunarCalendar::islamicUmmAlQura, 12, 10, 2025, 6, 6},
        // Rosh Hashanah, Passover (15 Nisan).
        {LunarCalendar::hebrew, 1, 1, 2020, 9, 19},
        {LunarCalendar::hebrew, 1, 1, 2023, 9, 16},
        {LunarCalendar::hebrew, 1, 1, 2024, 10, 3},
        {LunarCalendar::hebrew, 1, 1, 2025, 9, 23},
        {LunarCalendar::hebrew, 8, 15, 2024, 4, 23},
        {LunarCalendar::hebrew, 8, 15, 2025, 4, 13},
    };
    for (const Dated& c : kCases) {
        const auto got = lunarDates(c.calendar, c.y, c.month, c.day);
        ASSERT_EQ(got.size(), 1u) << c.y << "-" << c.m;
        EXPECT_EQ(civilDateOf(got[0]), (CivilDate{c.y, c.m, c.d}));
    }
    // An Islamic year inside a Gregorian one: 1 Muharram twice in 2008.
    EXPECT_EQ(lunarDates(LunarCalendar::islamicCivil, 2008, 1, 1).size(), 2u);
    // Adar I only in leap years (5784 was one, 5785 was not).
    EXPECT_EQ(lunarDates(LunarCalendar::hebrew, 2024, 6, 14).size(), 1u);
    EXPECT_TRUE(lunarDates(LunarCalendar::hebrew, 2025, 6, 14).empty());
    EXPECT_TRUE(lunarDates(LunarCalendar::chinese, 2300, 1, 1).empty());
}

TEST(HolidayRules, SunDecidedDays) {
    // Nowruz, Japan's equinox days (JST), Qingming (China's time).
    struct Case {
        int kind;  // 0 Nowruz, 1 March equinox in Japan, 2 September, 3 Qingming
        int y, m, d;
    };
    constexpr Case kCases[] = {
        {0, 2017, 3, 21}, {0, 2020, 3, 20}, {0, 2023, 3, 21}, {0, 2024, 3, 20}, {0, 2025, 3, 21},
        {0, 2026, 3, 21}, {1, 2023, 3, 21}, {1, 2024, 3, 20}, {1, 2025, 3, 20}, {1, 2027, 3, 21},
        {2, 2012, 9, 22}, {2, 2023, 9, 23}, {2, 2024, 9, 22}, {2, 2025, 9, 23}, {3, 2019, 4, 5},
        {3, 2020, 4, 4},  {3, 2023, 4, 5},  {3, 2024, 4, 4},  {3, 2025, 4, 4},  {3, 2026, 4, 5},
    };
    for (const Case& c : kCases) {
        const auto got = c.kind == 0   ? nowruz(c.y)
                         : c.kind == 1 ? solarTermDay(0, c.y, 540)
                         : c.kind == 2 ? solarTermDay(180, c.y, 540)
                                       : solarTermDay(15, c.y, 480);
        ASSERT_TRUE(got) << c.kind << " " << c.y;
        EXPECT_EQ(civilDateOf(*got), (CivilDate{c.y, c.m, c.d})) << c.kind;
    }
    // 1 Farvardin, 1 Mehr (the 7th month after six of 31 days).
    EXPECT_EQ(persianDates(2025, 7, 1), std::vector{day(2025, 9, 23)});
}

}  // namespace
}  // namespace solvane
