// Calendars and events written through libecal as GNOME Calendar writes them, read
// back through EdsSource from a private Evolution Data Server (eds_session.h).
#include "platform/calendar/eds_source.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "platform/eds/eds_calendar_test.h"
#include "platform/eds/eds_session.h"
#include "support/temp_dir.h"

namespace solvane {
namespace {

using namespace std::chrono_literals;
using platform::EdsSource;
using testing::spinUntil;

class EdsSourceTest : public testing::EdsCalendarTest {
  protected:
    void SetUpWithCalendar() override {
        source_ = EdsSource::connect(testing::kEdsPatience);
        ASSERT_TRUE(source_);
        id_ = "eds:" + calendar_->uid();
    }

    std::optional<EventCalendar> offered() {
        for (auto& c : source_->calendars()) {
            if (c.id == id_) {
                return c;
            }
        }
        return std::nullopt;
    }

    // This calendar's occurrences, by item identifier.
    std::multimap<std::string, CalendarEvent> eventsIn(Instant from, Instant to) {
        std::multimap<std::string, CalendarEvent> out;
        for (auto& e : source_->events(from, to, user_, 1000)) {
            if (e.calendar.id == id_) {
                out.emplace(e.itemId, e);
            }
        }
        return out;
    }

    std::string item(const std::string& uid) const { return id_ + "/" + uid; }

    const Calendar user_ = *Calendar::make("America/New_York", "en_US");
    std::unique_ptr<EdsSource> source_;
    std::string id_;
};

TEST(EdsConnect, GivesUpQuietlyOnABusThatIsMissingOrSilent) {
    // Each in a process of its own: GLib keeps one session bus per process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // No bus at all gives up at once: waiting out the hour would hang the test.
    EXPECT_EXIT(
        {
            ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/solvane-bus", 1);
            std::_Exit(EdsSource::connect(1h) == nullptr ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    // A bus that takes the connection and never answers: only the timeout
    // ends the wait.
    EXPECT_EXIT(
        {
            testing::TempDir dir;
            const std::string path = (dir.path() / "bus").string();
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            path.copy(address.sun_path, sizeof address.sun_path - 1);
            if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
                ::listen(fd, 4) != 0) {
                std::_Exit(2);
            }
            ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + path).c_str(), 1);
            const bool none = EdsSource::connect(1s) == nullptr;
            std::error_code ignored;
            std::filesystem::remove_all(dir.path(), ignored);
            std::_Exit(none ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EdsSourceTest, OffersTheCalendarAndItsEventsAsLocalDaysAndInstants) {
    const std::string tokyo =
        icaltimezone_get_tzid(icaltimezone_get_builtin_timezone("Asia/Tokyo"));
    ASSERT_TRUE(calendar_->addAll({
        "BEGIN:VEVENT\r\nUID:deadline\r\nSUMMARY:Deadline\r\n"
        "DTSTART;VALUE=DATE:20300314\r\nDTEND;VALUE=DATE:20300315\r\nEND:VEVENT\r\n",
        // Across the start of daylight saving time (10 March), and untitled.
        "BEGIN:VEVENT\r\nUID:trip\r\n"
        "DTSTART;VALUE=DATE:20300309\r\nDTEND;VALUE=DATE:20300312\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:birthday\r\nSUMMARY:Ada's birthday\r\n"
        "DTSTART;VALUE=DATE:19900602\r\nDTEND;VALUE=DATE:19900603\r\n"
        "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:tokyo\r\nSUMMARY:Call with Tokyo\r\nDTSTART;TZID=" + tokyo +
            ":20300320T090000\r\nDTEND;TZID=" + tokyo + ":20300320T100000\r\nEND:VEVENT\r\n",
        // Floating times: the user's zone.
        "BEGIN:VEVENT\r\nUID:standup\r\nSUMMARY:Standup\r\n"
        "DTSTART:20300401T100000\r\nDTEND:20300401T103000\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=4\r\nEND:VEVENT\r\n",
    })) << calendar_->error();
    ASSERT_TRUE(
        calendar_->modify("BEGIN:VEVENT\r\nUID:standup\r\nSUMMARY:Standup, moved\r\n"
                          "RECURRENCE-ID:20300408T100000\r\n"
                          "DTSTART:20300409T150000\r\nDTEND:20300409T153000\r\nEND:VEVENT\r\n"))
        << calendar_->error();

    ASSERT_TRUE(spinUntil([&] { return offered().has_value(); }));
    const EventCalendar expected{id_, "Family", "#3A87AD", "On This Computer"};
    EXPECT_EQ(*offered(), expected);

    // Each occurrence as "uid start end [all-day] title", sorted. The trip
    // crosses the start of daylight saving time: 71 hours, local midnights.
    std::vector<std::string> rows;
    for (const auto& [id, e] : eventsIn(*user_.date(2030, 1, 1), *user_.date(2032, 1, 1))) {
        EXPECT_EQ(e.calendar, expected) << id;
        EXPECT_TRUE(id.starts_with(item(""))) << id;
        rows.push_back(id.substr(item("").size()) + " " + *formatIso8601(e.start) + " " +
                       *formatIso8601(e.end) + (e.allDay ? " all-day " : " ") +
                       e.title.value_or("-"));
    }
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows,
              (std::vector<std::string>{
                  "birthday 2030-06-02T04:00:00.000Z 2030-06-03T04:00:00.000Z all-day "
                  "Ada's birthday",
                  "birthday 2031-06-02T04:00:00.000Z 2031-06-03T04:00:00.000Z all-day "
                  "Ada's birthday",
                  "deadline 2030-03-14T04:00:00.000Z 2030-03-15T04:00:00.000Z all-day Deadline",
                  "standup 2030-04-01T14:00:00.000Z 2030-04-01T14:30:00.000Z Standup",
                  "standup 2030-04-09T19:00:00.000Z 2030-04-09T19:30:00.000Z Standup, moved",
                  "standup 2030-04-15T14:00:00.000Z 2030-04-15T14:30:00.000Z Standup",
                  "standup 2030-04-22T14:00:00.000Z 2030-04-22T14:30:00.000Z Standup",
                  "tokyo 2030-03-20T00:00:00.000Z 2030-03-20T01:00:00.000Z Call with Tokyo",
                  "trip 2030-03-09T05:00:00.000Z 2030-03-12T04:00:00.000Z all-day -",
              }));

    // The moved instance's original day, without the moved instance in
    // the window: still nothing there.
    EXPECT_TRUE(eventsIn(*user_.date(2030, 4, 8), *user_.date(2030, 4, 9)).empty());
    // Only what overlaps; at most the limit.
    const auto april9 = eventsIn(*user_.date(2030, 4, 9), *user_.date(2030, 4, 10));
    ASSERT_EQ(april9.size(), 1u);
    EXPECT_EQ(april9.begin()->second.title, "Standup, moved");
    EXPECT_EQ(source_->events(*user_.date(2030, 1, 1), *user_.date(2032, 1, 1), user_, 3).size(),
              3u);
}

TEST_F(EdsSourceTest, FollowsTheCalendarBeingRecolouredDisabledAndEnabled) {
    ASSERT_TRUE(
        calendar_->addAll({"BEGIN:VEVENT\r\nUID:deadline\r\nSUMMARY:Deadline\r\n"
                           "DTSTART;VALUE=DATE:20300314\r\nEND:VEVENT\r\n"}))
        << calendar_->error();
    ASSERT_TRUE(spinUntil([&] { return offered().has_value(); }));
    const Instant from = *user_.date(2030, 3, 1);
    const Instant to = *user_.date(2030, 4, 1);
    ASSERT_EQ(eventsIn(from, to).size(), 1u);

    int calls = 0;
    source_->setChangeHandler([&] { ++calls; });

    // As GNOME Calendar writes colours.
    ASSERT_TRUE(calendar_->setColor("rgb(98,160,234)")) << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0 && offered() && offered()->color == "#62A0EA"; }));

    calls = 0;
    ASSERT_TRUE(calendar_->setEnabled(false)) << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0 && !offered(); }));
    EXPECT_TRUE(eventsIn(from, to).empty());

    calls = 0;
    ASSERT_TRUE(calendar_->setEnabled(true)) << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0 && offered(); }));
    EXPECT_EQ(eventsIn(from, to).size(), 1u);
}

TEST_F(EdsSourceTest, TellsOfAddedModifiedAndRemovedEventsOnTheMainThread) {
    const Instant from = *user_.date(2030, 5, 1);
    const Instant to = *user_.date(2030, 6, 1);
    ASSERT_TRUE(spinUntil([&] { return offered().has_value(); }));
    ASSERT_TRUE(eventsIn(from, to).empty());  // read once, so changes are watched

    int calls = 0;
    bool elsewhere = false;
    const auto main = std::this_thread::get_id();
    source_->setChangeHandler([&] {
        ++calls;
        elsewhere = elsewhere || std::this_thread::get_id() != main;
    });
    // Read on a worker thread while this one runs the main context, as the
    // program does.
    const std::string lunch = item("lunch");
    auto titleOfLunch = [&]() -> std::optional<std::string> {
        auto reading = std::async(std::launch::async, [&] { return eventsIn(from, to); });
        EXPECT_TRUE(spinUntil([&] { return reading.wait_for(0s) == std::future_status::ready; }));
        const auto events = reading.get();
        const auto it = events.find(lunch);
        return it != events.end() ? it->second.title.value_or("") : std::optional<std::string>();
    };

    ASSERT_TRUE(
        calendar_->addAll({"BEGIN:VEVENT\r\nUID:lunch\r\nSUMMARY:Lunch\r\n"
                           "DTSTART:20300510T120000Z\r\nDTEND:20300510T130000Z\r\n"
                           "END:VEVENT\r\n"}))
        << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0; }));
    EXPECT_EQ(titleOfLunch(), "Lunch");

    calls = 0;
    ASSERT_TRUE(
        calendar_->modify("BEGIN:VEVENT\r\nUID:lunch\r\nSUMMARY:Long lunch\r\n"
                          "DTSTART:20300510T120000Z\r\nDTEND:20300510T150000Z\r\n"
                          "END:VEVENT\r\n"))
        << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0; }));
    EXPECT_EQ(titleOfLunch(), "Long lunch");

    calls = 0;
    ASSERT_TRUE(calendar_->remove("lunch")) << calendar_->error();
    EXPECT_TRUE(spinUntil([&] { return calls > 0; }));
    EXPECT_EQ(titleOfLunch(), std::nullopt);
    EXPECT_FALSE(elsewhere);
}

}  // namespace
}  // namespace solvane

int main(int argc, char** argv) {
    return solvane::testing::runEdsTests(argc, argv);
}
