#include "board/components.h"
#include "core/time/text_format.h"

#include <QCoreApplication>

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "board/custom_icons.h"
#include "board/fonts.h"
#include "board/layout.h"
#include "board/symbols.h"

namespace solvane {
namespace {

constexpr TextStyle kSectionFont{10.5, FontWeight::medium, FontDesign::standard, 0.9};
constexpr TextStyle kLabelFont{14, FontWeight::medium};
constexpr TextStyle kCaptionFont{12};
constexpr TextStyle kValueFont{25, FontWeight::medium, FontDesign::monospaced};
constexpr TextStyle kUnitFont{11};
constexpr TextStyle kUnavailableFont{13};
constexpr TextStyle kTemperatureFont{40, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kConditionFont{14, FontWeight::medium};
constexpr TextStyle kDetailFont{12};
constexpr double kDetailMinScale = 0.75;
constexpr TextStyle kRangeFont{12, FontWeight::regular, FontDesign::monospaced};
constexpr TextStyle kCreditFont{9.5, FontWeight::medium};

constexpr double kTileSide = 32;
constexpr double kTileRadius = 10;
constexpr double kRowIconSize = 15;
constexpr double kCreditGap = 1;
// The header without weather has no spacing of its own: the usual gap
// between a symbol and its text.
constexpr double kDefaultSpacing = 8;

}  // namespace

QString qstr(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString visibleText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
}

namespace {

// Corner geometry of a continuous-curvature corner for a radius of 1: each
// point is (distance back along the edge that runs into the corner, distance
// along the edge that leaves it). The curve starts 1.5287 radii before the
// corner instead of one, which is what makes the curvature ramp up smoothly.
constexpr double kCornerReach = 1.52866483;
struct CornerCurve {
    QPointF c1, c2, end;
};
constexpr std::array<CornerCurve, 3> kCornerCurves{{
    {{1.08849323, 0}, {0.86840689, 0}, {0.66993427, 0.06549600}},
    {{0.37282392, 0.16905899}, {0.16906013, 0.37282401}, {0.07491176, 0.63149399}},
    {{0, 0.86840701}, {0, 1.08849299}, {0, kCornerReach}},
}};
constexpr QPointF kCornerJoin{0.63149399, 0.07491100};

struct TextColumn {
    std::vector<StackItem> items;
    double spacing = 0;
    StackItem asItem(bool compressible) const {
        StackItem item =
            fixedItem(columnSize(items, spacing), items.empty() ? 0 : items[0].baseline);
        item.compressible = compressible;
        return item;
    }
};

// What a CountdownRow lays out; its size and its painting both come from
// here, so they cannot disagree.
struct RowParts {
    QString label, caption, value, unit;
    TextColumn middle, trailing;
    std::array<StackItem, 4> row;

    explicit RowParts(const CountdownDisplay& c)
        : label(visibleText(c.label)),
          caption(qstr(c.caption)),
          value(QString::fromStdString(numberText(static_cast<double>(c.value)))),
          unit(qstr(c.unit)) {
        middle.spacing = 2;
        middle.items = {textItem(label, kLabelFont), textItem(caption, kCaptionFont)};
        if (c.progress) {
            constexpr double kTopPadding = 3;
            middle.items.push_back(
                fixedItem(QSizeF(ProgressLine::kWidth, kTopPadding + ProgressLine::kHeight)));
        }
        trailing.spacing = 3;
        trailing.items = {textItem(value, kValueFont), textItem(unit, kUnitFont)};
        row = {fixedItem(QSizeF(kTileSide, kTileSide)), middle.asItem(true), spacerItem(8),
               trailing.asItem(false)};
    }
};

struct HeaderParts {
    QString temperature, condition, second, range, clouds;
    TextColumn conditions, figures;
    std::vector<StackItem> row;
    double spacing = 12;

    HeaderParts(const WeatherSnapshot* weather, TempUnit unit, bool detailed) {
        if (!weather) {
            spacing = kDefaultSpacing;
            condition = QCoreApplication::translate("Board", "Weather unavailable");
            row = {fixedItem(symbolSize(24)), textItem(condition, kUnavailableFont), spacerItem()};
            return;
        }
        const WeatherSnapshot& w = *weather;
        temperature = qstr(formatTemperature(w.temperatureC, unit));
        condition = qstr(localizedCondition(w));
        second = detailed ? feelsAndWindText(w, unit) : highLowText(w, unit, true);
        conditions.spacing = 3;
        conditions.items = {textItem(condition, kConditionFont),
                            textItem(second, kDetailFont, detailed ? kDetailMinScale : 0)};
        if (detailed) {
            row.push_back(fixedItem(symbolSize(28)));
        }
        // The temperature gives up room only once the words beside it are
        // at their smallest: a long "feels like" in Ukrainian must not cut it.
        StackItem figure = textItem(temperature, kTemperatureFont, 0.7);
        figure.yieldOrder = 1;
        row.push_back(figure);
        // The column keeps room for the second line at the smallest a fact is
        // set, so that line shrinks rather than loses its end.
        StackItem column = conditions.asItem(true);
        column.minimum = textItem(second, kDetailFont, kFactMinScale).minimum;
        row.push_back(column);
        row.push_back(spacerItem(4));
        if (detailed) {
            range = highLowText(w, unit, false);
            clouds = cloudCoverText(w.cloudCover);
            figures.spacing = 2;
            figures.items = {textItem(range, kRangeFont), textItem(clouds, kDetailFont)};
            row.push_back(figures.asItem(false));
        } else {
            row.push_back(fixedItem(symbolSize(26)));
        }
    }
};

}  // namespace

QPainterPath continuousRoundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    const QRectF r = rect.normalized();
    if (!std::isfinite(r.left()) || !std::isfinite(r.top()) || !std::isfinite(r.width()) ||
        !std::isfinite(r.height()) || r.isEmpty()) {
        return path;
    }
    const double limited = std::clamp(std::isfinite(radius) ? radius : 0.0, 0.0,
                                      std::min(r.width(), r.height()) / 2 / kCornerReach);
    if (limited <= 0) {
        path.addRect(r);
        return path;
    }
    struct Corner {
        QPointF at, in, out;  // the corner, the direction into it, the direction out of it
    };
    const std::array<Corner, 4> corners{{
        {r.topRight(), {1, 0}, {0, 1}},
        {r.bottomRight(), {0, 1}, {-1, 0}},
        {r.bottomLeft(), {-1, 0}, {0, -1}},
        {r.topLeft(), {0, -1}, {1, 0}},
    }};
    const auto point = [limited](const Corner& c, QPointF local) {
        return c.at - c.in * (local.x() * limited) + c.out * (local.y() * limited);
    };
    path.moveTo(point(corners[3], {0, kCornerReach}));
    for (const Corner& corner : corners) {
        path.lineTo(point(corner, {kCornerReach, 0}));
        path.cubicTo(point(corner, kCornerCurves[0].c1), point(corner, kCornerCurves[0].c2),
                     point(corner, kCornerCurves[0].end));
        path.lineTo(point(corner, kCornerJoin));
        for (std::size_t i = 1; i < kCornerCurves.size(); ++i) {
            path.cubicTo(point(corner, kCornerCurves[i].c1), point(corner, kCornerCurves[i].c2),
                         point(corner, kCornerCurves[i].end));
        }
    }
    path.closeSubpath();
    return path;
}

QSizeF CountdownIcon::sizeHint() const {
    return symbolSize(size);
}

void CountdownIcon::paint(QPainter& painter, const QRectF& box, const PaintContext& ctx) const {
    if (!isDrawable(box)) {
        return;
    }
    const QColor fg = ctx.color(ctx.palette.fg);
    if (!customImage.empty() && ctx.icons) {
        if (const auto mask = ctx.icons->load(customImage)) {
            const double side = std::isfinite(size) ? std::max(0.0, size * 1.1) : 0;
            drawTemplate(painter, *mask,
                         QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)),
                         fg);
            return;
        }
    }
    drawSymbol(painter, symbol, box, size, fg);
}

QSizeF SectionLabel::sizeHint() const {
    const QString upper = text.toUpper();
    return {textWidth(upper, kSectionFont), lineHeight(kSectionFont)};
}

double SectionLabel::baseline() const {
    return ascent(kSectionFont);
}

void SectionLabel::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const FittedLine line = fitLine(text.toUpper(), kSectionFont, rect.width());
    drawLine(painter, QRectF(rect.left(), rect.top(), rect.width(), lineHeight(kSectionFont)), line,
             ctx.color(ctx.palette.muted));
}

void Hairline::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), kHeight),
                     ctx.color(ctx.palette.line));
}

QRectF Panel::contentRect(const QRectF& rect) {
    return rect.adjusted(kPadding, kPadding, -kPadding, -kPadding);
}

QSizeF Panel::sizeFor(QSizeF content) {
    return content + QSizeF(2 * kPadding, 2 * kPadding);
}

void Panel::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx,
                  const std::function<void(QPainter&, const QRectF&)>& content) const {
    if (!isDrawable(rect)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(rect, kRadius), ctx.color(ctx.palette.panel));
    painter.restore();
    if (content) {
        painter.save();
        content(painter, contentRect(rect));
        painter.restore();
    }
}

namespace {

std::array<StackItem, 2> iconValueItems(const IconValue& v) {
    return {fixedItem(symbolSize(v.size - 2)),
            textItem(v.text, TextStyle{v.size, FontWeight::regular, FontDesign::monospaced})};
}

}  // namespace

QSizeF IconValue::sizeHint() const {
    return rowSize(iconValueItems(*this), 4, CrossAlign::center);
}

double IconValue::baseline() const {
    return rowBaseline(iconValueItems(*this), CrossAlign::center);
}

void IconValue::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const auto items = iconValueItems(*this);
    const auto frames = layoutRow(rect, items, 4, CrossAlign::center);
    const QColor fg = ctx.color(ctx.palette.fg);
    drawSymbol(painter, symbol, frames[0], size - 2, fg);
    const TextStyle font{size, FontWeight::regular, FontDesign::monospaced};
    drawLine(painter, frames[1], fitLine(text, font, frames[1].width()), fg);
}

double ProgressLine::fillWidth(double value) {
    const double v = std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0);
    return std::max(kHeight, kWidth * v);
}

void ProgressLine::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    constexpr double kCapsule = kHeight / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ctx.color(ctx.palette.line));
    painter.drawRoundedRect(QRectF(rect.left(), rect.top(), kWidth, kHeight), kCapsule, kCapsule);
    painter.setBrush(ctx.color(ctx.palette.fg));
    painter.drawRoundedRect(QRectF(rect.left(), rect.top(), fillWidth(value), kHeight), kCapsule,
                            kCapsule);
    painter.restore();
}

double CountdownRow::height() const {
    return sizeHint().height();
}

QSizeF CountdownRow::sizeHint() const {
    const RowParts parts(c);
    return rowSize(parts.row, 12, CrossAlign::center);
}

void CountdownRow::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const RowParts parts(c);
    const auto frames = layoutRow(rect, parts.row, 12, CrossAlign::center);
    const QColor fg = ctx.color(ctx.palette.fg);
    const QColor muted = ctx.color(ctx.palette.muted);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(continuousRoundedRect(frames[0], kTileRadius), ctx.color(ctx.palette.panel));
    painter.restore();
    const std::string_view custom = c.customImage ? std::string_view(*c.customImage) : "";
    CountdownIcon{c.symbol, custom, kRowIconSize}.paint(painter, frames[0], ctx);

    const auto middle =
        layoutColumn(frames[1], parts.middle.items, parts.middle.spacing, CrossAlign::leading);
    drawLine(painter, middle[0],
             fitLine(parts.label, kLabelFont, middle[0].width(), 1.0, Fit::label), fg);
    drawLine(painter, middle[1], fitLine(parts.caption, kCaptionFont, middle[1].width()), muted);
    if (c.progress && middle.size() > 2) {
        ProgressLine{*c.progress}.paint(painter, middle[2].adjusted(0, 3, 0, 0), ctx);
    }

    const auto trailing =
        layoutColumn(frames[3], parts.trailing.items, parts.trailing.spacing, CrossAlign::trailing);
    drawLine(painter, trailing[0], fitLine(parts.value, kValueFont, trailing[0].width()), fg,
             TextAlign::trailing);
    drawLine(painter, trailing[1], fitLine(parts.unit, kUnitFont, trailing[1].width()), muted,
             TextAlign::trailing);
}

QSizeF WeatherHeader::sizeHint() const {
    const HeaderParts parts(weather, unit, detailed);
    return rowSize(parts.row, parts.spacing, CrossAlign::center);
}

void WeatherHeader::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!isDrawable(rect)) {
        return;
    }
    const HeaderParts parts(weather, unit, detailed);
    const auto frames = layoutRow(rect, parts.row, parts.spacing, CrossAlign::center);
    const QColor fg = ctx.color(ctx.palette.fg);
    if (!weather) {
        drawSymbol(painter, "cloud.slash", frames[0], 24, fg);
        drawLine(painter, frames[1], fitLine(parts.condition, kUnavailableFont, frames[1].width()),
                 fg);
        return;
    }
    std::size_t i = 0;
    if (detailed) {
        drawSymbol(painter, weather->symbol, frames[i++], 28, fg);
    }
    const QRectF temperature = frames[i++];
    drawLine(painter, temperature,
             fitLine(parts.temperature, kTemperatureFont, temperature.width(), 0.7), fg);

    const auto conditions = layoutColumn(frames[i++], parts.conditions.items,
                                         parts.conditions.spacing, CrossAlign::leading);
    // The service's words for the sky, not a figure: cut before it crowds
    // the figures out.
    drawLine(painter, conditions[0],
             fitLine(parts.condition, kConditionFont, conditions[0].width(), 1.0, Fit::label), fg);
    drawLine(
        painter, conditions[1],
        fitLine(parts.second, kDetailFont, conditions[1].width(), detailed ? kDetailMinScale : 1.0),
        fg);
    ++i;  // the flexible space

    if (detailed) {
        const auto figures = layoutColumn(frames[i], parts.figures.items, parts.figures.spacing,
                                          CrossAlign::trailing);
        drawLine(painter, figures[0], fitLine(parts.range, kRangeFont, figures[0].width()), fg,
                 TextAlign::trailing);
        drawLine(painter, figures[1], fitLine(parts.clouds, kDetailFont, figures[1].width()), fg,
                 TextAlign::trailing);
    } else {
        drawSymbol(painter, weather->symbol, frames[i], 26, fg);
    }
}

namespace {

QString creditText(const WeatherSnapshot& weather) {
    // The service's own name, or the mark's word beside its logo.
    return weather.source == WeatherSource::openMeteo
               ? QStringLiteral("Open-Meteo")
               : QCoreApplication::translate("Board", "Weather",
                                             "beside the weather service's mark");
}

std::array<StackItem, 2> creditItems(const WeatherSnapshot& weather) {
    const bool mark = weather.source != WeatherSource::openMeteo;
    return {fixedItem(mark ? symbolSize(kCreditFont.size) : QSizeF(0, 0)),
            textItem(creditText(weather), kCreditFont)};
}

}  // namespace

QSizeF WeatherCredit::sizeHint() const {
    if (!weather) {
        return {0, 0};
    }
    const bool mark = weather->source != WeatherSource::openMeteo;
    return rowSize(creditItems(*weather), mark ? kCreditGap : 0, CrossAlign::center);
}

double WeatherCredit::baseline() const {
    return weather ? rowBaseline(creditItems(*weather), CrossAlign::center) : 0;
}

void WeatherCredit::paint(QPainter& painter, const QRectF& rect, const PaintContext& ctx) const {
    if (!weather || !isDrawable(rect)) {
        return;
    }
    const bool mark = weather->source != WeatherSource::openMeteo;
    const auto items = creditItems(*weather);
    const auto frames = layoutRow(rect, items, mark ? kCreditGap : 0, CrossAlign::center);
    const QColor fg = ctx.color(ctx.palette.fg);
    if (mark) {
        drawSymbol(painter, "cloud", frames[0], kCreditFont.size, fg);
    }
    drawLine(painter, frames[1], fitLine(creditText(*weather), kCreditFont, frames[1].width()), fg);
}

QString cloudCoverText(double percent) {
    const QString pattern = QCoreApplication::translate("Board", "Clouds %1%", "cloud cover");
    if (!std::isfinite(percent)) {
        return pattern.arg(QStringLiteral("--"));
    }
    // Bounded first: lround of a value beyond long's range has no defined result.
    constexpr double kBound = 1e9;
    return pattern.arg(QString::fromStdString(numberText(std::clamp(percent, -kBound, kBound))));
}

QString feelsAndWindText(const WeatherSnapshot& weather, TempUnit unit) {
    return QCoreApplication::translate("Board", "Feels %1 · Wind %2 %3")
        .arg(qstr(formatTemperature(weather.feelsLikeC, unit)),
             qstr(localizedCompassPoint(weather)), qstr(formatWind(weather, unit)));
}

QString highLowText(const WeatherSnapshot& weather, TempUnit unit, bool dotted) {
    const QString high = QCoreApplication::translate("Board", "H %1", "the day's high temperature")
                             .arg(qstr(formatTemperature(weather.highC, unit)));
    const QString low = QCoreApplication::translate("Board", "L %1", "the day's low temperature")
                            .arg(qstr(formatTemperature(weather.lowC, unit)));
    return high + (dotted ? QStringLiteral(" · ") : QStringLiteral("  ")) + low;
}

}  // namespace solvane
