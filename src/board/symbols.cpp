#include "board/symbols.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "board/fonts.h"

namespace solvane {
namespace {

// Material has no rain cloud and no balloon in this version; the nearest
// shapes stand in (a drop for rain, an umbrella for showers, bands for haze,
// a cloud of grains for dust, bubbles for balloons). Heavy rain keeps rain's
// drop, and sleet and hail snow's cloud, for want of shapes of their own.
// Where it has only an outlined shape and a filled one exists, the filled
// one is used, so glyphs side by side share one style.
constexpr std::array<SymbolGlyph, 173> kGlyphs{{
    {"airplane", "flight", 0xE539},
    {"airplane.departure", "flight_takeoff", 0xE905},
    {"alarm", "alarm", 0xE855},
    {"arrow.clockwise", "refresh", 0xE5D5},
    {"arrow.down", "arrow_downward", 0xE5DB},
    {"arrow.up", "arrow_upward", 0xE5D8},
    {"bag", "shopping_bag", 0xF1CC},
    {"balloon", "bubble_chart", 0xE6DD},
    {"balloon.2", "bubble_chart", 0xE6DD},
    {"baseball", "sports_baseball", 0xEA51},
    {"basketball", "sports_basketball", 0xEA26},
    {"beach.umbrella", "beach_access", 0xEB3E},
    {"bed.double", "king_bed", 0xEA45},
    {"bell", "notifications", 0xE7F4},
    {"bicycle", "pedal_bike", 0xEB29},
    {"bird", "flutter_dash", 0xE00B},
    {"birthday.cake", "cake", 0xE7E9},
    {"bolt", "bolt", 0xEA0B},
    {"book", "menu_book", 0xEA19},
    {"books.vertical", "library_books", 0xE02F},
    {"briefcase", "work", 0xE8F9},
    {"building.2", "apartment", 0xEA40},
    {"bus", "directions_bus", 0xE530},
    {"calendar", "calendar_today", 0xE935},
    {"calendar.badge.clock", "pending_actions", 0xF1BB},
    {"calendar.circle", "today", 0xE8DF},
    {"camera", "photo_camera", 0xE412},
    {"camera.aperture", "camera", 0xE3AF},
    {"camera.macro", "local_florist", 0xE545},
    {"car", "directions_car", 0xE531},
    {"cart", "shopping_cart", 0xE8CC},
    {"cat", "pets", 0xE91D},
    {"chart.line.uptrend.xyaxis", "show_chart", 0xE6E1},
    {"checkmark.seal", "verified", 0xEF76},
    {"clock", "watch_later", 0xE924},
    {"clock.arrow.circlepath", "history", 0xE889},
    {"cloud", "cloud", 0xE2BD},
    {"cloud.bolt", "thunderstorm", 0xEBDB},
    {"cloud.bolt.rain", "thunderstorm", 0xEBDB},
    {"cloud.drizzle", "grain", 0xE3EA},
    {"cloud.fog", "foggy", 0xE818},
    {"cloud.hail", "cloudy_snowing", 0xE810},
    {"cloud.heavyrain", "water_drop", 0xE798},
    {"cloud.moon", "nights_stay", 0xEA46},
    {"cloud.moon.bolt", "thunderstorm", 0xEBDB},
    {"cloud.moon.rain", "umbrella", 0xF1AD},
    {"cloud.rain", "water_drop", 0xE798},
    {"cloud.sleet", "cloudy_snowing", 0xE810},
    {"cloud.snow", "cloudy_snowing", 0xE810},
    {"cloud.sun.bolt", "thunderstorm", 0xEBDB},
    {"cloud.sun.rain", "umbrella", 0xF1AD},
    {"creditcard", "credit_card", 0xE870},
    {"cross.case", "medical_services", 0xF109},
    {"crown", "diamond", 0xEAD5},
    {"cup.and.saucer", "coffee", 0xEFEF},
    {"desktopcomputer", "desktop_windows", 0xE30C},
    {"doc.text", "description", 0xE873},
    {"dog", "pets", 0xE91D},
    {"dollarsign.circle", "monetization_on", 0xE263},
    {"drop", "water_drop", 0xE798},
    {"dumbbell", "fitness_center", 0xEB43},
    {"envelope", "mail", 0xE158},
    {"exclamationmark.triangle", "warning", 0xE002},
    {"ferry", "directions_ferry", 0xE532},
    {"figure.hiking", "hiking", 0xE50A},
    {"figure.run", "directions_run", 0xE566},
    {"figure.skiing.downhill", "downhill_skiing", 0xE509},
    {"figure.surfing", "surfing", 0xE515},
    {"figure.walk", "directions_walk", 0xE536},
    {"figure.yoga", "self_improvement", 0xEA78},
    {"film", "movie", 0xE02C},
    {"fish", "set_meal", 0xF1EA},
    {"flag", "flag", 0xE153},
    {"flag.checkered", "sports_score", 0xF06E},
    {"flame", "local_fire_department", 0xEF55},
    {"folder", "folder", 0xE2C7},
    {"football", "sports_football", 0xEA29},
    {"fork.knife", "restaurant", 0xE56C},
    {"fuelpump", "local_gas_station", 0xE546},
    {"gamecontroller", "sports_esports", 0xEA28},
    {"gearshape", "settings", 0xE8B8},
    {"gift", "card_giftcard", 0xE8F6},
    {"globe.americas", "public", 0xE80B},
    {"graduationcap", "school", 0xE80C},
    {"hammer", "hardware", 0xEA59},
    {"hammer.circle", "build_circle", 0xEF48},
    {"heart", "favorite", 0xE87D},
    {"heart.circle", "volunteer_activism", 0xEA70},
    {"heart.text.square", "monitor_heart", 0xEAA2},
    {"hourglass", "hourglass_bottom", 0xEA5C},
    {"house", "house", 0xEA44},
    {"house.lodge", "cabin", 0xE589},
    {"hurricane", "cyclone", 0xEBD5},
    {"key", "key", 0xE73C},
    {"lamp.desk", "light", 0xF02A},
    {"laptopcomputer", "laptop", 0xE31E},
    {"leaf", "eco", 0xEA35},
    {"leaf.arrow.triangle.circlepath", "recycling", 0xE760},
    {"lightbulb", "lightbulb", 0xE0F0},
    {"lightbulb.2", "emoji_objects", 0xEA24},
    {"location", "near_me", 0xE569},
    {"location.fill", "near_me", 0xE569},
    {"lock", "lock", 0xE897},
    {"magnifyingglass", "search", 0xE8B6},
    {"map", "map", 0xE55B},
    {"mappin", "place", 0xE55F},
    {"medal", "military_tech", 0xEA3F},
    {"moon", "bedtime", 0xEF44},
    {"moon.circle", "dark_mode", 0xE51C},
    {"moon.dust", "blur_on", 0xE3A5},
    {"moon.haze", "dehaze", 0xE3C7},
    {"moon.stars", "mode_night", 0xF036},
    {"mountain.2", "landscape", 0xE3F7},
    {"music.mic", "mic", 0xE029},
    {"music.note", "music_note", 0xE405},
    {"paintbrush", "brush", 0xE3AE},
    {"paintpalette", "palette", 0xE40A},
    {"paperplane", "send", 0xE163},
    {"party.popper", "celebration", 0xEA65},
    {"pawprint", "pets", 0xE91D},
    {"pencil", "edit", 0xE3C9},
    {"person", "person", 0xE7FD},
    {"person.2", "people", 0xE7FB},
    {"person.3", "groups", 0xF233},
    {"phone", "phone", 0xE0CD},
    {"photo", "photo", 0xE410},
    {"pills", "medication", 0xF033},
    {"plus", "add", 0xE145},
    {"popcorn", "local_movies", 0xE54D},
    {"rainbow", "looks", 0xE3FC},
    {"rosette", "workspace_premium", 0xE7AF},
    {"sailboat", "sailing", 0xE502},
    {"scissors", "content_cut", 0xE14E},
    {"shippingbox", "inventory_2", 0xE1A1},
    {"smoke", "foggy", 0xE818},
    {"snowflake", "ac_unit", 0xEB3B},
    {"soccerball", "sports_soccer", 0xEA2F},
    {"sofa", "weekend", 0xE16B},
    {"sparkles", "auto_awesome", 0xE65F},
    {"sportscourt", "stadium", 0xEB90},
    {"star", "star_rate", 0xF0EC},
    {"star.circle", "stars", 0xE8D0},
    {"star.fill", "star", 0xE838},
    {"stopwatch", "timer", 0xE425},
    {"suitcase", "card_travel", 0xE8F8},
    {"suitcase.rolling", "luggage", 0xF235},
    {"sun.dust", "blur_on", 0xE3A5},
    {"sun.haze", "dehaze", 0xE3C7},
    {"sun.max", "wb_sunny", 0xE430},
    {"sun.min", "light_mode", 0xE518},
    {"sun.snow", "sunny_snowing", 0xE819},
    {"tennisball", "sports_tennis", 0xEA32},
    {"tent", "festival", 0xEA68},
    {"theatermasks", "theater_comedy", 0xEA66},
    {"thermometer.snowflake", "severe_cold", 0xEBD3},
    {"thermometer.sun", "thermostat", 0xF076},
    {"ticket", "confirmation_number", 0xE638},
    {"timer", "av_timer", 0xE01B},
    {"tornado", "tornado", 0xE199},
    {"tram", "tram", 0xE571},
    {"trash", "delete", 0xE872},
    {"tree", "park", 0xEA63},
    {"trophy", "emoji_events", 0xEA23},
    {"tropicalstorm", "storm", 0xF070},
    {"tshirt", "dry_cleaning", 0xEA58},
    {"umbrella", "umbrella", 0xF1AD},
    {"video", "videocam", 0xE04B},
    {"washer", "local_laundry_service", 0xE54A},
    {"wind", "air", 0xEFD8},
    {"wind.snow", "snowing", 0xE80F},
    {"wineglass", "wine_bar", 0xF1E8},
    {"wrench.and.screwdriver", "handyman", 0xF10B},
    {"xmark", "close", 0xE5CD},
}};

static_assert(std::ranges::is_sorted(kGlyphs, {}, &SymbolGlyph::name),
              "symbolCodepoint searches the table by name");
static_assert(std::ranges::adjacent_find(kGlyphs, {}, &SymbolGlyph::name) == kGlyphs.end(),
              "each name once");

// Shapes the font lacks, drawn on Material's 24-unit grid as filled
// outlines so they match the font's filled glyphs. They are built kFine
// times larger than the grid: path operations flatten curves at a fixed
// tolerance, which at grid size would leave the discs polygonal.
constexpr double kGrid = 24;
constexpr double kFine = 20;
constexpr double kStroke = 2;

QPainterPath fine(const QPainterPath& path) {
    return QTransform::fromScale(kFine, kFine).map(path);
}

QPainterPath strokeOf(const QPainterPath& path, double width = kStroke) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

QPainterPath segment(QPointF from, QPointF to, double width = kStroke) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return fine(strokeOf(path, width));
}

QPointF polar(QPointF centre, double radius, double degreesUp) {
    const double a = degreesUp * std::numbers::pi / 180;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts) {
        out = out.united(part);
    }
    return out;
}

QPainterPath rays(QPointF centre, double from, double to, std::initializer_list<double> angles) {
    QPainterPath out;
    for (double angle : angles) {
        out = out.united(segment(polar(centre, from, angle), polar(centre, to, angle)));
    }
    return out;
}

QPainterPath upperHalfDisc(QPointF centre, double radius) {
    QPainterPath path;
    path.moveTo(centre.x() - radius, centre.y());
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180, -180);
    path.closeSubpath();
    return fine(path);
}

// A glyph of the symbol font as a shape on the fine grid, its em square
// scaled by `scale` about the grid's centre and moved by `offset` grid units.
QPainterPath fontGlyph(char32_t codepoint, double scale = 1, QPointF offset = {}) {
    if (boardFontFamilies().symbols.isEmpty()) {
        return {};
    }
    const QFont font = symbolFont(kGrid * kFine);
    const QFontMetricsF metrics(font, referenceDevice());
    const QString glyph = QString::fromUcs4(&codepoint, 1);
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const double em = metrics.ascent() + metrics.descent();
    const double size = kGrid * kFine;
    QTransform t;
    t.translate(size / 2 + offset.x() * kFine, size / 2 + offset.y() * kFine);
    t.scale(scale * size / em, scale * size / em);
    t.translate(-metrics.horizontalAdvance(glyph) / 2, (metrics.ascent() - metrics.descent()) / 2);
    return t.map(path).simplified();
}

constexpr char32_t kCloudGlyph = 0xE2BD;
constexpr char32_t kSunGlyph = 0xE430;

// The sun half risen over the horizon, with an arrow above it pointing up
// (rising) or down (setting).
QPainterPath horizonSunWithArrow(bool rising) {
    const QPointF sun(12, 18);
    const double tip = rising ? 2 : 11;
    const double wings = rising ? tip + 3.5 : tip - 3.5;
    return unite({upperHalfDisc(sun, 5.5), rays(sun, 7.6, 9.6, {0, 40, 140, 180}),
                  segment({2, 21}, {22, 21}), segment({12, 2}, {12, 11}),
                  segment({8.5, wings}, {12, tip}), segment({15.5, wings}, {12, tip})});
}

// A fuller sun resting on the horizon, with the ground in a shorter line.
QPainterPath sunOnHorizon() {
    const QPointF sun(12, 15);
    return unite({upperHalfDisc(sun, 6), rays(sun, 8, 10.5, {20, 55, 90, 125, 160}),
                  segment({2, 17.5}, {22, 17.5}), segment({6, 21.5}, {18, 21.5})});
}

// The sun behind a cloud, with a clear gap where the cloud covers it.
QPainterPath cloudBeforeSun() {
    const QPainterPath sun = fontGlyph(kSunGlyph, 0.7, {-4, -4});
    const QPainterPath cloud = fontGlyph(kCloudGlyph, 0.82, {2, 3});
    const QPainterPath margin = cloud.united(strokeOf(cloud, 3 * kFine));
    return sun.subtracted(margin).united(cloud);
}

// The cloud crossed out: the weather could not be had.
QPainterPath cloudCrossedOut() {
    const QPointF from(3.5, 3);
    const QPointF to(21, 20.5);
    const QPainterPath gap = segment(from, to, kStroke + 3);
    return fontGlyph(kCloudGlyph).subtracted(gap).united(segment(from, to));
}

struct DrawnSymbol {
    std::string_view name;
    QPainterPath (*shape)();
};

const std::array<DrawnSymbol, 5> kDrawn{{
    {"cloud.slash", cloudCrossedOut},
    {"cloud.sun", cloudBeforeSun},
    {"sun.horizon", sunOnHorizon},
    {"sunrise", [] { return horizonSunWithArrow(true); }},
    {"sunset", [] { return horizonSunWithArrow(false); }},
}};

// What an unknown name draws, so a tile is never left empty: the symbol a
// new countdown starts with.
constexpr std::string_view kFallbackSymbol = "calendar";

}  // namespace

std::optional<QPainterPath> symbolShape(std::string_view name) {
    // Built once, on first use, when the symbol font can be read.
    static const std::array<QPainterPath, kDrawn.size()> shapes = [] {
        std::array<QPainterPath, kDrawn.size()> out;
        for (std::size_t i = 0; i < kDrawn.size(); ++i) {
            out[i] = kDrawn[i].shape();
        }
        return out;
    }();
    for (std::size_t i = 0; i < kDrawn.size(); ++i) {
        if (kDrawn[i].name == name) {
            return shapes[i];
        }
    }
    return std::nullopt;
}

bool hasSymbol(std::string_view name) {
    return symbolCodepoint(name).has_value() ||
           std::ranges::any_of(kDrawn, [&](const DrawnSymbol& d) { return d.name == name; });
}

std::span<const SymbolGlyph> symbolGlyphs() {
    return kGlyphs;
}

std::optional<char32_t> symbolCodepoint(std::string_view name) {
    const auto found = std::ranges::lower_bound(kGlyphs, name, {}, &SymbolGlyph::name);
    if (found == kGlyphs.end() || found->name != name) {
        return std::nullopt;
    }
    return found->codepoint;
}

QSizeF symbolSize(double sizePoints) {
    const double side =
        std::isfinite(sizePoints) && sizePoints > 0 ? sizePoints * kSymbolEmScale : 0;
    return {side, side};
}

void drawSymbol(QPainter& painter, std::string_view name, const QRectF& box, double sizePoints,
                const QColor& color) {
    const double em = symbolSize(sizePoints).width();
    const bool finite = std::isfinite(box.x()) && std::isfinite(box.y()) &&
                        std::isfinite(box.width()) && std::isfinite(box.height());
    if (em <= 0 || !finite) {
        return;
    }
    if (const auto shape = symbolShape(name)) {
        // The grid fills the em square, as a Material glyph fills its em.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(box.center().x() - em / 2, box.center().y() - em / 2);
        painter.scale(em / (kGrid * kFine), em / (kGrid * kFine));
        painter.fillPath(*shape, color);
        painter.restore();
        return;
    }
    auto codepoint = symbolCodepoint(name);
    if (!codepoint) {
        codepoint = symbolCodepoint(kFallbackSymbol);
    }
    if (!codepoint || boardFontFamilies().symbols.isEmpty()) {
        return;
    }
    const QFont font = symbolFont(em, painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const QString glyph = QString::fromUcs4(&*codepoint, 1);
    const double advance = metrics.horizontalAdvance(glyph);
    // The em box spans ascent + descent; centring it centres the drawing.
    const QPointF origin(box.center().x() - advance / 2,
                         box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(origin, glyph);
    painter.restore();
}

}  // namespace solvane
