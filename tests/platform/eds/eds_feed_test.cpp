// Calendars in a private Evolution Data Server (eds_session.h) seen through
// solvane-board and through the feed sync following EDS's change reports.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/calendar/calendar_sync.h"
#include "core/store/shared_store.h"
#include "core/test_helpers.h"
#include "core/time/date_text.h"
#include "platform/calendar/calendar_database.h"
#include "platform/calendar/eds_source.h"
#include "platform/eds/eds_calendar_test.h"
#include "platform/eds/eds_session.h"
#include "support/child_process.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

extern char** environ;

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Json = nlohmann::json;
using testing::newYork;
using testing::spinUntil;

// Tuesday 2030-03-12 15:00 in New York.
const Instant kToday = *newYork().date(2030, 3, 12, 15);

constexpr const char* kDentist =
    "BEGIN:VEVENT\r\nUID:dentist\r\nSUMMARY:Dentist\r\n"
    "DTSTART;VALUE=DATE:20300320\r\nDTEND;VALUE=DATE:20300321\r\nEND:VEVENT\r\n";

fs::path configFolder() {
    return fs::path(std::getenv("XDG_CONFIG_HOME"));
}

// solvane-board in this session, with the permission given and no folders
// of calendars but an empty one.
Json board(const std::vector<std::string>& args, const fs::path& scratch) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        env.emplace_back(*e);
    }
    env.push_back("SOLVANE_CALENDAR_DIRS=" + (scratch / "no-calendars").string());
    env.push_back("TZ=America/New_York");
    std::vector<std::string> argv = {SOLVANE_BOARD_FILE};
    argv.insert(argv.end(), args.begin(), args.end());
    const fs::path out = scratch / "out.json";
    const fs::path err = scratch / "err.txt";
    const auto done = testing::runProgram(argv, env, scratch, out, err, 60s);
    EXPECT_EQ(done.code, 0) << std::ifstream(err).rdbuf();
    std::ifstream in(out);
    return Json::parse(in, nullptr, false);
}

class EdsFeedTest : public testing::EdsCalendarTest {
  protected:
    void SetUpWithCalendar() override {
        fs::create_directories(configFolder() / "solvane");
        std::ofstream(configFolder() / "solvane" / "permissions.json")
            << R"({"calendars":"granted"})";
    }

    testing::TempDir scratch_;
};

// An online calendar whose server never answers holds nothing up: it is
// left out and said to be silent.
TEST_F(EdsFeedTest, TheBoardListsCalendarsAndEventsLeavingOutASilentServer) {
    testing::LoopbackHttpServer silent([](const testing::HttpTestRequest&) {
        testing::HttpTestReply reply;
        reply.behaviour = testing::HttpTestReply::Behaviour::neverAnswer;
        return reply;
    });
    std::string error;
    const auto remote = writer().addRemoteCalendar("Work", silent.url() + "/cal/", error);
    ASSERT_TRUE(remote) << error;
    ASSERT_TRUE(calendar_->addAll({kDentist})) << calendar_->error();

    std::map<std::string, Json> listed;
    for (const Json& c : board({"calendars"}, scratch_.path())) {
        listed[c["id"].get<std::string>()] = c;
    }
    const std::string id = "eds:" + calendar_->uid();
    EXPECT_EQ(listed[id], (Json{{"id", id},
                                {"title", "Family"},
                                {"source", "evolution"},
                                {"account", "On This Computer"},
                                {"colour", "#3A87AD"},
                                {"responding", true}}));
    EXPECT_EQ(listed["eds:" + *remote]["responding"], false);

    // How EDS's events read is eds_source_test.cpp's; here, that they reach the board.
    const Json events = board(
        {"events", "--days", "30", "--at", "2030-03-12T15:00:00-04:00", "--tz", "America/New_York"},
        scratch_.path());
    EXPECT_EQ(events, Json::array({Json{{"id", id + "/dentist"},
                                        {"calendarID", id},
                                        {"title", "Dentist"},
                                        {"start", "2030-03-20T04:00:00.000Z"},
                                        {"end", "2030-03-21T04:00:00.000Z"},
                                        {"allDay", true}}}));
}

// The feed sync follows the calendar, and EDS's change signal is what runs it.
TEST_F(EdsFeedTest, FeedCountdownsFollowTheEventsAsEdsReportsChanges) {
    std::vector<std::unique_ptr<platform::CalendarSource>> sources;
    sources.push_back(platform::EdsSource::connect(20s));
    ASSERT_TRUE(sources.back());
    platform::CalendarDatabase database(std::move(sources), platform::PermissionRecord::standard());
    const SharedStore store(StorePaths::forGroup("org.solvane.eds-test"), "en_US");
    const std::string calendarId = "eds:" + calendar_->uid();
    AppSettings settings = store.loadSettings();
    settings.feedCalendarIDs = {calendarId};
    ASSERT_TRUE(store.saveSettings(settings));
    ASSERT_TRUE(store.saveCountdowns({}));

    // "label YYYY-MM-DD" for each stored countdown.
    const auto stored = [&] {
        std::vector<std::string> out;
        for (const auto& c : store.loadCountdowns(newYork(), kToday)) {
            out.push_back(c.label + " " +
                          isoDateText(*newYork().civilDate(c.start.asFixed()->date)));
        }
        return out;
    };
    using List = std::vector<std::string>;
    int syncs = 0;
    database.setChangeHandler([&] {
        syncFeeds(store, database, kToday, newYork());
        ++syncs;
    });
    // The first read starts the watching.
    syncFeeds(store, database, kToday, newYork());
    ASSERT_TRUE(stored().empty());

    ASSERT_TRUE(calendar_->addAll({kDentist})) << calendar_->error();
    ASSERT_TRUE(spinUntil([&] { return stored() == List{"Dentist 2030-03-20"}; })) << "added";
    EXPECT_GT(syncs, 0);

    // A change is a change: EDS's report of each kind is eds_source_test.cpp's.
    ASSERT_TRUE(calendar_->remove("dentist")) << calendar_->error();
    ASSERT_TRUE(spinUntil([&] { return stored().empty(); })) << "deleted";
}

}  // namespace
}  // namespace solvane

int main(int argc, char** argv) {
    return solvane::testing::runEdsTests(argc, argv);
}
