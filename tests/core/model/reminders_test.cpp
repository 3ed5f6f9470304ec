#include "core/model/reminders.h"

#include <gtest/gtest.h>

#include "core/model/presets.h"

namespace solvane {
namespace {

const Calendar kNewYork = *Calendar::make("America/New_York", "en_US");

Instant at(int m, int d, int hour = 0) {
    return *kNewYork.date(2026, m, d, hour);
}

Countdown on(const std::string& label, Instant start, std::optional<Instant> end = std::nullopt) {
    Countdown c;
    c.id = Uuid::random();
    c.label = label;
    c.start = DateRule::fixed(start);
    if (end) {
        c.end = DateRule::fixed(*end);
    }
    return c;
}

std::vector<std::string> summaries(const ReminderRound& round) {
    std::vector<std::string> out;
    for (const DueReminder& r : round.due) {
        out.push_back(r.summary);
    }
    return out;
}

// 2026-12-21 is the winter solstice in New York, so the starter of that
// name is due too.
class RemindersTest : public ::testing::Test {
  protected:
    Instant now = at(12, 21, 15);
    Countdown trip = on("Trip & <b>", at(12, 21));
    Countdown holidays = on("Holidays", at(12, 21), at(12, 28));
    Countdown begun = on("Begun", at(12, 20), at(12, 28));
    Countdown tomorrow = on("Tomorrow", at(12, 22));
    Countdown solstice = [this] {
        for (const Countdown& c :
             starterCountdowns(kNewYork, PresetRegion::of(kNewYork, now, 40.7), now)) {
            if (c.start == DateRule::season(3)) {
                return c;
            }
        }
        ADD_FAILURE() << "no solstice starter";
        return Countdown{};
    }();
    std::vector<Countdown> list{trip, holidays, begun, tomorrow, solstice};
};

TEST_F(RemindersTest, TheDayAnOccurrenceStartsIsAnnouncedOnceAndUntouchedStartersStayQuiet) {
    const ReminderRound first = reminderRound(list, {}, kNewYork, now, {});
    EXPECT_EQ(summaries(first),
              (std::vector<std::string>{"Trip & <b> is today", "Holidays starts today"}));
    EXPECT_EQ(first.due[0].key, (ReminderKey{trip.id.toString(), "2026-12-21"}));
    EXPECT_EQ(first.sent.size(), 2u);
    // Later the same day, and after a restart that read the record back.
    const SentReminders reread = decodeSentReminders(encodeSentReminders(first.sent));
    EXPECT_EQ(reread, first.sent);
    EXPECT_TRUE(reminderRound(list, {}, kNewYork, at(12, 21, 23), reread).due.empty());
    // A recurring countdown comes due again the next year, under a new key.
    Countdown yearly = trip;
    yearly.recurs = true;
    EXPECT_EQ(reminderRound({yearly}, {}, kNewYork, now + 365 * 86400.0, reread).due.size(), 1u);
}

TEST_F(RemindersTest, ChoicesOverrideDefaultsAndTheGlobalSwitchSilencesAll) {
    ReminderSettings settings;
    settings.countdowns[trip.id.toString()] = false;
    settings.countdowns[solstice.id.toString()] = true;
    EXPECT_EQ(summaries(reminderRound(list, settings, kNewYork, now, {})),
              (std::vector<std::string>{"Holidays starts today", "Winter solstice is today"}));
    // An edited starter is the user's own.
    Countdown renamed = solstice;
    renamed.label = "Longest night";
    EXPECT_TRUE(wantsReminder(renamed, {}, kNewYork, now));
    EXPECT_FALSE(wantsReminder(solstice, {}, kNewYork, now));

    settings.enabled = false;
    const SentReminders old{{trip.id.toString(), "2026-01-02"}, {trip.id.toString(), "2026-12-01"}};
    const ReminderRound off = reminderRound(list, settings, kNewYork, now, old);
    EXPECT_TRUE(off.due.empty());
    // Long-past days are forgotten either way.
    EXPECT_EQ(off.sent, (SentReminders{{trip.id.toString(), "2026-12-01"}}));
}

TEST(ReminderFiles, SettingsRoundTripAndDamageGivesDefaults) {
    ReminderSettings settings;
    settings.enabled = false;
    settings.countdowns["E621E1F8-C36C-495A-93FC-0C247A3E6E5F"] = true;
    EXPECT_EQ(decodeReminderSettings(encodeReminderSettings(settings)), settings);
    for (const char* damaged : {"", "{", "[1]", R"({"notify":"no","countdowns":[]})"}) {
        EXPECT_EQ(decodeReminderSettings(damaged), ReminderSettings{}) << damaged;
        EXPECT_TRUE(decodeSentReminders(damaged).empty()) << damaged;
    }
}

}  // namespace
}  // namespace solvane
