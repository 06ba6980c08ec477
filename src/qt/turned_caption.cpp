#include "qt/turned_caption.h"

#include "qt/layout_color.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace vrex::qt {

QPixmap turnedCaption(const QString& text, QSize size)
{
    QPixmap picture(size);
    picture.fill(layoutColor(vrex::PanelColor, QPalette()));

    // Turned, the picture's height is the run of the text and its width the
    // text's height: take the largest font that fits both.
    const int run = size.height() - 2;
    QFont font;
    int pixels = qMax(6, size.width() - 4);
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= run)
            break;
    }
    font.setPixelSize(pixels);

    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.translate(0, size.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, size.height(), size.width()), Qt::AlignCenter, text);
    return picture;
}

} // namespace vrex::qt
