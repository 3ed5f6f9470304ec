#include "app/section_style.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVariant>

#include <mutex>
#include <optional>

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

constexpr const char* kRoleProperty = "solvaneAccessibleRole";
constexpr const char* kSelectedProperty = "solvaneAccessibleSelected";

// The label a form layout shows beside `widget`, if any.
QString formLabel(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    const auto* form = parent != nullptr ? qobject_cast<QFormLayout*>(parent->layout()) : nullptr;
    const auto* label =
        form != nullptr ? qobject_cast<QLabel*>(form->labelForField(const_cast<QWidget*>(widget)))
                        : nullptr;
    return label != nullptr ? label->text() : QString();
}

// A widget given its role by setAccessibleRole: named by its accessible
// name, its button text or its form label; a button can be pressed and
// shows whether it is checked; a cell shows whether it is the chosen one.
class RoledAccessible : public QAccessibleWidget {
  public:
    RoledAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
                text = spokenTitle(button->text());
            }
            if (text.isEmpty()) {
                text = spokenTitle(formLabel(widget()));
            }
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
            s.checkable = button->isCheckable();
            s.checked = button->isChecked();
            s.pressed = button->isDown();
        }
        if (const QVariant selected = widget()->property(kSelectedProperty); selected.isValid()) {
            s.selectable = true;
            s.selected = selected.toBool();
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<const QAbstractButton*>(widget()) != nullptr && widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (action == pressAction() && button != nullptr && button->isEnabled()) {
            button->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* roledAccessible(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new RoledAccessible(static_cast<QWidget*>(object),
                               static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(roledAccessible); });
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // Setting a name or a text already made Qt build and keep an interface
    // without the role; the next query builds ours.
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(widget);
        cached != nullptr && cached->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
    }
}

void setAccessibleSelected(QWidget* widget, bool selected) {
    const QVariant before = widget->property(kSelectedProperty);
    widget->setProperty(kSelectedProperty, selected);
    if (QAccessible::isActive() && (!before.isValid() || before.toBool() != selected)) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(widget, changed);
        QAccessible::updateAccessibility(&event);
    }
}

QString spokenTitle(const QString& title) {
    // "&&" is a written "&"; a single one marks the shortcut letter after it.
    QString text;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title[i] == QLatin1Char('&')) {
            ++i;
        }
        if (i < title.size()) {
            text += title[i];
        }
    }
    if (text == QStringLiteral("\u00B0F")) {
        return QCoreApplication::translate("SectionStyle", "Fahrenheit");
    }
    if (text == QStringLiteral("\u00B0C")) {
        return QCoreApplication::translate("SectionStyle", "Celsius");
    }
    return text;
}

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

namespace {

constexpr const char* kToneProperty = "solvaneTone";
constexpr const char* kSegmentsProperty = "solvaneSegments";

// Joined buttons with the chosen one filled in the accent; the focused one
// keeps a visible ring, so the keyboard user sees where they are.
constexpr const char* kSegmentsSheet = R"(
QPushButton {
    border: 1px solid palette(mid);
    background: palette(button);
    color: palette(button-text);
    padding: 3px 10px;
    margin: 0;
    border-radius: 0;
}
QPushButton[segment="first"] { border-top-left-radius: 6px; border-bottom-left-radius: 6px; }
QPushButton[segment="last"] {
    border-top-right-radius: 6px; border-bottom-right-radius: 6px; border-left: none;
}
QPushButton[segment="middle"] { border-left: none; }
QPushButton[segment="only"] { border-radius: 6px; }
QPushButton:hover:!checked { background: palette(midlight); }
QPushButton:checked {
    background: palette(highlight);
    color: palette(highlighted-text);
    border-color: palette(highlight);
}
QPushButton:focus { border: 2px solid palette(highlight); }
QPushButton:checked:focus { border: 2px solid palette(dark); }
QPushButton:disabled { color: palette(mid); }
)";

// The tones a text colour can be drawn from, so that a later change of
// appearance can draw it again from the new palette.
std::optional<QColor> toneColor(int tone, const QPalette& palette) {
    switch (tone) {
        case 1:
            return secondaryTextColor(palette);
        case 2:
            return tertiaryTextColor(palette);
        case 3:
            return noticeColor(palette);
        default:
            return std::nullopt;
    }
}

void paintText(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

}  // namespace

void setTextColor(QWidget* widget, const QColor& color) {
    const QPalette& app = QApplication::palette();
    int tone = 0;
    for (int candidate = 1; candidate <= 3; ++candidate) {
        if (toneColor(candidate, app) == color) {
            tone = candidate;
            break;
        }
    }
    widget->setProperty(kToneProperty, tone);
    paintText(widget, color);
}

void restyleTextColors(QWidget* root) {
    const QPalette& app = QApplication::palette();
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->property(kSegmentsProperty).toBool()) {
            // Style sheets read palette() colours when set; set it again.
            widget->setStyleSheet(QString());
            widget->setStyleSheet(QString::fromLatin1(kSegmentsSheet));
        }
        const int tone = widget->property(kToneProperty).toInt();
        if (tone == 0) {
            continue;  // not coloured, or in a colour of its own
        }
        // The widget's own palette overrode the application's; drop that
        // first so every other colour follows the new appearance.
        widget->setPalette(QPalette());
        if (const auto color = toneColor(tone, app)) {
            paintText(widget, *color);
        }
    }
}

namespace {

// A segmented control is one stop on the Tab chain, and the stop is the
// chosen segment: Space there never changes the choice. The arrows move to
// the neighbouring segment and choose it, as in a group of radio buttons.
class SegmentKeys : public QObject {
  public:
    explicit SegmentKeys(QButtonGroup* group) : QObject(group), group_(group) {
        connect(group, &QButtonGroup::buttonToggled, this, [this] { settleTabStop(); });
    }

    void watch(QAbstractButton* button) {
        button->installEventFilter(this);
        settleTabStop();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (button == nullptr || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        const bool mirrored = button->layoutDirection() == Qt::RightToLeft;
        int step = 0;
        switch (key->key()) {
            case Qt::Key_Up:
                step = -1;
                break;
            case Qt::Key_Down:
                step = 1;
                break;
            case Qt::Key_Left:
                step = mirrored ? 1 : -1;
                break;
            case Qt::Key_Right:
                step = mirrored ? -1 : 1;
                break;
            default:
                return false;
        }
        const QList<QAbstractButton*> buttons = group_->buttons();
        const qsizetype count = buttons.size();
        const qsizetype from = buttons.indexOf(button);
        for (qsizetype i = 1; from >= 0 && i < count; ++i) {
            QAbstractButton* next = buttons[((from + step * i) % count + count) % count];
            if (next->isEnabled() && !next->isHidden()) {
                next->setFocus(Qt::OtherFocusReason);
                next->click();
                break;
            }
        }
        return true;
    }

  private:
    void settleTabStop() {
        const QList<QAbstractButton*> buttons = group_->buttons();
        QAbstractButton* stop = group_->checkedButton();
        if (stop == nullptr && !buttons.isEmpty()) {
            stop = buttons.front();
        }
        for (QAbstractButton* b : buttons) {
            b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }

    QButtonGroup* group_;
};

}  // namespace

QButtonGroup* addSegments(const QStringList& titles, QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(row);
    group->setExclusive(true);
    for (qsizetype i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles[i], row);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const bool first = i == 0;
        const bool last = i == titles.size() - 1;
        button->setProperty("segment", first && last ? "only"
                                       : first       ? "first"
                                       : last        ? "last"
                                                     : "middle");
        setAccessibleRole(button, QAccessible::RadioButton);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    auto* keys = new SegmentKeys(group);
    for (QAbstractButton* button : group->buttons()) {
        keys->watch(button);
    }
    setAccessibleRole(row, QAccessible::Grouping);
    row->setProperty(kSegmentsProperty, true);
    row->setStyleSheet(QString::fromLatin1(kSegmentsSheet));
    return group;
}

QStringList toQStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const auto& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

QString literalText(const QString& text) {
    QString out = text;
    return out.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace solvane::app
