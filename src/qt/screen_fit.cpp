#include "qt/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace vrex::qt {

namespace {

int axisShift(int start, int length, int areaStart, int areaLength)
{
    if (length > areaLength || start < areaStart)
        return areaStart - start;
    const int overhang = (start + length) - (areaStart + areaLength);
    return overhang > 0 ? -overhang : 0;
}

} // namespace

QPoint fitShift(const QRect& frame, const QRect& area)
{
    return {axisShift(frame.left(), frame.width(), area.left(), area.width()),
            axisShift(frame.top(), frame.height(), area.top(), area.height())};
}

void placeOnScreen(QWidget* window, const QMargins& estimate)
{
    const QWindow* handle = window->windowHandle();
    const QMargins margins = handle && !handle->frameMargins().isNull() ? handle->frameMargins() : estimate;
    const QRect frame = window->geometry().marginsAdded(margins);
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QPoint shift = fitShift(frame, screen->availableGeometry());
    if (shift.isNull())
        return;
    // Move by the client area: the frame keeps its margins around it.
    window->setGeometry(window->geometry().translated(shift));
}

} // namespace vrex::qt
