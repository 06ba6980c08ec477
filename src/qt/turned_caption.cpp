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
    // Every size tried loads a font of its own. Advances grow about in
    // proportion to the size, so the size the largest one's advance points to
    // is taken, stepping down while the text is still too long for it.
    const int run = size.height() - 2;
    QFont font;
    const auto advance = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).horizontalAdvance(text);
    };
    const int largest = qMax(6, size.width() - 4);
    int pixels = largest;
    const int widest = advance(largest);
    if (widest > run && largest > 6) {
        pixels = qBound(6, static_cast<int>(static_cast<long long>(largest) * run / qMax(widest, 1)), largest - 1);
        if (advance(pixels) > run) {
            while (pixels > 6 && advance(pixels - 1) > run)
                --pixels;
            pixels = qMax(6, pixels - 1);
        }
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
