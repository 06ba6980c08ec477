#include "qt/turned_caption.h"

#include "qt/layout_color.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace vrex::qt {

QPixmap turnedCaption(const QString& text, QSize size, const QFont& font)
{
    QPixmap picture(size);
    picture.fill(layoutColor(vrex::PanelColor, QPalette()));

    // Turned, the picture's height is the run of the text and its width the
    // text's height: take about the largest size that fits both. Advances grow
    // about in proportion to the size, so one measurement in the given font,
    // which the window's controls load anyway, points to the size; it is only
    // stepped down while the text is still too long. Every size tried loads a
    // font of its own.
    const int run = size.height() - 2;
    const int largest = qMax(6, size.width() - 4);
    const int givenPixels = QFontInfo(font).pixelSize();
    const int givenAdvance = QFontMetrics(font).horizontalAdvance(text);
    int pixels = largest;
    if (givenAdvance > 0)
        pixels = qBound(6, static_cast<int>(static_cast<long long>(givenPixels) * run / givenAdvance), largest);
    QFont turned(font);
    const auto tooLong = [&] {
        turned.setPixelSize(pixels);
        return QFontMetrics(turned).horizontalAdvance(text) > run;
    };
    while (tooLong() && pixels > 6)
        --pixels;

    QPainter painter(&picture);
    painter.setFont(turned);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.translate(0, size.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, size.height(), size.width()), Qt::AlignCenter, text);
    return picture;
}

} // namespace vrex::qt
