// The type roles and text colours the companion window's sections share, so
// that every section sets its headline, caption and callout texts alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

class QLabel;
class QPalette;
class QWidget;

namespace solvane::app {

QFont headlineFont();
QFont calloutFont();
QFont captionFont();
// The monospaced design at `pixels`, for numbers that should not jitter.
QFont monospacedFont(int pixels);

QColor secondaryTextColor(const QPalette& palette);
QColor tertiaryTextColor(const QPalette& palette);
// Orange that stays readable on both light and dark window backgrounds.
QColor noticeColor(const QPalette& palette);

// A calendar's colour as it wrote it ("#RRGGBB" or a colour name); the
// default calendar colour when it cannot be read.
QColor calendarColor(std::string_view written);

// A word-wrapping label in `font` and `color`.
QLabel* makeLabel(const QString& text, const QFont& font, const QColor& color,
                  QWidget* parent = nullptr);
QLabel* makeHeadline(const QString& text, QWidget* parent = nullptr);
void setTextColor(QWidget* widget, const QColor& color);

}  // namespace solvane::app
