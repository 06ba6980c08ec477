#pragma once
// Mouse events of the canvas and of the main window's bare surface.
//
// The flow is this:
//  1. a canvas move records the pointer and runs the paced update, which at
//     most once per 0.12 s moves a dragged vertex and redraws the whole scene;
//  2. a canvas press (unless another press is still unanswered) runs the click
//     dispatch: zoom, append, line search, point edit, drop, then a redraw;
//  3. a release only records the pointer;
//  4. the first window-surface move after the canvas that changes both
//     coordinates is the leaving move: one more paced update.

#include "state/numbers.h"

namespace vrex {

struct Editor;

void CAD8pic_mousedown(Editor& editor, Integer Botton8iint, Integer shift8iint, Single MouseX8isng, Single MouseY8isng);
void CAD8pic_mousemove(Editor& editor, Integer Botton8iint, Integer shift8iint, Single MouseX8isng, Single MouseY8isng);
void CAD8pic_mouseup(Editor& editor, Integer Botton8iint, Integer shift8iint, Single MouseX8isng, Single MouseY8isng);
void Form_MouseMove(Editor& editor, Integer Botton8iint, Integer Shift, Single MouseX8isng, Single MouseY8isng);

void PacedMouseUpdate(Editor& editor);
void DispatchCanvasClick(Editor& editor);
void RedrawAfterClick(Editor& editor);
void ClearResultFlags(Editor& editor);

inline constexpr double RedrawInterval = 0.12; // seconds between paced updates

} // namespace vrex
