#include "app/wrapping_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <climits>

namespace solvane::app {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingCheckBox::textLeft() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).left();
}

QRect WrappingCheckBox::textRect(int width) const {
    const int left = textLeft();
    const QRect bounds(left, 0, std::max(1, width - left), INT_MAX / 2);
    return fontMetrics().boundingRect(bounds, kTextFlags, text());
}

QSize WrappingCheckBox::sizeHint() const {
    // On one line where there is room, like any check box.
    return QCheckBox::sizeHint();
}

QSize WrappingCheckBox::minimumSizeHint() const {
    // Narrow enough for a column; the height then follows the width.
    const int word = fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM"));
    return {std::min(QCheckBox::sizeHint().width(), textLeft() + word),
            QCheckBox::minimumSizeHint().height()};
}

int WrappingCheckBox::heightForWidth(int width) const {
    return std::max(QCheckBox::sizeHint().height(), textRect(width).height() + 2);
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The box beside the first line, whatever the number of lines.
    QStyleOptionButton box = option;
    box.rect.setHeight(std::min(height(), QCheckBox::sizeHint().height()));
    box.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    const QRect text = textRect(width()).translated(0, 1);
    painter.drawItemText(text, kTextFlags, palette(), isEnabled(), this->text(),
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace solvane::app
