#pragma once
// World values (feet) at the four canvas edges, shown in the edge labels. The
// drawing itself stays in pixels.

#include "state/view_state.h"

#include <string>

namespace vrex {

struct Editor;
class Canvas;

void SetUpView(Editor& editor);

// Recomputes the four edges from the zoom box and rewrites the edge labels.
// All four are computed before any is stored: when one can no longer be
// rounded to an Integer nothing changes and the result is false.
bool RecomputeView(Editor& editor);

std::string FormatEdgeValue(Single value);

// The platform's plain text of a Single (at most seven significant digits).
std::string defaultSingleText(Single value);

// Inclusive on all four sides, so the right and bottom bounds lie one pixel
// beyond the last visible column and row.
bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y);

} // namespace vrex
