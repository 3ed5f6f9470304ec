// solvane-board --follow as a bar runs it: the real program on a private
// session bus, read through a pipe.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/store/shared_store.h"
#include "platform/dbus/widget_host_client.h"
#include "support/child_process.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"
#include "support/zone_files.h"

namespace solvane {
namespace {

using namespace std::chrono_literals;

class Follow : public ::testing::Test {
  protected:
    Follow() {
        ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (dir.path() / "cache").c_str(), 1);
        ::setenv("SOLVANE_OPEN_METEO_URL", "http://127.0.0.1:9", 1);
        ::setenv("SOLVANE_WEATHERKIT_URL", "http://127.0.0.1:9", 1);
        ::setenv("SOLVANE_NOMINATIM_URL", "http://127.0.0.1:9", 1);
        ::setenv("TZ", "America/New_York", 1);
    }

    ~Follow() override {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }

    void start(const std::string& at, bool offline = true) {
        // Built before the fork: the child of a threaded process must not allocate.
        std::vector<const char*> argv = {
            SOLVANE_BOARD_PROGRAM,           "--waybar", "--follow", "--at", at.c_str(),
            offline ? "--offline" : nullptr, nullptr};
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        pid = ::fork();
        if (pid == 0) {
            ::dup2(pipeFds[1], STDOUT_FILENO);
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
            ::execv(SOLVANE_BOARD_PROGRAM, const_cast<char* const*>(argv.data()));
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        fd = pipeFds[0];
    }

    // The next line within `limit`, without its newline.
    std::optional<std::string> nextLine(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (true) {
            if (const auto end = buffer.find('\n'); end != std::string::npos) {
                std::string line = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
                return std::nullopt;
            }
            char chunk[4096];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n <= 0) {
                return std::nullopt;
            }
            buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }

    testing::TempDir dir;
    pid_t pid = -1;
    int fd = -1;
    std::string buffer;
};

TEST_F(Follow, PrintsTheNextDayAndEverySavedChangeThenStopsWhenTheBarCloses) {
    start("2026-12-20T23:59:59-05:00");
    const auto first = nextLine(5s);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("Winter solstice 1 day"), std::string::npos) << *first;

    const auto midnight = nextLine(2500ms);
    ASSERT_TRUE(midnight.has_value()) << "no update at midnight";
    EXPECT_NE(midnight->find("Winter solstice 0 days"), std::string::npos) << *midnight;

    SavedLocation place = SharedStore::standard().loadSavedLocation().value_or(defaultLocation());
    place.name = "Tom & Jerry";
    ASSERT_TRUE(SharedStore::standard().saveLocation(place));
    bus::requestWidgetReload();
    const auto renamed = nextLine(2s);
    ASSERT_TRUE(renamed.has_value()) << "no update after a saved change";
    EXPECT_NE(renamed->find("Tom &amp; Jerry"), std::string::npos) << *renamed;

    ::close(fd);
    fd = -1;
    const testing::Finished f = testing::waitFor(std::exchange(pid, -1), 3s);
    EXPECT_FALSE(f.timedOut);
    EXPECT_EQ(f.code, 0);
}

// A tzdata upgrade while the bar runs: the zone's file is replaced, and the
// next minute's update reads the clock by the new rules (17:01, not 15:31).
TEST_F(Follow, TakesTheZonesNewRulesWhenItsFileIsReplaced) {
    const auto tzdir = dir.path() / "zoneinfo";
    ASSERT_TRUE(testing::installZone(tzdir, "Test/Here", "Zone Test/Here 3:30 - +0330\n"));
    ::setenv("TZDIR", tzdir.c_str(), 1);
    ::setenv("TZ", "Test/Here", 1);
    // Ten seconds before the minute: the update for 15:31 is soon due.
    start("2027-06-15T12:00:50Z");
    const auto first = nextLine(5s);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("\u00b7 3:30 \u00b7"), std::string::npos) << *first;

    ASSERT_TRUE(testing::installZone(tzdir, "Test/Here", "Zone Test/Here 5:00 - +05\n"));
    const auto deadline = std::chrono::steady_clock::now() + 75s;
    bool updated = false;
    while (!updated && std::chrono::steady_clock::now() < deadline) {
        const auto line = nextLine(std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()));
        updated = line && line->find("\u00b7 5:0") != std::string::npos;
    }
    EXPECT_TRUE(updated) << "no update with the new rules";
    ::unsetenv("TZDIR");
}

TEST_F(Follow, NeverWaitsOnAWeatherServiceThatDoesNotAnswer) {
    testing::LoopbackHttpServer silent([](const testing::HttpTestRequest&) {
        testing::HttpTestReply reply;
        reply.behaviour = testing::HttpTestReply::Behaviour::neverAnswer;
        return reply;
    });
    ::setenv("SOLVANE_OPEN_METEO_URL", silent.url().c_str(), 1);
    start("2026-12-20T12:00:00-05:00", false);

    const auto first = nextLine(2s);
    ASSERT_TRUE(first.has_value()) << "the first line waited on the weather";
    EXPECT_NE(first->find("no-weather"), std::string::npos) << *first;
    const auto asked = std::chrono::steady_clock::now() + 5s;
    while (silent.requestCount() == 0 && std::chrono::steady_clock::now() < asked) {
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_EQ(silent.requestCount(), 1u) << "the weather was never asked for";

    // Saves in a burst, while the request hangs: one line, within 2 s.
    SavedLocation place = SharedStore::standard().loadSavedLocation().value_or(defaultLocation());
    for (const char* name : {"First", "Second", "Third"}) {
        place.name = name;
        ASSERT_TRUE(SharedStore::standard().saveLocation(place));
        bus::requestWidgetReload();
    }
    const auto changed = nextLine(2s);
    ASSERT_TRUE(changed.has_value()) << "a saved change waited on the weather";
    EXPECT_NE(changed->find("Third"), std::string::npos) << *changed;
    EXPECT_FALSE(nextLine(1500ms).has_value()) << "the burst was not merged";

    ::kill(pid, SIGTERM);
    const testing::Finished f = testing::waitFor(std::exchange(pid, -1), 5s);
    EXPECT_FALSE(f.timedOut) << "SIGTERM waited for the hanging request";
    EXPECT_EQ(f.code, 0);
    EXPECT_EQ(silent.requestCount(), 1u);
}

}  // namespace
}  // namespace solvane

int main(int argc, char** argv) {
    // The reload request goes over the session bus, which needs Qt's loop.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
