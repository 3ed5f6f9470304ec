// The host's command line and its file of placed widgets.
#include "host/render_options.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fake_plugin.h"
#include "host/placed_widgets.h"

namespace solvane::host {
namespace {

using widgets::WidgetFamily;

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
    EXPECT_EQ(parse({"--headless-service"}).command->action, CommandLine::Action::headlessService);
    EXPECT_EQ(parse({"--render", "Moon", "--help"}).command->action, CommandLine::Action::help);
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

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
        "{not json",
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
    write(path + ".bad", "older damage");
    write(path, "{not json");
    const PlacedWidgetsLoad load = loadPlacedWidgets(path);
    EXPECT_EQ(load.status, LoadStatus::corrupt);
    EXPECT_TRUE(load.placed.widgets.empty());
    EXPECT_FALSE(QFile::exists(path));
    QFile aside(path + ".bad");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), "{not json");
}

}  // namespace
}  // namespace solvane::host
