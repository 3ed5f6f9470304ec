#include "host/placed_widgets.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace solvane::host {
namespace {

using widgets::WidgetFamily;

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
