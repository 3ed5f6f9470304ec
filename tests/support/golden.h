// An image against its reviewed PNG (rewritten when SOLVANE_UPDATE_GOLDENS=1): at
// most 1 % of pixels may differ by over 40 a channel, as fonts do, not moved parts.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/time/instant.h"
#include "core/weather/weather.h"

namespace solvane::testing {

// The pictures' weather, a warm June afternoon in Brooklyn: a change changes them all.
inline WeatherSnapshot fixedWeather(Instant fetched) {
    WeatherSnapshot w;
    w.fetched = fetched;
    w.latitude = 40.68;
    w.longitude = -73.94;
    w.temperatureC = 24.4;
    w.feelsLikeC = 25.1;
    w.highC = 27.2;
    w.lowC = 18.3;
    w.condition = "Partly Cloudy";
    w.symbol = "cloud.sun";
    w.windKph = 14;
    w.windDirection = 200;
    w.cloudCover = 38;
    return w;
}

inline void expectMatchesGolden(const QImage& rendered, const QString& path) {
    const QImage actual = rendered.convertToFormat(QImage::Format_ARGB32);
    const char* update = std::getenv("SOLVANE_UPDATE_GOLDENS");
    if (update != nullptr && std::string(update) == "1") {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(actual.save(path, "png")) << path.toStdString();
        return;
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull())
        << "missing " << path.toStdString() << " (make goldens writes it)";
    const QImage want = expected.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(want.size(), actual.size()) << path.toStdString();
    int off = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(want.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int d = std::max(
                {std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                 std::abs(qBlue(a[x]) - qBlue(b[x])), std::abs(qAlpha(a[x]) - qAlpha(b[x]))});
            off += d > 40 ? 1 : 0;
        }
    }
    EXPECT_LE(off, actual.width() * actual.height() / 100)
        << path.toStdString() << ": " << off << " pixels differ";
}

}  // namespace solvane::testing
