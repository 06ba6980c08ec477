#include "qt/wrapping_push_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vrex::qt {

WrappingPushButton::WrappingPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

// The designed buttons are tight: the caption may use all but the bevel.
QRect WrappingPushButton::captionRect() const { return rect().adjusted(2, 0, -2, 0); }

int WrappingPushButton::captionFlags() const
{
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (captionRect().height() >= 2 * fontMetrics().lineSpacing())
        flags |= Qt::TextWordWrap;
    return flags;
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = captionRect();
    const int flags = captionFlags();
    if (isDown() || isChecked())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

} // namespace vrex::qt
