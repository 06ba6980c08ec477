#pragma once
// The whole program state, one plain struct per owner. A test builds a fresh
// Editor in one line; the Qt front owns exactly one.

#include "state/control_state.h"
#include "state/display_lists.h"
#include "state/drawing_state.h"
#include "state/line_search_state.h"
#include "state/mode_flags.h"
#include "state/mouse_registers.h"
#include "state/palette.h"
#include "state/point_edit_state.h"
#include "state/polyline_store.h"
#include "state/services.h"
#include "state/undo_history.h"
#include "state/view_state.h"
#include "state/zoom_state.h"

#include <utility>

namespace vrex {

// Declared with the drawing (plotting/canvas.h); the state only points at it.
class Canvas;

struct Editor {
    // Without a canvas: enough for everything but drawing.
    Editor() = default;
    explicit Editor(Canvas& c, Services s = {}) : canvas(&c), services(std::move(s)) {}

    PolylineStore store;
    LineSearchState search;
    PointEditState pointEdit;
    MouseRegisters mouse;
    ModeFlags modes;
    ViewState view;
    Palette palette;
    DisplayLists scene;
    DrawingState drawing;
    ZoomState zoom;
    ControlState controls;
    UndoHistory history;

    Canvas* canvas = nullptr;
    Services services;
};

} // namespace vrex
