#include "board/symbols.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>

#include "board/fonts.h"

namespace solvane {
namespace {

// Material has no rain cloud, no sun-behind-cloud and no balloon in this
// version; the nearest shapes stand in (a drop for rain, the outlined cloud
// for a partly cloudy sky, bubbles for balloons).
constexpr std::array<SymbolGlyph, 177> kGlyphs{{
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
    {"clock", "schedule", 0xE8B5},
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
    {"cloud.moon.rain", "water_drop", 0xE798},
    {"cloud.rain", "water_drop", 0xE798},
    {"cloud.sleet", "cloudy_snowing", 0xE810},
    {"cloud.snow", "cloudy_snowing", 0xE810},
    {"cloud.sun", "filter_drama", 0xE3DD},
    {"cloud.sun.bolt", "thunderstorm", 0xEBDB},
    {"cloud.sun.rain", "water_drop", 0xE798},
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
    {"hourglass", "hourglass_empty", 0xE88B},
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
    {"moon.dust", "grain", 0xE3EA},
    {"moon.haze", "foggy", 0xE818},
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
    {"star", "star_border", 0xE83A},
    {"star.circle", "stars", 0xE8D0},
    {"star.fill", "star", 0xE838},
    {"stopwatch", "timer", 0xE425},
    {"suitcase", "card_travel", 0xE8F8},
    {"suitcase.rolling", "luggage", 0xF235},
    {"sun.dust", "grain", 0xE3EA},
    {"sun.haze", "foggy", 0xE818},
    {"sun.horizon", "wb_twilight", 0xE1C6},
    {"sun.max", "wb_sunny", 0xE430},
    {"sun.min", "light_mode", 0xE518},
    {"sun.snow", "sunny_snowing", 0xE819},
    {"sunrise", "wb_twilight", 0xE1C6},
    {"sunset", "wb_twilight", 0xE1C6},
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
    {"tropicalstorm", "cyclone", 0xEBD5},
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

}  // namespace

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
    const auto codepoint = symbolCodepoint(name);
    const double em = symbolSize(sizePoints).width();
    const bool finite = std::isfinite(box.x()) && std::isfinite(box.y()) &&
                        std::isfinite(box.width()) && std::isfinite(box.height());
    if (!codepoint || em <= 0 || !finite || boardFontFamilies().symbols.isEmpty()) {
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
