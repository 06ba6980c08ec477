#include "qt/line_control.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vrex::qt {

LineControl::LineControl(QPoint from, QPoint to, int lineWidth, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), lineWidth_(std::max(1, lineWidth))
{
    // The box of the two points grown by the pen, so that even a vertical
    // or horizontal line has room for its full width.
    const int grow = lineWidth_ / 2;
    setGeometry(std::min(from.x(), to.x()) - grow, std::min(from.y(), to.y()) - grow,
                std::abs(to.x() - from.x()) + lineWidth_, std::abs(to.y() - from.y()) + lineWidth_);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    // The pen runs centred through the end points and its square caps reach
    // exactly to the widget's edges.
    const double shift = std::floor(lineWidth_ / 2.0) - lineWidth_ / 2.0;
    const QPointF offset = QPointF(pos()) + QPointF(shift, shift);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), lineWidth_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(from_) - offset, QPointF(to_) - offset);
}

} // namespace vrex::qt
