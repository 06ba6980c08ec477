#pragma once
// The user's canvas gestures in core terms, shared by every fixture that
// drives a started editor.

#include "shell/mouse_input.h"
#include "state/editor.h"

namespace vrex::testing {

// A press and release at (x, y) with one button (1 left, 2 right, 4 middle).
inline void tap(Editor& editor, double x, double y, int button = 1)
{
    const auto b = static_cast<Integer>(button);
    CAD8pic_mousedown(editor, b, 0, static_cast<Single>(x), static_cast<Single>(y));
    CAD8pic_mouseup(editor, b, 0, static_cast<Single>(x), static_cast<Single>(y));
}

inline void move(Editor& editor, double x, double y, int buttons = 0)
{
    CAD8pic_mousemove(editor, static_cast<Integer>(buttons), 0, static_cast<Single>(x), static_cast<Single>(y));
}

} // namespace vrex::testing
