#pragma once
// Where a top-level window opens: its designed place when its frame fits the
// screen's available area, else moved the least distance that makes it fit.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace vrex::qt {

// The shift that brings frame inside area, nothing when it is inside. Along
// an axis where the frame is larger than the area, it starts at the area's
// left or top edge.
QPoint fitShift(const QRect& frame, const QRect& area);

// Moves window so that its frame fits the available area of the screen it
// stands on. estimate: the frame margins to assume while the window manager
// has not framed the window yet.
void placeOnScreen(QWidget* window, const QMargins& estimate = {});

} // namespace vrex::qt
