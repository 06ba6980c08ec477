#pragma once
// Where the pointer was, which buttons it held and when the canvas was last paced.

#include "state/numbers.h"

#include <string>

namespace vrex {

struct MouseRegisters {
    Integer MouseX = 0; // pixels of the surface that raised the event
    Integer MouseY = 0;
    Integer MouseButton = 0;   // 1 left, 2 right, 4 middle; buttons held on a move
    std::string MouseState;    // "MOVE" or "DOWN"
    std::string MouseSurface;  // "PIC" or "FORM"
    Single LastRedrawTime = 0; // seconds since midnight of the last paced update
    Single LastFormMouseX = 0; // last window-surface position that changed both coordinates
    Single LastFormMouseY = 0;
};

} // namespace vrex
