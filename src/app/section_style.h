// The type roles and text colours the companion window's sections share, so
// that every section sets its headline, caption and callout texts alike.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QString>

#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

class QButtonGroup;
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
// How wide a calendar's colour dot is drawn, in pixels.
inline constexpr int kCalendarDot = 8;

// A word-wrapping label in `font` and `color`.
QLabel* makeLabel(const QString& text, const QFont& font, const QColor& color,
                  QWidget* parent = nullptr);
QLabel* makeHeadline(const QString& text, QWidget* parent = nullptr);
// Colours a widget's text. The secondary, tertiary and notice colours of
// the application palette are remembered as such, so restyleTextColors can
// redraw them from a new palette; any other colour stays as given.
void setTextColor(QWidget* widget, const QColor& color);
// After the appearance changed: every text coloured through setTextColor
// below `root` takes its colour from the application palette again.
void restyleTextColors(QWidget* root);

// A segmented control: one checkable button per title, side by side in
// `row` (which gets the layout), exclusive; a button's id is its index.
// Screen readers hear the row as a group (named by its accessible name, else
// its form label) of radio buttons, and it is keyed like one: a single Tab
// stop on the checked segment, the arrows moving the choice.
QButtonGroup* addSegments(const QStringList& titles, QWidget* row);

// What a custom control is to a screen reader. A button keeps its press
// action and its checked state; `setAccessibleSelected` marks a cell of a
// grid as the chosen one.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);
void setAccessibleSelected(QWidget* widget, bool selected);

// A title as it is spoken: "°F" is "Fahrenheit", an "&" mark is dropped.
QString spokenTitle(const QString& title);
QStringList toQStrings(const std::vector<std::string>& texts);

// A text as it reads, for a button, check box or menu entry: Qt would take
// an "&" in it for a keyboard shortcut mark ("Clocks & Sky" showing as
// "Clocks _Sky").
QString literalText(const QString& text);

}  // namespace solvane::app
