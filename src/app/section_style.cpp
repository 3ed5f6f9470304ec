#include "app/section_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>

#include "platform/calendar/calendar_database.h"

namespace solvane::app {

namespace {

// Sizes are pixels so that the window keeps its proportions whatever the
// desktop's point-to-pixel setting.
QFont sized(int pixels, bool bold = false) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

}  // namespace

QFont headlineFont() {
    return sized(14, true);
}
QFont calloutFont() {
    return sized(13);
}
QFont captionFont() {
    return sized(11);
}

QFont monospacedFont(int pixels) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixels);
    return font;
}

QColor secondaryTextColor(const QPalette& palette) {
    return withAlpha(palette.color(QPalette::WindowText), 0.6);
}

QColor tertiaryTextColor(const QPalette& palette) {
    return withAlpha(palette.color(QPalette::WindowText), 0.38);
}

QColor noticeColor(const QPalette& palette) {
    return isDark(palette) ? QColor(255, 159, 10) : QColor(201, 100, 0);
}

QColor calendarColor(std::string_view written) {
    QColor color(QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size())));
    if (!color.isValid()) {
        const std::string_view fallback = platform::kDefaultCalendarColor;
        color = QColor(QString::fromUtf8(fallback.data(), static_cast<qsizetype>(fallback.size())));
    }
    return color;
}

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setWordWrap(true);
    setTextColor(label, color);
    return label;
}

QLabel* makeHeadline(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(headlineFont());
    return label;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

}  // namespace solvane::app
