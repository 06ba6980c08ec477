#pragma once
// World values (feet) at the four canvas edges, shown in the edge labels. The
// drawing itself stays in pixels.

#include "model/numbers.h"

#include <string>

namespace vrex {

struct Editor;
class Canvas;

struct ViewState {
    Single WorldLeft = 0;
    Single WorldRight = 0;
    Single WorldTop = 0;
    Single WorldBottom = 0;
    Integer PixLeft = 0;
    Integer PixRight = 0;
    Integer PixTop = 0;
    Integer PixBottom = 0;
    Integer ZoomCenterX = 0;
    Integer ZoomCenterY = 0;
    Integer ZoomHalfWidth = 0;
    Integer ZoomHalfHeight = 0;
    std::string UnitSuffix;
    Single UnitFactor = 0;
};

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
