#pragma once
// The vertex being dragged while points are edited.

#include "state/numbers.h"

namespace vrex {

struct PointEditState {
    // The vertex picked up, remembered at the pick so that paced moves and the
    // drop move that vertex whatever line a later search selects.
    Integer DragLine = 0;
    Integer DragPoint = 0;
    // Set by the click that picks a vertex up, so the same click does not drop it.
    bool JustPicked = false;
};

} // namespace vrex
