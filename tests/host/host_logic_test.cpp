// The host's logic: its command line, placed-widgets file, entry and reload
// schedule, the controller keeping the last good entries; the app's reload call.
#include "host/render_options.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "fake_clock.h"
#include "fake_plugin.h"
#include "host/host_controller.h"
#include "host/placed_widgets.h"
#include "host/timeline_scheduler.h"
#include "platform/dbus/widget_host_client.h"
#include "platform/event_loop.h"

namespace solvane::host {
namespace {

using widgets::WidgetFamily;

TEST(ReloadClient, ReturnsAtOnceWithoutASessionBus) {
    // First in the file: the bus connection is made once per process, at first use.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/solvane-test-bus", 1);
    unsetenv("DISPLAY");
    EXPECT_FALSE(bus::requestWidgetReload());
    EXPECT_FALSE(bus::requestWidgetReload());
}

constexpr auto parse = &parseCommandLine;

TEST(RenderArguments, ParsesAFullRequest) {
    const auto parsed = parse(
        {"--render", "Countdowns", "--size", "medium", "--style", "dark", "--countdowns",
         "e621e1f8-c36c-495a-93fc-0c247a3e6e5f,00000000-0000-0000-0000-000000000001", "--entry",
         "7", "--mode", "accented", "--scheme", "dark", "--out", "x.png", "--scale", "2"});
    ASSERT_TRUE(parsed.command) << parsed.error;
    const RenderRequest& r = parsed.command->render;
    EXPECT_EQ(parsed.command->action, CommandLine::Action::render);
    EXPECT_EQ(r.kind, "Countdowns");
    EXPECT_EQ(r.family, WidgetFamily::medium);
    EXPECT_EQ(r.settings.at("style").value, "dark");
    ASSERT_TRUE(r.countdowns);
    EXPECT_EQ(r.countdowns->front(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
    EXPECT_EQ(r.source, RenderRequest::Source::timeline);
    EXPECT_EQ(r.timelineIndex, 7);
    EXPECT_EQ(r.mode, widgets::RenderingMode::accented);
    EXPECT_EQ(r.scheme, ColorScheme::dark);
    EXPECT_DOUBLE_EQ(r.scale, 2.0);

    const auto plain = parse({"--render", "Moon", "--size", "small", "--out", "m.png"});
    ASSERT_TRUE(plain.command);
    // The board as it is, not the gallery's sample.
    EXPECT_EQ(plain.command->render.source, RenderRequest::Source::timeline);
    EXPECT_EQ(plain.command->render.timelineIndex, 0);
    EXPECT_FALSE(plain.command->render.countdowns);
    // An empty list is a choice of its own: no countdowns.
    const auto none = parse({"--render", "Countdowns", "--size", "small", "--countdowns", "",
                             "--entry", "placeholder", "--out", "c.png"});
    ASSERT_TRUE(none.command);
    EXPECT_TRUE(none.command->render.countdowns->empty());

    EXPECT_EQ(parse({}).command->action, CommandLine::Action::run);
}

TEST(RenderArguments, RejectsBadArgumentsWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"--render", "Moon", "--size", "tiny", "--out", "m.png"},
        {"--render", "Moon", "--out", "m.png"},
        {"--render", "Moon", "--size", "small"},
        {"--render", "Moon", "--size", "small", "--out"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--entry", "-1"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--entry", "1x"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--countdowns",
         "e621e1f8-c36c-495a-93fc-0c247a3e6e5f,"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--mode", "mono"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--scheme", "blue"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--at", "tomorrow"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--scale", "0"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--scale", "nan"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--frobnicate"},
        {"--render", "Moon", "--size", "small", "--out", "m.png", "--set", "=dark"},
        {"--size", "small"},
    };
    for (const auto& args : bad) {
        const auto parsed = parse(args);
        EXPECT_FALSE(parsed.command) << args.back();
        EXPECT_FALSE(parsed.error.empty());
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(RenderArguments, ChecksTheRequestAgainstThePluginsKinds) {
    const auto kinds = testing::FakePlugin().kinds();
    const auto check = [&](std::vector<std::string> args) {
        return checkAgainstKinds(parse(std::move(args)).command->render, kinds);
    };
    EXPECT_EQ(check({"--render", "Countdowns", "--size", "medium", "--out", "a.png"}), "");
    EXPECT_NE(check({"--render", "Moon", "--size", "small", "--style", "neon", "--out", "a.png"}),
              "");
    EXPECT_EQ(
        check({"--render", "Moon", "--size", "small", "--set", "style=dark", "--out", "a.png"}),
        "");
    EXPECT_EQ(check({"--render", "Moon", "--size", "small", "--set", "tint=red", "--out", "a.png"}),
              "Moon has no tint");
    EXPECT_NE(check({"--render", "Moon", "--size", "small", "--countdowns",
                     "e621e1f8-c36c-495a-93fc-0c247a3e6e5f", "--out", "a.png"}),
              "");

    const auto request = parse({"--render", "Countdowns", "--size", "small", "--countdowns",
                                "e621e1f8-c36c-495a-93fc-0c247a3e6e5f", "--out", "a.png"})
                             .command->render;
    const auto configuration = configurationFor(request, kinds[0]);
    EXPECT_EQ(configuration.choices.at("style"), "glass");  // the kind's default
    EXPECT_EQ(configuration.entityLists.at("countdowns").size(), 1u);
    EXPECT_TRUE(
        configurationFor(
            parse({"--render", "Moon", "--size", "small", "--out", "a.png"}).command->render,
            kinds[1])
            .entityLists.empty());

    QTemporaryDir dir;
    EXPECT_EQ(checkWritable(dir.filePath("out.png").toStdString()), "");
    EXPECT_NE(checkWritable(dir.path().toStdString()), "");
}

PlacedWidgets sample() {
    PlacedWidgets placed;
    placed.accentedColours = true;
    placed.widgets.push_back({"w1",
                              "Countdowns",
                              WidgetFamily::medium,
                              {{{"style", "dark"}}, {{"countdowns", {"C", "A"}}}},
                              {-20, 300}});
    placed.widgets.push_back({"w2", "Moon", WidgetFamily::small, {}, {0, 0}});
    // An empty chosen list is not the same as none chosen.
    placed.widgets.push_back(
        {"w3", "Countdowns", WidgetFamily::small, {{}, {{"countdowns", {}}}}, {5, 6}});
    return placed;
}

TEST(PlacedWidgetsFile, RoundTripsThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("solvane/widgets.json");  // folder made on save
    EXPECT_EQ(loadPlacedWidgets(path).status, LoadStatus::missing);
    ASSERT_TRUE(savePlacedWidgets(path, sample()));
    PlacedWidgetsLoad load = loadPlacedWidgets(path);
    EXPECT_EQ(load.status, LoadStatus::loaded);
    EXPECT_EQ(load.placed, sample());

    load.placed.widgets.pop_back();
    load.placed.accentedColours = false;
    ASSERT_TRUE(savePlacedWidgets(path, load.placed));
    EXPECT_EQ(loadPlacedWidgets(path).placed, load.placed);
    EXPECT_FALSE(QFile::exists(path + ".bad"));

    const std::string a = newWidgetId();
    EXPECT_FALSE(a.empty());
    EXPECT_NE(a, newWidgetId());
}

TEST(PlacedWidgetsFile, CorruptFileStartsEmptyAndIsKeptAside) {
    const QByteArray good = encodePlacedWidgets(sample());
    ASSERT_TRUE(decodePlacedWidgets(good));
    QByteArray duplicate = good;
    duplicate.replace("\"w2\"", "\"w1\"");
    QByteArray badSize = good;
    badSize.replace("\"medium\"", "\"huge\"");
    QByteArray badList = good;
    badList.replace("\"C\"", "7");
    const std::vector<QByteArray> corrupt = {
        "",
        "[]",
        R"({"version":1})",
        R"({"version":2,"widgets":[]})",
        R"({"version":1,"widgets":[{"id":"x","kind":"Moon","size":"small","x":"1","y":2,"configuration":{}}]})",
        R"({"version":1,"widgets":[{"id":"x","kind":"Moon","size":"small","x":1e300,"y":2,"configuration":{}}]})",
        R"({"version":1,"accentedColours":"yes","widgets":[]})",
        good.left(good.size() / 2),
        duplicate,
        badSize,
        badList,
    };
    for (const QByteArray& bytes : corrupt) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_FALSE(decodePlacedWidgets(bytes));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("widgets.json");
    std::ofstream((path + ".bad").toStdString()) << "older damage";
    std::ofstream(path.toStdString()) << "{not json";
    const PlacedWidgetsLoad load = loadPlacedWidgets(path);
    EXPECT_EQ(load.status, LoadStatus::corrupt);
    EXPECT_TRUE(load.placed.widgets.empty());
    EXPECT_FALSE(QFile::exists(path));
    QFile aside(path + ".bad");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), "{not json");
}

using testing::FakeClock;
using testing::FakeEntry;
using testing::FakePlugin;
using Strings = std::vector<std::string>;

std::vector<Instant> quarterHours(Instant from, int count) {
    std::vector<Instant> dates;
    for (int i = 0; i < count; ++i) {
        dates.push_back(from + i * 900.0);
    }
    return dates;
}

class TimelineSchedulerTest : public ::testing::Test {
  protected:
    // A widget that got its first timeline of 8 quarter-hour entries now,
    // to be reloaded in 30 minutes.
    void placeWithTimeline(const std::string& id) {
        scheduler.add(id);
        ASSERT_EQ(scheduler.takeDueReloads(), Strings{id});
        scheduler.timelineArrived(id, quarterHours(clock.wall, 8), clock.wall + 1800.0);
    }

    FakeClock clock;
    TimelineScheduler scheduler{clock};
};

TEST_F(TimelineSchedulerTest, ShowsEachEntryFromItsDate) {
    scheduler.add("w");
    EXPECT_FALSE(scheduler.entryIndex("w"));
    ASSERT_EQ(scheduler.takeDueReloads(), Strings{"w"});
    // Delivered out of order, with the first entry still ahead.
    auto dates = quarterHours(clock.wall + 60.0, 3);
    std::swap(dates[0], dates[2]);
    scheduler.timelineArrived("w", dates, clock.wall + 1800.0);
    EXPECT_EQ(scheduler.entryIndex("w"), 0u);
    EXPECT_DOUBLE_EQ(*scheduler.secondsUntilNextEvent(), 60.0);

    clock.advance(60.0);
    EXPECT_EQ(scheduler.entryIndex("w"), 0u);
    EXPECT_DOUBLE_EQ(*scheduler.secondsUntilNextEvent(), 900.0);
    clock.advance(899.0);
    EXPECT_EQ(scheduler.entryIndex("w"), 0u);
    clock.advance(1.0);
    EXPECT_EQ(scheduler.entryIndex("w"), 1u);
    clock.advance(5000.0);
    EXPECT_EQ(scheduler.entryIndex("w"), 2u);  // the last stays after its time
}

TEST_F(TimelineSchedulerTest, ReloadsAtThePolicyDate) {
    placeWithTimeline("w");
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    clock.advance(1799.0);
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    EXPECT_DOUBLE_EQ(*scheduler.secondsUntilNextEvent(), 1.0);
    clock.advance(1.0);
    EXPECT_EQ(scheduler.takeDueReloads(), Strings{"w"});
    EXPECT_TRUE(scheduler.takeDueReloads().empty());  // asked once, not on every tick

    // Without a policy: after the last entry, and not within five minutes.
    scheduler.timelineArrived("w", {clock.wall}, std::nullopt);
    clock.advance(TimelineScheduler::kMinimumDefaultReload - 1.0);
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    clock.advance(1.0);
    EXPECT_EQ(scheduler.takeDueReloads(), Strings{"w"});
}

TEST_F(TimelineSchedulerTest, ReloadRequestsAreCoalescedToOncePerMinute) {
    placeWithTimeline("a");
    placeWithTimeline("b");
    clock.advance(10.0);
    scheduler.reloadAll();
    scheduler.reloadAll();
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    EXPECT_DOUBLE_EQ(*scheduler.secondsUntilNextEvent(), 50.0);
    clock.advance(50.0);
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));
    scheduler.reloadAll();
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    clock.advance(60.0);
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));

    // A changed configuration drops the stale entries at once but still waits.
    scheduler.restart("a");
    EXPECT_FALSE(scheduler.entryIndex("a"));
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
}

// Saves in the app reach the widgets at once; only requests within a second merge.
TEST_F(TimelineSchedulerTest, RequestedReloadsWaitASecondNotAMinute) {
    placeWithTimeline("a");
    placeWithTimeline("b");
    clock.advance(5.0);
    scheduler.requestReloadAll();
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));
    scheduler.requestReloadAll();
    scheduler.requestReloadAll();
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    EXPECT_DOUBLE_EQ(*scheduler.secondsUntilNextEvent(), 1.0);
    clock.advance(1.0);
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));
    clock.advance(5.0);
    scheduler.requestReloadAll();
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));

    // The host's own reloads keep their minute.
    clock.advance(5.0);
    scheduler.reloadAll();
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    // Entries of another time zone are wrong now, not in a minute.
    scheduler.reloadAllNow();
    EXPECT_EQ(scheduler.takeDueReloads(), (Strings{"a", "b"}));
}

TEST_F(TimelineSchedulerTest, FailureKeepsEntriesAndRetriesLater) {
    placeWithTimeline("w");
    clock.advance(1800.0);
    ASSERT_EQ(scheduler.takeDueReloads(), Strings{"w"});
    scheduler.timelineFailed("w");
    scheduler.timelineArrived("w", {}, std::nullopt);  // an empty timeline is a failure too
    EXPECT_EQ(scheduler.entryIndex("w"), 2u);
    clock.advance(TimelineScheduler::kRetryAfterFailure - 1.0);
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    clock.advance(1.0);
    EXPECT_EQ(scheduler.takeDueReloads(), Strings{"w"});
}

TEST_F(TimelineSchedulerTest, WakeFromSleepReloadsEveryWidget) {
    placeWithTimeline("a");
    EXPECT_FALSE(scheduler.checkClockJump());  // first look only records
    clock.advance(30.0);
    EXPECT_FALSE(scheduler.checkClockJump());
    // Slept 20 minutes 30 s after the last request; the policy date is still ahead.
    clock.sleep(1200.0);
    EXPECT_TRUE(scheduler.checkClockJump());
    EXPECT_EQ(scheduler.takeDueReloads(), Strings{"a"});

    // Small timer lateness is not a wake.
    clock.advance(100.0);
    clock.sleep(30.0);
    EXPECT_FALSE(scheduler.checkClockJump());

    // The clock set back just after a request: reload, but still no more
    // than once a minute.
    scheduler.reloadAll();
    ASSERT_EQ(scheduler.takeDueReloads(), Strings{"a"});
    clock.wall = clock.wall - 3600.0;
    EXPECT_TRUE(scheduler.checkClockJump());
    EXPECT_TRUE(scheduler.takeDueReloads().empty());
    clock.advance(60.0);
    EXPECT_EQ(scheduler.takeDueReloads(), Strings{"a"});
}

int serialOf(const std::shared_ptr<const widgets::WidgetEntry>& entry) {
    const auto* fake = dynamic_cast<const FakeEntry*>(entry.get());
    return fake ? fake->serial() : 0;
}

class HostControllerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { solvane::testing::application(); }

    QString path() const { return dir.filePath("solvane/widgets.json"); }

    QTemporaryDir dir;
    testing::FakeClock clock;
    FakePlugin plugin;
};

TEST_F(HostControllerTest, PlacesWidgetsAndKeepsThemInTheFile) {
    {
        HostController host(plugin, path(), clock);
        EXPECT_EQ(host.start(), LoadStatus::missing);
        const std::string id = host.addWidget("Countdowns", WidgetFamily::medium, {10, 20});
        EXPECT_TRUE(host.isShown(id));
        EXPECT_EQ(host.widget(id)->configuration.choices.at("style"), "glass");
        EXPECT_EQ(plugin.timelineCalls, 1);
        EXPECT_EQ(serialOf(host.currentEntry(id)), 1);
        host.moveWidget(id, {30, 40});
        host.setAccentedColours(true);
        // Not offered in that size by the plug-in: kept, but not shown.
        const std::string odd = host.addWidget("Moon", WidgetFamily::large, {0, 0});
        EXPECT_FALSE(host.isShown(odd));
    }
    HostController again(plugin, path(), clock);
    EXPECT_EQ(again.start(), LoadStatus::loaded);
    ASSERT_EQ(again.placed().widgets.size(), 2u);
    EXPECT_EQ(again.placed().widgets[0].position, QPoint(30, 40));
    EXPECT_TRUE(again.accentedColours());
    again.removeWidget(again.placed().widgets[1].id);
    EXPECT_EQ(loadPlacedWidgets(path()).placed.widgets.size(), 1u);
}

TEST_F(HostControllerTest, FailingPluginKeepsTheLastEntryOnScreen) {
    HostController host(plugin, path(), clock);
    host.start();
    const std::string id = host.addWidget("Moon", WidgetFamily::small, {0, 0});
    clock.advance(20 * 60.0);
    EXPECT_EQ(serialOf(host.currentEntry(id)), 2);  // the second entry of the first timeline

    plugin.timelineFailure = FakePlugin::Failure::exception;
    clock.advance(60.0);
    host.reloadAllTimelines();
    EXPECT_EQ(plugin.timelineCalls, 2);
    EXPECT_EQ(serialOf(host.currentEntry(id)), 2);
    plugin.timelineFailure = FakePlugin::Failure::empty;
    clock.advance(60.0);
    host.reloadAllTimelines();
    EXPECT_EQ(plugin.timelineCalls, 3);
    EXPECT_EQ(serialOf(host.currentEntry(id)), 2);

    // Before any timeline arrived, a failure leaves the first snapshot showing.
    const std::string second = host.addWidget("Moon", WidgetFamily::small, {0, 0});
    EXPECT_EQ(serialOf(host.currentEntry(second)), -2);
}

}  // namespace
}  // namespace solvane::host
