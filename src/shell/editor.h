#pragma once
// The whole program state, one plain struct per owner. A test builds a fresh
// Editor in one line; the Qt front owns exactly one.

#include "model/line_search.h"
#include "model/point_editing.h"
#include "model/polyline_store.h"
#include "plotting/palette.h"
#include "plotting/primitives.h"
#include "plotting/scene.h"
#include "plotting/view.h"
#include "plotting/zoom_box.h"
#include "shell/control_state.h"
#include "shell/mode_flags.h"
#include "shell/mouse_registers.h"
#include "shell/services.h"
#include "state/undo_history.h"

namespace vrex {

class Canvas;

struct Editor {
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

    Canvas* canvas;
    Services services;
};

} // namespace vrex
