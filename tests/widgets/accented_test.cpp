// Accented rendering draws in one neutral colour and the tint: every face's text,
// and the moon's outline in every style, must still read against its card.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "board/canvas.h"
#include "board/sky_drawings.h"
#include "core/util/enum_strings.h"
#include "widgets/styled.h"
#include "widgets/widget_views.h"

#include "widgets/golden_board.h"

namespace solvane::widgets {
namespace {

constexpr double kScale = 2;
const QColor kTint(0x30, 0x8c, 0xc6);

using samples::newYork;

double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// `over` seen through `colour`.
QRgb composite(const QColor& colour, QRgb over) {
    const double a = colour.alphaF();
    const auto mix = [&](int top, int bottom) {
        return static_cast<int>(std::lround(top * a + bottom * (1 - a)));
    };
    return qRgb(mix(colour.red(), qRed(over)), mix(colour.green(), qGreen(over)),
                mix(colour.blue(), qBlue(over)));
}

QRgb mostFrequent(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
    return std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
}

// The reviewed pictures' board with three countdowns and a nearly full moon.
BoardEntry busyEntry(WidgetStyle style) {
    BoardData b = samples::goldenBoard();
    b.countdowns.resize(3);
    b.sky.moonPhase = 0.49;
    b.sky.moonFraction = 0.99;
    return BoardEntry(b.date, std::move(b), style);
}

struct Face {
    const char* kind;
    WidgetFamily family;
};

constexpr std::array kFaces{
    Face{"Solvane", WidgetFamily::extraLarge}, Face{"Sky", WidgetFamily::large},
    Face{"Countdowns", WidgetFamily::small},   Face{"Countdowns", WidgetFamily::medium},
    Face{"Moon", WidgetFamily::small},         Face{"Forecast", WidgetFamily::medium},
    Face{"Forecast", WidgetFamily::large}};

struct Look {
    WidgetStyle style;
    ColorScheme desktop;
    std::vector<QColor> wallpapers;  // what shows through a glass widget
};

const std::vector<Look> kLooks = {
    {WidgetStyle::glass, ColorScheme::dark, {QColor(128, 128, 128), Qt::white}},
    {WidgetStyle::glass, ColorScheme::light, {QColor(128, 128, 128), Qt::black}},
    {WidgetStyle::dark, ColorScheme::light, {Qt::black}},
    {WidgetStyle::light, ColorScheme::dark, {Qt::black}},
};

QImage accentedFace(const Face& face, const Look& look, const QColor& wallpaper,
                    const QColor& tint = kTint) {
    const ViewContext context{
        face.family, RenderingMode::accented, look.desktop, &newYork(), nullptr, tint};
    const BoardEntry entry = busyEntry(look.style);
    return testing::render(familySize(face.family), kScale, wallpaper, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintWidget(p, QRectF(QPointF(), familySize(face.family)), face.kind, entry, context);
    });
}

struct Cluster {
    QRect bounds;
    std::vector<QRgb> pixels;
};

// Connected runs of pixels that are neither card nor panel nor accent content
// (what changes with the tint): text, glyphs, the moon, rules and tracks.
std::vector<Cluster> inkClusters(const QImage& image, const QImage& otherTint,
                                 const std::vector<QRgb>& surfaces) {
    const int w = image.width();
    const int size = w * image.height();
    std::vector<char> ink(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const QRgb c = image.pixel(i % w, i / w);
        ink[i] = std::ranges::none_of(surfaces, [&](QRgb s) { return near(c, s, 6); }) &&
                 near(c, otherTint.pixel(i % w, i / w), 2);
    }
    std::vector<Cluster> out;
    for (int first = 0; first < size; ++first) {
        if (!ink[first]) {
            continue;
        }
        Cluster cluster{QRect(first % w, first / w, 1, 1), {}};
        std::vector<int> stack{first};
        ink[first] = 0;
        while (!stack.empty()) {
            const QPoint p(stack.back() % w, stack.back() / w);
            stack.pop_back();
            cluster.pixels.push_back(image.pixel(p));
            cluster.bounds |= QRect(p, QSize(1, 1));
            for (int d = 0; d < 9; ++d) {
                const QPoint n = p + QPoint(d % 3 - 1, d / 3 - 1);
                if (image.rect().contains(n) && ink[n.y() * w + n.x()]) {
                    ink[n.y() * w + n.x()] = 0;
                    stack.push_back(n.y() * w + n.x());
                }
            }
        }
        out.push_back(std::move(cluster));
    }
    return out;
}

// Shaped like a letter or glyph, not a rule, track or dash drawn faint on purpose.
bool textLike(const Cluster& c) {
    const int w = c.bounds.width();
    const int h = c.bounds.height();
    return c.pixels.size() >= 24 && w >= 6 && h >= 8 && w <= 24 * h && h <= 24 * w;
}

TEST(Accented, EveryTextReadsAgainstItsCard) {
    for (const Face& face : kFaces) {
        for (const Look& look : kLooks) {
            for (const QColor& wallpaper : look.wallpapers) {
                const std::string name =
                    std::string(face.kind) + " " + std::string(toString(face.family)) + " " +
                    std::string(toString(look.style)) + " on " +
                    std::string(toString(look.desktop)) + " over " + wallpaper.name().toStdString();
                const QImage image = accentedFace(face, look, wallpaper);
                const QImage otherTint =
                    accentedFace(face, look, wallpaper, QColor(0xd0, 0x40, 0x30));
                const QRgb card = mostFrequent(image);
                const ColorScheme scheme =
                    Styled{look.style, nullptr, {}, RenderingMode::accented, look.desktop}.scheme();
                const Palette palette = Palette::accented(scheme, kTint);
                const QRgb panel = composite(palette.panel.resolve(scheme), card);
                int texts = 0;
                for (const Cluster& cluster : inkClusters(image, otherTint, {card, panel})) {
                    if (!textLike(cluster)) {
                        continue;
                    }
                    ++texts;
                    // The fifth strongest pixel, so one stray pixel cannot pass a faint text.
                    std::vector<double> strengths;
                    for (QRgb c : cluster.pixels) {
                        strengths.push_back(std::min(contrast(c, card), contrast(c, panel)));
                    }
                    std::ranges::sort(strengths, std::greater<>());
                    const double reached =
                        strengths[std::min<std::size_t>(4, strengths.size() - 1)];
                    EXPECT_GE(reached, 4.5)
                        << name << ": ink at (" << cluster.bounds.x() / kScale << ", "
                        << cluster.bounds.y() / kScale << ") points, card "
                        << QColor(card).name().toStdString();
                }
                EXPECT_GE(texts, 5) << name;
            }
        }
    }
}

// A full moon is the hard case for the light style, whose lit colour is close
// to its card; a new moon for the dark ones, whose disc is.
TEST(Accented, MoonOutlineReadsInEveryStyleSchemeAndMode) {
    const Instant dusk = *parseIso8601("2025-06-14T20:15:00-04:00");
    const SkySnapshot times = SkySnapshot::compute(dusk, 40.68, -73.94, newYork());
    for (RenderingMode mode : {RenderingMode::fullColor, RenderingMode::accented}) {
        for (const Look& look : kLooks) {
            const Styled styled{look.style, &times, dusk, mode, look.desktop, kTint};
            const Palette palette = styled.contentPalette();
            for (double fraction : {1.0, 0.0}) {
                SkySnapshot sky = times;
                sky.moonPhase = 0.5 * fraction;
                sky.moonFraction = fraction;
                const QRectF disc(40, 40, 60, 60);
                const QImage image =
                    testing::render({140, 140}, kScale, look.wallpapers.front(), [&](QPainter& p) {
                        p.setRenderHint(QPainter::Antialiasing);
                        styled.paintBackground(p, {0, 0, 140, 140});
                        paintMoonGlyph(p, disc, sky, palette, styled.scheme());
                    });
                for (int step = 0; step < 8; ++step) {
                    const double angle = step * std::numbers::pi / 4 + 0.2;
                    const auto point = [&](double r) {
                        return QPointF(70 + r * std::cos(angle), 70 + r * std::sin(angle));
                    };
                    const QRgb card = testing::pixelAt(image, point(36), kScale).rgb();
                    double best = 1;
                    for (double r = 26; r <= 31; r += 0.25) {
                        best = std::max(
                            best, contrast(testing::pixelAt(image, point(r), kScale).rgb(), card));
                    }
                    EXPECT_GE(best, 3.0)
                        << toString(look.style) << " on " << toString(look.desktop) << ", "
                        << toString(mode) << ", lit " << fraction << ", angle step " << step;
                }
            }
        }
    }
}

}  // namespace
}  // namespace solvane::widgets
